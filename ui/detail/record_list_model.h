#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <vector>

#include "reports/investment_detail_rows.h"

namespace brevanta {

// Rows whose every cell the row builder computed, with their identifiers as item data.
class RecordListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    enum Role { IdRole = Qt::UserRole };

    struct Column {
        QString caption;
        Qt::Alignment alignment;
    };

    RecordListModel(QList<Column> columns, QObject* parent = nullptr);

    // Resets the model.
    void setRows(std::vector<RecordRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QList<Column> columns_;
    std::vector<RecordRow> rows_;
};

}  // namespace brevanta
