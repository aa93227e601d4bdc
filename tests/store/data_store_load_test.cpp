// Loading the store: the fixed order, and failures that name what is wrong and write nothing.
#include <sys/stat.h>

#include <filesystem>

#include "store/data_store_fixture.h"
#include "store/unprivileged_user.h"

namespace brevanta::testing {
namespace {

class LoadTest : public DataStoreTest {
  protected:
    // One row of each table, then a second transaction marked deleted.
    void SetUp() override {
        DataStoreTest::SetUp();
        const Pid p = AddPortfolio("P");
        const Hid h = AddHolding(p, "Fund", D(2024, 1, 31), 500);
        AddTransaction(h, D(2024, 2, 29), "CC", 100);
        AddTransaction(h, D(2024, 3, 31), "CC", 100);
        AddValue(h, D(2024, 2, 29), 610);
        ASSERT_EQ(store().transactions().DeleteTransactions({Tid{2}}).value(), 1);
    }
};

TEST_F(LoadTest, MissingValueTableFailsTheLoadBeforeAnyTableIsPacked) {
    std::filesystem::remove(File(kValueTableFile));
    Status status;
    EXPECT_FALSE(OpenStore(dir_.path(), &status));
    EXPECT_TRUE(status.IsNotFound()) << status.message();
    EXPECT_NE(status.message().find("value.dbf"), std::string::npos) << status.message();
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 2);  // its deleted row is still there

    CreateTable(kValueTableFile, ValueTableLayout());
    ASSERT_TRUE(OpenStore(dir_.path()));
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 1);  // packed once every table was read
}

TEST_F(LoadTest, MalformedDateFailsTheLoadNamingTableRowAndField) {
    AppendRawRow(
        kValueTableFile,
        {{"VID", "2"}, {"HID", "1"}, {"PID", "1"}, {"DATE", "20240230"}, {"VALUE", "1.00"}});
    Status status;
    ASSERT_FALSE(OpenStore(dir_.path(), &status));
    EXPECT_TRUE(status.IsCorruption());
    EXPECT_EQ(status.message(),
              "value.dbf, row 2, field DATE: \"20240230\" is not a date (yyyymmdd)");
}

TEST_F(LoadTest, MalformedNumberFailsTheLoad) {
    AppendRawRow(kHoldingTableFile, {{"HID", "2"},
                                     {"PID", "1"},
                                     {"INCDATE", "20240101"},
                                     {"INCAMT", "12x"},
                                     {"PERFDATE", "19000101"}});
    Status status;
    ASSERT_FALSE(OpenStore(dir_.path(), &status));
    EXPECT_EQ(status.message().rfind("holding.dbf, row 2, field INCAMT:", 0), 0u)
        << status.message();
}

TEST_F(LoadTest, AnIdentifierThatIsNotAWholeNumberFailsTheLoadNamingItsRow) {
    // A value table whose identifier field is wide enough for more than 64 bits.
    std::filesystem::remove(File(kValueTableFile));
    std::vector<FieldSpec> wide = ValueTableLayout();
    wide[0].width = 20;
    CreateTable(kValueTableFile, wide);
    AppendRawRow(kValueTableFile,
                 {{"VID", "1"}, {"HID", "1"}, {"PID", "1"}, {"DATE", "20240229"}, {"VALUE", "1"}});
    ASSERT_TRUE(OpenStore(dir_.path()));

    struct Case {
        const char* table;
        const char* field;
        const char* text;
    };
    for (const Case& c :
         {Case{kPortfolioTableFile, "PID", "1.5"}, Case{kHoldingTableFile, "PID", "1.01"},
          Case{kTransactionTableFile, "HID", "1e0"},
          Case{kValueTableFile, "VID", "99999999999999999999"}}) {
        SetFirstRow(c.table, {{c.field, c.text}});
        Status status;
        EXPECT_FALSE(OpenStore(dir_.path(), &status));
        EXPECT_TRUE(status.IsCorruption()) << c.table;
        EXPECT_EQ(status.message(), std::string(c.table) + ", row 1, field " + c.field + ": \"" +
                                        c.text + "\" is not an identifier");
        SetFirstRow(c.table, {{c.field, "1"}});
    }
}

