// Transactions, historical values, their orders, totals and market values.
#include "store/data_store_fixture.h"
#include "store/file_size_limit.h"

namespace brevanta::testing {
namespace {

std::vector<double> Amounts(const std::vector<TransactionRecord>& list) {
    std::vector<double> amounts;
    for (const TransactionRecord& t : list) amounts.push_back(t.Amount);
    return amounts;
}

std::vector<double> Values(const std::vector<ValueRecord>& list) {
    std::vector<double> values;
    for (const ValueRecord& v : list) values.push_back(v.Value);
    return values;
}

using Numbers = std::vector<double>;

class HistoryTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        portfolio_ = AddPortfolio("P");
        holding_ = AddHolding(portfolio_, "Fund", D(2024, 1, 31), 500);
    }

    Pid portfolio_{};
    Hid holding_{};
};

TEST_F(HistoryTest, AnInvestmentWithoutTransactionsYieldsItsOpeningContribution) {
    const auto list = store().transactions().TransactionsOfHolding(holding_);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].Type, "CC");
    EXPECT_EQ(list[0].Date, D(2024, 1, 31));
    EXPECT_EQ(list[0].Amount, 500);
    EXPECT_EQ(list[0].HoldingId, holding_);
    EXPECT_EQ(list[0].PortfolioId, portfolio_);
    EXPECT_EQ(list[0].Description, "");
    EXPECT_EQ(store().transactions().TypeTotal(holding_, "CC"), 500);
    const auto values = store().values().ValuesOfHolding(holding_);
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0].Value, 500);
    EXPECT_EQ(values[0].Date, D(2024, 1, 31));
}

TEST_F(HistoryTest, OpeningContributionStaysFirstInAnyOrder) {
    AddTransaction(holding_, D(2024, 3, 31), "WI", 50);
    AddTransaction(holding_, D(2024, 2, 29), "CC", 900);
    AddTransaction(holding_, D(2024, 4, 30), "DI", 7);
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_)),
              Numbers({500, 900, 50, 7}));
    using O = TransactionOrder;
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_, O::DateAscending)),
              Numbers({500, 900, 50, 7}));
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_, O::DateDescending)),
              Numbers({500, 7, 50, 900}));
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_, O::AmountAscending)),
              Numbers({500, 7, 50, 900}));
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_, O::AmountDescending)),
              Numbers({500, 900, 50, 7}));
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_, O::TypeAscending)),
              Numbers({500, 900, 7, 50}));
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_, O::TypeDescending)),
              Numbers({500, 50, 7, 900}));
    // A sorted query leaves the plain order by date.
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfHolding(holding_)),
              Numbers({500, 900, 50, 7}));
}

TEST_F(HistoryTest, ValueOrdersKeepTheOpeningValueFirst) {
    AddValue(holding_, D(2024, 3, 31), 480);
    AddValue(holding_, D(2024, 2, 29), 520);
    using O = ValueOrder;
    EXPECT_EQ(Values(store().values().ValuesOfHolding(holding_)), Numbers({500, 520, 480}));
    EXPECT_EQ(Values(store().values().ValuesOfHolding(holding_, O::DateDescending)),
              Numbers({500, 480, 520}));
    EXPECT_EQ(Values(store().values().ValuesOfHolding(holding_, O::ValueAscending)),
              Numbers({500, 480, 520}));
    EXPECT_EQ(Values(store().values().ValuesOfHolding(holding_, O::ValueDescending)),
              Numbers({500, 520, 480}));
}

TEST_F(HistoryTest, ValuesOfOneDateComeSmallerFirstAfterALoad) {
    AddValue(holding_, D(2024, 2, 29), 700);
    AddValue(holding_, D(2024, 2, 29), 600);
    EXPECT_EQ(Values(store().values().ValuesOfHolding(holding_)), Numbers({500, 600, 700}));
    EXPECT_EQ(store().InvestmentValueAt(holding_, D(2024, 2, 29)), 700);
}

