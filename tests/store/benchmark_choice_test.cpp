// A portfolio's benchmark choice in sys.dbf: stored, read back, and kept current by the
// store's own moves and deletes within the same change.
#include "store/benchmark_choice.h"

#include <functional>
#include <ostream>

#include "fakes/failing_file_system.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

// Growth (1) holds Fund (1) and Index (2), Income (2) holds Bond (3); both portfolios are
// benchmarked on Index.
class BenchmarkChoiceTest : public DataStoreTest, public StoreObserver {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        const Pid growth = AddPortfolio("Growth");
        const Pid income = AddPortfolio("Income");
        AddHolding(growth, "Fund", D(2020, 1, 31), 1000);
        index_ = AddHolding(growth, "Index", D(2020, 1, 31), 100);
        AddHolding(income, "Bond", D(2020, 1, 31), 500);
        for (const Pid portfolio : {growth, income}) {
            const Status chosen = ChooseBenchmark(store(), portfolio, index_);
            ASSERT_TRUE(chosen.ok()) << chosen.message();
        }
        store().SetObserver(this);
    }

    void StoreChanged(const StoreChanges& changes) override { told_ = changes; }

    // The choice rows as sys.dbf holds them, "KEY=VAL1".
    Texts ChoiceRows() const {
        const Texts keys = Column(kSettingsTableFile, "KEY");
        const Texts values = Column(kSettingsTableFile, "VAL1");
        Texts rows;
        for (size_t i = 0; i < keys.size(); ++i) rows.push_back(keys[i] + "=" + values[i]);
        return rows;
    }

    // Each portfolio's benchmark, as this store and then a newly opened one read it.
    void ExpectBenchmarks(std::optional<Hid> growth, std::optional<Hid> income) {
        for (int opened = 0; opened < 2; ++opened) {
            SCOPED_TRACE(opened == 0 ? "in memory" : "reopened");
            EXPECT_EQ(BenchmarkOf(store(), Pid{1}), growth);
            EXPECT_EQ(BenchmarkOf(store(), Pid{2}), income);
            Reopen();
        }
    }

    Hid index_{};
    StoreChanges told_;
};

TEST_F(BenchmarkChoiceTest, AChoiceIsStoredPerPortfolioAndClearedByChoosingNone) {
    EXPECT_EQ(ChoiceRows(), Texts({"BENCH_1=2", "BENCH_2=2"}));
    ExpectBenchmarks(index_, index_);
    ASSERT_TRUE(ChooseBenchmark(store(), Pid{1}, Hid{3}).ok());
    ASSERT_TRUE(ChooseBenchmark(store(), Pid{2}, std::nullopt).ok());
    EXPECT_EQ(ChoiceRows(), Texts({"BENCH_1=3", "BENCH_2="}));
    ExpectBenchmarks(Hid{3}, std::nullopt);

    const std::string before = ReadBytes(File(kSettingsTableFile));
    EXPECT_EQ(ChooseBenchmark(store(), Pid{7}, Hid{1}).message(), "There is no portfolio 7.");
    EXPECT_EQ(ChooseBenchmark(store(), Pid{1}, Hid{42}).message(), "There is no investment 42.");
    EXPECT_EQ(ReadBytes(File(kSettingsTableFile)), before);
    // A row naming no stored investment chooses none.
    AddSettingRow(BenchmarkKey(Pid{3}), "x");
    EXPECT_EQ(BenchmarkOf(store(), Pid{3}), std::nullopt);
}

struct StoreChange {
    const char* name;
    std::function<Status(DataStore&)> change;
    Texts rows;  // the choice rows after it
    std::optional<Hid> growth, income;
};

void PrintTo(const StoreChange& change, std::ostream* out) { *out << change.name; }

class BenchmarkChoiceChangeTest : public BenchmarkChoiceTest,
                                  public ::testing::WithParamInterface<StoreChange> {};

TEST_P(BenchmarkChoiceChangeTest, TheChoiceFollowsAMoveAndGoesWithTheInvestmentOrItsPortfolio) {
    const Status changed = GetParam().change(store());
    ASSERT_TRUE(changed.ok()) << changed.message();
    EXPECT_TRUE(told_.settings);
    EXPECT_EQ(ChoiceRows(), GetParam().rows);
    ExpectBenchmarks(GetParam().growth, GetParam().income);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, BenchmarkChoiceChangeTest,
    ::testing::Values(
        StoreChange{"MoveTheBenchmark",
                    [](DataStore& s) { return s.holdings().MoveHolding(Hid{2}, Pid{2}).status(); },
                    {"BENCH_1=4", "BENCH_2=4"},
                    Hid{4},
                    Hid{4}},
        StoreChange{"DeleteTheBenchmark",
                    [](DataStore& s) { return s.holdings().DeleteHolding(Hid{2}); },
                    {"BENCH_1=", "BENCH_2="},
                    std::nullopt,
                    std::nullopt},
        StoreChange{"DeleteItsPortfolio",
                    [](DataStore& s) { return s.portfolios().DeletePortfolio(Pid{1}); },
                    {"BENCH_1=", "BENCH_2="},
                    std::nullopt,
                    std::nullopt},
        StoreChange{"DeleteTheOtherPortfolio",
                    [](DataStore& s) { return s.portfolios().DeletePortfolio(Pid{2}); },
                    {"BENCH_1=2", "BENCH_2="},
                    Hid{2},
                    std::nullopt}),
    [](const ::testing::TestParamInfo<StoreChange>& param) { return param.param.name; });

// Whichever step of the move fails, the choice names the investment where it then is: as it
// was, unless the move stood (a failure after it took effect is still reported).
TEST_F(BenchmarkChoiceTest, AMoveThatFailsPartWayLeavesTheChoiceAsItWas) {
    for (int step = 1;; ++step) {
        FailingFileSystem failing(step);
        Status moved;
        {
            const ScopedFileSystem scoped(failing);
            moved = store().holdings().MoveHolding(index_, Pid{2}).status();
        }
        if (!failing.failed()) break;
        SCOPED_TRACE(step);
        const bool stood = !store().holdings().FindHolding(index_);
        EXPECT_TRUE(stood || !moved.ok());
        const Hid index = stood ? Hid{4} : index_;
        EXPECT_EQ(ChoiceRows(), Texts({"BENCH_1=" + IdText(index), "BENCH_2=" + IdText(index)}));
        ExpectBenchmarks(index, index);
        if (stood) return;
    }
    ExpectBenchmarks(Hid{4}, Hid{4});
}

}  // namespace
}  // namespace brevanta::testing
