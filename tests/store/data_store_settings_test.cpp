// Settings and list-column rows of sys.dbf.
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
    EXPECT_EQ(ColumnNames(store().VisibleColumns()), Texts({"Name", "Inception", "Month"}));
    EXPECT_EQ(ColumnNames(store().HiddenColumns()), Texts({"Quarter"}));
    const ColumnRecord month = *store().FindColumn("Month");
    EXPECT_EQ(month.Visible, 1);
    EXPECT_EQ(month.Width, 80);
    EXPECT_EQ(month.Position, 2);
    EXPECT_FALSE(store().FindColumn("month").has_value());
}

TEST_F(SettingsTest, SettingsAreReadWithColumnRowsInTableOrder) {
    EXPECT_EQ(store().FindSetting("NUM_DEC")->Val1, "3");
    EXPECT_EQ(store().FindSetting("VIEW")->Val1, "Month");
    EXPECT_EQ(store().FindSetting("VIEW")->Date1, NoDate);
    EXPECT_FALSE(store().FindSetting("num_dec").has_value());
    EXPECT_EQ(store().NumberOfDecimals(), 3);
}

TEST_F(SettingsTest, AuditLoggingIsOnForAnyTextButTheDigitZero) {
    EXPECT_TRUE(store().AuditLoggingOn());
    SettingRecord update;
    update.Key = LogAuditKey;
    update.Val1 = "0";
    ASSERT_EQ(store().UpdateSetting(update).value(), 1);
    EXPECT_FALSE(store().AuditLoggingOn());
    update.Val1 = "1";
    ASSERT_EQ(store().UpdateSetting(update).value(), 1);
    EXPECT_TRUE(store().AuditLoggingOn());
}

TEST_F(SettingsTest, UpdateSettingWritesOnlyTheValuesGiven) {
    SettingRecord update;
    update.Key = NumDecKey;
    update.Val1 = "9";
    ASSERT_EQ(store().UpdateSetting(update).value(), 1);
    EXPECT_EQ(Column(kSettingsTableFile, "VAL1")[0], "9");
    EXPECT_EQ(Column(kSettingsTableFile, "VAL2")[0], "");
    EXPECT_EQ(store().NumberOfDecimals(), 2);  // only the digits 0 to 6 count
    update.Key = "MISSING";
    EXPECT_EQ(store().UpdateSetting(update).value(), 0);
}

TEST_F(SettingsTest, StoreSettingAddsTheRowOnlyWhenItIsMissing) {
    SettingRecord setting;
    setting.Key = NumDecKey;
    setting.Val1 = "5";
    ASSERT_TRUE(store().StoreSetting(setting).ok());
    setting.Key = "EXTRA";
    setting.Val1 = "1";
    const Status added = store().StoreSetting(setting);
    ASSERT_TRUE(added.ok()) << added.message();
    EXPECT_EQ(store().FindSetting("EXTRA")->Val1, "1");
    setting.Val1 = "0";
    ASSERT_TRUE(store().StoreSetting(setting).ok());
    Reopen();
    EXPECT_EQ(store().NumberOfDecimals(), 5);
    EXPECT_EQ(store().FindSetting("EXTRA")->Val1, "0");
    EXPECT_EQ(store().FindSetting("EXTRA")->Val2, "");
    EXPECT_EQ(RowsInFile(kSettingsTableFile), 7);
}

TEST_F(SettingsTest, UpdateColumnLeavesNumbersMarkedUnchanged) {
    ColumnRecord update;
    update.Visible = 0;
    update.Position = 5;
    ASSERT_EQ(store().UpdateColumn("Month", update).value(), 1);
    const ColumnRecord month = *store().FindColumn("Month");
    EXPECT_EQ(month.Visible, 0);
    EXPECT_EQ(month.Width, 80);
    EXPECT_EQ(month.Position, 5);
    EXPECT_EQ(ColumnNames(store().HiddenColumns()), Texts({"Quarter", "Month"}));
    EXPECT_EQ(store().UpdateColumn("Nothing", update).value(), 0);
    Reopen();
    EXPECT_EQ(store().FindColumn("Month")->Position, 5);
}

TEST_F(SettingsTest, MissingSettingsFallBackToTwoDecimalsAndNoLog) {
    DataStore empty(dir_.path() + "/nowhere");
    EXPECT_EQ(empty.NumberOfDecimals(), 2);
    EXPECT_FALSE(empty.AuditLoggingOn());
}

TEST_F(SettingsTest, ColumnRowWithANonNumberFailsTheLoad) {
    AddSettingRow("VIEW", "Broken", "1", "wide", "3");
    DataStore reloaded(dir_.path());
    const Status status = reloaded.Load();
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.message(), "sys.dbf, row 7, field VAL3: \"wide\" is not a whole number");
}

}  // namespace
}  // namespace brevanta::testing
