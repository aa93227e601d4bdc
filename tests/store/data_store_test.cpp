// Portfolios and investments: every operation's effect on the tables and the lists.
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

std::vector<std::string> Names(const std::vector<PortfolioRecord>& portfolios) {
    std::vector<std::string> names;
    for (const PortfolioRecord& p : portfolios) names.push_back(p.Name);
    return names;
}

std::vector<std::string> Names(const std::vector<HoldingRecord>& holdings) {
    std::vector<std::string> names;
    for (const HoldingRecord& h : holdings) names.push_back(h.Name);
    return names;
}

TEST_F(DataStoreTest, PortfoliosSortByteWiseSoCapitalsComeFirst) {
    AddPortfolio("beta");
    AddPortfolio("Alpha");
    AddPortfolio("alpha");
    AddPortfolio("Alphabet");
    EXPECT_EQ(Names(store().portfolios().AllPortfolios()),
              Texts({"Alpha", "Alphabet", "alpha", "beta"}));
    Reopen();
    EXPECT_EQ(Names(store().portfolios().AllPortfolios()),
              Texts({"Alpha", "Alphabet", "alpha", "beta"}));
}

TEST_F(DataStoreTest, NewPortfolioRowIsNotCalculated) {
    const StoreResult<Pid> id = store().portfolios().InsertPortfolio("Growth", "Long term");
    ASSERT_TRUE(id.ok());
    EXPECT_EQ(id.value(), Pid{1});
    EXPECT_EQ(Column(kPortfolioTableFile, "PERFDATE"), Texts({"19000101"}));
    for (const std::string& figure : kPortfolioFigureFields) {
        EXPECT_EQ(Column(kPortfolioTableFile, figure.c_str()), Texts({"999999"})) << figure;
    }
    const std::optional<PortfolioRecord> portfolio = store().portfolios().FindPortfolio(Pid{1});
    ASSERT_TRUE(portfolio.has_value());
    EXPECT_EQ(portfolio->Name, "Growth");
    EXPECT_EQ(portfolio->Description, "Long term");
    EXPECT_EQ(portfolio->PerformanceDate, NoDate);
    for (float figure : portfolio->Figures) EXPECT_EQ(figure, NotCalculated);
}

TEST_F(DataStoreTest, IdentifiersCountOnFromTheLargestAndReuseOnlyTheLargest) {
    AddPortfolio("a");
    AddPortfolio("b");
    AddPortfolio("c");
    ASSERT_TRUE(store().portfolios().DeletePortfolio(Pid{3}).ok());
    EXPECT_EQ(AddPortfolio("d"), Pid{3});
    ASSERT_TRUE(store().portfolios().DeletePortfolio(Pid{1}).ok());
    EXPECT_EQ(AddPortfolio("e"), Pid{4});
    EXPECT_EQ(Column(kPortfolioTableFile, "PID"), Texts({"2", "3", "4"}));
}

