#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <vector>

#include "reports/text_row.h"

namespace brevanta {

// Rows whose every cell a row builder computed, with their identifiers as item data. A cell
// cut off by its column shows whole as its tooltip.
class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Role { IdRole = Qt::UserRole };

    struct Column {
        QString caption;
        Qt::Alignment alignment;
    };

    explicit TextTableModel(QList<Column> columns = {}, QObject* parent = nullptr);

    // Both reset the model; new columns come without rows.
    void setColumns(QList<Column> columns);
    void setRows(std::vector<TextRow> rows);
    // REQUIRES: 0 <= index < rowCount().
    const TextRow& row(int index) const { return rows_[static_cast<size_t>(index)]; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QList<Column> columns_;
    std::vector<TextRow> rows_;
};

}  // namespace brevanta
