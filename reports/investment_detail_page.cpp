#include "reports/investment_detail_page.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/date_format.h"
#include "core/money_format.h"
#include "reports/figure_cell.h"
#include "reports/html_text.h"
#include "reports/report_cells.h"
#include "reports/report_writer.h"
#include "store/currency_setting.h"
#include "store/data_store.h"

namespace brevanta {

namespace {

constexpr const char* kFigurePattern = "###0.00";
constexpr const char* kHeaderMoney = "#,##0.00";
constexpr const char* kListMoney = "###,##0.00";

struct ReturnRow {
    const char* label;
    const char* time_weighted_key;
    const char* dollar_weighted_key;
};

constexpr ReturnRow kReturnRows[] = {
    {"Qtr", "QTR", "QTR$"},          {"1Yr", "1 Year", "1 Year$"},
    {"3Yr", "3 Year", "3 Year$"},    {"5Yr", "5 Year", "5 Year$"},
    {"10Yr", "10 Year", "10 Year$"}, {"From<BR>Inception", "Inception", "Inception$"},
};

// The openings of the four cells of a return row; the first row carries the widths, with
// the time-weighted table's double blanks.
struct RowOpenings {
    const char* label;
    const char* negative;
    const char* positive;
    const char* value;
};

constexpr RowOpenings kPlainOpenings = {"<TD ALIGN='CENTER'>", "<TD ALIGN='RIGHT'>",
                                        "<TD ALIGN='LEFT'>", "<TD ALIGN='RIGHT'>"};
constexpr RowOpenings kTimeWeightedFirstOpenings = {
    "<TD WIDTH='40'  ALIGN='CENTER'>", "<TD WIDTH='30'  ALIGN='RIGHT'>",
    "<TD WIDTH='120' ALIGN='LEFT'>", "<TD WIDTH='70'  ALIGN='RIGHT'>"};
constexpr RowOpenings kDollarWeightedFirstOpenings = {
    "<TD WIDTH='40' ALIGN='CENTER'>", "<TD WIDTH='30' ALIGN='RIGHT'>",
    "<TD WIDTH='120' ALIGN='LEFT'>", "<TD WIDTH='70' ALIGN='RIGHT'>"};

// The largest positive time-weighted figure.
double BarScale(const HoldingRecord& holding) {
    double scale = 0;
    for (Figure shown : kTimeWeightedFigures) {
        const float figure = holding.Figures[shown];
        if (figure != NotCalculated && figure > 0) scale = std::max<double>(scale, figure);
    }
    return scale;
}

// Builds the page in the order it is read; every Add is one line of the file.
class DetailPage {
  public:
    DetailPage(ReportWriter& writer, const HoldingRecord& holding, std::string portfolio_name)
        : writer_(writer),
          store_(writer.store()),
          locale_(writer.locale()),
          face_(writer.font_face()),
          holding_(holding),
          portfolio_name_(std::move(portfolio_name)),
          currency_{EscapeHtml(CurrencySymbol(store_)), CurrencyPlacement::Before},
          scale_(BarScale(holding)) {}

    void Build(DetailSections sections) {
        writer_.BeginPage();
        AddTitle();
        AddHeader();
        if (sections.time_weighted || sections.dollar_weighted) AddReturns(sections);
        if (sections.lists) AddLists();
        writer_.Add("</BODY>");
        writer_.Add("</HTML>");
    }

  private:
    std::string Date(brevanta::Date date) const { return FormatShortDate(date, locale_); }
    std::string Money(double amount, const char* pattern) const {
        return FormatMoney(amount, pattern, currency_, locale_);
    }
    static std::string SmallArial(const std::string& text) {
        return "<FONT FACE='Arial' SIZE='1'>" + text + "</FONT></TD>";
    }

    void AddTitle() {
        writer_.Add("<TABLE WIDTH='640'>");
        writer_.Add("<TR><TD><FONT FACE=" + face_ +
                    " SIZE='3' COLOR='#00008B'><B>INVESTMENT DETAIL</B></FONT></TD></TR>");
        writer_.Add("<TR><TD><IMG SRC='1p-trans.gif' WIDTH=1 HEIGHT=5></TD></TR>");
        writer_.Add("</TABLE>");
    }

    struct HeaderRow {
        std::string label, value, label2, value2;
    };

    std::string HeaderCell(const char* attributes, const char* align,
                           const std::string& text) const {
        return std::string("<TD") + attributes + " ALIGN='" + align + "'><FONT FACE='" + face_ +
               "' SIZE='1'>" + text + "</FONT></TD>";
    }

    void AddHeaderRow(const HeaderRow& row, const char* const (&attributes)[4],
                      const char* left_spacer, const char* right_spacer) {
        writer_.Add("<TR>");
        writer_.Add(left_spacer);
        writer_.Add(HeaderCell(attributes[0], "LEFT", row.label));
        writer_.Add(HeaderCell(attributes[1], "LEFT", row.value));
        writer_.Add(HeaderCell(attributes[2], "LEFT", row.label2));
        writer_.Add(HeaderCell(attributes[3], "RIGHT", row.value2));
        writer_.Add(right_spacer);
        writer_.Add("</TR>");
    }