// A new row of each kind takes the identifier after the largest of its table, however large,
// and a new store reads every identifier back exactly; past the largest the field holds an
// insert is refused and writes nothing.
TEST_F(DataStoreTest, IdentifiersUpToTheFieldWidthRoundTripExactly) {
    constexpr IdNumber kLargestInField = 9999999999;
    for (const IdNumber largest :
         {16777216LL, 2147483646LL, 2147483647LL, kLargestInField - 1, kLargestInField}) {
        SCOPED_TRACE(largest);
        // One row of each kind, renumbered to `largest` in every identifier field.
        const Hid seed = AddHolding(AddPortfolio("Seed"), "Seed", D(2020, 1, 31), 100);
        AddTransaction(seed, D(2020, 2, 29), "CC", 10);
        AddValue(seed, D(2020, 2, 29), 110);
        const std::string text = std::to_string(largest);
        SetFirstRow(kPortfolioTableFile, {{"PID", text}});
        SetFirstRow(kHoldingTableFile, {{"HID", text}, {"PID", text}});
        SetFirstRow(kTransactionTableFile, {{"TID", text}, {"HID", text}, {"PID", text}});
        SetFirstRow(kValueTableFile, {{"VID", text}, {"HID", text}, {"PID", text}});
        Reopen();

        const IdNumber next = largest + 1;
        if (largest == kLargestInField) {
            const std::string refusal = "The number " + std::to_string(next) + " does not fit";
            const Hid stored{largest};
            for (const Status& status :
                 {store().portfolios().InsertPortfolio("Growth", "").status(),
                  store()
                      .holdings()
                      .InsertHolding(*store().holdings().FindHolding(stored))
                      .status(),
                  store().transactions().InsertTransaction(
                      store().transactions().TransactionsOfHolding(stored)[1]),
                  store().values().InsertValue(store().values().ValuesOfHolding(stored)[1])}) {
                EXPECT_NE(status.message().find(refusal), std::string::npos) << status.message();
            }
            for (const char* table :
                 {kPortfolioTableFile, kHoldingTableFile, kTransactionTableFile, kValueTableFile}) {
                EXPECT_EQ(Column(table, "PID"), Texts({text})) << table;
            }
        } else {
            const Hid fund = AddHolding(AddPortfolio("Growth"), "Fund", D(2021, 1, 31), 100);
            AddTransaction(fund, D(2021, 2, 28), "CC", 10);
            AddValue(fund, D(2021, 2, 28), 110);
            Reopen();
            EXPECT_EQ(store().portfolios().FindPortfolio(Pid{next})->Name, "Growth");
            EXPECT_EQ(store().holdings().FindHoldingIn(Pid{next}, Hid{next})->Name, "Fund");
            const std::vector<TransactionRecord> transactions =
                store().transactions().TransactionsOfHolding(Hid{next});
            ASSERT_EQ(transactions.size(), 2u);
            EXPECT_EQ(transactions[1].Id, Tid{next});
            EXPECT_EQ(transactions[1].PortfolioId, Pid{next});
            const std::vector<ValueRecord> values = store().values().ValuesOfHolding(Hid{next});
            ASSERT_EQ(values.size(), 2u);
            EXPECT_EQ(values[1].Id, Vid{next});
            EXPECT_EQ(values[1].HoldingId, Hid{next});
            EXPECT_EQ(Column(kTransactionTableFile, "TID"), Texts({text, std::to_string(next)}));
            ASSERT_TRUE(store().portfolios().DeletePortfolio(Pid{next}).ok());
        }
        ASSERT_TRUE(store().portfolios().DeletePortfolio(Pid{largest}).ok());
    }
}

TEST_F(DataStoreTest, RenameWritesBothTextsAndReloads) {
    const Pid id = AddPortfolio("Old");
    const StoreResult<int> changed = store().portfolios().RenamePortfolio(id, "New", "Described");
    ASSERT_TRUE(changed.ok());
    EXPECT_EQ(changed.value(), 1);
    EXPECT_EQ(store().portfolios().FindPortfolio(id)->Name, "New");
    EXPECT_EQ(store().portfolios().PortfolioName(id), "New");
    EXPECT_EQ(store().portfolios().RenamePortfolio(Pid{99}, "x", "y").value(), 0);
    EXPECT_EQ(store().portfolios().PortfolioName(Pid{99}), "");
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(id)->Description, "Described");
}

TEST_F(DataStoreTest, TextsAreStoredInWindows1252WithOneByteACharacter) {
    const std::string name = "Caf\u00e9 M\u00fcller \u2013 Fonds";
    std::string longest;
    for (int i = 0; i < kNameWidth; ++i) longest += "\u00e9";
    const Pid id = AddPortfolio(name);
    AddHolding(id, longest, D(2020, 1, 15), 100);
    EXPECT_EQ(Column(kPortfolioTableFile, "PNAME"), Texts({"Caf\xE9 M\xFCller \x96 Fonds"}));
    EXPECT_EQ(Column(kHoldingTableFile, "HNAME"), Texts({std::string(kNameWidth, '\xE9')}));
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(id)->Name, name);
    EXPECT_EQ(store().portfolios().PortfolioName(id), name);
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(id).at(0).Name, longest);
}

