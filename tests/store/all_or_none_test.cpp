// Changes of many rows and tables take effect whole or not at all: whichever write, sync or
// rename fails, or whenever the process is killed, the next process that opens the directory
// finds the tables as they were before or as they are after the change, row for row.
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sstream>

#include "core/clock.h"
#include "engine/calculation_run.h"
#include "fakes/failing_file_system.h"
#include "store/change_journal.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

using Fault = FailingFileSystem::Fault;

// Every row of every table as a fresh store reads it: what the next process finds.
std::string Stored(const std::string& directory) {
    Status status;
    const std::unique_ptr<DataStore> store = OpenStore(directory, &status);
    if (!store) return "cannot open: " + status.message();
    std::ostringstream out;
    for (const PortfolioRecord& portfolio : store->portfolios().AllPortfolios()) {
        out << "P" << Number(portfolio.Id) << " " << portfolio.Name << " "
            << portfolio.PerformanceDate.ToYyyymmdd();
        for (float figure : portfolio.Figures) out << " " << figure;
        out << "\n";
        for (const HoldingRecord& h : store->holdings().HoldingsOfPortfolio(portfolio.Id)) {
            out << " H" << Number(h.Id) << " " << h.Name << " " << h.InitialAmount << " "
                << h.PerformanceDate.ToYyyymmdd();
            for (float figure : h.Figures) out << " " << figure;
            out << "\n";
            for (const TransactionRecord& t : store->transactions().TransactionsOfHolding(h.Id)) {
                out << "  T" << Number(t.Id) << " " << t.Date.ToYyyymmdd() << " " << t.Type << " "
                    << t.Amount << "\n";
            }
            for (const ValueRecord& v : store->values().ValuesOfHolding(h.Id)) {
                out << "  V" << Number(v.Id) << " " << v.Date.ToYyyymmdd() << " " << v.Value
                    << "\n";
            }
        }
    }
    return out.str();
}

// Two portfolios of two investments, each with a year of monthly contributions and values.
class AllOrNoneTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        for (const char* portfolio_name : {"Growth", "Income"}) {
            const Pid portfolio = AddPortfolio(portfolio_name);
            for (const char* fund : {"Alpha", "Beta"}) {
                const Hid holding = AddHolding(portfolio, fund, D(2020, 1, 31), 1000);
                for (int month = 2; month <= 12; ++month) {
                    AddTransaction(holding, D(2020, month, 15), "CC", 10.0 * month);
                    AddValue(holding, D(2020, month, DaysInMonth(2020, month)),
                             1000 + 25.0 * month);
                }
            }
        }
        store_.reset();
        std::filesystem::copy(dir_.path(), pristine_.path(),
                              std::filesystem::copy_options::recursive);
    }

    void Restore() {
        std::filesystem::remove_all(dir_.path());
        std::filesystem::copy(pristine_.path(), dir_.path(),
                              std::filesystem::copy_options::recursive);
    }

    // Runs the change on a store opened with the real file system, then using `fs`.
    Status Run(const std::function<Status(DataStore&)>& change, FileSystem& fs) {
        Status status;
        const std::unique_ptr<DataStore> store = OpenStore(dir_.path(), &status);
        if (!store) return status;
        const ScopedFileSystem scoped(fs);
        return change(*store);
    }

    // Fails (or, in a forked child, kills) the change at every step in turn and checks what the
    // directory holds after each; returns how many steps the change takes.
    int Sweep(const std::function<Status(DataStore&)>& change, Fault fault) {
        Restore();
        const std::string before = Stored(dir_.path());
        FailingFileSystem none(0);
        Restore();
        EXPECT_TRUE(Run(change, none).ok());
        const std::string after = Stored(dir_.path());
        EXPECT_NE(before, after);
        int step = 1;
        for (;; ++step) {
            Restore();
            bool interrupted = false;
            bool reported_ok = false;  // a change said to be done must be there whole
            if (fault == Fault::Fail) {
                FailingFileSystem failing(step);
                reported_ok = Run(change, failing).ok();
                interrupted = failing.failed();
            } else {
                const pid_t child = fork();
                if (child == 0) {
                    FailingFileSystem killing(step, FileSystem::Posix(), Fault::Kill);
                    _exit(Run(change, killing).ok() ? 0 : 1);
                }
                int wait_status = 0;
                waitpid(child, &wait_status, 0);
                interrupted = WIFSIGNALED(wait_status);
                EXPECT_TRUE(interrupted || WEXITSTATUS(wait_status) == 0) << "step " << step;
            }
            if (!interrupted) break;
            const std::string found = Stored(dir_.path());
            EXPECT_TRUE(found == after || (!reported_ok && found == before))
                << "step " << step << ":\n"
                << found;
            EXPECT_FALSE(HoldsJournal(FileSystem::Posix(), dir_.path())) << "step " << step;
        }
        return step - 1;
    }

    void SweepBoth(const char* name, const std::function<Status(DataStore&)>& change) {
        for (const Fault fault : {Fault::Fail, Fault::Kill}) {
            const auto start = std::chrono::steady_clock::now();
            const int steps = Sweep(change, fault);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            std::printf("%s, %s at each of %d steps: %.2f s\n", name,
                        fault == Fault::Fail ? "failed" : "killed", steps, took.count());
            EXPECT_GE(steps, 5) << name;
        }
    }

    TempDir pristine_;
};

