#include "ui/main/investment_list_model.h"

namespace brevanta {

InvestmentListModel::InvestmentListModel(QObject* parent) : QAbstractTableModel(parent) {}

void InvestmentListModel::setColumns(std::vector<ListColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_.clear();
    endResetModel();
}

void InvestmentListModel::setRows(std::vector<InvestmentListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int InvestmentListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int InvestmentListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant InvestmentListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const InvestmentListRow& row = rows_[index.row()];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(row.cells[index.column()]);
        case Qt::ToolTipRole:  // a name cut off by its column shows whole
            return index.column() == 0 ? QString::fromStdString(row.cells[0]) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignmentOf(index.column()));
        case HoldingIdRole:
            return row.holding_id;
        default:
            return {};
    }
}

QVariant InvestmentListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(columns_[section].caption);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignmentOf(section));
        default:
            return {};
    }
}

Qt::Alignment InvestmentListModel::alignmentOf(int column) const {
    return (columns_[column].right_aligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

}  // namespace brevanta
