#include "reports/investment_returns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "reports/investment_detail_rows.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

using Side = ReturnBar::Side;

struct BarCase {
    const char* name;
    std::map<Figure, float> figures;  // the others not calculated
    std::map<Figure, ReturnBar> expected;
};

class ReturnBarsTest : public ::testing::TestWithParam<BarCase> {};

TEST_P(ReturnBarsTest, BarsFollowThePageScale) {
    HoldingRecord holding;
    for (const auto& [index, figure] : GetParam().figures) holding.Figures[index] = figure;
    const auto rows = ReturnRows(holding.Figures, ReturnKind::TimeWeighted, Locale::EnUs());
    const auto indexes = ReturnFigures(ReturnKind::TimeWeighted);
    for (int row = 0; row < kReturnRowCount; ++row) {
        const auto expected = GetParam().expected.find(indexes[row]);
        const ReturnBar want =
            expected == GetParam().expected.end() ? ReturnBar{} : expected->second;
        EXPECT_EQ(rows[row].bar.side, want.side) << "row " << row;
        EXPECT_EQ(rows[row].bar.width, want.width) << "row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, ReturnBarsTest,
    ::testing::Values(
        BarCase{"Scale20",
                {{Figure::Qtr, 5.0f}, {Figure::Ytd, 10.0f}},
                {{Figure::Qtr, {Side::Positive, 100}}, {Figure::Ytd, {Side::Positive, 200}}}},
        BarCase{"Scale80CutsTheLoss",
                {{Figure::Qtr, -4.0f}, {Figure::Ytd, 2.5f}},
                {{Figure::Qtr, {Side::Negative, 50}}, {Figure::Ytd, {Side::Positive, 200}}}},
        BarCase{"AllNegativeHaveScale1",
                {{Figure::Qtr, -12.34f}, {Figure::IncAnn, -3.0f}},
                {{Figure::Qtr, {Side::Negative, 12}}, {Figure::IncAnn, {Side::Negative, 3}}}},
        // Above 200 % the scale is 200 / maximum, so no bar vanishes.
        BarCase{"MaximumAbove200ScalesEveryBarDown",
                {{Figure::Qtr, 250.0f}, {Figure::Ytd, -20.0f}, {Figure::ThYr, 125.0f}},
                {{Figure::Qtr, {Side::Positive, 200}},
                 {Figure::Ytd, {Side::Negative, 16}},
                 {Figure::ThYr, {Side::Positive, 100}}}},
        // 200 / 0.004 gives a scale of 50,000: the lengths stay in floating point until cut.
        BarCase{"TinyMaximumDoesNotOverflow",
                {{Figure::Qtr, 0.004f}, {Figure::Ytd, -900000.0f}},
                {{Figure::Qtr, {Side::Negative, 0}}, {Figure::Ytd, {Side::Negative, 50}}}},
        BarCase{"NeverCalculated", {}, {}}),
    [](const auto& instance) { return instance.param.name; });

TEST(ReturnRowsTest, PercentagesAndDatesAsShown) {
    HoldingRecord holding;
    holding.Figures[Figure::QtrD] = 1110.0f;
    holding.Figures[Figure::YtdD] = -3.2f;
    const auto rows = ReturnRows(holding.Figures, ReturnKind::DollarWeighted, Locale::EnUs());
    EXPECT_EQ(rows[0].percentage, "1,110.00 %");
    EXPECT_EQ(rows[1].percentage, "-3.20 %");
    EXPECT_EQ(rows[2].percentage, "n/a");
    EXPECT_EQ(PerformanceDateText(NoDate, Locale::EnUs()).English(), "Not Calculated");
    EXPECT_EQ(PerformanceDateText(D(2024, 5, 31), Locale::EnUs()).English(), "5/31/2024");
}

TEST(ReturnRowsTest, BenchmarkBesideEachFigureWithTheDifferenceInPoints) {
    HoldingRecord holding;
    holding.Figures[Figure::Qtr] = 5.0f;
    holding.Figures[Figure::IncAnn] = -1.25f;
    BenchmarkFigures benchmark;
    benchmark.time_weighted[static_cast<size_t>(ReportingPeriod::Quarter)] = 1234.5;
    benchmark.time_weighted[static_cast<size_t>(ReportingPeriod::OneYear)] = 2;
    benchmark.time_weighted[static_cast<size_t>(ReportingPeriod::Inception)] = 0.5;
    const auto rows = BenchmarkReturnRows(holding.Figures, benchmark, Locale::EnUs());
    EXPECT_EQ(rows[0].benchmark, "1,234.50 %");
    EXPECT_EQ(rows[0].difference, "-1,229.50");
    EXPECT_EQ(rows[1].benchmark, "2.00 %");
    EXPECT_EQ(rows[1].difference, "n/a");  // the investment's year was not calculated
    EXPECT_EQ(rows[2].benchmark, "n/a");   // the benchmark is younger
    EXPECT_EQ(rows[5].difference, "-1.75");
}

class InvestmentDetailRowsTest : public DataStoreTest {};

TEST_F(InvestmentDetailRowsTest, TotalsCountTheInitialValueAsAContribution) {
    const Pid portfolio = AddPortfolio("Growth");
    const Hid holding = AddHolding(portfolio, "Fund", D(2023, 1, 1), 1000);
    AddTransaction(holding, D(2023, 2, 1), "CC", 500);
    AddTransaction(holding, D(2023, 3, 1), "DI", 20);
    AddTransaction(holding, D(2023, 4, 1), "WI", 100);
    AddValue(holding, D(2023, 3, 31), 1600);

    const InvestmentTotals totals = TotalsOf(store(), holding, D(2024, 6, 15));
    const Locale en = Locale::EnUs();
    EXPECT_EQ(TotalText(totals.contributions, en), "1,500.00");
    EXPECT_EQ(TotalText(totals.dividends, en), "20.00");
    EXPECT_EQ(TotalText(totals.withdrawals, en), "100.00");
    EXPECT_EQ(TotalText(totals.cost_basis, en), "1,420.00");
    EXPECT_EQ(TotalText(totals.recent_value, en), "1,500.00");  // 1,600 less the withdrawal

    // The opening entries lead the store's lists but are never listed.
    const std::vector<TextRow> transactions =
        BuildTransactionRows(store(), holding, TransactionOrder::AmountDescending, en);
    ASSERT_EQ(transactions.size(), 3u);
    EXPECT_EQ(transactions[0].cells, (Texts{"2/1/2023", "Cash Contribution", "$500.00", ""}));
    const std::vector<TextRow> values =
        BuildValueRows(store(), holding, ValueOrder::DateAscending, en);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].cells, (Texts{"3/31/2023", "$1,600.00"}));
    EXPECT_EQ(MoneyText(std::nan(""), {}, en), "ERROR!");
}

}  // namespace
}  // namespace brevanta::testing
