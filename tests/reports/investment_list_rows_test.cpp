#include "reports/investment_list_rows.h"

#include <gtest/gtest.h>

#include "reports/figure_cell.h"
#include "reports/portfolio_tree_rows.h"
#include "store/data_store_fixture.h"

namespace brevanta {
namespace {

using testing::D;
using testing::Texts;

constexpr float NC = NotCalculated;

ColumnRecord VisibleColumn(const std::string& name, int32_t width = 80) {
    ColumnRecord column;
    column.Name = name;
    column.Width = width;
    return column;
}

class InvestmentListRowsTest : public testing::DataStoreTest {
  protected:
    const Date today_ = D(2024, 6, 30);

    InvestmentList List(Pid portfolio, const std::vector<std::string>& columns,
                        std::string_view pattern = "#,##0.00") {
        std::vector<ColumnRecord> visible;
        for (const std::string& name : columns) visible.push_back(VisibleColumn(name));
        return BuildInvestmentList(store(), portfolio, visible, pattern, Locale::EnUs(), today_);
    }

    static std::vector<Texts> Cells(const InvestmentList& list) {
        std::vector<Texts> cells;
        for (const TextRow& row : list.rows) cells.push_back(row.cells);
        return cells;
    }

    // Stored figures of a holding or portfolio: Month and QTR as given, the rest n/a.
    static PerformanceFigures MonthAndQuarter(float month, float quarter) {
        PerformanceFigures figures;
        figures.PerformanceDate = D(2024, 5, 31);
        figures.Figures[Figure::Month] = month;
        figures.Figures[Figure::Qtr] = quarter;
        return figures;
    }
    void StoreFigures(Hid holding, float month, float quarter) {
        ASSERT_TRUE(
            store().holdings().StoreHoldingFigures(holding, MonthAndQuarter(month, quarter)).ok());
    }
    void StorePortfolioFigures(Pid portfolio, float month, float quarter) {
        ASSERT_TRUE(store()
                        .portfolios()
                        .StorePortfolioFigures(portfolio, MonthAndQuarter(month, quarter))
                        .ok());
    }
};

TEST_F(InvestmentListRowsTest, TotalIsTheSumOfItsRowsToTheCent) {
    const Pid growth = AddPortfolio("Growth");
    // Added out of name order; in single precision these would total $1,234,568.13.
    const Hid c = AddHolding(growth, "C", D(2020, 1, 31), 1234567.89);
    const Hid a = AddHolding(growth, "A", D(2020, 1, 31), 0.10);
    const Hid b = AddHolding(growth, "B", D(2020, 1, 31), 0.20);

    const InvestmentList list = List(growth, {"Recent Value"});
    EXPECT_EQ(
        Cells(list),
        (std::vector<Texts>{
            {"A", "$.10"}, {"B", "$.20"}, {"C", "$1,234,567.89"}, {"   Total", "$1,234,568.19"}}));
    ASSERT_EQ(list.rows.size(), 4u);
    EXPECT_EQ(list.rows[0].id, RowId(a));
    EXPECT_EQ(list.rows[1].id, RowId(b));
    EXPECT_EQ(list.rows[2].id, RowId(c));
    EXPECT_EQ(list.rows[3].id, RowId());
    EXPECT_EQ(list.caption.English(), " Total Value of the Growth portfolio: $1,234,568");
}

TEST_F(InvestmentListRowsTest, EveryKindOfColumn) {
    const Pid growth = AddPortfolio("Growth");
    const Hid fund = AddHolding(growth, "Fund", D(2020, 3, 5), 1500);
    StoreFigures(fund, NC, 0);
    StorePortfolioFigures(growth, 0, NC);

    EXPECT_EQ(Cells(List(growth, {"Month", "QTR", "Inception Date", "Cost Basis",
                                  "Total Contributions", "Recent Value"})),
              (std::vector<Texts>{{"Fund", "n/a", "0.00", "3/5/2020", "n/a", "n/a", "$1,500.00"},
                                  {"   Total", "0.00", "n/a", " ", "n/a", "n/a", "$1,500.00"}}));
}

TEST_F(InvestmentListRowsTest, FiguresFollowTheNumberOfDecimals) {
    AddSettingRow(NumDecKey, "2");
    Reopen();
    const Pid growth = AddPortfolio("Growth");
    const Hid fund = AddHolding(growth, "Fund", D(2020, 1, 31), 100);
    StoreFigures(fund, 12.5f, -1234.5f);
    StorePortfolioFigures(growth, 12.5f, NC);

    const struct {
        const char* decimals;
        Texts fund;
        Texts total;
    } cases[] = {
        {"0", {"Fund", "13", "-1,235"}, {"   Total", "13", "n/a"}},
        {"4", {"Fund", "12.5000", "-1,234.5000"}, {"   Total", "12.5000", "n/a"}},
        {"9", {"Fund", "12.50", "-1,234.50"}, {"   Total", "12.50", "n/a"}},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(store().settings().UpdateSetting(NumDecKey, {.Val1 = c.decimals}).ok());
        const std::string pattern = FigurePattern(store().settings().NumberOfDecimals());
        EXPECT_EQ(Cells(List(growth, {"Month", "QTR"}, pattern)),
                  (std::vector<Texts>{c.fund, c.total}))
            << "NUM_DEC " << c.decimals;
    }
}

TEST_F(InvestmentListRowsTest, PortfolioWithoutInvestmentsShowsOnlyItsTotalLine) {
    const Pid empty = AddPortfolio("Empty");
    StorePortfolioFigures(empty, 1.5f, NC);

    const InvestmentList list = List(empty, {"Month", "Recent Value", "Inception Date"});
    EXPECT_EQ(Cells(list), (std::vector<Texts>{{"   Total", "1.50", "$.00", " "}}));
    EXPECT_EQ(list.caption.English(), " Total Value of the Empty portfolio: $");

    const InvestmentList unknown = List(Pid{Number(empty) + 1}, {"Month"});
    EXPECT_TRUE(unknown.rows.empty());
    EXPECT_EQ(unknown.caption.English(), "");
}

TEST_F(InvestmentListRowsTest, EmptiedInvestmentIsWorthItsLaterFlows) {
    const Pid growth = AddPortfolio("Growth");
    const Hid fund = AddHolding(growth, "Fund", D(2024, 1, 31), 1000);
    AddValue(fund, D(2024, 3, 31), 0);
    AddTransaction(fund, D(2024, 4, 15), CashContributionCode, 200);
    AddTransaction(fund, D(2024, 5, 2), DividendReinvestedCode, 20.5);
    AddTransaction(fund, D(2024, 7, 1), CashContributionCode, 999);  // after today

    const InvestmentList list = List(growth, {"Recent Value"});
    EXPECT_EQ(Cells(list), (std::vector<Texts>{{"Fund", "$220.50"}, {"   Total", "$220.50"}}));
    EXPECT_EQ(list.caption.English(), " Total Value of the Growth portfolio: $221");
}

TEST(ListColumnsTest, NameLeadsAndFiguresAndMoneyAlignRight) {
    const std::vector<ListColumn> columns =
        ListColumns({VisibleColumn("Month", 60), VisibleColumn("Inception Date", 90),
                     VisibleColumn("Recent Value", 100), VisibleColumn("Cost Basis", 70),
                     VisibleColumn("Inception$", 65), VisibleColumn("Name", 50)});
    Texts shown;
    for (const ListColumn& column : columns) {
        shown.push_back(column.caption.English() + " " + std::to_string(column.width) +
                        (column.right_aligned ? " right" : " left"));
    }
    EXPECT_EQ(shown, (Texts{"Name 125 left", "Month 60 right", "Inception Date 90 left",
                            "Recent Value 100 right", "Cost Basis 70 left", "Inception$ 65 right",
                            "Name 50 left"}));
}

using PortfolioTreeRowsTest = testing::DataStoreTest;

TEST_F(PortfolioTreeRowsTest, PortfoliosAndTheirInvestmentsComeByName) {
    const Pid zeta = AddPortfolio("Zeta");
    const Pid alpha = AddPortfolio("Alpha");
    const Hid second = AddHolding(zeta, "Second", D(2020, 1, 31), 1);
    const Hid first = AddHolding(zeta, "First", D(2020, 1, 31), 1);

    const std::vector<PortfolioNodeRow> tree = BuildPortfolioTree(store());
    ASSERT_EQ(tree.size(), 2u);
    EXPECT_EQ(tree[0].id, alpha);
    EXPECT_EQ(tree[0].name, "Alpha");
    EXPECT_TRUE(tree[0].investments.empty());
    EXPECT_EQ(tree[1].id, zeta);
    EXPECT_EQ(tree[1].name, "Zeta");
    ASSERT_EQ(tree[1].investments.size(), 2u);
    EXPECT_EQ(tree[1].investments[0].id, first);
    EXPECT_EQ(tree[1].investments[0].name, "First");
    EXPECT_EQ(tree[1].investments[1].id, second);
    EXPECT_EQ(tree[1].investments[1].name, "Second");
}

}  // namespace
}  // namespace brevanta
