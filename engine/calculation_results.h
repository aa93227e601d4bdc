#pragma once

#include <array>
#include <vector>

#include "core/date.h"
#include "engine/reporting_period.h"
#include "store/records.h"

namespace brevanta {

// One monthly compounding period: its dates, the market values at both ends, the net cash
// flow between them and its return.
template <typename Number>
struct BasicSubPeriod {
    Date start;
    Date end;
    Number bmv = 0;
    Number emv = 0;
    Number soc = 0;
    Number ror = 0;
};

// As the audit viewer and the log show it. ror is the period's ratio, except in the "Month"
// list where it is the percent return.
using SubPeriodRecord = BasicSubPeriod<float>;
// As computed; ror is the modified Dietz ratio.
using SubPeriod = BasicSubPeriod<double>;

// The record of a period computed in double precision.
inline SubPeriodRecord MakeSubPeriodRecord(Date start, Date end, double bmv, double emv, double soc,
                                           double ror) {
    return {start,
            end,
            static_cast<float>(bmv),
            static_cast<float>(emv),
            static_cast<float>(soc),
            static_cast<float>(ror)};
}

// The figures and the monthly audit lists of the last calculation of one mode.
struct CalculationResults {
    FigureValues figures;
    std::array<std::vector<SubPeriodRecord>, kReportingPeriodCount> audit;

    CalculationResults() { Reset(); }

    void Reset() {
        figures = FigureValues();
        for (auto& list : audit) list.clear();
    }
    float figure(Figure which) const { return figures[which]; }
    void set(Figure which, double value) { figures[which] = static_cast<float>(value); }
    const std::vector<SubPeriodRecord>& audit_list(ReportingPeriod period) const {
        return audit[static_cast<size_t>(period)];
    }
    std::vector<SubPeriodRecord>& audit_list(ReportingPeriod period) {
        return audit[static_cast<size_t>(period)];
    }
};

}  // namespace brevanta
