#include "reports/investment_detail_page.h"

#include <gtest/gtest.h>

#include "reports/report_fixture.h"

namespace brevanta::testing {
namespace {

const std::string kSpacer = "<img src='1p-trans.gif' border='0' width='1' height='8'>";

std::string ValueDate(const std::string& date) {
    return "<TD><FONT FACE='Arial' SIZE='1'>" + date + "</FONT></TD>";
}
std::string ValueAmount(const std::string& amount) {
    return "<TD ALIGN='RIGHT'><FONT FACE='Arial' SIZE='1'>" + amount + "</FONT></TD>";
}

class InvestmentDetailPageTest : public ReportTest {
  protected:
    void SetUp() override {
        ReportTest::SetUp();
        growth_ = AddPortfolio("Growth");
        alpha_ = AddHolding(growth_, "Alpha Fund", D(2000, 1, 15), 1000);
    }

    void Build(DetailSections sections = {}) {
        const Status built = BuildInvestmentDetailPage(writer(), growth_, alpha_, sections);
        ASSERT_TRUE(built.ok()) << built.message();
    }

    void AddValues(int count) {
        for (int k = 1; k <= count; ++k) AddValue(alpha_, D(2000, k + 1, 1), 1000 + k);
    }

    const std::vector<std::string> values_heading_end_ = {
        "<TD WIDTH='85' ALIGN='CENTER'><FONT FACE='Arial' SIZE='1'>Value</FONT></TD>", "</TR>"};
    Pid growth_{};
    Hid alpha_{};
};

TEST_F(InvestmentDetailPageTest, ThreeValuesGiveTwoRowsAndACompletingLine) {
    AddValues(3);
    Build();
    EXPECT_TRUE(HasRun(Lines(), {"</TR>", "<TR>", ValueDate("2/1/2000"), ValueAmount("$1,001.00"),
                                 "<TD></TD>", ValueDate("3/1/2000"), ValueAmount("$1,002.00"),
                                 "</TR>", "<TR>", ValueDate("4/1/2000"), ValueAmount("$1,003.00"),
                                 "<TD></TD>", "<TD></TD><TD></TD></TR>", "</TABLE>", "</TD>",
                                 "</TR>", "</TABLE>", "</BODY>", "</HTML>"}))
        << Joined(Lines());
}

TEST_F(InvestmentDetailPageTest, TwoValuesGiveOneRowAndNoCompletingLine) {
    AddValues(2);
    Build();
    EXPECT_TRUE(HasRun(Lines(), {"<TD></TD>", ValueDate("3/1/2000"), ValueAmount("$1,002.00"),
                                 "</TR>", "</TABLE>", "</TD>", "</TR>", "</TABLE>"}));
    EXPECT_EQ(CountOf(Lines(), "<TD></TD><TD></TD></TR>"), 0);
}

TEST_F(InvestmentDetailPageTest, NoValuesGiveOnlyTheHeadings) {
    Build();
    std::vector<std::string> run = values_heading_end_;
    run.insert(run.end(), {"</TABLE>", "</TD>", "</TR>", "</TABLE>", "</BODY>", "</HTML>"});
    EXPECT_TRUE(HasRun(Lines(), run)) << Joined(Lines());
}

TEST_F(InvestmentDetailPageTest, TransactionsListSkipsTheOpeningContribution) {
    AddTransaction(alpha_, D(2000, 3, 1), "DI", 1234567.5);
    Build();
    EXPECT_TRUE(HasRun(
        Lines(), {"<TD WIDTH='90' ALIGN='CENTER'><FONT FACE='Arial' SIZE='1'>Amount</FONT></TD>",
                  "</TR>", "<TR>", ValueDate("3/1/2000"),
                  "<TD><FONT FACE='Arial' SIZE='1'>Dividend/Distribution Reinvested</FONT></TD>",
                  ValueAmount("$1,234,567.50"), "</TR>", "</TABLE>", "</TD>"}))
        << Joined(Lines());
}

TEST_F(InvestmentDetailPageTest, DollarWeightedAloneLeavesTheRightCellEmpty) {
    for (DetailSections sections :
         {DetailSections{false, true, true}, DetailSections{false, true, false}}) {
        Build(sections);
        EXPECT_TRUE(HasRun(Lines(), {"<TABLE BORDER='0' WIDTH='570'>", "<TR>", "<TD WIDTH='260'>",
                                     "<TABLE WIDTH='260'>", "<TR>",
                                     "<TD COLSPAN='4' ALIGN='CENTER'><FONT FACE='Arial' "
                                     "SIZE='2'>Dollar Weighted Returns (IRR)</FONT></TD>"}));
        EXPECT_TRUE(HasRun(
            Lines(),
            {"</TABLE>", "</TD>", "<TD WIDTH='30'>&nbsp;</TD>", "<TD WIDTH='260'>", "</TD>",
             "</TR>", "</TABLE>", sections.lists ? "<TABLE BORDER='0' WIDTH='640'>" : "</BODY>"}));
        EXPECT_EQ(CountOf(Lines(), "<TABLE WIDTH='260' BORDER='0'>"), 0);
    }
}

TEST_F(InvestmentDetailPageTest, BothTablesStandSideBySide) {
    Build({true, true, false});
    EXPECT_TRUE(HasRun(Lines(), {"<TD WIDTH='260'>", "<TABLE WIDTH='260' BORDER='0'>"}));
    EXPECT_TRUE(
        HasRun(Lines(), {"<TD WIDTH='30'>&nbsp;</TD>", "<TD WIDTH='260'>", "<TABLE WIDTH='260'>"}));
    EXPECT_TRUE(HasRun(Lines(), {"</TR>", "</TABLE>", "</BODY>", "</HTML>"}));
}

TEST_F(InvestmentDetailPageTest, ListsAloneFollowTheHeaderBlock) {
    Build({false, false, true});
    EXPECT_TRUE(
        HasRun(Lines(), {"<TR><TD COLSPAN='6'><IMG SRC='1p-trans.gif' WIDTH=1 HEIGHT=15></TD></TR>",
                         "</TABLE>", "<TABLE BORDER='0' WIDTH='640'>"}));
    EXPECT_EQ(CountOf(Lines(), "<TABLE BORDER='0' WIDTH='570'>"), 0);
}

TEST_F(InvestmentDetailPageTest, NeverCalculatedShowsNaAndSpacers) {
    Build();
    EXPECT_TRUE(HasRun(Lines(), {"<TD WIDTH='130' ALIGN='LEFT'><FONT FACE='Arial' "
                                 "SIZE='1'>Performance Date:</FONT></TD>",
                                 "<TD WIDTH='90' ALIGN='RIGHT'><FONT FACE='Arial' "
                                 "SIZE='1'>1/1/1900</FONT></TD>"}));
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='RIGHT'><FONT FACE='Arial' SIZE='1'>n/a</FONT></TD>"),
              10);
    EXPECT_EQ(CountOf(Lines(),
                      "<TD WIDTH='70'  ALIGN='RIGHT'><FONT FACE='Arial' "
                      "SIZE='1'>n/a</FONT></TD>"),
              1);
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='RIGHT'>" + kSpacer + "</TD>"), 10);
    EXPECT_EQ(CountOf(Lines(), "<TD ALIGN='LEFT'>" + kSpacer + "</TD>"), 10);
    EXPECT_EQ(Joined(Lines()).find("1p.gif"), std::string::npos);
}

TEST_F(InvestmentDetailPageTest, OnlyPositiveFigureSetsTheScaleForBothTables) {
    PerformanceFigures figures;
    figures.PerformanceDate = D(2010, 12, 31);
    figures.Figures[Figure::IncAnn] = 25;
    figures.Figures[Figure::IncAnnD] = 40;
    figures.Figures[Figure::Qtr] = -2.5f;
    figures.Figures[Figure::QtrD] = -9;
    ASSERT_TRUE(store().holdings().StoreHoldingFigures(alpha_, figures).ok());
    Build({true, true, false});
    const std::string full =
        "<TD ALIGN='LEFT'><img src='1p.gif' border='2' width='100' height='8'></TD>";
    EXPECT_EQ(CountOf(Lines(), full), 2);  // 25 x 4 = 100; 40 x 4 = 160 is drawn 100 wide
    // Negative factor 30 / 25 = 1.
    EXPECT_EQ(CountOf(Lines(),
                      "<TD WIDTH='30'  ALIGN='RIGHT'><img src='1n.gif' border='2' "
                      "width='2.5' height='8'></TD>"),
              1);
    EXPECT_EQ(CountOf(Lines(),
                      "<TD WIDTH='30' ALIGN='RIGHT'><img src='1n.gif' border='2' "
                      "width='9' height='8'></TD>"),
              1);
    EXPECT_EQ(CountOf(Lines(),
                      "<TD WIDTH='70' ALIGN='RIGHT'><FONT FACE='Arial' SIZE='1' "
                      "COLOR='#cc0000'>-9.00%</FONT></TD>"),
              1);
}

TEST_F(InvestmentDetailPageTest, CostBasisAddsDistributionsAndSubtractsWithdrawals) {
    AddTransaction(alpha_, D(2000, 2, 1), "CC", 500);
    AddTransaction(alpha_, D(2000, 3, 1), "DI", 20);
    AddTransaction(alpha_, D(2000, 4, 1), "WI", 200);
    Build({true, true, false});  // without the lists, which show the amounts too
    const auto right = [](const std::string& text, const std::string& valign = "") {
        return "<TD" + valign + " ALIGN='RIGHT'><FONT FACE='Arial' SIZE='1'>" + text +
               "</FONT></TD>";
    };
    EXPECT_EQ(CountOf(Lines(), right("$1,500.00")), 1);
    EXPECT_EQ(CountOf(Lines(), right("$200.00")), 1);
    EXPECT_EQ(CountOf(Lines(), right("$20.00")), 1);
    EXPECT_EQ(CountOf(Lines(), right("$1,320.00", " VALIGN='TOP'")), 1);
    EXPECT_TRUE(
        HasRun(Lines(), {"<TD ALIGN='LEFT'><FONT FACE='Arial' SIZE='1'>Inception "
                         "Amount:</FONT></TD>",
                         "<TD ALIGN='LEFT'><FONT FACE='Arial' SIZE='1'>$1,000.00</FONT></TD>"}));
}

TEST_F(InvestmentDetailPageTest, StoredTextsAreEscaped) {
    const Pid portfolio = AddPortfolio("R&D");
    HoldingRecord holding;
    holding.PortfolioId = portfolio;
    holding.Name = "<script>alert('x')</script>";
    holding.Description = "Bonds > \"stocks\"";
    holding.InceptionDate = D(2000, 1, 15);
    holding.InitialAmount = 10;
    const Hid id = store().holdings().InsertHolding(holding).value();
    ASSERT_TRUE(BuildInvestmentDetailPage(writer(), portfolio, id, {}).ok());
    const std::string page = Joined(Lines());
    EXPECT_NE(page.find("SIZE='1'>R&amp;D</FONT>"), std::string::npos);
    EXPECT_NE(page.find("SIZE='1'>&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;</FONT>"),
              std::string::npos);
    EXPECT_NE(page.find("SIZE='1'>Bonds &gt; &quot;stocks&quot;</FONT>"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}

TEST_F(InvestmentDetailPageTest, InvestmentOfAnotherPortfolioIsRefused) {
    const Pid other = AddPortfolio("Other");
    const Status built = BuildInvestmentDetailPage(writer(), other, alpha_, {});
    EXPECT_TRUE(built.IsNotFound());
    EXPECT_EQ(built.message(), "Investment 1 is not in portfolio 2.");
    EXPECT_TRUE(Lines().empty());
}

}  // namespace
}  // namespace brevanta::testing
