// The chosen currency symbol in the money texts of the lists and the report page.
#include <gtest/gtest.h>

#include "reports/investment_detail_page.h"
#include "reports/investment_detail_rows.h"
#include "reports/investment_list_rows.h"
#include "reports/report_fixture.h"
#include "store/currency_setting.h"

namespace brevanta::testing {
namespace {

const Locale kGerman{',', '.', '.', "dd/mm/yyyy", CurrencyPlacement::AfterWithBlank};

// A fund of 1,000.00 with a contribution of 500.00 and a value of 1,234.50 after it.
class MoneyTextsTest : public ReportTest {
  protected:
    void SetUp() override {
        ReportTest::SetUp();
        growth_ = AddPortfolio("Growth");
        fund_ = AddHolding(growth_, "Fund", D(2023, 1, 1), 1000);
        AddTransaction(fund_, D(2023, 2, 1), "CC", 500);
        AddValue(fund_, D(2023, 3, 31), 1234.5);
    }

    Pid growth_{};
    Hid fund_{};
};

// The windows place a chosen symbol as the locale places its currency; "$" keeps its place.
// The report page keeps its pattern: the symbol before the amount, the locale's separators.
TEST_F(MoneyTextsTest, ListsPlaceTheSymbolAsTheLocaleDoesAndThePageLeadsWithIt) {
    const struct {
        const char* symbol;
        Locale locale;
        const char* recent_value;
        const char* caption_total;
        const char* amount;
        const char* page_value;
    } cases[] = {
        {"€", Locale::EnUs(), "€1,234.50", "€1,235", "€500.00", "€1,234.50"},
        {"€", kGerman, "1.234,50 €", "1.235 €", "500,00 €", "€1.234,50"},
        {"$", kGerman, "$1.234,50", "$1.235", "$500,00", "$1.234,50"},
        {"<&>", Locale::EnUs(), "<&>1,234.50", "<&>1,235", "<&>500.00", "&lt;&amp;&gt;1,234.50"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.symbol);
        ASSERT_TRUE(StoreCurrencySymbol(store(), c.symbol).ok());
        const InvestmentList list = BuildInvestmentList(
            store(), growth_, {{.Name = "Recent Value"}}, "#,##0.00", c.locale, D(2024, 6, 30));
        ASSERT_EQ(list.rows.size(), 2u);
        EXPECT_EQ(list.rows[0].cells, (Texts{"Fund", c.recent_value}));
        EXPECT_EQ(list.rows[1].cells, (Texts{"   Total", c.recent_value}));
        EXPECT_EQ(list.caption.English(),
                  std::string(" Total Value of the Growth portfolio: ") + c.caption_total);
        EXPECT_EQ(
            BuildTransactionRows(store(), fund_, TransactionOrder::Plain, c.locale)[0].cells[2],
            c.amount);

        ReportWriter writer(store(), dir_.path(), c.locale);
        ASSERT_TRUE(BuildInvestmentDetailPage(writer, growth_, fund_, {}).ok());
        EXPECT_EQ(CountOf(writer.PageLines(), std::string("<TD ALIGN='RIGHT'><FONT FACE='Arial' "
                                                          "SIZE='1'>") +
                                                  c.page_value + "</FONT></TD>"),
                  1);
    }
}

}  // namespace
}  // namespace brevanta::testing
