#include "reports/portfolio_performance_page.h"

#include <optional>
#include <string>
#include <vector>

#include "core/date_format.h"
#include "core/number_format.h"
#include "engine/period_dates.h"
#include "reports/figure_cell.h"
#include "reports/html_text.h"
#include "reports/report_writer.h"
#include "store/data_store.h"

namespace brevanta {

namespace {

constexpr const char* kFigurePattern = "#0.00";
constexpr const char* kWholeUnits = "#,##0";
constexpr const char* kAllocationPattern = "#.0";
constexpr const char* kRule = "<TR><TD COLSPAN='11'><HR></TD></TR>";
constexpr const char* kIndent[] = {"<TD COLSPAN='3'>&nbsp;</TD>", "<TD>&nbsp;</TD>"};

constexpr const char* kTimeWeightedKeys[] = {"QTR",    "1 Year",  "3 Year",
                                             "5 Year", "10 Year", "Inception"};
constexpr const char* kDollarWeightedKeys[] = {"QTR$",    "1 Year$",  "3 Year$",
                                               "5 Year$", "10 Year$", "Inception$"};

// Contributions less withdrawals dated after `from`, up to and including `to`.
double NetFlows(const DataStore& store, Pid portfolio_id, Date from, Date to) {
    return store.transactions().PortfolioTypeTotal(portfolio_id, from, to, CashContributionCode) -
           store.transactions().PortfolioTypeTotal(portfolio_id, from, to, WithdrawalCode);
}

class PerformancePage {
  public:
    PerformancePage(ReportWriter& writer, const PortfolioRecord& portfolio, bool time_weighted,
                    bool dollar_weighted)
        : writer_(writer),
          store_(writer.store()),
          locale_(writer.locale()),
          portfolio_(portfolio),
          date_(portfolio.PerformanceDate),
          time_weighted_(time_weighted || !dollar_weighted),
          dollar_weighted_(dollar_weighted || !time_weighted) {}

    void Build() {
        const std::vector<HoldingRecord> holdings =
            store_.holdings().HoldingsOfPortfolio(portfolio_.Id);
        const double portfolio_value = store_.PortfolioValueAt(portfolio_.Id, date_);

        writer_.BeginPage();
        AddTitle();
        AddHeadings();
        writer_.Add(kRule);
        for (const HoldingRecord& holding : holdings) {
            AddInvestment(holding, store_.InvestmentValueAt(holding.Id, date_), portfolio_value);
        }
        writer_.Add(kRule);
        AddTotal(portfolio_value);
        writer_.Add(kRule);
        writer_.Add("</TABLE><BR>");
        AddCashFlows(holdings);
        writer_.Add("</BODY></HTML>");
    }

  private:
    std::string Whole(double amount) const { return FormatNumber(amount, kWholeUnits, locale_); }

    void AddTitle() {
        writer_.Add("<TABLE WIDTH='825'>");
        writer_.Add("<TR>");
        writer_.Add("<TD ALIGN='LEFT'><B>Portfolio Performance</B> - Period Ending: " +
                    FormatShortDate(date_, locale_) + "</TD>");
        writer_.Add("<TD ALIGN='RIGHT'><B>" + EscapeHtml(portfolio_.Name) + "</B></TD>");
        writer_.Add("</TR>");
        writer_.Add("</TABLE>");
        writer_.Add("<BR>");
    }

    void AddHeadings() {
        writer_.Add("<TABLE WIDTH='825' border='0'>");
        writer_.Add("<TR>");
        writer_.Add("<TD WIDTH='160'>&nbsp;</TD>");
        writer_.Add("<TD WIDTH='80' ALIGN='RIGHT'>Market</TD>");
        writer_.Add("<TD WIDTH='70' ALIGN='RIGHT'>Portfolio</TD>");
        writer_.Add("<TD>&nbsp;</TD>");
        writer_.Add("<TD COLSPAN='7' ALIGN='CENTER'>Return Percentages</TD>");
        writer_.Add("</TR>");
        writer_.Add("<TR>");
        writer_.Add("<TD WIDTH='160'>&nbsp;</TD>");
        writer_.Add("<TD WIDTH='80' ALIGN='RIGHT'>Value</TD>");
        writer_.Add("<TD WIDTH='70' ALIGN='RIGHT'>Allocation</TD>");
        writer_.Add("<TD>&nbsp;</TD>");
        for (const char* period : {"Qtr", "1Yr", "3Yr", "5Yr", "10Yr", "Inc"}) {
            writer_.Add(std::string("<TD ALIGN='RIGHT' VALIGN='BOTTOM'>") + period + "</TD>");
        }
        writer_.Add("<TD>&nbsp;</TD>");
        writer_.Add("</TR>");
    }

    // An allocation needs a portfolio value to divide by; without one it is "n/a".
    std::string Allocation(double value, double portfolio_value) const {
        if (portfolio_value == 0) return "n/a";
        return FormatNumber(value / portfolio_value * 100, kAllocationPattern, locale_) + " %";
    }

