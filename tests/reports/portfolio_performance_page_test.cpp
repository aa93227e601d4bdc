#include "reports/portfolio_performance_page.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace brevanta::testing {
namespace {

class PortfolioPerformancePageTest : public ReportTest {
  protected:
    void SetUp() override {
        ReportTest::SetUp();
        growth_ = AddPortfolio("Growth");
    }

    void Build(bool time_weighted = true, bool dollar_weighted = true) {
        const Status built =
            BuildPortfolioPerformancePage(writer(), growth_, time_weighted, dollar_weighted);
        ASSERT_TRUE(built.ok()) << built.message();
    }

    static std::string CashFlow(const char* label, const std::string& amount) {
        return std::string("<TD ALIGN='RIGHT'><B>") + label + "</B><BR>" + amount + "</TD>";
    }

    Pid growth_{};
};

TEST_F(PortfolioPerformancePageTest, CashFlowWindowsEndOnThePerformanceDate) {
    const Hid alpha = AddHolding(growth_, "Alpha Fund", D(1999, 1, 1), 1000);
    AddTransaction(alpha, D(2000, 3, 30), "WI", 300);  // exactly 3 months before D: outside
    AddTransaction(alpha, D(2000, 5, 1), "CC", 100);
    AddTransaction(alpha, D(2000, 5, 2), "DI", 55);     // never a cash flow
    AddTransaction(alpha, D(2000, 6, 30), "WI", 1300);  // on D: inside
    StorePortfolioDate(growth_, D(2000, 6, 30));
    Build();
    EXPECT_TRUE(
        HasRun(Lines(), {"<TD ALIGN='LEFT' VALIGN='TOP'>Total Contributions/Withdrawals</TD>",
                         CashFlow("Last 3 Months", "-1,200"), CashFlow("Last Year", "-1,500"),
                         CashFlow("Inception", "-500"), "</TR>", "</TABLE>", "</TD>", "</TR>",
                         "</TABLE>", "</BODY></HTML>"}))
        << Joined(Lines());
}

TEST_F(PortfolioPerformancePageTest, InvestmentRowsShowValueAllocationAndFigures) {
    const Hid alpha = AddHolding(growth_, "Alpha Fund", D(1999, 1, 1), 995);
    AddHolding(growth_, "Beta Fund", D(1999, 1, 1), 5);
    PerformanceFigures figures;
    figures.PerformanceDate = D(2000, 6, 30);
    figures.Figures[Figure::Qtr] = 1.234f;
    figures.Figures[Figure::Ytd] = -0.5f;
    figures.Figures[Figure::QtrD] = 12.345f;
    ASSERT_TRUE(store().holdings().StoreHoldingFigures(alpha, figures).ok());
    figures.Figures[Figure::IncAnnD] = 7;
    ASSERT_TRUE(store().portfolios().StorePortfolioFigures(growth_, figures).ok());
    Build();
    EXPECT_TRUE(HasRun(
        Lines(),
        {"<TR><TD COLSPAN='11'><HR></TD></TR>", "<TR>", "<TD ALIGN='LEFT'>Alpha Fund</TD>",
         "<TD ALIGN='RIGHT'>995</TD>", "<TD ALIGN='RIGHT'>99.5 %</TD>", "<TD>&nbsp;</TD>",
         "<TD ALIGN='RIGHT'>1.23</TD>", "<TD ALIGN='RIGHT'>-0.50</TD>",
         "<TD ALIGN='RIGHT'>n/a</TD>", "<TD ALIGN='RIGHT'>n/a</TD>", "<TD ALIGN='RIGHT'>n/a</TD>",
         "<TD ALIGN='RIGHT'>n/a</TD>", "<TD ALIGN='CENTER'>Time Wtd</TD>", "</TR>", "<TR>",
         "<TD COLSPAN='3'>&nbsp;</TD>", "<TD>&nbsp;</TD>", "<TD ALIGN='RIGHT'>12.35</TD>"}))
        << Joined(Lines());
    EXPECT_TRUE(HasRun(Lines(), {"<TD ALIGN='LEFT'>Beta Fund</TD>", "<TD ALIGN='RIGHT'>5</TD>",
                                 "<TD ALIGN='RIGHT'>.5 %</TD>"}));
    EXPECT_TRUE(HasRun(
        Lines(), {"<TR>", "<TD ALIGN='LEFT'><B>Total Portfolio</B></TD>",
                  "<TD ALIGN='RIGHT'><B>1,000</B></TD>", "<TD ALIGN='RIGHT'><B>100.0 %</B></TD>",
                  "<TD>&nbsp;</TD>", "<TD ALIGN='RIGHT'><B>1.23</b></TD>"}));
    EXPECT_TRUE(HasRun(
        Lines(), {"<TD ALIGN='RIGHT'><B>7.00</b></TD>", "<TD ALIGN='CENTER'><B>Dollar Wtd</B></TD>",
                  "</TR>", "<TR><TD COLSPAN='11'><HR></TD></TR>", "</TABLE><BR>"}));
}

TEST_F(PortfolioPerformancePageTest, OneKindOfRowsPerSwitch) {
    AddHolding(growth_, "Alpha Fund", D(1999, 1, 1), 1000);
    Build(false, true);
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='CENTER'>Dollar Wtd</TD>"), 1);
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='CENTER'>Time Wtd</TD>"), 0);
    EXPECT_EQ(CountOf(Lines(), "<TD COLSPAN='3'>&nbsp;</TD>"), 0);
    Build(true, false);
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='CENTER'>Time Wtd</TD>"), 1);
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='CENTER'><B>Dollar Wtd</B></TD>"), 0);
}

TEST_F(PortfolioPerformancePageTest, ZeroPortfolioValueShowsNoAllocation) {
    // Never calculated: D is 1 January 1900, before every value.
    AddHolding(growth_, "Alpha Fund", D(1999, 1, 1), 1000);
    Build();
    EXPECT_TRUE(HasRun(Lines(), {"<TD ALIGN='LEFT'>Alpha Fund</TD>", "<TD ALIGN='RIGHT'>0</TD>",
                                 "<TD ALIGN='RIGHT'>n/a</TD>"}));
    EXPECT_TRUE(HasRun(Lines(), {"<TD ALIGN='LEFT'><B>Portfolio Performance</B> - Period "
                                 "Ending: 1/1/1900</TD>",
                                 "<TD ALIGN='RIGHT'><B>Growth</B></TD>"}));
}

TEST_F(PortfolioPerformancePageTest, PortfolioWithoutInvestmentsKeepsItsFrame) {
    Build();
    EXPECT_TRUE(HasRun(
        Lines(),
        {"<TR><TD COLSPAN='11'><HR></TD></TR>", "<TR><TD COLSPAN='11'><HR></TD></TR>", "<TR>",
         "<TD ALIGN='LEFT'><B>Total Portfolio</B></TD>", "<TD ALIGN='RIGHT'><B>0</B></TD>"}));
    EXPECT_EQ(CountOf(Lines(), CashFlow("Inception", "0")), 1);
}

TEST_F(PortfolioPerformancePageTest, DistributionAfterTheLastValueRaisesOnlyTheMarketValue) {
    const Hid alpha = AddHolding(growth_, "Alpha Fund", D(1999, 1, 1), 1000);
    const Hid beta = AddHolding(growth_, "Beta Fund", D(1999, 1, 1), 1000);
    AddValue(alpha, D(2000, 3, 31), 1000);
    AddTransaction(alpha, D(2000, 4, 20), "DI", 1000);
    StorePortfolioDate(growth_, D(2000, 6, 30));
    Build();
    EXPECT_TRUE(HasRun(Lines(), {"<TD ALIGN='RIGHT'>2,000</TD>", "<TD ALIGN='RIGHT'>66.7 %</TD>"}));
    EXPECT_TRUE(HasRun(Lines(), {"<TD ALIGN='RIGHT'>1,000</TD>", "<TD ALIGN='RIGHT'>33.3 %</TD>"}));
    EXPECT_EQ(CountOf(Lines(), CashFlow("Last 3 Months", "0")), 1);
    EXPECT_EQ(CountOf(Lines(), CashFlow("Inception", "2,000")), 1);
    (void)beta;
}

TEST_F(PortfolioPerformancePageTest, StoredNamesAreEscaped) {
    const Pid portfolio = AddPortfolio("<b>Bold</b> & Co");
    AddHolding(portfolio, "A<B", D(1999, 1, 1), 1);
    ASSERT_TRUE(BuildPortfolioPerformancePage(writer(), portfolio, true, true).ok());
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='RIGHT'><B>&lt;b&gt;Bold&lt;/b&gt; &amp; Co</B></TD>"),
              1);
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='LEFT'>A&lt;B</TD>"), 1);
}

TEST_F(PortfolioPerformancePageTest, UnknownPortfolioIsRefused) {
    const Status built = BuildPortfolioPerformancePage(writer(), Pid{42}, true, true);
    EXPECT_TRUE(built.IsNotFound());
    EXPECT_EQ(built.message(), "Portfolio 42 was not found.");
    EXPECT_TRUE(Lines().empty());
}

}  // namespace
}  // namespace brevanta::testing