TEST_F(AllOrNoneTest, ACopyIsStoredWholeOrNotAtAll) {
    SweepBoth("copy", [](DataStore& store) {
        return store.holdings().CopyHolding(Hid{1}, Pid{2}).status();
    });
}

TEST_F(AllOrNoneTest, AMoveIsStoredWholeOrNotAtAll) {
    SweepBoth("move", [](DataStore& store) {
        return store.holdings().MoveHolding(Hid{1}, Pid{2}).status();
    });
}

TEST_F(AllOrNoneTest, APortfolioIsDeletedWholeOrNotAtAll) {
    SweepBoth("portfolio delete",
              [](DataStore& store) { return store.portfolios().DeletePortfolio(Pid{1}); });
}

TEST_F(AllOrNoneTest, ACalculationRunStoresEveryFigureOrNone) {
    SweepBoth("calculation run", [this](DataStore& store) {
        const FixedClock clock(D(2021, 1, 5), TimeOfDay{9, 0, 0});
        CalculationRun run(store, clock, dir_.path());
        return run.CalculatePortfolios(store.portfolios().AllPortfolios(), D(2020, 12, 31));
    });
}

// What a crash left is undone by whoever may write; a store that only reads refuses to read
// past it, naming the change.
TEST_F(AllOrNoneTest, AnUnfinishedChangeIsUndoneByAWriterAndRefusedByAReader) {
    const std::string before = Stored(dir_.path());
    const pid_t child = fork();
    if (child == 0) {
        // The fourth step writes the first table, after the journal is on the disk.
        FailingFileSystem killing(4, FileSystem::Posix(), Fault::Kill);
        _exit(Run([](DataStore& s) { return s.holdings().MoveHolding(Hid{1}, Pid{2}).status(); },
                  killing)
                      .ok()
                  ? 0
                  : 1);
    }
    int wait_status = 0;
    waitpid(child, &wait_status, 0);
    ASSERT_TRUE(WIFSIGNALED(wait_status));
    ASSERT_TRUE(HoldsJournal(FileSystem::Posix(), dir_.path()));

    Status refused;
    EXPECT_FALSE(OpenStore(dir_.path(), &refused, DataStore::Access::ReadOnly));
    EXPECT_EQ(refused.message(), dir_.path() +
                                     " holds an unfinished change (moving an investment) that "
                                     "can only be undone where its tables may be written; "
                                     "nothing was read.");
    EXPECT_EQ(Stored(dir_.path()), before);
    EXPECT_FALSE(HoldsJournal(FileSystem::Posix(), dir_.path()));
}

}  // namespace
}  // namespace brevanta::testing