TEST_F(LoadTest, AStoreRefusesToWriteOverATableAnotherProgramDamaged) {
    AppendRawRow(kTransactionTableFile,
                 {{"TID", "9"}, {"HID", "1"}, {"PID", "1"}, {"TRANSDATE", ""}, {"AMT", "1"}});
    EXPECT_FALSE(OpenStore(dir_.path()));
    // A store opened before reads the table again before it writes, and stops there.
    const std::string before = ReadBytes(File(kPortfolioTableFile));
    EXPECT_FALSE(store().portfolios().InsertPortfolio("New", "").ok());
    EXPECT_FALSE(store().portfolios().RenamePortfolio(Pid{1}, "x", "y").ok());
    EXPECT_FALSE(store().portfolios().DeletePortfolio(Pid{1}).ok());
    EXPECT_EQ(ReadBytes(File(kPortfolioTableFile)), before);
    EXPECT_EQ(RowsInFile(kHoldingTableFile), 1);
    EXPECT_EQ(RowsInFile(kValueTableFile), 1);
}

TEST_F(LoadTest, InsertsAndListDeletesReportATableThatCannotBeOpened) {
    std::filesystem::remove(File(kTransactionTableFile));
    std::filesystem::remove(File(kValueTableFile));
    std::filesystem::remove(File(kPortfolioTableFile));
    TransactionRecord transaction;
    transaction.HoldingId = Hid{1};
    transaction.Type = "CC";
    EXPECT_TRUE(store().transactions().InsertTransaction(transaction).IsNotFound());
    EXPECT_FALSE(store().transactions().DeleteTransactions({Tid{1}}).ok());
    EXPECT_FALSE(store().values().InsertValue(ValueRecord{}).ok());
    EXPECT_FALSE(store().values().DeleteHistoricalValues({Vid{1}}).ok());
    const StoreResult<Pid> portfolio = store().portfolios().InsertPortfolio("P2", "");
    EXPECT_FALSE(portfolio.ok());
    EXPECT_NE(portfolio.status().message().find("port.dbf"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(File(kTransactionTableFile)));
    EXPECT_FALSE(std::filesystem::exists(File(kPortfolioTableFile)));
}

TEST_F(LoadTest, CopyStopsBeforeWritingWhenAHistoryTableCannotBeOpened) {
    const Pid target = AddPortfolio("Target");
    std::filesystem::remove(File(kValueTableFile));
    EXPECT_FALSE(store().holdings().CopyHolding(Hid{1}, target).ok());
    EXPECT_EQ(RowsInFile(kHoldingTableFile), 1);
}

TEST_F(LoadTest, UnchangedTablesLoadTheSameRecordsAgain) {
    const std::unique_ptr<DataStore> reloaded = OpenStore(dir_.path());
    ASSERT_TRUE(reloaded);
    EXPECT_EQ(reloaded->transactions().TransactionsOfHolding(Hid{1}).size(), 2u);
    EXPECT_EQ(reloaded->values().ValuesOfHolding(Hid{1}).size(), 2u);
    EXPECT_EQ(reloaded->holdings().FindHolding(Hid{1})->InitialAmount, 500);
}

TEST_F(LoadTest, AReadOnlyStoreNeitherPacksNorWrites) {
    const std::string before = ReadBytes(File(kTransactionTableFile));
    const std::unique_ptr<DataStore> reader =
        OpenStore(dir_.path(), nullptr, DataStore::Access::ReadOnly);
    ASSERT_TRUE(reader);
    EXPECT_EQ(reader->transactions().TransactionsOfHolding(Hid{1}).size(),
              2u);  // the deleted row is skipped
    const Status refused = reader->portfolios().InsertPortfolio("Q", "").status();
    EXPECT_EQ(refused.message(), "The data directory is open for reading only.");
    EXPECT_EQ(ReadBytes(File(kTransactionTableFile)), before);
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 2);
}

TEST_F(LoadTest, AReadOnlyStoreReadsADirectoryItCannotWrite) {
    for (const char* table : {kPortfolioTableFile, kHoldingTableFile, kTransactionTableFile,
                              kValueTableFile, kSettingsTableFile}) {
        ASSERT_EQ(chmod(File(table).c_str(), 0444), 0);
    }
    ASSERT_EQ(chmod(dir_.path().c_str(), 0555), 0);
    EXPECT_TRUE(HoldsForAnUnprivilegedUser([this] {
        const std::unique_ptr<DataStore> reader =
            OpenStore(dir_.path(), nullptr, DataStore::Access::ReadOnly);
        return reader && reader->transactions().TransactionsOfHolding(Hid{1}).size() == 2;
    }));
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 2);  // the deleted row is still there
}

}  // namespace
}  // namespace brevanta::testing
