#include "engine/audit_log.h"

#include <memory>
#include <string_view>

#include "core/control_characters.h"
#include "core/date_format.h"
#include "core/file_system.h"
#include "core/float_text.h"
#include "core/number_format.h"
#include "core/windows_1252.h"

namespace brevanta {

namespace {

constexpr std::string_view kEol = "\r\n";
const std::string kSeparator(80, '-');
const std::string kSectionRule = "   " + std::string(60, '-');

std::string Line(std::string_view text) { return std::string(text) + std::string(kEol); }

std::string LegendHeader() {
    std::string text = Line("") + Line(kSeparator) + Line("");
    text += Line("  Brevanta - Performance Calculation Audit Log") + Line("");
    for (const char* line : {
             "     Time 1    Starting date for the compounding period.",
             "     Time 2    Ending date for the compounding period.",
             "     BMV       Beginning Market Value for the time period.",
             "     EMV       Ending Market Value for the time period.",
             "     SOC       Sum Of Cash flows (total dollars contributed and withdrawn) for the",
             "               time period.",
             "     ROR*      Rate Of Return for the period.",
             "",
             "     * These Rates Of Return are geometrically linked to calculate the final ROR ",
             "       for the entire time period. 3 Year, 5 Year and 10 Year returns are "
             "annualized.",
             "       From inception returns are annualized only if they are older than 1 Year.",
         }) {
        text += Line(line);
    }
    return text + Line("") + Line("") + Line(kSeparator);
}

// The logged periods in log order, with the title word of their sections.
struct LoggedPeriod {
    ReportingPeriod period;
    std::string_view title;
};

constexpr LoggedPeriod kLoggedPeriods[] = {
    {ReportingPeriod::Quarter, "Quarter"},  {ReportingPeriod::OneYear, "1 Year"},
    {ReportingPeriod::ThreeYear, "3 Year"}, {ReportingPeriod::FiveYear, "5 Year"},
    {ReportingPeriod::TenYear, "10 Year"},  {ReportingPeriod::Inception, "From Inception"},
};

template <typename Numbers>
std::string JoinAsText(const Numbers& numbers) {
    std::string text;
    for (double number : numbers) {
        if (!text.empty()) text += ", ";
        text += FloatToText(number);
    }
    return text;
}

}  // namespace

AuditLog::AuditLog(std::filesystem::path file, const Clock& clock, Locale locale)
    : file_(std::move(file)), clock_(clock), locale_(std::move(locale)) {}

// One write per block, to a file opened for appending, so that blocks of two programs
// calculating at once never interleave. The file is never reached through a symbolic link.
Status AuditLog::Append(const Subject& subject, const Calculation& calculation,
                        const YearlyFlows& flows) const {
    std::unique_ptr<File> file;
    Status status = FileSystem::Default().Open(file_.string(), OpenMode::Append, &file);
    if (!status.ok())
        return Status::IoError(Message(BREVANTA_TEXT("Engine", "Cannot open %1: %2"),
                                       {file_.string(), status.text()}));
    FileInfo info;
    status = file->Info(&info);
    std::string text = status.ok() && info.size == 0 ? LegendHeader() : std::string();
    text += EncodeWindows1252(Block(subject, calculation, flows), QuestionMark);
    if (status.ok()) status = file->WriteAt(info.size, text);
    if (!status.ok())
        return Status::IoError(Message(BREVANTA_TEXT("Engine", "Cannot write %1: %2"),
                                       {file_.string(), status.text()}));
    return Status::Ok();
}

std::string AuditLog::Timestamp() const {
    return FormatDate(clock_.Today(), "m/dd/yyyy", locale_) + " at " +
           FormatTime(clock_.Now(), "h:n:s am/pm") + "....";
}

std::string AuditLog::Block(const Subject& subject, const Calculation& calculation,
                            const YearlyFlows& flows) const {
    std::string text = Line("*** Starting calculation on " + Timestamp()) + Line("");
    // Names come from the tables, which may hold control characters no log line should carry.
    text += Line("   Portfolio: " + OneLine(subject.portfolio_name));
    text += Line("   Investment: " + OneLine(subject.investment_name.value_or(
                                         "n/a (Calculating for the entire portfolio)")));
    text += Line("");

    for (const LoggedPeriod& logged : kLoggedPeriods) {
        const std::vector<SubPeriodRecord>& records = calculation.audit_list(logged.period);
        if (records.empty()) continue;
        text += Line(kSectionRule);
        text +=
            Line("      Numbers used to calculate " + std::string(logged.title) + " Performance");
        text += Line(kSectionRule) + Line("");
        text +=
            Line("   Time1, Time2, BMV, EMV, SOC, EMV-.5 SOC / BMV+.5 SOC") + Line(kSectionRule);
        for (const SubPeriodRecord& record : records) {
            text += Line("   " + FormatDate(record.start, "mm/dd/yyyy", locale_) + ", " +
                         FormatDate(record.end, "mm/dd/yyyy", locale_) + ", " +
                         FormatNumber(record.bmv, "0.##", locale_) + ", " +
                         FormatNumber(record.emv, "0.##", locale_) + ", " +
                         FormatNumber(record.soc, "0.##", locale_) + ", " +
                         FormatNumber(record.ror, "0.######", locale_));
        }
        text += Line("") +
                Line("   " + std::string(logged.title) + " ROR = " +
                     FormatNumber(calculation.figures[TimeWeightedFigure(logged.period)], "0.0000%",
                                  locale_)) +
                Line("");
    }

    text += Line("") + Line("bmv, emv, nummonths");
    text += Line(FloatToText(flows.bmv) + ", " + FloatToText(flows.emv) + ", " +
                 FloatToText(flows.nummonths));
    text += Line("socs[50]") + Line(JoinAsText(flows.socs));
    text += Line("pwrs[50]") + Line(JoinAsText(flows.pwrs)) + Line("");

    text += Line("*** Finished calculation on " + Timestamp()) + Line(kSeparator);
    return text;
}

}  // namespace brevanta
