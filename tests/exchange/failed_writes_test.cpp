// A write or sync that fails at any step of a change is reported, and the files stay as they
// were or become what the change meant them to be: never anything in between.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/file_system.h"
#include "exchange/import_export_engine.h"
#include "fakes/failing_file_system.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

class FailedWritesTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        portfolio_ = AddPortfolio("Growth");
        holding_ = AddHolding(portfolio_, "Alpha Fund", D(2000, 1, 15), 1000);
        AddTransaction(holding_, D(2000, 3, 1), "CC", 500);
        AddTransaction(holding_, D(2000, 6, 30), "DI", 20.5);
        AddTransaction(holding_, D(2000, 9, 15), "WI", 200);
        ASSERT_EQ(store().transactions().DeleteTransactions({Tid{2}}).value(),
                  1);  // the next load packs
        WriteBytes(File("import.csv"), "04/01/2001, CC, 10\r\n05/01/2001, DI, 2.5\r\n");
        WriteBytes(File("export.csv"), "old contents");
        std::filesystem::copy(dir_.path(), pristine_.path(),
                              std::filesystem::copy_options::recursive);
    }

    // The directory as the set-up left it.
    void Restore() {
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
            std::filesystem::remove_all(entry.path());
        std::filesystem::copy(pristine_.path(), dir_.path());
    }

    // What the next start of the program finds: the investment's transactions and the export.
    std::string State() const {
        Status loaded;
        const std::unique_ptr<DataStore> fresh =
            OpenStore(dir_.path(), &loaded, DataStore::Access::ReadOnly);
        if (!fresh) return loaded.message();
        std::string state;
        for (const TransactionRecord& entry :
             fresh->transactions().TransactionsOfHolding(holding_)) {
            state += std::to_string(entry.Date.year()) + "-" + std::to_string(entry.Date.month()) +
                     "-" + std::to_string(entry.Date.day()) + " " + entry.Type + " " +
                     std::to_string(entry.Amount) + "\n";
        }
        return state + ReadBytes(File("export.csv"));
    }

    std::vector<std::string> Temporaries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
            const std::string name = entry.path().filename().string();
            if (name.find(".tmp-") != std::string::npos) names.push_back(name);
        }
        return names;
    }

    // Loads a store with the real file system, then changes it with `fs` in place.
    Status ChangeLoadedStore(FileSystem& fs, const std::function<Status(DataStore&)>& change) {
        Status status;
        const std::unique_ptr<DataStore> loaded = OpenStore(dir_.path(), &status);
        if (!loaded) return status;
        const ScopedFileSystem failing(fs);
        return change(*loaded);
    }

    TempDir pristine_;
    decltype(PortfolioRecord::Id) portfolio_{};
    decltype(HoldingRecord::Id) holding_{};
};

TEST_F(FailedWritesTest, EveryFailedWriteOrSyncIsReportedAndKeepsEveryCommittedRow) {
    struct Change {
        const char* name;
        std::function<Status(FileSystem&)> run;
    };
    const Change changes[] = {
        {"append",
         [this](FileSystem& fs) {
             return ChangeLoadedStore(fs, [this](DataStore& changed) {
                 TransactionRecord contribution =
                     changed.transactions().TransactionsOfHolding(holding_)[0];
                 contribution.Date = D(2001, 1, 31);
                 return changed.transactions().InsertTransaction(contribution);
             });
         }},
        {"pack",
         [this](FileSystem& fs) {
             const ScopedFileSystem failing(fs);
             Status status;
             OpenStore(dir_.path(), &status);
             return status;
         }},
        {"import",
         [this](FileSystem& fs) {
             return ChangeLoadedStore(fs, [this](DataStore& changed) {
                 return ImportExportEngine(changed).ImportTransactions(portfolio_, holding_,
                                                                       File("import.csv"));
             });
         }},
        {"export",
         [this](FileSystem& fs) {
             return ChangeLoadedStore(fs, [this](DataStore& changed) {
                 return ImportExportEngine(changed).ExportTransactions(portfolio_, holding_,
                                                                       File("export.csv"));
             });
         }},
    };
    for (const Change& change : changes) {
        Restore();
        const std::string before = State();
        std::vector<std::string> after_failures;
        std::string after;
        for (int step = 1; after.empty(); ++step) {
            SCOPED_TRACE(std::string(change.name) + ", failing step " + std::to_string(step));
            ASSERT_LT(step, 40);
            Restore();
            FailingFileSystem fs(step);
            const Status status = change.run(fs);
            EXPECT_EQ(Temporaries(), std::vector<std::string>{});
            if (fs.failed()) {
                EXPECT_FALSE(status.ok());
                after_failures.push_back(State());
            } else {
                ASSERT_TRUE(status.ok()) << status.message();
                after = State();
            }
        }
        EXPECT_GE(after_failures.size(), 4u) << change.name;
        for (const std::string& state : after_failures) {
            EXPECT_TRUE(state == before || state == after) << change.name << ":\n" << state;
        }
    }
}

}  // namespace
}  // namespace brevanta::testing