TEST_F(DataStoreTest, TextsTheTablesCannotHoldAreRefusedBeforeAnythingIsWritten) {
    const Pid id = AddPortfolio("Growth");
    const StoreResult<int> renamed =
        store().portfolios().RenamePortfolio(id, "Gr\u00fcn", "\u2713 checked");
    EXPECT_TRUE(renamed.status().IsInvalidArgument());
    EXPECT_EQ(renamed.status().message(), "The character \"\u2713\" (U+2713) cannot be stored.");
    EXPECT_EQ(Column(kPortfolioTableFile, "PNAME"), Texts({"Growth"}));

    HoldingRecord holding;
    holding.PortfolioId = id;
    holding.Name = "\u4e2d";
    holding.InceptionDate = D(2020, 1, 15);
    holding.InitialAmount = 100;
    EXPECT_TRUE(store().holdings().InsertHolding(holding).status().IsInvalidArgument());
    EXPECT_EQ(RowsInFile(kHoldingTableFile), 0);

    const Hid fund = AddHolding(id, "Fund", D(2020, 1, 15), 100);
    std::vector<TransactionRecord> series(2);
    for (TransactionRecord& transaction : series) {
        transaction.HoldingId = fund;
        transaction.PortfolioId = id;
        transaction.Date = D(2020, 2, 1);
        transaction.Type = "CC";
        transaction.Amount = 5;
    }
    series[1].Description = "\u2713";
    size_t refused = 0;
    EXPECT_TRUE(store().transactions().InsertTransactions(series, &refused).IsInvalidArgument());
    EXPECT_EQ(refused, 1u);
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 0);
}

TEST_F(DataStoreTest, ControlCharactersAreRefusedInNamesAndDescriptionsButATabIsKept) {
    const Pid id = AddPortfolio("Growth");
    const Hid fund = AddHolding(id, "Fund", D(2020, 1, 15), 100);
    TransactionRecord transaction;
    transaction.HoldingId = fund;
    transaction.PortfolioId = id;
    transaction.Date = D(2020, 2, 1);
    transaction.Type = "CC";
    transaction.Amount = 5;
    transaction.Description = "bell\a";
    const struct {
        const char* name;
        Status status;
        const char* refused;  // the code point named, or null when stored
    } cases[] = {
        {"escape in a name", store().portfolios().RenamePortfolio(id, "Gro\x1b[2Jwth", "").status(),
         "U+001B"},
        {"NUL in a description",
         store().portfolios().InsertPortfolio("P", std::string("a\0b", 3)).status(), "U+0000"},
        {"bell in a transaction", store().transactions().InsertTransaction(transaction), "U+0007"},
        {"tab", store().portfolios().RenamePortfolio(id, "Growth\tFund", "a\tb").status(), nullptr},
    };
    for (const auto& c : cases) {
        if (!c.refused) {
            EXPECT_TRUE(c.status.ok()) << c.name;
            continue;
        }
        EXPECT_TRUE(c.status.IsInvalidArgument()) << c.name;
        EXPECT_TRUE(c.status.message().ends_with(std::string("The control character ") + c.refused +
                                                 " cannot be stored."))
            << c.name << ": " << c.status.message();
    }
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 0);
    EXPECT_EQ(Column(kPortfolioTableFile, "PNAME"), Texts({"Growth\tFund"}));
}

TEST_F(DataStoreTest, PortfolioNameReadsTheTableNotTheList) {
    const Pid id = AddPortfolio("Listed");
    AppendRawRow(kPortfolioTableFile,
                 {{"PID", "7"}, {"PNAME", "Only in file"}, {"PERFDATE", "19000101"}});
    EXPECT_EQ(store().portfolios().PortfolioName(Pid{7}), "Only in file");
    EXPECT_FALSE(store().portfolios().FindPortfolio(Pid{7}).has_value());
    EXPECT_EQ(store().portfolios().PortfolioName(id), "Listed");
}

TEST_F(DataStoreTest, StoredFiguresAreWrittenAsFloatTextAndIncdIsLeftAlone) {
    const Pid id = AddPortfolio("P");
    PerformanceFigures figures;
    figures.PerformanceDate = D(2024, 3, 31);
    float next = 1;
    for (float& figure : figures.Figures) figure = next++;
    figures.Figures[Figure::Month] = 5.23f;
    figures.Figures[Figure::IncAnnD] = -0.5f;
    const StoreResult<int> changed = store().portfolios().StorePortfolioFigures(id, figures);
    ASSERT_TRUE(changed.ok()) << changed.status().message();
    EXPECT_EQ(changed.value(), 1);
    EXPECT_EQ(Column(kPortfolioTableFile, "MONTH"), Texts({"5.23000001907349"}));
    EXPECT_EQ(Column(kPortfolioTableFile, "INCANND"), Texts({"-0.5"}));
    EXPECT_EQ(Column(kPortfolioTableFile, "INCD"), Texts({"999999"}));
    EXPECT_EQ(Column(kPortfolioTableFile, "PERFDATE"), Texts({"20240331"}));
    Reopen();
    const PortfolioRecord portfolio = *store().portfolios().FindPortfolio(id);
    EXPECT_EQ(portfolio.PerformanceDate, D(2024, 3, 31));
    EXPECT_EQ(portfolio.Figures[Figure::Month], 5.23f);
    EXPECT_EQ(portfolio.Figures[Figure::Qtr], 2.0f);
    EXPECT_EQ(portfolio.InceptionDollar, NotCalculated);
    EXPECT_EQ(portfolio.Figures[Figure::IncAnnD], -0.5f);
}

