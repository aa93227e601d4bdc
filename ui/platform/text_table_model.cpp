#include "ui/platform/text_table_model.h"

namespace brevanta {

TextTableModel::TextTableModel(QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)) {}

void TextTableModel::setColumns(QList<Column> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_.clear();
    endResetModel();
}

void TextTableModel::setRows(std::vector<TextRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TextTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TextTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TextTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const TextRow& row = rows_[index.row()];
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return QString::fromStdString(row.cells[index.column()]);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columns_[index.column()].alignment | Qt::AlignVCenter);
        case IdRole:
            return NumberOf(row.id);
        default:
            return {};
    }
}

QVariant TextTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return columns_[section].caption;
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columns_[section].alignment | Qt::AlignVCenter);
        default:
            return {};
    }
}

}  // namespace brevanta