TEST_F(HistoryTest, TransactionsAreListedAsSoonAsTheyAreStored) {
    AddTransaction(holding_, D(2024, 2, 29), "CC", 100);
    EXPECT_EQ(store().transactions().TransactionsOfHolding(holding_).size(), 2u);
    AddTransaction(holding_, D(2024, 3, 31), "CC", 100);
    EXPECT_EQ(Column(kTransactionTableFile, "TID"), Texts({"1", "2"}));
    EXPECT_EQ(store().transactions().TransactionsOfHolding(holding_).size(), 3u);
    EXPECT_EQ(store().transactions().FindTransaction(Tid{2})->Date, D(2024, 3, 31));
    EXPECT_FALSE(store().transactions().FindTransaction(Tid{3}).has_value());
}

TEST_F(HistoryTest, ASeriesOfTransactionsIsStoredWholeOrNotAtAll) {
    AddTransaction(holding_, D(2024, 2, 29), "CC", 900);
    const std::string before = ReadBytes(File(kTransactionTableFile));
    TransactionRecord monthly;
    monthly.HoldingId = holding_;
    monthly.PortfolioId = portfolio_;
    monthly.Type = "CC";
    monthly.Amount = 100;
    std::vector<TransactionRecord> series(5, monthly);
    for (int k = 0; k < 5; ++k) series[k].Date = D(2024, 3 + k, 15);
    {
        // Room for two more rows: the third write fails as on a full disk.
        FileSizeLimit limit(FileSizeLimit::RowsMore(File(kTransactionTableFile), 2));
        const Status failed = store().transactions().InsertTransactions(series);
        EXPECT_FALSE(failed.ok());
        EXPECT_NE(failed.message().find("Trans.dbf"), std::string::npos) << failed.message();
    }
    EXPECT_EQ(ReadBytes(File(kTransactionTableFile)), before);

    ASSERT_TRUE(store().transactions().InsertTransactions(series).ok());
    Reopen();
    const auto stored = store().transactions().TransactionsOfHolding(holding_);
    ASSERT_EQ(stored.size(), 7u);
    EXPECT_EQ(stored[6].Date, D(2024, 7, 15));
    EXPECT_EQ(stored[6].Id, Tid{6});  // identifiers follow on from the stored ones
}

TEST_F(HistoryTest, ASeriesOfValuesIsStoredWholeOrNotAtAll) {
    AddValue(holding_, D(2024, 2, 29), 510);
    const std::string before = ReadBytes(File(kValueTableFile));
    std::vector<ValueRecord> series(3,
                                    ValueRecord{Vid{}, holding_, portfolio_, D(2024, 3, 31), 520});
    series[1].Value = 1e20;  // too large for the field
    size_t refused = series.size();
    EXPECT_FALSE(store().values().InsertValues(series, &refused).ok());
    EXPECT_EQ(refused, 1u);
    EXPECT_EQ(ReadBytes(File(kValueTableFile)), before);

    series[1].Value = 530;
    ASSERT_TRUE(store().values().InsertValues(series).ok());
    EXPECT_EQ(Column(kValueTableFile, "VID"), Texts({"1", "2", "3", "4"}));
}