TEST_F(DataStoreTest, NanFigureLoadsAsNotCalculatedAndBlankDescriptionAsEmpty) {
    std::vector<std::pair<std::string, std::string>> row = {
        {"PID", "1"}, {"PNAME", "Odd"}, {"PDESC", " "}, {"PERFDATE", "20200229"}};
    for (const std::string& figure : kPortfolioFigureFields) row.push_back({figure, "1.5"});
    row.push_back({"QTR", "NAN"});
    row.push_back({"INCD", "42"});
    AppendRawRow(kPortfolioTableFile, row);
    Reopen();
    const PortfolioRecord portfolio = *store().portfolios().FindPortfolio(Pid{1});
    EXPECT_EQ(portfolio.Description, "");
    EXPECT_EQ(portfolio.PerformanceDate, D(2020, 2, 29));
    EXPECT_EQ(portfolio.Figures[Figure::Month], 1.5f);
    EXPECT_EQ(portfolio.Figures[Figure::Qtr], NotCalculated);
    EXPECT_EQ(portfolio.InceptionDollar, 42.0f);
}

TEST_F(DataStoreTest, HoldingsSortByPortfolioThenName) {
    const Pid p1 = AddPortfolio("One");
    const Pid p2 = AddPortfolio("Two");
    AddHolding(p2, "zeta", D(2020, 1, 1), 100);
    AddHolding(p1, "beta", D(2020, 1, 1), 100);
    AddHolding(p1, "Alpha", D(2020, 1, 1), 100);
    AddHolding(p2, "Alpha", D(2020, 1, 1), 100);
    EXPECT_EQ(Names(store().holdings().HoldingsOfPortfolio(p1)), Texts({"Alpha", "beta"}));
    EXPECT_EQ(Names(store().holdings().HoldingsOfPortfolio(p2)), Texts({"Alpha", "zeta"}));
    EXPECT_TRUE(store().holdings().HoldingsOfPortfolio(Pid{3}).empty());
    EXPECT_EQ(store().holdings().FindHoldingIn(p2, Hid{4})->Name, "Alpha");
    EXPECT_FALSE(store().holdings().FindHoldingIn(p1, Hid{4}).has_value());
}

TEST_F(DataStoreTest, InsertHoldingIgnoresTheRecordsFigures) {
    const Pid p = AddPortfolio("P");
    HoldingRecord holding;
    holding.PortfolioId = p;
    holding.Name = "Fund";
    holding.Description = "Index fund";
    holding.InceptionDate = D(2001, 5, 31);
    holding.InitialAmount = 1234.56;
    holding.PerformanceDate = D(2020, 1, 31);
    holding.Figures.values.fill(3.5f);
    const StoreResult<Hid> id = store().holdings().InsertHolding(holding);
    ASSERT_TRUE(id.ok());
    EXPECT_EQ(id.value(), Hid{1});
    EXPECT_EQ(Column(kHoldingTableFile, "INCAMT"), Texts({"1234.56"}));
    EXPECT_EQ(Column(kHoldingTableFile, "INCDATE"), Texts({"20010531"}));
    EXPECT_EQ(Column(kHoldingTableFile, "PERFDATE"), Texts({"19000101"}));
    EXPECT_EQ(Column(kHoldingTableFile, "TEYRD"), Texts({"999999"}));
    Reopen();
    const HoldingRecord stored = *store().holdings().FindHolding(Hid{1});
    EXPECT_EQ(stored.Name, "Fund");
    EXPECT_EQ(stored.Description, "Index fund");
    EXPECT_EQ(stored.PortfolioId, p);
    EXPECT_EQ(stored.InitialAmount, 1234.56);
    EXPECT_EQ(stored.PerformanceDate, NoDate);
    for (float figure : stored.Figures) EXPECT_EQ(figure, NotCalculated);
}

