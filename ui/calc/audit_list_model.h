#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "reports/audit_detail.h"

namespace brevanta {

// The monthly periods of one figure, as the row builder computed every cell; this model only
// shows them. Number columns are centred.
class AuditListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    explicit AuditListModel(QObject* parent = nullptr);

    void setRows(std::vector<AuditRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    static Qt::Alignment alignmentOf(int column);

    std::vector<AuditRow> rows_;
};

}  // namespace brevanta