    void AddHeader() {
        static constexpr const char* kFirstRow[4] = {" WIDTH='120'", " WIDTH='160'", " WIDTH='130'",
                                                     " WIDTH='90'"};
        static constexpr const char* kPlainRow[4] = {"", "", "", ""};
        static constexpr const char* kTopRow[4] = {" VALIGN='TOP'", " VALIGN='TOP'",
                                                   " VALIGN='TOP'", " VALIGN='TOP'"};
        static constexpr const char* kSpacer = "<TD>&nbsp;</TD>";

        const Hid id = holding_.Id;
        const double contributions = store_.transactions().TypeTotal(id, CashContributionCode);
        const double distributions = store_.transactions().TypeTotal(id, DividendReinvestedCode);
        const double withdrawals = store_.transactions().TypeTotal(id, WithdrawalCode);
        const double cost_basis = contributions + distributions - withdrawals;

        writer_.Add("<TABLE CELLPADDING='0' CELLSPACING='0' BORDER='0' WIDTH='640'>");
        AddHeaderRow({"Portfolio:", EscapeHtml(portfolio_name_),
                      "Performance Date:", Date(holding_.PerformanceDate)},
                     kFirstRow, "<TD WIDTH='10'>&nbsp;</TD>", "<TD WIDTH='130'>&nbsp;</TD>");
        AddHeaderRow({"Investment:", EscapeHtml(holding_.Name),
                      "Total Contributions:", Money(contributions, kHeaderMoney)},
                     kPlainRow, kSpacer, kSpacer);
        AddHeaderRow({"Inception Date:", Date(holding_.InceptionDate),
                      "Total Withdrawals:", Money(withdrawals, kHeaderMoney)},
                     kPlainRow, kSpacer, kSpacer);
        AddHeaderRow({"Inception Amount:", Money(holding_.InitialAmount, kHeaderMoney),
                      "Total Distributions:", Money(distributions, kHeaderMoney)},
                     kPlainRow, kSpacer, kSpacer);
        AddHeaderRow({"Description:", EscapeHtml(holding_.Description),
                      "Cost Basis:", Money(cost_basis, kHeaderMoney)},
                     kTopRow, kSpacer, kSpacer);
        writer_.Add("<TR><TD COLSPAN='6'><IMG SRC='1p-trans.gif' WIDTH=1 HEIGHT=15></TD></TR>");
        writer_.Add("</TABLE>");
    }

    void AddReturns(DetailSections sections) {
        writer_.Add("<TABLE BORDER='0' WIDTH='570'>");
        writer_.Add("<TR>");
        writer_.Add("<TD WIDTH='260'>");
        AddReturnTable(sections.time_weighted);
        writer_.Add("</TD>");
        writer_.Add("<TD WIDTH='30'>&nbsp;</TD>");
        writer_.Add("<TD WIDTH='260'>");
        if (sections.time_weighted && sections.dollar_weighted) AddReturnTable(false);
        writer_.Add("</TD>");
        writer_.Add("</TR>");
        writer_.Add("</TABLE>");
    }

    void AddReturnTable(bool time_weighted) {
        writer_.Add(time_weighted ? "<TABLE WIDTH='260' BORDER='0'>" : "<TABLE WIDTH='260'>");
        writer_.Add("<TR>");
        writer_.Add(time_weighted ? "<TD COLSPAN='4' ALIGN='CENTER'><FONT FACE='Arial' "
                                    "SIZE='2'>Time Weighted Returns</FONT></TD>"
                                  : "<TD COLSPAN='4' ALIGN='CENTER'><FONT FACE='Arial' "
                                    "SIZE='2'>Dollar Weighted Returns (IRR)</FONT></TD>");
        writer_.Add("</TR>");
        writer_.Add("<TR><TD COLSPAN='4'><IMG SRC='1p-trans.gif' WIDTH=1 HEIGHT=5></TD></TR>");
        bool first = true;
        for (const ReturnRow& row : kReturnRows) {
            const RowOpenings& open = !first          ? kPlainOpenings
                                      : time_weighted ? kTimeWeightedFirstOpenings
                                                      : kDollarWeightedFirstOpenings;
            first = false;
            const std::string value = HoldingCell(
                holding_, time_weighted ? row.time_weighted_key : row.dollar_weighted_key,
                kFigurePattern, locale_);
            writer_.Add("<TR>");
            writer_.Add(open.label + SmallArial(row.label));
            writer_.Add(open.negative + NegativeBar(value, scale_, locale_) + "</TD>");
            writer_.Add(open.positive + PositiveBar(value, scale_, locale_) + "</TD>");
            writer_.Add(open.value + PercentText(value, locale_) + "</TD>");
            writer_.Add("</TR>");
        }
        writer_.Add("</TABLE>");
    }

