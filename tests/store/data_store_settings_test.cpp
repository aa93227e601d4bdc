// Settings and list-column rows of sys.dbf.
#include <filesystem>

#include "store/currency_setting.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

class SettingsTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        AddSettingRow("NUM_DEC", "3", "", "", "");
        AddSettingRow("LOG_AUDIT", "yes", "", "", "");
        AddSettingRow("VIEW", "Month", "1", "80", "2");
        AddSettingRow("VIEW", "Quarter", "0", "90", "0");
        AddSettingRow("VIEW", "Inception", "1", "100", "1");
        AddSettingRow("VIEW", "Name", "1", "150", "0");
        Reopen();
    }
};

TEST_F(SettingsTest, ColumnsComeInPositionOrder) {
    EXPECT_EQ(ColumnNames(store().settings().VisibleColumns()),
              Texts({"Name", "Inception", "Month"}));
    EXPECT_EQ(ColumnNames(store().settings().HiddenColumns()), Texts({"Quarter"}));
    const ColumnRecord month = *store().settings().FindColumn("Month");
    EXPECT_EQ(month.Visible, 1);
    EXPECT_EQ(month.Width, 80);
    EXPECT_EQ(month.Position, 2);
    EXPECT_FALSE(store().settings().FindColumn("month").has_value());
}

TEST_F(SettingsTest, SettingsAreReadWithColumnRowsInTableOrder) {
    EXPECT_EQ(store().settings().FindSetting("NUM_DEC")->Val1, "3");
    EXPECT_EQ(store().settings().FindSetting("VIEW")->Val1, "Month");
    EXPECT_EQ(store().settings().FindSetting("VIEW")->Date1, NoDate);
    EXPECT_FALSE(store().settings().FindSetting("num_dec").has_value());
    EXPECT_EQ(store().settings().NumberOfDecimals(), 3);
}

TEST_F(SettingsTest, AuditLoggingIsOnForAnyTextButTheDigitZero) {
    EXPECT_TRUE(store().settings().AuditLoggingOn());
    ASSERT_EQ(store().settings().UpdateSetting(LogAuditKey, {.Val1 = "0"}).value(), 1);
    EXPECT_FALSE(store().settings().AuditLoggingOn());
    ASSERT_EQ(store().settings().UpdateSetting(LogAuditKey, {.Val1 = "1"}).value(), 1);
    EXPECT_TRUE(store().settings().AuditLoggingOn());
}

TEST_F(SettingsTest, UpdateSettingWritesOnlyTheValuesGiven) {
    ASSERT_EQ(store().settings().UpdateSetting(NumDecKey, {.Val1 = "9"}).value(), 1);
    EXPECT_EQ(Column(kSettingsTableFile, "VAL1")[0], "9");
    EXPECT_EQ(Column(kSettingsTableFile, "VAL2")[0], "");
    EXPECT_EQ(store().settings().NumberOfDecimals(), 2);  // only the digits 0 to 6 count
    EXPECT_EQ(store().settings().UpdateSetting("MISSING", {.Val1 = "9"}).value(), 0);
    // "*" is a value like any other.
    ASSERT_EQ(store().settings().UpdateSetting(NumDecKey, {.Val1 = "*", .Val2 = "*"}).value(), 1);
    Reopen();
    EXPECT_EQ(store().settings().FindSetting(NumDecKey)->Val2, "*");
}

TEST_F(SettingsTest, StoreSettingAddsTheRowOnlyWhenItIsMissing) {
    ASSERT_TRUE(store().settings().StoreSetting(NumDecKey, {.Val1 = "5"}).ok());
    const Status added = store().settings().StoreSetting("EXTRA", {.Val1 = "1"});
    ASSERT_TRUE(added.ok()) << added.message();
    EXPECT_EQ(store().settings().FindSetting("EXTRA")->Val1, "1");
    ASSERT_TRUE(store().settings().StoreSetting("EXTRA", {.Val1 = "0"}).ok());
    Reopen();
    EXPECT_EQ(store().settings().NumberOfDecimals(), 5);
    EXPECT_EQ(store().settings().FindSetting("EXTRA")->Val1, "0");
    EXPECT_EQ(store().settings().FindSetting("EXTRA")->Val2, "");
    EXPECT_EQ(RowsInFile(kSettingsTableFile), 7);
}

TEST_F(SettingsTest, UpdateColumnWritesOnlyTheNumbersGiven) {
    ColumnChanges update;
    update.Visible = 0;
    update.Position = 5;
    ASSERT_EQ(store().settings().UpdateColumn("Month", update).value(), 1);
    const ColumnRecord month = *store().settings().FindColumn("Month");
    EXPECT_EQ(month.Visible, 0);
    EXPECT_EQ(month.Width, 80);
    EXPECT_EQ(month.Position, 5);
    EXPECT_EQ(ColumnNames(store().settings().HiddenColumns()), Texts({"Quarter", "Month"}));
    EXPECT_EQ(store().settings().UpdateColumn("Nothing", update).value(), 0);
    Reopen();
    EXPECT_EQ(store().settings().FindColumn("Month")->Position, 5);
}

TEST_F(SettingsTest, MissingSettingsFallBackToTwoDecimalsAndNoLog) {
    std::filesystem::remove(File(kSettingsTableFile));
    CreateTable(kSettingsTableFile, SettingsTableLayout());
    Reopen();
    EXPECT_EQ(store().settings().NumberOfDecimals(), 2);
    EXPECT_FALSE(store().settings().AuditLoggingOn());
}

TEST_F(SettingsTest, CurrencySymbolRoundTripsThroughTheTableAndBadOnesAreRefused) {
    EXPECT_EQ(CurrencySymbol(store()), "$");  // no row yet
    const std::string longest(kLongestCurrencySymbol, 'x');
    for (const std::string& symbol : {std::string("€"), std::string("Fr."), longest}) {
        ASSERT_TRUE(StoreCurrencySymbol(store(), symbol).ok()) << symbol;
        Reopen();
        EXPECT_EQ(CurrencySymbol(store()), symbol);
    }
    EXPECT_EQ(Column(kSettingsTableFile, "VAL1").back(), longest);
    ASSERT_EQ(store().settings().UpdateSetting(CurrencyKey, {.Val1 = ""}).value(), 1);
    EXPECT_EQ(CurrencySymbol(store()), "$");

    const struct {
        std::string symbol;
        CurrencySymbolFault fault;
    } cases[] = {
        {"", CurrencySymbolFault::Empty},
        {"\x1b", CurrencySymbolFault::ControlCharacter},
        {"a\tb", CurrencySymbolFault::ControlCharacter},
        {"\u20B9", CurrencySymbolFault::NotStorable},  // the rupee sign: not in Windows-1252
        {longest + "x", CurrencySymbolFault::TooLong},
        {std::string(kLongestCurrencySymbol, ' ') + "€", CurrencySymbolFault::TooLong},
        {std::string(kLongestCurrencySymbol - 1, 'x') + "€", CurrencySymbolFault::None},
    };
    for (const auto& c : cases) EXPECT_EQ(FaultOfCurrencySymbol(c.symbol), c.fault) << c.symbol;
}

TEST_F(SettingsTest, ColumnRowWithANonNumberFailsTheLoad) {
    AddSettingRow("VIEW", "Broken", "1", "wide", "3");
    Status status;
    ASSERT_FALSE(OpenStore(dir_.path(), &status));
    EXPECT_EQ(status.message(), "sys.dbf, row 7, field VAL3: \"wide\" is not a whole number");
}

}  // namespace
}  // namespace brevanta::testing