TEST_F(DataStoreTest, UpdateHoldingWritesOnlyWhatItIsGiven) {
    const Pid p = AddPortfolio("P");
    const Hid h = AddHolding(p, "Fund", D(2010, 1, 1), 100);
    HoldingChanges update;
    update.Description = "New text";
    update.InceptionDate = D(2011, 2, 28);
    update.InitialAmount = 250.75;
    const StoreResult<int> changed = store().holdings().UpdateHolding(h, update);
    ASSERT_TRUE(changed.ok());
    EXPECT_EQ(changed.value(), 1);
    EXPECT_EQ(Column(kHoldingTableFile, "HNAME"), Texts({"Fund"}));
    Reopen();
    const HoldingRecord stored = *store().holdings().FindHolding(h);
    EXPECT_EQ(stored.Name, "Fund");
    EXPECT_EQ(stored.Description, "New text");
    EXPECT_EQ(stored.InceptionDate, D(2011, 2, 28));
    EXPECT_EQ(stored.InitialAmount, 250.75);
    EXPECT_EQ(store().holdings().UpdateHolding(Hid{99}, update).value(), 0);

    update.InitialAmount.reset();
    ASSERT_TRUE(store().holdings().UpdateHolding(h, update).ok());
    EXPECT_EQ(store().holdings().FindHolding(h)->InitialAmount, 250.75);
}

// No value means "leave it": a name "*" and the amount -9999999.99 are stored like any other.
TEST_F(DataStoreTest, NoTextOrAmountIsTakenForLeaveUnchanged) {
    const Pid p = AddPortfolio("P");
    const Hid h = AddHolding(p, "Fund", D(2010, 1, 1), 100);
    AddTransaction(h, D(2011, 1, 1), "CC", 5);
    ASSERT_EQ(store().portfolios().RenamePortfolio(p, "*", "*").value(), 1);
    ASSERT_EQ(store().holdings().UpdateHolding(h, {"*", "*", std::nullopt, -9999999.99}).value(),
              1);
    ASSERT_EQ(store()
                  .transactions()
                  .UpdateTransaction(Tid{1}, {std::nullopt, std::nullopt, -9999999.99, "*"})
                  .value(),
              1);
    for (const bool reopened : {false, true}) {
        if (reopened) Reopen();
        EXPECT_EQ(store().portfolios().FindPortfolio(p)->Name, "*");
        EXPECT_EQ(store().portfolios().FindPortfolio(p)->Description, "*");
        EXPECT_EQ(store().holdings().FindHolding(h)->Name, "*");
        EXPECT_EQ(store().holdings().FindHolding(h)->InitialAmount, -9999999.99);
        EXPECT_EQ(store().transactions().FindTransaction(Tid{1})->Amount, -9999999.99);
        EXPECT_EQ(store().transactions().FindTransaction(Tid{1})->Description, "*");
    }
}

TEST_F(DataStoreTest, StoreHoldingFiguresWritesDateAndFourteenFigures) {
    const Pid p = AddPortfolio("P");
    const Hid h = AddHolding(p, "Fund", D(2010, 1, 1), 100);
    PerformanceFigures figures;
    figures.PerformanceDate = D(2023, 12, 31);
    figures.Figures[Figure::Inc] = 12.5f;
    ASSERT_EQ(store().holdings().StoreHoldingFigures(h, figures).value(), 1);
    const HoldingRecord stored = *store().holdings().FindHolding(h);
    EXPECT_EQ(stored.PerformanceDate, D(2023, 12, 31));
    EXPECT_EQ(stored.Figures[Figure::Inc], 12.5f);
    EXPECT_EQ(stored.Figures[Figure::Month], NotCalculated);
    EXPECT_EQ(Column(kHoldingTableFile, "INC"), Texts({"12.5"}));
}

