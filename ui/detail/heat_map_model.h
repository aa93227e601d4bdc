#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "core/locale.h"
#include "reports/heat_map.h"

namespace brevanta {

// The heat map of monthly returns: a row per year, oldest first, a column per month and the
// year's linked return last. Each month's cell is coloured on the diverging scale of
// HeatMapColourOf; its tooltip names the period it covers. Every cell names its month or
// year beside its figure for a screen reader.
class HeatMapModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kYearColumn = 12;

    explicit HeatMapModel(Locale locale, QObject* parent = nullptr);

    // Resets the model to the months and years of a growth.
    void setReturns(const std::vector<CalendarMonthReturn>& months,
                    const std::vector<CalendarYearReturn>& years);
    // The month a cell shows; none for the year column or a month without history.
    std::optional<CalendarMonthReturn> monthAt(const QModelIndex& index) const;
    // Where the colours saturate, in percent.
    double bound() const { return bound_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    const Locale locale_;
    std::vector<HeatMapRow> rows_;
    double bound_ = 1;
};

}  // namespace brevanta
