#include "reports/market_values_page.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace brevanta::testing {
namespace {

const char* const kGapRow = "<TR><TD COLSPAN='6' HEIGHT='7'></TD></TR>";

std::vector<std::string> Row(const std::string& period, const std::string& value,
                             const std::string& contributions, const std::string& withdrawals) {
    return {"<TR>",
            "<TD></TD>",
            "<TD ALIGN='CENTER'>" + period + "</TD>",
            "<TD ALIGN='RIGHT'>" + value + "</TD>",
            "<TD ALIGN='RIGHT'>" + contributions + "</TD>",
            "<TD ALIGN='RIGHT'>" + withdrawals + "</TD>",
            "<TD></TD>",
            "</TR>"};
}

std::vector<std::string> Then(std::vector<std::string> first,
                              const std::vector<std::string>& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

TEST(QuarterEndsTest, RunFromTheStartQuarterToTheFirstEndOnOrAfterTheDate) {
    EXPECT_EQ(QuarterEnds(D(2000, 2, 15), D(2000, 6, 30)),
              (std::vector<Date>{D(2000, 3, 31), D(2000, 6, 30)}));
    EXPECT_EQ(QuarterEnds(D(1999, 12, 1), D(2000, 1, 15)),
              (std::vector<Date>{D(1999, 12, 31), D(2000, 3, 31)}));
    EXPECT_EQ(QuarterEnds(D(2000, 6, 30), D(2001, 1, 1)),
              (std::vector<Date>{D(2000, 6, 30), D(2000, 9, 30), D(2000, 12, 31), D(2001, 3, 31)}));
    EXPECT_EQ(QuarterEnds(D(2000, 7, 1), D(1900, 1, 1)), (std::vector<Date>{D(2000, 9, 30)}));
}

class MarketValuesPageTest : public ReportTest {
  protected:
    void SetUp() override {
        ReportTest::SetUp();
        growth_ = AddPortfolio("Growth");
    }

    void Build() {
        const Status built = BuildMarketValuesPage(writer(), growth_);
        ASSERT_TRUE(built.ok()) << built.message();
    }

    Pid growth_{};
};

TEST_F(MarketValuesPageTest, YearsStandApartAfterDecember) {
    const Hid alpha = AddHolding(growth_, "Alpha Fund", D(1999, 11, 1), 1000);
    AddTransaction(alpha, D(1999, 12, 1), "CC", 200);   // the second entry: the start
    AddTransaction(alpha, D(2000, 3, 31), "WI", 1500);  // on a quarter end: in that quarter
    StorePortfolioDate(growth_, D(2000, 1, 15));
    Build();
    EXPECT_TRUE(HasRun(
        Lines(), Then(Then(Row("12/1999", "1,200", "1,200", "0"), {kGapRow}),
                      Then(Row("03/2000", "0", "0", "1,500"), {"</TABLE>", "</BODY></HTML>"}))))
        << Joined(Lines());
}

TEST_F(MarketValuesPageTest, NeverCalculatedPortfolioHasOneRow) {
    const Hid alpha = AddHolding(growth_, "Alpha Fund", D(2000, 2, 15), 1234.5);
    AddTransaction(alpha, D(2000, 5, 1), "DI", 10);
    Build();
    EXPECT_TRUE(HasRun(Lines(), Then({"<TD WIDTH='10'></TD>", "</TR>"},
                                     Then(Row("06/2000", "1,245", "1,235", "0"), {"</TABLE>"}))))
        << Joined(Lines());
}

TEST_F(MarketValuesPageTest, LoneOpeningContributionStartsTheTable) {
    AddHolding(growth_, "Alpha Fund", D(2000, 2, 15), 1000);
    StorePortfolioDate(growth_, D(2000, 6, 30));
    Build();
    EXPECT_TRUE(HasRun(
        Lines(), Then(Row("03/2000", "1,000", "1,000", "0"), Row("06/2000", "1,000", "0", "0"))))
        << Joined(Lines());
}

TEST_F(MarketValuesPageTest, PortfolioWithoutInvestmentsSaysSo) {
    Build();
    EXPECT_TRUE(HasRun(Lines(), {"<TD WIDTH='10'></TD>", "</TR>",
                                 "<TR><TD></TD><TD COLSPAN='4' ALIGN='CENTER'>This portfolio has "
                                 "no investments.</TD><TD></TD></TR>",
                                 "</TABLE>", "</BODY></HTML>"}));
}

TEST_F(MarketValuesPageTest, HeadingShowsTheEscapedName) {
    const Pid portfolio = AddPortfolio("Tom & Jerry's");
    ASSERT_TRUE(BuildMarketValuesPage(writer(), portfolio).ok());
    EXPECT_TRUE(HasRun(Lines(), {"<TABLE WIDTH='640'>", "<TR>",
                                 "<TD ALIGN='RIGHT'><B>Tom &amp; Jerry&#39;s</B></TD>", "</TR>"}));
}

}  // namespace
}  // namespace brevanta::testing