// A write reads again what another process wrote since this store read it, so that it neither
// overwrites it nor misses it.
TEST_F(DataStoreTest, AWriteKeepsWhatAnotherStoreWroteBeforeIt) {
    const Pid p = AddPortfolio("P");
    const Hid h = AddHolding(p, "Fund", D(2010, 1, 1), 100);
    const std::unique_ptr<DataStore> other = OpenStore(dir_.path());
    ASSERT_TRUE(other);
    ASSERT_EQ(other->holdings().UpdateHolding(h, {"Renamed", {}, {}, {}}).value(), 1);
    HoldingRecord added_holding = *other->holdings().FindHolding(h);
    const StoreResult<Hid> added = other->holdings().InsertHolding(added_holding);
    ASSERT_TRUE(added.ok());
    AddTransaction(h, D(2011, 1, 1), "CC", 5);  // so the other's history is read again too
    ASSERT_EQ(other->transactions().TransactionsOfHolding(h).size(), 1u);

    PerformanceFigures figures;
    figures.PerformanceDate = D(2023, 12, 31);
    figures.Figures[Figure::Inc] = 12.5f;
    {
        DataStore::Change change(store(), "calculating");
        ASSERT_EQ(store().holdings().StoreHoldingFigures(added.value(), figures).value(), 1);
        ASSERT_EQ(store().holdings().StoreHoldingFigures(Hid{999}, figures).value(), 0);
        ASSERT_TRUE(change.Commit().ok());
    }
    for (const bool reopened : {false, true}) {
        if (reopened) Reopen();
        ASSERT_TRUE(store().holdings().FindHolding(added.value()));
        EXPECT_EQ(store().holdings().FindHolding(h)->Name, "Renamed");
        EXPECT_EQ(store().holdings().FindHolding(h)->PerformanceDate, NoDate);
        EXPECT_EQ(store().holdings().FindHolding(added.value())->Figures[Figure::Inc], 12.5f);
        EXPECT_EQ(store().holdings().FindHolding(added.value())->PerformanceDate, D(2023, 12, 31));
    }
    ASSERT_TRUE(other->holdings().MoveHolding(h, p).ok());
    EXPECT_EQ(other->transactions().TransactionsOfHolding(Hid{3}).size(), 2u);  // as stored
}

class HoldingHistoryTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        source_portfolio_ = AddPortfolio("Source");
        target_portfolio_ = AddPortfolio("Target");
        holding_ = AddHolding(source_portfolio_, "Fund", D(2020, 1, 15), 1000);
        AddTransaction(holding_, D(2020, 3, 31), "CC", 200, "top up");
        AddTransaction(holding_, D(2020, 2, 29), "DI", 12.34);
        AddValue(holding_, D(2020, 2, 29), 1050);
        AddValue(holding_, D(2020, 3, 31), 1300);
        PerformanceFigures figures;
        figures.PerformanceDate = D(2020, 3, 31);
        figures.Figures[Figure::Month] = 2.5f;
        ASSERT_EQ(store().holdings().StoreHoldingFigures(holding_, figures).value(), 1);
    }

    Pid source_portfolio_{};
    Pid target_portfolio_{};
    Hid holding_{};
};

TEST_F(HoldingHistoryTest, CopyCarriesFiguresTransactionsAndValuesUnderNewIdentifiers) {
    const StoreResult<HoldingRecord> copy =
        store().holdings().CopyHolding(holding_, target_portfolio_);
    ASSERT_TRUE(copy.ok()) << copy.status().message();
    EXPECT_EQ(copy.value().Id, Hid{2});
    EXPECT_EQ(copy.value().PortfolioId, target_portfolio_);
    EXPECT_EQ(copy.value().Name, "Fund");
    EXPECT_EQ(copy.value().PerformanceDate, D(2020, 3, 31));
    EXPECT_EQ(copy.value().Figures[Figure::Month], 2.5f);

    for (bool reopened : {false, true}) {
        if (reopened) Reopen();
        const auto transactions = store().transactions().TransactionsOfHolding(Hid{2});
        ASSERT_EQ(transactions.size(), 3u);
        EXPECT_EQ(transactions[1].Id, Tid{3});
        EXPECT_EQ(transactions[1].Type, "DI");
        EXPECT_EQ(transactions[1].PortfolioId, target_portfolio_);
        EXPECT_EQ(transactions[2].Id, Tid{4});
        EXPECT_EQ(transactions[2].Description, "top up");
        const auto values = store().values().ValuesOfHolding(Hid{2});
        ASSERT_EQ(values.size(), 3u);
        EXPECT_EQ(values[1].Id, Vid{3});
        EXPECT_EQ(values[2].Id, Vid{4});
        EXPECT_EQ(values[2].Value, 1300);
        // The source keeps its own rows.
        EXPECT_EQ(store().transactions().TransactionsOfHolding(holding_)[1].Id, Tid{2});
        EXPECT_EQ(store().values().ValuesOfHolding(holding_).size(), 3u);
    }
}