    void AddLists() {
        writer_.Add("<TABLE BORDER='0' WIDTH='640'>");
        writer_.Add("<TR><TD><IMG SRC='1p-trans.gif' WIDTH=1 HEIGHT=15></TD></TR>");
        writer_.Add("<TR>");
        writer_.Add("<TD WIDTH='290' VALIGN='TOP'>");
        AddTransactions();
        writer_.Add("</TABLE>");
        writer_.Add("</TD>");
        writer_.Add(
            "<TD WIDTH='10' VALIGN='CENTER'><IMG SRC='1y.gif' WIDTH='1' HEIGHT='250'></TD>");
        writer_.Add("<TD WIDTH='350' VALIGN='TOP'>");
        AddValues();
        writer_.Add("</TABLE>");
        writer_.Add("</TD>");
        writer_.Add("</TR>");
        writer_.Add("</TABLE>");
    }

    // Opens a list's table with its title row and a thin spacer row.
    void AddListTitle(const std::string& width, const std::string& columns,
                      const std::string& title) {
        writer_.Add("<TABLE WIDTH='" + width + "' BORDER='0'>");
        writer_.Add("<TR>");
        writer_.Add("<TD COLSPAN='" + columns + "' ALIGN='CENTER'><FONT FACE='Arial' SIZE='2'>" +
                    title + "</FONT></TD>");
        writer_.Add("</TR>");
        writer_.Add("<TR>");
        writer_.Add("<TD COLSPAN='" + columns +
                    "'><IMG SRC='1p-trans.gif' WIDTH='1' HEIGHT='2'></TD>");
        writer_.Add("</TR>");
    }

    void AddTransactions() {
        AddListTitle("290", "3", "Transactions");
        writer_.Add("<TR>");
        writer_.Add("<TD WIDTH='90'>" + SmallArial("Date"));
        writer_.Add("<TD WIDTH='110'>" + SmallArial("Transaction"));
        writer_.Add("<TD WIDTH='90' ALIGN='CENTER'>" + SmallArial("Amount"));
        writer_.Add("</TR>");
        const std::vector<TransactionRecord> transactions =
            store_.transactions().TransactionsOfHolding(holding_.Id);
        for (std::size_t i = 1; i < transactions.size(); ++i) {
            const TransactionRecord& entry = transactions[i];
            writer_.Add("<TR>");
            writer_.Add("<TD>" + SmallArial(Date(entry.Date)));
            writer_.Add("<TD>" + SmallArial(std::string(TransactionTypeText(entry.Type))));
            writer_.Add("<TD ALIGN='RIGHT'>" + SmallArial(Money(entry.Amount, kListMoney)));
            writer_.Add("</TR>");
        }
    }

    void AddValues() {
        AddListTitle("320", "5", "Historical Values");
        writer_.Add("<TR>");
        writer_.Add("<TD WIDTH='75'>" + SmallArial("Date"));
        writer_.Add("<TD WIDTH='75' ALIGN='CENTER'>" + SmallArial("Value"));
        writer_.Add("<TD WIDTH='10'></TD>");
        writer_.Add("<TD WIDTH='75'>" + SmallArial("Date"));
        writer_.Add("<TD WIDTH='85' ALIGN='CENTER'>" + SmallArial("Value"));
        writer_.Add("</TR>");
        const std::vector<ValueRecord> values = store_.values().ValuesOfHolding(holding_.Id);
        for (std::size_t k = 1; k < values.size(); ++k) {
            const bool left = k % 2 == 1;
            if (left) writer_.Add("<TR>");
            writer_.Add("<TD>" + SmallArial(Date(values[k].Date)));
            writer_.Add("<TD ALIGN='RIGHT'>" + SmallArial(Money(values[k].Value, kListMoney)));
            writer_.Add(left ? "<TD></TD>" : "</TR>");
        }
        const std::size_t listed = values.empty() ? 0 : values.size() - 1;
        if (listed % 2 == 1) writer_.Add("<TD></TD><TD></TD></TR>");
    }

    ReportWriter& writer_;
    DataStore& store_;
    const Locale& locale_;
    const std::string& face_;
    const HoldingRecord& holding_;
    std::string portfolio_name_;
    Currency currency_;  // en-style, the symbol escaped for the page
    double scale_;
};

}  // namespace

Status BuildInvestmentDetailPage(ReportWriter& writer, Pid portfolio_id, Hid holding_id,
                                 DetailSections sections) {
    const std::optional<HoldingRecord> holding =
        writer.store().holdings().FindHoldingIn(portfolio_id, holding_id);
    if (!holding) {
        return HoldingNotInPortfolio(portfolio_id, holding_id);
    }
    DetailPage page(writer, *holding, writer.store().portfolios().PortfolioName(portfolio_id));
    page.Build(sections);
    return Status::Ok();
}

}  // namespace brevanta