TEST_F(HistoryTest, UpdateTransactionWritesOnlyWhatItIsGiven) {
    AddTransaction(holding_, D(2024, 2, 29), "DI", 75.5, "dividend");
    TransactionChanges update;
    update.Date = D(2024, 3, 1);
    update.Description = "renamed";
    const StoreResult<int> changed = store().transactions().UpdateTransaction(Tid{1}, update);
    ASSERT_TRUE(changed.ok());
    EXPECT_EQ(changed.value(), 1);
    EXPECT_EQ(Column(kTransactionTableFile, "TRANSDATE"), Texts({"20240301"}));
    EXPECT_EQ(Column(kTransactionTableFile, "TRANSTYPE"), Texts({"DI"}));
    EXPECT_EQ(Column(kTransactionTableFile, "AMT"), Texts({"75.50"}));
    EXPECT_EQ(Column(kTransactionTableFile, "TDESC"), Texts({"renamed"}));
    update.Type = "WI";
    update.Amount = 10;
    ASSERT_EQ(store().transactions().UpdateTransaction(Tid{1}, update).value(), 1);
    EXPECT_EQ(store().transactions().FindTransaction(Tid{1})->Type, "WI");
    EXPECT_EQ(store().transactions().FindTransaction(Tid{1})->Amount, 10);
    EXPECT_EQ(store().transactions().UpdateTransaction(Tid{9}, update).value(), 0);
}

TEST_F(HistoryTest, DeleteTransactionsRemovesExactlyTheListedRowsAtTheNextLoad) {
    for (int i = 1; i <= 16; ++i) AddTransaction(holding_, D(2024, 2, i), "CC", i);
    const StoreResult<int> marked = store().transactions().DeleteTransactions({Tid{12}, Tid{15}});
    ASSERT_TRUE(marked.ok());
    EXPECT_EQ(marked.value(), 2);
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 16);
    EXPECT_EQ(Column(kTransactionTableFile, "TID")[11], "*12");
    EXPECT_EQ(store().transactions().DeleteTransactions({}).value(), 0);
    EXPECT_FALSE(store().transactions().FindTransaction(Tid{12}).has_value());
    Reopen();
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 14);
    EXPECT_FALSE(store().transactions().FindTransaction(Tid{12}).has_value());
    EXPECT_FALSE(store().transactions().FindTransaction(Tid{15}).has_value());
    EXPECT_TRUE(store().transactions().FindTransaction(Tid{1}).has_value());
    EXPECT_TRUE(store().transactions().FindTransaction(Tid{16}).has_value());
}

TEST_F(HistoryTest, DeletedLargestTransactionIdentifierIsReusedAfterTheReload) {
    AddTransaction(holding_, D(2024, 2, 1), "CC", 1);
    AddTransaction(holding_, D(2024, 2, 2), "CC", 2);
    ASSERT_EQ(store().transactions().DeleteTransactions({Tid{2}}).value(), 1);
    AddTransaction(holding_, D(2024, 2, 3), "CC", 3);
    EXPECT_EQ(Column(kTransactionTableFile, "TID"), Texts({"1", "*2", "2"}));
}

TEST_F(HistoryTest, ValueIdentifiersUpdatesAndDeletes) {
    AddValue(holding_, D(2024, 2, 29), 510);
    AddValue(holding_, D(2024, 3, 31), 530);
    EXPECT_TRUE(store().values().FindValue(Vid{2}).has_value());
    const ValueChanges update{D(2024, 4, 30), 545.25};
    ASSERT_EQ(store().values().UpdateHistoricalValue(Vid{2}, update).value(), 1);
    EXPECT_EQ(store().values().FindValue(Vid{2})->Value, 545.25);
    EXPECT_EQ(store().values().UpdateHistoricalValue(Vid{7}, update).value(), 0);
    ASSERT_EQ(store().values().DeleteHistoricalValues({Vid{2}}).value(), 1);
    EXPECT_EQ(Values(store().values().ValuesOfHolding(holding_)), Numbers({500, 510}));
    AddValue(holding_, D(2024, 5, 31), 560);  // takes the largest identifier left plus one
    EXPECT_EQ(store().values().ValuesOfHolding(holding_).back().Id, Vid{2});
}