TEST_F(HoldingHistoryTest, EveryByteOfACopiedNameSurvivesReadingAndWriting) {
    // The five bytes Windows-1252 leaves undefined among others.
    const std::string bytes = "\x81\x8D\x8F\x90\x9D \x80\xE9\xFF";
    {
        Table table;
        ASSERT_TRUE(table.Open(File(kHoldingTableFile)).ok());
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.AssignText(table.Field("HNAME"), bytes).ok());
        ASSERT_TRUE(table.Close().ok());
    }
    Reopen();
    ASSERT_TRUE(store().holdings().CopyHolding(holding_, target_portfolio_).ok());
    EXPECT_EQ(Column(kHoldingTableFile, "HNAME"), Texts({bytes, bytes}));
}

TEST_F(HoldingHistoryTest, MoveDeletesTheSourceAfterTheCopy) {
    const StoreResult<HoldingRecord> moved =
        store().holdings().MoveHolding(holding_, target_portfolio_);
    ASSERT_TRUE(moved.ok()) << moved.status().message();
    EXPECT_FALSE(store().holdings().FindHolding(holding_).has_value());
    EXPECT_TRUE(store().holdings().HoldingsOfPortfolio(source_portfolio_).empty());
    EXPECT_EQ(Names(store().holdings().HoldingsOfPortfolio(target_portfolio_)), Texts({"Fund"}));
    EXPECT_EQ(moved.value().Figures[Figure::Month], 2.5f);
    EXPECT_EQ(Column(kTransactionTableFile, "TID"), Texts({"3", "4"}));
    EXPECT_EQ(Column(kValueTableFile, "HID"), Texts({"2", "2"}));
    EXPECT_EQ(Column(kValueTableFile, "PID"), Texts({"2", "2"}));
    EXPECT_EQ(store().values().ValuesOfHolding(moved.value().Id).size(), 3u);
}

TEST_F(HoldingHistoryTest, DeletingAPortfolioCascadesThroughAllFourTables) {
    const Hid other = AddHolding(target_portfolio_, "Other", D(2021, 1, 1), 10);
    AddTransaction(other, D(2021, 2, 1), "CC", 5);
    AddValue(other, D(2021, 2, 1), 15);

    ASSERT_TRUE(store().portfolios().DeletePortfolio(source_portfolio_).ok());
    EXPECT_EQ(Column(kPortfolioTableFile, "PNAME"), Texts({"Target"}));
    EXPECT_EQ(Column(kHoldingTableFile, "HNAME"), Texts({"Other"}));
    EXPECT_EQ(Column(kTransactionTableFile, "HID"), Texts({"2"}));
    EXPECT_EQ(Column(kValueTableFile, "HID"), Texts({"2"}));
    EXPECT_FALSE(store().portfolios().FindPortfolio(source_portfolio_).has_value());
    EXPECT_FALSE(store().holdings().FindHolding(holding_).has_value());
    EXPECT_FALSE(store().transactions().FindTransaction(Tid{1}).has_value());
    EXPECT_FALSE(store().values().FindValue(Vid{1}).has_value());
    EXPECT_TRUE(store().transactions().FindTransaction(Tid{3}).has_value());
    EXPECT_EQ(store().transactions().TransactionsOfPortfolio(source_portfolio_).size(), 0u);
}

TEST_F(HoldingHistoryTest, DeletingAHoldingLeavesThePortfolioFigures) {
    PerformanceFigures figures;
    figures.PerformanceDate = D(2020, 3, 31);
    figures.Figures[Figure::Month] = 1.25f;
    ASSERT_EQ(store().portfolios().StorePortfolioFigures(source_portfolio_, figures).value(), 1);
    ASSERT_TRUE(store().holdings().DeleteHolding(holding_).ok());
    EXPECT_EQ(RowsInFile(kHoldingTableFile), 0);
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 0);
    EXPECT_EQ(RowsInFile(kValueTableFile), 0);
    EXPECT_EQ(store().portfolios().FindPortfolio(source_portfolio_)->Figures[Figure::Month], 1.25f);
}

}  // namespace
}  // namespace brevanta::testing
