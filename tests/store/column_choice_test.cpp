#include "store/column_choice.h"

#include "store/data_store_fixture.h"

namespace brevanta::testing {
namespace {

class ColumnChoiceTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        AddSettingRow("VIEW", "QTR", "1", "80", "0");
        AddSettingRow("VIEW", "Inc", "1", "90", "1");
        AddSettingRow("VIEW", "Month", "0", "70", "4");
        Reopen();
    }
};

TEST_F(ColumnChoiceTest, OnlyAnotherCountOrNameAtAPlaceIsAChange) {
    const std::vector<ColumnRecord> visible = store().settings().VisibleColumns();
    EXPECT_FALSE(ColumnChoiceChanged(visible, {"QTR", "Inc"}));
    EXPECT_TRUE(ColumnChoiceChanged(visible, {"Inc", "QTR"}));
    EXPECT_TRUE(ColumnChoiceChanged(visible, {"QTR"}));
    EXPECT_TRUE(ColumnChoiceChanged(visible, {"QTR", "Inc", "Month"}));
}

TEST_F(ColumnChoiceTest, ChoiceIsStoredInDisplayOrderSkippingUnknownNames) {
    ASSERT_TRUE(StoreColumnChoice(store(), {{"QTR", "Ghost"}, {"Month", "Nowhere", "Inc"}}).ok());
    Reopen();
    EXPECT_EQ(ColumnNames(store().settings().VisibleColumns()), Texts({"Month", "Inc"}));
    EXPECT_EQ(ColumnNames(store().settings().HiddenColumns()), Texts({"QTR"}));
    EXPECT_EQ(store().settings().FindColumn("Inc")->Position, 2);
    EXPECT_EQ(store().settings().FindColumn("QTR")->Position,
              0);  // a hidden column keeps its place
    EXPECT_EQ(RowsInFile(kSettingsTableFile), 3);
}

}  // namespace
}  // namespace brevanta::testing
