#include "ui/detail/heat_map_model.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>

#include "ui/platform/translated.h"

namespace brevanta {

HeatMapModel::HeatMapModel(Locale locale, QObject* parent)
    : QAbstractTableModel(parent), locale_(std::move(locale)) {}

void HeatMapModel::setReturns(const std::vector<CalendarMonthReturn>& months,
                              const std::vector<CalendarYearReturn>& years) {
    beginResetModel();
    rows_ = BuildHeatMapRows(months, years);
    bound_ = HeatMapBound(months);
    endResetModel();
}

std::optional<CalendarMonthReturn> HeatMapModel::monthAt(const QModelIndex& index) const {
    if (!index.isValid() || index.column() >= kYearColumn) return std::nullopt;
    return rows_[static_cast<size_t>(index.row())].months[static_cast<size_t>(index.column())];
}

int HeatMapModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int HeatMapModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kYearColumn + 1;
}

QVariant HeatMapModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    const HeatMapRow& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (index.column() == kYearColumn) {
        if (role == Qt::DisplayRole) {
            return QString::fromStdString(HeatMapPercentText(row.year_return, locale_));
        }
        if (role == Qt::AccessibleTextRole) {
            return tr("Year %1: %2 %")
                .arg(row.year)
                .arg(QString::fromStdString(HeatMapPercentText(row.year_return, locale_)));
        }
        if (role == Qt::FontRole) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    const std::optional<CalendarMonthReturn> month = monthAt(index);
    if (!month) return {};
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(HeatMapPercentText(month->time_weighted, locale_));
        case Qt::AccessibleTextRole:
            // A screen reader reads the cell alone: its month and year with the figure.
            return tr("%1 %2: %3 %")
                .arg(headerData(index.column(), Qt::Horizontal).toString())
                .arg(row.year)
                .arg(QString::fromStdString(HeatMapPercentText(month->time_weighted, locale_)));
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return Translated(HeatMapPeriodText(*month, locale_));
        case Qt::BackgroundRole: {
            const HeatMapColour colour = HeatMapColourOf(month->time_weighted, bound_);
            return QColor(colour.red, colour.green, colour.blue);
        }
        case Qt::ForegroundRole:
            // The scale runs from white, so the text stays dark whatever the theme.
            return QColor(Qt::black);
        default:
            return {};
    }
}

Qt::ItemFlags HeatMapModel::flags(const QModelIndex& index) const {
    // Only a month can be chosen; the shading of a selection is meant for its colours.
    if (!index.isValid()) return Qt::NoItemFlags;
    return monthAt(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::ItemIsEnabled;
}

QVariant HeatMapModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) {
        return section < rowCount() ? QVariant(rows_[static_cast<size_t>(section)].year)
                                    : QVariant();
    }
    if (section == kYearColumn) return tr("Year %");
    return section < kYearColumn
               ? QCoreApplication::translate("Reports",
                                             kHeatMapMonthCaptions[static_cast<size_t>(section)])
               : QVariant();
}

}  // namespace brevanta