    void AddInvestment(const HoldingRecord& holding, double value, double portfolio_value) {
        writer_.Add("<TR>");
        writer_.Add("<TD ALIGN='LEFT'>" + EscapeHtml(holding.Name) + "</TD>");
        writer_.Add("<TD ALIGN='RIGHT'>" + Whole(value) + "</TD>");
        writer_.Add("<TD ALIGN='RIGHT'>" + Allocation(value, portfolio_value) + "</TD>");
        writer_.Add("<TD>&nbsp;</TD>");
        const auto cell = [&](const char* key) {
            return "<TD ALIGN='RIGHT'>" + HoldingCell(holding, key, kFigurePattern, locale_) +
                   "</TD>";
        };
        AddFigureRows(cell, "<TD ALIGN='CENTER'>Time Wtd</TD>",
                      "<TD ALIGN='CENTER'>Dollar Wtd</TD>");
    }

    void AddTotal(double portfolio_value) {
        writer_.Add("<TR>");
        writer_.Add("<TD ALIGN='LEFT'><B>Total Portfolio</B></TD>");
        writer_.Add("<TD ALIGN='RIGHT'><B>" + Whole(portfolio_value) + "</B></TD>");
        writer_.Add("<TD ALIGN='RIGHT'><B>100.0 %</B></TD>");
        writer_.Add("<TD>&nbsp;</TD>");
        const auto cell = [&](const char* key) {
            return "<TD ALIGN='RIGHT'><B>" +
                   PortfolioCell(portfolio_, key, kFigurePattern, locale_) + "</b></TD>";
        };
        AddFigureRows(cell, "<TD ALIGN='CENTER'><B>Time Wtd</B></TD>",
                      "<TD ALIGN='CENTER'><B>Dollar Wtd</B></TD>");
    }

    // The figure cells after the leading cells: the time-weighted row, the dollar-weighted
    // row, or both, the second indented under the leading cells.
    template <typename Cell>
    void AddFigureRows(const Cell& cell, const char* time_label, const char* dollar_label) {
        if (time_weighted_) AddFigures(cell, kTimeWeightedKeys, time_label);
        if (time_weighted_ && dollar_weighted_) {
            writer_.Add("<TR>");
            for (const char* indent : kIndent) writer_.Add(indent);
        }
        if (dollar_weighted_) AddFigures(cell, kDollarWeightedKeys, dollar_label);
    }

    template <typename Cell>
    void AddFigures(const Cell& cell, const char* const (&keys)[6], const char* label) {
        for (const char* key : keys) writer_.Add(cell(key));
        writer_.Add(label);
        writer_.Add("</TR>");
    }

    void AddCashFlows(const std::vector<HoldingRecord>& holdings) {
        const Pid id = portfolio_.Id;
        const double last_quarter = NetFlows(store_, id, SubtractMonths(date_, 3), date_);
        const double last_year = NetFlows(store_, id, SubtractMonths(date_, 12), date_);
        double inception = 0;
        for (const HoldingRecord& holding : holdings) {
            inception += store_.transactions().TypeTotal(holding.Id, CashContributionCode) -
                         store_.transactions().TypeTotal(holding.Id, WithdrawalCode);
        }
        writer_.Add("<TABLE WIDTH='820' border='1'>");
        writer_.Add("<TR>");
        writer_.Add("<TD>");
        writer_.Add("<TABLE WIDTH='800' border='0'>");
        writer_.Add("<TR>");
        writer_.Add("<TD ALIGN='LEFT' VALIGN='TOP'>Total Contributions/Withdrawals</TD>");
        writer_.Add("<TD ALIGN='RIGHT'><B>Last 3 Months</B><BR>" + Whole(last_quarter) + "</TD>");
        writer_.Add("<TD ALIGN='RIGHT'><B>Last Year</B><BR>" + Whole(last_year) + "</TD>");
        writer_.Add("<TD ALIGN='RIGHT'><B>Inception</B><BR>" + Whole(inception) + "</TD>");
        writer_.Add("</TR>");
        writer_.Add("</TABLE>");
        writer_.Add("</TD>");
        writer_.Add("</TR>");
        writer_.Add("</TABLE>");
    }

    ReportWriter& writer_;
    DataStore& store_;
    const Locale& locale_;
    const PortfolioRecord& portfolio_;
    Date date_;
    bool time_weighted_;
    bool dollar_weighted_;
};

}  // namespace

Status BuildPortfolioPerformancePage(ReportWriter& writer, Pid portfolio_id, bool time_weighted,
                                     bool dollar_weighted) {
    const std::optional<PortfolioRecord> portfolio =
        writer.store().portfolios().FindPortfolio(portfolio_id);
    if (!portfolio) {
        return PortfolioNotFound(portfolio_id);
    }
    PerformancePage(writer, *portfolio, time_weighted, dollar_weighted).Build();
    return Status::Ok();
}

}  // namespace brevanta
