#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/locale.h"
#include "core/message.h"
#include "core/status.h"
#include "engine/calculation.h"
#include "engine/reporting_period.h"
#include "reports/text_row.h"

namespace brevanta {

// The periods whose monthly compounding periods the audit viewer explains, one tab each, in
// tab order.
inline constexpr std::array<ReportingPeriod, 6> kAuditPeriods = {
    ReportingPeriod::Quarter,  ReportingPeriod::OneYear, ReportingPeriod::ThreeYear,
    ReportingPeriod::FiveYear, ReportingPeriod::TenYear, ReportingPeriod::Inception};

// One row per monthly period, in list order, of six cells: dates "mm/dd/yyyy", BMV, EMV and SOC
// "#,###,##0.00", the ratio "0.######".
std::vector<TextRow> AuditRows(const std::vector<SubPeriodRecord>& periods, const Locale& locale);

// The text above the list of one period, from one calculation: "Quarter ROR: 4.76 %" and
// the like; for the inception period "From Inception of <inception_date, m/dd/yyyy>" with
// " Annualized ROR: " or " ROR: " as the calculation decided for its figure. A figure that
// was not calculated shows as "n/a". REQUIRES: period is one of kAuditPeriods.
Message AuditLabel(ReportingPeriod period, const Calculation& calculation, Date inception_date,
                   const Locale& locale);

// The index of the period that holds the day (start < day <= end); for a day before the first
// period the first, after the last the last; none for no periods.
std::optional<size_t> AuditRowHolding(const std::vector<SubPeriodRecord>& periods, Date day);

// Writes the periods as comma-separated text: the header
// "Date1, Date2, BMV, EMV, SOC, EMV-.5 SOC / BMV+.5 SOC ", then per period the dates
// "mm/dd/yyyy", BMV, EMV and SOC "0.##" and the ratio "0.######", joined by ", "; every line
// ends in CR LF. Like the exports, the file does not follow the user's locale: '.' is the
// decimal point and '/' the date separator, so a comma never splits a number. path is
// replaced only when every byte was written. A failure reads "Could not write <path>: <reason>".
Status SaveAuditDetail(const std::vector<SubPeriodRecord>& periods,
                       const std::filesystem::path& path);

}  // namespace brevanta
