#include "reports/growth_page.h"

#include <string>
#include <vector>

#include "core/date_format.h"
#include "reports/growth_chart.h"
#include "reports/growth_rows.h"
#include "reports/html_text.h"
#include "reports/report_writer.h"
#include "store/data_store.h"

namespace brevanta {

namespace {

// The first two cells (year and partial) are centred, the figures right-aligned.
constexpr int kCentredCells = 2;

std::string Cell(int index, const std::string& text) {
    return std::string(index < kCentredCells ? "<TD ALIGN='CENTER'>" : "<TD ALIGN='RIGHT'>") +
           text + "</TD>";
}

}  // namespace

Status CheckGrowthSubject(const DataStore& store, const GrowthSubject& subject) {
    const std::string portfolio = IdText(subject.portfolio_id);
    if (subject.is_portfolio()) {
        if (store.portfolios().FindPortfolio(subject.portfolio_id)) return Status::Ok();
        return Status::NotFound("Portfolio " + portfolio + " was not found.");
    }
    if (store.holdings().FindHoldingIn(subject.portfolio_id, *subject.holding_id))
        return Status::Ok();
    return Status::NotFound("Investment " + IdText(*subject.holding_id) + " is not in portfolio " +
                            portfolio + ".");
}

Status BuildGrowthPage(ReportWriter& writer, const GrowthSubject& subject, Date performance_date) {
    const DataStore& store = writer.store();
    if (Status found = CheckGrowthSubject(store, subject); !found.ok()) return found;
    const Locale& locale = writer.locale();
    const std::string portfolio_name = store.portfolios().PortfolioName(subject.portfolio_id);
    const std::string title = subject.is_portfolio()
                                  ? portfolio_name
                                  : store.holdings().FindHolding(*subject.holding_id)->Name;
    const Growth growth = GrowthOf(store, subject, performance_date);

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
    writer.Add("<TABLE WIDTH='640' CELLSPACING='1'>");
    writer.Add("<TR>");
    for (size_t i = 0; i < kCalendarYearColumns.size(); ++i) {
        writer.Add(
            Cell(static_cast<int>(i), "<U>" + std::string(kCalendarYearColumns[i]) + "</U>"));
    }
    writer.Add("</TR>");
    const std::vector<TextRow> rows =
        BuildCalendarYearRows(growth.years, NumberStyle::Grouped, locale);
    if (rows.empty()) {
        writer.Add("<TR><TD COLSPAN='" + std::to_string(kCalendarYearColumns.size()) +
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
    writer.Add("<BR>");
    for (std::string& line : GrowthChartSvg(growth.month_ends, locale)) {
        writer.Add(std::move(line));
    }
    writer.Add("</BODY></HTML>");
    return Status::Ok();
}

}  // namespace brevanta
