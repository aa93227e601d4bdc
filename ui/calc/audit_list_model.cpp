#include "ui/calc/audit_list_model.h"

namespace brevanta {

namespace {

constexpr int kFirstNumberColumn = 2;  // after the two dates

}  // namespace

AuditListModel::AuditListModel(QObject* parent) : QAbstractTableModel(parent) {}

void AuditListModel::setRows(std::vector<AuditRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int AuditListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int AuditListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kAuditColumnCount;
}

QVariant AuditListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(rows_[index.row()][index.column()]);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignmentOf(index.column()));
        default:
            return {};
    }
}

QVariant AuditListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kAuditColumnCount) return {};
    switch (role) {
        case Qt::DisplayRole: {
            const QString captions[kAuditColumnCount] = {
                tr("Date1"), tr("Date2"), tr("BMV"),
                tr("EMV"),   tr("SOC"),   tr(" EMV-.5 SOC / BMV+.5 SOC")};
            return captions[section];
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignmentOf(section));
        default:
            return {};
    }
}

Qt::Alignment AuditListModel::alignmentOf(int column) {
    return (column >= kFirstNumberColumn ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

}  // namespace brevanta
