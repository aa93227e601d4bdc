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

// The label of a trailing period's figure, the figure its %1.
UserText LabelOf(ReportingPeriod period) {
    switch (period) {
        case ReportingPeriod::Quarter:
            return BREVANTA_TEXT("Reports", "Quarter ROR: %1");
        case ReportingPeriod::OneYear:
            return BREVANTA_TEXT("Reports", "1 Year ROR: %1");
        case ReportingPeriod::ThreeYear:
            return BREVANTA_TEXT("Reports", "3 Year ROR: %1");
        case ReportingPeriod::FiveYear:
            return BREVANTA_TEXT("Reports", "5 Year ROR: %1");
        case ReportingPeriod::TenYear:
            return BREVANTA_TEXT("Reports", "10 Year ROR: %1");
        case ReportingPeriod::Inception:  // labelled by AuditLabel: it depends on the window
        case ReportingPeriod::Month:      // has no audit tab
            break;
    }
    assert(false && "no label of its own");
    return BREVANTA_TEXT("Reports", "Month ROR: %1");
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

Message AuditLabel(ReportingPeriod period, const Calculation& calculation, Date inception_date,
                   const Locale& locale) {
    const float value = calculation.figures[TimeWeightedFigure(period)];
    std::string figure =
        FigureText(value, kFigurePattern, locale) + (value == NotCalculated ? "" : " %");
    if (period != ReportingPeriod::Inception) return Message(LabelOf(period), {std::move(figure)});
    return Message(IsAnnualised(calculation.audit_list(period))
                       ? BREVANTA_TEXT("Reports", "From Inception of %1 Annualized ROR: %2")
                       : BREVANTA_TEXT("Reports", "From Inception of %1 ROR: %2"),
                   {FormatDate(inception_date, kInceptionDatePattern, locale), std::move(figure)});
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
