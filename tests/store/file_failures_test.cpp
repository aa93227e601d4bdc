// Files the store cannot write say why in words, and temporary files that a killed process
// left beside the tables do not outlive the next write.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <functional>

#include "store/data_store_fixture.h"
#include "store/unprivileged_user.h"

namespace brevanta::testing {
namespace {

class FileFailuresTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        holding_ = AddHolding(AddPortfolio("Growth"), "Alpha Fund", D(2024, 1, 31), 500);
        AddTransaction(holding_, D(2024, 2, 29), "CC", 100);
    }

    // A new contribution to the investment.
    TransactionRecord Contribution() {
        TransactionRecord contribution = store().transactions().TransactionsOfHolding(holding_)[0];
        contribution.Date = D(2024, 3, 31);
        return contribution;
    }

    decltype(HoldingRecord::Id) holding_{};
};

TEST_F(FileFailuresTest, ReadOnlyFilesSayWhyTheyCannotBeWritten) {
    struct Refusal {
        const char* name;
        mode_t directory_mode;
        mode_t transaction_table_mode;
        std::function<Status(DataStore&)> write;
        std::string message;
    };
    const TransactionRecord contribution = Contribution();
    const Refusal refusals[] = {
        {"append to a read-only table", 0777, 0444,
         [&](DataStore& store) { return store.transactions().InsertTransaction(contribution); },
         File(kTransactionTableFile) + ": cannot append a row: Permission denied"},
        {"rewrite of a read-only table", 0777, 0444,
         [&](DataStore& store) {
             return store.transactions()
                 .UpdateTransaction(Tid{1}, {.Date = contribution.Date})
                 .status();
         },
         File(kTransactionTableFile) + ": cannot write a row: Permission denied"},
        // Every change of the tables keeps its journal in the directory.
        {"change in a read-only directory", 0555, 0666,
         [&](DataStore& store) { return store.holdings().DeleteHolding(holding_); },
         dir_.path() + ": cannot change the tables: Permission denied"},
    };
    for (const Refusal& refusal : refusals) {
        for (const char* table :
             {kPortfolioTableFile, kHoldingTableFile, kValueTableFile, kSettingsTableFile}) {
            ASSERT_EQ(chmod(File(table).c_str(), 0666), 0);
        }
        ASSERT_EQ(chmod(File(kTransactionTableFile).c_str(), refusal.transaction_table_mode), 0);
        ASSERT_EQ(chmod(dir_.path().c_str(), refusal.directory_mode), 0);
        EXPECT_TRUE(HoldsForAnUnprivilegedUser([&] {
            Status status;
            const std::unique_ptr<DataStore> store = OpenStore(dir_.path(), &status);
            if (status.ok()) status = refusal.write(*store);
            if (status.message() == refusal.message) return true;
            std::fprintf(stderr, "%s\n", status.message().c_str());
            return false;
        })) << refusal.name;
    }
    ASSERT_EQ(chmod(dir_.path().c_str(), 0755), 0);
}

TEST_F(FileFailuresTest, TemporaryFilesLeftBesideTheTablesGoAtTheNextWrite) {
    const std::string left_behind[] = {"Trans.dbf.tmp-99999-0", "port.dbf.tmp-1-7"};
    const std::string others[] = {"report1_.html.tmp-99999-0", "Trans.dbf.bak"};
    for (const std::string& name : left_behind) WriteBytes(File(name.c_str()), "half");
    for (const std::string& name : others) WriteBytes(File(name.c_str()), "mine");
    ASSERT_TRUE(store().transactions().InsertTransaction(Contribution()).ok());
    for (const std::string& name : left_behind) {
        EXPECT_FALSE(std::filesystem::exists(File(name.c_str()))) << name;
    }
    for (const std::string& name : others) {
        EXPECT_TRUE(std::filesystem::exists(File(name.c_str()))) << name;
    }
}

}  // namespace
}  // namespace brevanta::testing
