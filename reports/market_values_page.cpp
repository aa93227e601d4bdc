#include "reports/market_values_page.h"

#include <optional>
#include <string>

#include "core/date_format.h"
#include "core/number_format.h"
#include "reports/html_text.h"
#include "reports/report_writer.h"
#include "store/data_store.h"

namespace brevanta {

namespace {

constexpr const char* kWholeUnits = "#,##0";

Date LastDayOf(int year, int month) { return Date::Ymd(year, month, DaysInMonth(year, month)); }

// The date the quarterly table starts from: the second entry of the portfolio's transaction
// list. A portfolio whose only entry is one investment's opening contribution starts there;
// one without investments has no start.
std::optional<Date> StartOfHistory(const std::vector<TransactionRecord>& transactions) {
    if (transactions.empty()) return std::nullopt;
    return transactions[transactions.size() > 1 ? 1 : 0].Date;
}

}  // namespace

std::vector<Date> QuarterEnds(Date start, Date performance_date) {
    const int first_month = (start.month() + 2) / 3 * 3;
    std::vector<Date> ends = {LastDayOf(start.year(), first_month)};
    while (ends.back() < performance_date) {
        const Date last = ends.back();
        const int month = last.month() % 12 + 3;
        ends.push_back(LastDayOf(last.year() + (last.month() == 12 ? 1 : 0), month));
    }
    return ends;
}

Status BuildMarketValuesPage(ReportWriter& writer, Pid portfolio_id) {
    DataStore& store = writer.store();
    const std::optional<PortfolioRecord> portfolio = store.portfolios().FindPortfolio(portfolio_id);
    if (!portfolio) {
        return PortfolioNotFound(portfolio_id);
    }
    const Locale& locale = writer.locale();
    const auto whole = [&](double amount) { return FormatNumber(amount, kWholeUnits, locale); };
    const std::optional<Date> start =
        StartOfHistory(store.transactions().TransactionsOfPortfolio(portfolio_id));

    writer.BeginPage();
    writer.Add("<TABLE WIDTH='640'>");
    writer.Add("<TR>");
    writer.Add("<TD ALIGN='RIGHT'><B>" +
               EscapeHtml(store.portfolios().PortfolioName(portfolio_id)) + "</B></TD>");
    writer.Add("</TR>");
    writer.Add("<TR><TD></TD></TR>");
    writer.Add("<TR><TD ALIGN='RIGHT'><B><U>Market Values and Cash Flows</U></B></TD></TR>");
    writer.Add("</TABLE>");
    writer.Add("<BR>");
    writer.Add("<TABLE WIDTH='640' CELLSPACING='1'>");
    writer.Add("<TR>");
    writer.Add("<TD WIDTH='10'></TD>");
    writer.Add("<TD WIDTH='155' ALIGN='CENTER'><U>Period Ending</U></TD>");
    writer.Add("<TD WIDTH='155' ALIGN='RIGHT'><U>Market Value</U></TD>");
    writer.Add("<TD WIDTH='155' ALIGN='RIGHT'><U>Contributions</U></TD>");
    writer.Add("<TD WIDTH='155' ALIGN='RIGHT'><U>Withdrawals</U></TD>");
    writer.Add("<TD WIDTH='10'></TD>");
    writer.Add("</TR>");
    if (!start) {
        writer.Add(
            "<TR><TD></TD><TD COLSPAN='4' ALIGN='CENTER'>This portfolio has no "
            "investments.</TD><TD></TD></TR>");
    } else {
        const std::vector<Date> ends = QuarterEnds(*start, portfolio->PerformanceDate);
        Date window_start = Date::Ymd(ends[0].year() - 1, ends[0].month(), ends[0].day());
        for (const Date end : ends) {
            writer.Add("<TR>");
            writer.Add("<TD></TD>");
            writer.Add("<TD ALIGN='CENTER'>" + FormatDate(end, "mm/yyyy", locale) + "</TD>");
            writer.Add("<TD ALIGN='RIGHT'>" + whole(store.PortfolioValueAt(portfolio_id, end)) +
                       "</TD>");
            for (const char* code : {CashContributionCode, WithdrawalCode}) {
                writer.Add("<TD ALIGN='RIGHT'>" +
                           whole(store.transactions().PortfolioTypeTotal(portfolio_id, window_start,
                                                                         end, code)) +
                           "</TD>");
            }
            writer.Add("<TD></TD>");
            writer.Add("</TR>");
            if (end.month() == 12) writer.Add("<TR><TD COLSPAN='6' HEIGHT='7'></TD></TR>");
            window_start = end;
        }
    }
    writer.Add("</TABLE>");
    writer.Add("</BODY></HTML>");
    return Status::Ok();
}

}  // namespace brevanta