TEST_F(HistoryTest, TransactionsOfPortfolioMixOpeningEntriesInByDate) {
    const Hid second = AddHolding(portfolio_, "Second", D(2024, 3, 15), 40);
    AddTransaction(holding_, D(2024, 2, 29), "CC", 100);
    AddTransaction(second, D(2024, 4, 30), "WI", 5);
    AddTransaction(holding_, D(2024, 3, 31), "DI", 2);
    EXPECT_EQ(Amounts(store().transactions().TransactionsOfPortfolio(portfolio_)),
              Numbers({500, 100, 40, 2, 5}));
    // After 31 January (so the first opening is out), through 31 March.
    EXPECT_EQ(
        store().transactions().PortfolioTypeTotal(portfolio_, D(2024, 1, 31), D(2024, 3, 31), "CC"),
        140);
    EXPECT_EQ(
        store().transactions().PortfolioTypeTotal(portfolio_, D(2024, 1, 30), D(2024, 4, 30), "CC"),
        640);
    // The withdrawal of 30 April counts through that day, not before.
    EXPECT_EQ(
        store().transactions().PortfolioTypeTotal(portfolio_, D(2024, 1, 1), D(2024, 4, 30), "WI"),
        5);
    EXPECT_EQ(
        store().transactions().PortfolioTypeTotal(portfolio_, D(2024, 1, 1), D(2024, 4, 29), "WI"),
        0);
    EXPECT_EQ(store().transactions().TypeTotal(holding_, "CC"), 600);
    EXPECT_EQ(store().transactions().TypeTotal(holding_, "DI"), 2);
    EXPECT_EQ(store().transactions().TypeTotal(second, "WI"), 5);
}

TEST_F(HistoryTest, MarketValueAddsLaterFlowsToTheLatestValue) {
    const Hid h = AddHolding(portfolio_, "April", D(2023, 12, 31), 900);
    AddValue(h, D(2024, 3, 31), 1000);
    AddTransaction(h, D(2024, 4, 15), "CC", 200);
    AddTransaction(h, D(2024, 4, 20), "DI", 50);
    AddTransaction(h, D(2024, 4, 25), "WI", 100);
    AddTransaction(h, D(2024, 3, 31), "CC", 999);  // on the value's date: not a later flow
    EXPECT_EQ(store().InvestmentValueAt(h, D(2024, 4, 30)), 1150);
    EXPECT_EQ(store().InvestmentValueAt(h, D(2024, 3, 31)), 1000);
    EXPECT_EQ(store().InvestmentValueAt(h, D(2024, 4, 16)), 1200);
    // Before the first stored value the opening value counts, with its later flows.
    EXPECT_EQ(store().InvestmentValueAt(h, D(2024, 3, 30)), 900);
    EXPECT_EQ(store().InvestmentValueAt(h, D(2023, 12, 30)), 0);
}

TEST_F(HistoryTest, ALatestValueOfZeroGivesZeroWhateverFollows) {
    AddValue(holding_, D(2024, 2, 29), 0);
    AddTransaction(holding_, D(2024, 3, 15), "CC", 300);
    EXPECT_EQ(store().InvestmentValueAt(holding_, D(2024, 3, 31)), 0);
    EXPECT_EQ(store().PortfolioValueAt(portfolio_, D(2024, 3, 31)), 0);
}

TEST_F(HistoryTest, PortfolioValueSumsUnclippedInvestmentValues) {
    const Hid second = AddHolding(portfolio_, "Second", D(2024, 1, 31), 100);
    AddValue(holding_, D(2024, 2, 29), 50);
    AddTransaction(holding_, D(2024, 3, 10), "WI", 80);  // this investment goes to -30
    AddValue(second, D(2024, 2, 29), 200);
    EXPECT_EQ(store().InvestmentValueAt(holding_, D(2024, 3, 31)), 0);
    EXPECT_EQ(store().PortfolioValueAt(portfolio_, D(2024, 3, 31)), 170);
    EXPECT_EQ(store().PortfolioValueAt(portfolio_, D(2024, 2, 29)), 250);
    EXPECT_EQ(store().PortfolioValueAt(portfolio_, D(2024, 1, 1)), 0);
}

}  // namespace
}  // namespace brevanta::testing
