#include "reports/audit_detail.h"

#include <cassert>

#include "core/date_format.h"
#include "core/number_format.h"
#include "core/text_file.h"
#include "core/windows_1252.h"
#include "engine/period_dates.h"
#include "reports/figure_cell.h"

namespace brevanta {

namespace {

constexpr char kDatePattern[] = "mm/dd/yyyy";
constexpr char kInceptionDatePattern[] = "m/dd/yyyy";
constexpr char kAmountPattern[] = "#,###,##0.00";
constexpr char kSavedAmountPattern[] = "0.##";
constexpr char kRatioPattern[] = "0.######";
constexpr char kFigurePattern[] = "0.##";
constexpr char kSavedHeader[] = "Date1, Date2, BMV, EMV, SOC, EMV-.5 SOC / BMV+.5 SOC ";
constexpr char kSavedSeparator[] = ", ";

// The label before a trailing period's figure.
const char* LabelOf(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::Quarter:
            return "Quarter ROR: ";
        case ReportingPeriod::OneYear:
            return "1 Year ROR: ";
        case ReportingPeriod::ThreeYear:
            return "3 Year ROR: ";
        case ReportingPeriod::FiveYear:
            return "5 Year ROR: ";
        case ReportingPeriod::TenYear:
            return "10 Year ROR: ";
        case ReportingPeriod::Inception:  // labelled by AuditLabel: it depends on the window
            return "";
        case ReportingPeriod::Month:
            break;
    }
    assert(false && "the month has no audit tab");
    return "Month ROR: ";
}

// The engine annualises the inception figure when its window, which starts where the first
// monthly period starts and ends on the performance date, is older than one year; the label
// asks the same question of the same dates so it never contradicts the figure.
bool IsAnnualised(const std::vector<SubPeriodRecord>& inception) {
    return !inception.empty() && IsOlderThanOneYear(inception.front().start, inception.back().end);
}

}  // namespace

std::vector<TextRow> AuditRows(const std::vector<SubPeriodRecord>& periods, const Locale& locale) {
    std::vector<TextRow> rows;
    rows.reserve(periods.size());
    for (const SubPeriodRecord& period : periods) {
        rows.push_back({{},
                        {FormatDate(period.start, kDatePattern, locale),
                         FormatDate(period.end, kDatePattern, locale),
                         FormatNumber(period.bmv, kAmountPattern, locale),
                         FormatNumber(period.emv, kAmountPattern, locale),
                         FormatNumber(period.soc, kAmountPattern, locale),
                         FormatNumber(period.ror, kRatioPattern, locale)}});
    }
    return rows;
}

std::string AuditLabel(ReportingPeriod period, const Calculation& calculation, Date inception_date,
                       const Locale& locale) {
    const float value = calculation.figures[TimeWeightedFigure(period)];
    const std::string figure =
        FigureText(value, kFigurePattern, locale) + (value == NotCalculated ? "" : " %");
    if (period != ReportingPeriod::Inception) return LabelOf(period) + figure;
    return "From Inception of " + FormatDate(inception_date, kInceptionDatePattern, locale) +
           (IsAnnualised(calculation.audit_list(period)) ? " Annualized ROR: " : " ROR: ") + figure;
}

Status SaveAuditDetail(const std::vector<SubPeriodRecord>& periods,
                       const std::filesystem::path& path) {
    const Locale locale = Locale::EnUs();
    std::vector<std::string> lines = {kSavedHeader};
    lines.reserve(periods.size() + 1);
    for (const SubPeriodRecord& period : periods) {
        lines.push_back(FormatDate(period.start, kDatePattern, locale) + kSavedSeparator +
                        FormatDate(period.end, kDatePattern, locale) + kSavedSeparator +
                        FormatNumber(period.bmv, kSavedAmountPattern, locale) + kSavedSeparator +
                        FormatNumber(period.emv, kSavedAmountPattern, locale) + kSavedSeparator +
                        FormatNumber(period.soc, kSavedAmountPattern, locale) + kSavedSeparator +
                        FormatNumber(period.ror, kRatioPattern, locale));
    }
    return ReplaceFile(path, [&lines](std::ostream& out) {
        return WriteLines(EncodeWindows1252(lines, QuestionMark), out);
    });
}

std::optional<size_t> AuditRowHolding(const std::vector<SubPeriodRecord>& periods, Date day) {
    if (periods.empty()) return std::nullopt;
    for (size_t row = 0; row < periods.size(); ++row) {
        if (day <= periods[row].end) return row;
    }
    return periods.size() - 1;
}

}  // namespace brevanta
