#include "reports/growth_page.h"

#include <string>
#include <vector>

#include "core/date_format.h"
#include "reports/growth_chart.h"
#include "reports/growth_rows.h"
#include "reports/heat_map.h"
#include "reports/html_text.h"
#include "reports/report_writer.h"
#include "reports/risk_rows.h"
#include "store/data_store.h"
#include "store/risk_free_setting.h"

namespace brevanta {

namespace {

// The first two cells (year and partial) are centred, the figures right-aligned.
constexpr int kCentredCells = 2;

std::string Cell(int index, const std::string& text) {
    return std::string(index < kCentredCells ? "<TD ALIGN='CENTER'>" : "<TD ALIGN='RIGHT'>") +
           text + "</TD>";
}

void AddYearTable(ReportWriter& writer, const Growth& growth) {
    std::vector<std::string> captions(kCalendarYearColumns.begin(), kCalendarYearColumns.end());
    if (growth.benchmark)
        captions.insert(captions.end(), kBenchmarkColumns.begin(), kBenchmarkColumns.end());
    writer.Add("<TABLE WIDTH='640' CELLSPACING='1'>");
    writer.Add("<TR>");
    for (size_t i = 0; i < captions.size(); ++i) {
        writer.Add(Cell(static_cast<int>(i), "<U>" + captions[i] + "</U>"));
    }
    writer.Add("</TR>");
    const std::vector<TextRow> rows =
        BuildCalendarYearRows(growth.years, NumberStyle::Grouped, writer.locale(),
                              growth.benchmark ? &*growth.benchmark : nullptr);
    if (rows.empty()) {
        writer.Add("<TR><TD COLSPAN='" + std::to_string(captions.size()) +
                   "' ALIGN='CENTER'>There is no history to show as of this date.</TD></TR>");
    }
    for (const TextRow& row : rows) {
        writer.Add("<TR>");
        for (size_t i = 0; i < row.cells.size(); ++i) {
            writer.Add(Cell(static_cast<int>(i), EscapeHtml(row.cells[i])));
        }
        writer.Add("</TR>");
    }
    writer.Add("</TABLE>");
}

// One column of figures per subject: the page's, then the benchmark's over the same months.
void AddRiskTable(ReportWriter& writer, const Growth& growth, const std::string& title,
                  const std::string& benchmark_title) {
    const Locale& locale = writer.locale();
    const double risk_free = RiskFreeRate(writer.store());
    const std::vector<std::vector<std::string>> columns = RiskColumns(growth, risk_free, locale);
    writer.Add("<TABLE WIDTH='640' CELLSPACING='1'>");
    std::string heading = "<TR><TD ALIGN='LEFT'><B><U>Risk</U></B></TD><TD ALIGN='RIGHT'><U>" +
                          EscapeHtml(title) + "</U></TD>";
    if (growth.benchmark) {
        heading += "<TD ALIGN='RIGHT'><U>Benchmark: " + EscapeHtml(benchmark_title) + "</U></TD>";
    }
    writer.Add(heading + "</TR>");
    for (size_t i = 0; i < kRiskFigureCaptions.size(); ++i) {
        std::string line = "<TR><TD ALIGN='LEFT' TITLE='" +
                           EscapeHtml(kRiskFigureCaptions[i].definition) + "'>" +
                           EscapeHtml(kRiskFigureCaptions[i].caption) + "</TD>";
        for (const std::vector<std::string>& column : columns) {
            line += "<TD ALIGN='RIGHT'>" + EscapeHtml(column[i]) + "</TD>";
        }
        writer.Add(line + "</TR>");
    }
    writer.Add("<TR><TD COLSPAN='" + std::to_string(columns.size() + 1) + "' ALIGN='LEFT'>" +
               EscapeHtml(RiskSourceText(risk_free, locale).English()) + "</TD></TR>");
    writer.Add("</TABLE>");
}

// Years down, months across, each month coloured by its return, the year's at the row end.
void AddHeatMap(ReportWriter& writer, const Growth& growth) {
    const Locale& locale = writer.locale();
    const double bound = HeatMapBound(growth.months);
    writer.Add("<TABLE WIDTH='640' CELLSPACING='1'>");
    std::string heading = "<TR><TD ALIGN='CENTER'><U>Year</U></TD>";
    for (const char* month : kHeatMapMonthCaptions)
        heading += "<TD ALIGN='RIGHT'><U>" + std::string(month) + "</U></TD>";
    writer.Add(heading + "<TD ALIGN='RIGHT'><U>Year %</U></TD></TR>");
    for (const HeatMapRow& row : BuildHeatMapRows(growth.months, growth.years)) {
        std::string line = "<TR><TD ALIGN='CENTER'>" + std::to_string(row.year) + "</TD>";
        for (const std::optional<CalendarMonthReturn>& month : row.months) {
            if (!month) {
                line += "<TD></TD>";
                continue;
            }
            line += "<TD ALIGN='RIGHT' BGCOLOR='" +
                    HexColour(HeatMapColourOf(month->time_weighted, bound)) + "' TITLE='" +
                    EscapeHtml(HeatMapPeriodText(*month, locale).English()) + "'>" +
                    EscapeHtml(HeatMapPercentText(month->time_weighted, locale)) + "</TD>";
        }
        writer.Add(line + "<TD ALIGN='RIGHT'><B>" +
                   EscapeHtml(HeatMapPercentText(row.year_return, locale)) + "</B></TD></TR>");
    }
    writer.Add("<TR><TD COLSPAN='14' ALIGN='LEFT'>" +
               EscapeHtml(HeatMapLegendText(bound, locale).English()) + "</TD></TR>");
    writer.Add("</TABLE>");
}

}  // namespace

Status CheckGrowthSubject(const DataStore& store, const GrowthSubject& subject) {
    if (subject.is_portfolio()) {
        if (store.portfolios().FindPortfolio(subject.portfolio_id)) return Status::Ok();
        return PortfolioNotFound(subject.portfolio_id);
    }
    if (store.holdings().FindHoldingIn(subject.portfolio_id, *subject.holding_id))
        return Status::Ok();
    return HoldingNotInPortfolio(subject.portfolio_id, *subject.holding_id);
}

Status BuildGrowthPage(ReportWriter& writer, const GrowthSubject& subject, Date performance_date,
                       std::optional<Hid> benchmark) {
    const DataStore& store = writer.store();
    if (Status found = CheckGrowthSubject(store, subject); !found.ok()) return found;
    const Locale& locale = writer.locale();
    const std::string portfolio_name = store.portfolios().PortfolioName(subject.portfolio_id);
    const std::string title = subject.is_portfolio()
                                  ? portfolio_name
                                  : store.holdings().FindHolding(*subject.holding_id)->Name;
    const Growth growth = GrowthOf(store, subject, performance_date, benchmark);

    writer.BeginPage();
    writer.Add("<TABLE WIDTH='640'>");
    writer.Add("<TR><TD ALIGN='RIGHT'><B>" + EscapeHtml(title) + "</B></TD></TR>");
    if (!subject.is_portfolio()) {
        writer.Add("<TR><TD ALIGN='RIGHT'>" + EscapeHtml(portfolio_name) + "</TD></TR>");
    }
    writer.Add("<TR><TD></TD></TR>");
    writer.Add("<TR><TD ALIGN='RIGHT'><B><U>Growth</U></B></TD></TR>");
    writer.Add("<TR><TD ALIGN='RIGHT'>Returns by calendar year as of " +
               EscapeHtml(FormatShortDate(performance_date, locale)) + "</TD></TR>");
    writer.Add("</TABLE>");
    writer.Add("<BR>");
    AddYearTable(writer, growth);
    writer.Add("<BR>");
    if (!growth.years.empty()) {
        const std::optional<HoldingRecord> compared =
            benchmark ? store.holdings().FindHolding(*benchmark) : std::nullopt;
        AddRiskTable(writer, growth, title, compared ? compared->Name : "n/a");
        writer.Add("<BR>");
        AddHeatMap(writer, growth);
        writer.Add("<BR>");
    }
    for (std::string& line : GrowthChartSvg(growth.month_ends, locale)) {
        writer.Add(std::move(line));
    }
    writer.Add("</BODY></HTML>");
    return Status::Ok();
}

}  // namespace brevanta
