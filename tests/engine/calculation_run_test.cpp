#include "engine/calculation_run.h"

#include <gtest/gtest.h>

#include "store/data_store_fixture.h"

namespace brevanta {
namespace {

using testing::D;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kTables[] = {kPortfolioTableFile, kHoldingTableFile, kTransactionTableFile,
                                   kValueTableFile, kSettingsTableFile};

class CalculationRunTest : public testing::DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        AppendRawRow(kSettingsTableFile,
                     {{"KEY", LogAuditKey}, {"VAL1", "1"}, {"DATE1", "19000101"}});
        Reopen();
        growth_ = AddPortfolio("Growth");
        older_ = AddHolding(growth_, "Older", D(1999, 6, 30), 1000);
        younger_ = AddHolding(growth_, "Younger", D(2001, 3, 31), 500);
        later_ = AddHolding(growth_, "Later", D(2001, 7, 1), 800);
        AddValue(older_, D(2000, 6, 30), 1100);
        AddValue(older_, D(2001, 5, 30), 1180);
        AddValue(younger_, D(2001, 5, 30), 520);
        AddTransaction(older_, D(2000, 12, 15), "CC", 100);
        AddTransaction(younger_, D(2001, 6, 15), "DI", 5);
        idle_ = AddPortfolio("Idle");
        future_ = AddHolding(idle_, "Future", D(2001, 6, 30), 100);
    }

    std::vector<std::string> TableBytes() {
        std::vector<std::string> bytes;
        for (const char* table : kTables) bytes.push_back(ReadBytes(File(table)));
        return bytes;
    }
    // The tables as they were, with an old last-update date, so that a missing stamp shows.
    void RestoreTables(std::vector<std::string> bytes) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            bytes[i].replace(1, 3, "\x50\x01\x01");
            WriteBytes(File(kTables[i]), bytes[i]);
        }
        Reopen();
    }

    std::string LogAndForget() {
        const std::string log = ReadBytes(File("calclog.txt"));
        std::filesystem::remove(File("calclog.txt"));
        return log;
    }

    FixedClock clock_{D(2001, 7, 2), TimeOfDay{14, 30, 5}};
    Pid growth_{}, idle_{};
    Hid older_{}, younger_{}, later_{}, future_{};
};

// The run writes its figures in place and calculates ahead on every core; what it leaves
// must be what the calls one by one leave, to the byte.
TEST_F(CalculationRunTest, RunGivesWhatTheCallsOneByOneGive) {
    const Date pd = D(2001, 6, 30);
    const std::vector<std::string> before = TableBytes();
    RestoreTables(before);
    {
        CalculationRun run(store(), clock_, dir_.path());
        for (Hid holding : {older_, younger_}) {
            run.CalculateInvestment(holding, pd);
            run.CalculatePortfolio(growth_, pd);
        }
        for (Hid holding : {later_, future_}) run.StoreNotStarted(holding, pd);
        run.StoreNotStarted(idle_, pd);
    }
    const std::string one_by_one = LogAndForget();
    const FigureValues figures = store().portfolios().FindPortfolio(growth_)->Figures;
    const HoldingRecord younger = *store().holdings().FindHolding(younger_);
    const std::vector<std::string> tables = TableBytes();
    RestoreTables(before);

    CalculationRun run(store(), clock_, dir_.path());
    std::vector<std::pair<int, int>> progress;
    const Status status = run.CalculatePortfolios(
        store().portfolios().AllPortfolios(), pd,
        [&progress](int done, int total) { progress.emplace_back(done, total); });
    ASSERT_TRUE(status.ok());
    EXPECT_EQ(LogAndForget(), one_by_one);
    EXPECT_EQ(TableBytes(), tables);
    EXPECT_EQ(store().portfolios().FindPortfolio(growth_)->Figures, figures);
    EXPECT_EQ(store().holdings().FindHolding(younger_)->Figures, younger.Figures);
    EXPECT_EQ(progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
}

// No figures of a later date may stand under an earlier one.
TEST_F(CalculationRunTest, WhatHadNotStartedByTheDateIsNotCalculatedUnderIt) {
    PerformanceFigures later_figures;
    later_figures.PerformanceDate = D(2002, 12, 31);
    later_figures.Figures.values.fill(5);
    ASSERT_TRUE(store().holdings().StoreHoldingFigures(later_, later_figures).ok());
    ASSERT_TRUE(store().portfolios().StorePortfolioFigures(idle_, later_figures).ok());
    const Pid empty = AddPortfolio("Empty");
    CalculationRun run(store(), clock_, dir_.path());
    const Date pd = D(2001, 6, 30);
    ASSERT_TRUE(run.CalculatePortfolios(store().portfolios().AllPortfolios(), pd).ok());
    for (Hid not_started : {later_, future_}) {
        EXPECT_EQ(store().holdings().FindHolding(not_started)->PerformanceDate, pd);
        EXPECT_EQ(store().holdings().FindHolding(not_started)->Figures, FigureValues());
    }
    EXPECT_EQ(store().portfolios().FindPortfolio(idle_)->PerformanceDate, pd);
    EXPECT_EQ(store().portfolios().FindPortfolio(idle_)->Figures, FigureValues());
    EXPECT_EQ(store().portfolios().FindPortfolio(idle_)->InceptionDollar, NotCalculated);
    EXPECT_EQ(store().portfolios().FindPortfolio(empty)->PerformanceDate, NoDate);
    EXPECT_EQ(store().portfolios().FindPortfolio(growth_)->PerformanceDate, pd);
    EXPECT_EQ(store().holdings().FindHolding(younger_)->PerformanceDate, pd);
}

TEST_F(CalculationRunTest, ChangesAfterARunAreSeenByTheNext) {
    CalculationRun run(store(), clock_, dir_.path());
    const std::vector<PortfolioRecord> growth = {*store().portfolios().FindPortfolio(growth_)};
    ASSERT_TRUE(run.CalculatePortfolios(growth, D(2001, 6, 30)).ok());
    const float before = store().portfolios().FindPortfolio(growth_)->Figures[Figure::Inc];
    AddValue(older_, D(2001, 6, 30), 1500);
    ASSERT_TRUE(run.CalculatePortfolios(growth, D(2001, 6, 30)).ok());
    EXPECT_GT(store().portfolios().FindPortfolio(growth_)->Figures[Figure::Inc], before);
}

// Nothing of one calculation stays behind for the next: the same history and date give the
// same value. Only the log carries the yearly flows over to a block that has none of its own
// (an investment younger than a month), as it always has.
TEST_F(CalculationRunTest, CalculationIsTheSameValueWhateverCameBefore) {
    const Date pd = D(2001, 6, 30);
    const Hid fresh = AddHolding(idle_, "Fresh", D(2001, 6, 20), 100);
    const Calculation alone =
        CalculationRun(store(), clock_, dir_.path()).CalculateInvestment(younger_, pd);
    const std::string alone_log = LogAndForget();

    CalculationRun run(store(), clock_, dir_.path());
    run.CalculateInvestment(older_, pd);
    run.CalculatePortfolio(growth_, pd);
    EXPECT_TRUE(run.CalculateInvestment(younger_, pd) == alone);
    const Calculation young = run.CalculateInvestment(fresh, pd);
    EXPECT_TRUE(young.calculated());
    EXPECT_FALSE(young.yearly_flows.has_value());

    const auto flow_lines = [](const std::string& block) {
        const size_t start = block.find("bmv, emv, nummonths");
        return block.substr(start, block.find("*** Finished") - start);
    };
    const std::string log = LogAndForget();
    const std::string fresh_block = log.substr(log.rfind("*** Starting"));
    ASSERT_NE(fresh_block.find("   Investment: Fresh\r\n"), std::string::npos);
    EXPECT_EQ(flow_lines(fresh_block), flow_lines(alone_log));
    EXPECT_NE(flow_lines(alone_log).find("500, 525, 2\r\n"), std::string::npos);
}

}  // namespace
}  // namespace brevanta
