#include "ui/detail/value_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include "ui/detail/investment_window.h"
#include "ui/gui_fixture.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

const QString kMissingMessage =
    "The historical value could not be found. It may have been removed.";

QLineEdit* Edit(QWidget& parent, const char* name) { return parent.findChild<QLineEdit*>(name); }
QPushButton* Button(QWidget& parent, const char* name) {
    return parent.findChild<QPushButton*>(name);
}

// Types the date key by key, as a user does.
void TypeDate(QWidget& dialog, const QString& date) {
    QLineEdit* edit = Edit(dialog, "dateFieldEdit");
    edit->clear();
    QTest::keyClicks(edit, date);
}

// Growth holds Fund, started on 1 January 2023 with 1,000.
class ValueDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        growth_ = AddPortfolio("Growth");
        fund_ = AddHolding(growth_, "Fund", D(2023, 1, 1), 1000);
    }

    HoldingRecord Fund() { return *store().holdings().FindHolding(fund_); }

    int RunAdd(std::function<void(ValueDialog&)> action) {
        ValueDialog dialog(context_, store(), fund_, std::nullopt);
        return Drive(dialog, action);
    }
    int RunModify(Vid id, std::function<void(ValueDialog&)> action) {
        ValueDialog dialog(context_, store(), fund_, id);
        return Drive(dialog, action);
    }

    // The fund's values as the next start of the program reads them, by date.
    std::vector<ValueRecord> Stored() {
        Reopen();
        std::vector<ValueRecord> stored = store().values().ValuesOfHolding(fund_);
        stored.erase(stored.begin());
        return stored;
    }
    Vid AddOne(Date date, double value) {
        AddValue(fund_, date, value);
        return store().values().ValuesOfHolding(fund_).back().Id;
    }

    Pid growth_{};
    Hid fund_{};
};

TEST_F(ValueDialogTest, RefusalsShowTheirMessageAndWriteNothing) {
    const QString number =
        "Please enter a number for the value of the holding. \n\r Do not enter '$' or ',' "
        "symbols.";
    const QString positive = "The value must be greater than 0 \n\r Please try again.";
    const struct {
        QString value, message;
    } cases[] = {
        {"", "Please enter an investment value."},
        {"0", positive},
        {"-1", positive},
        {"$100", number},
        {"1,000", number},
        {"10000000000000",
         "The number can not be larger than 9,999,999,999,999.99.\n\r Please try again."},
    };
    const std::string before = ReadBytes(File(kValueTableFile));
    RunAdd([&](ValueDialog& shown) {
        for (const auto& c : cases) {
            platform_.messages.clear();
            Edit(shown, "valueEdit")->setText(c.value);
            Button(shown, "okButton")->click();
            ASSERT_EQ(platform_.messages.size(), 1u) << c.value.toStdString();
            EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
            EXPECT_EQ(platform_.messages[0].text, c.message);
            EXPECT_EQ(shown.focusWidget(), Edit(shown, "valueEdit"));
            EXPECT_TRUE(shown.isVisible());
        }
    });
    EXPECT_EQ(ReadBytes(File(kValueTableFile)), before);
}

TEST_F(ValueDialogTest, ApplyAddsAndKeepsTheDateAndOkAfterItAddsNothingMore) {
    int saves = 0;
    const int result = RunAdd([&](ValueDialog& shown) {
        QObject::connect(&shown, &EntryDialog::saved, [&saves] { ++saves; });
        QPushButton* apply = Button(shown, "applyButton");
        EXPECT_EQ(shown.windowTitle(), "Add Historical Value");
        EXPECT_EQ(shown.findChild<QLabel*>("promptLabel")->text(),
                  "Enter a new historical value for the investment below.");
        EXPECT_EQ(shown.findChild<QLabel*>("holdingLabel")->text(), "Fund");
        EXPECT_EQ(Edit(shown, "dateFieldEdit")->text(), "6/15/2024");
        EXPECT_TRUE(apply->isEnabled());
        EXPECT_TRUE(apply->isDefault());
        // The opening value stands on the inception date; a value must come after it.
        TypeDate(shown, "1/1/2023");
        Edit(shown, "valueEdit")->setText("990.5");
        apply->click();
        EXPECT_EQ(platform_.Texts(),
                  std::vector<QString>({"Historical value dates can not occur before an "
                                        "investments \n\r inception date. \n\r Please change "
                                        "the date and try again."}));
        EXPECT_EQ(shown.focusWidget(), Edit(shown, "dateFieldEdit"));
        platform_.messages.clear();
        TypeDate(shown, "1/2/2023");
        apply->click();
        EXPECT_EQ(Edit(shown, "dateFieldEdit")->text(), "1/2/2023");
        EXPECT_TRUE(Edit(shown, "valueEdit")->text().isEmpty());
        EXPECT_EQ(shown.focusWidget(), Edit(shown, "dateFieldEdit"));
        EXPECT_FALSE(apply->isEnabled());
        Button(shown, "okButton")->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(saves, 1);
    const std::vector<ValueRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Date, D(2023, 1, 2));
    EXPECT_EQ(stored[0].Value, 990.5);
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(ValueDialogTest, ModifyStartsFromTheStoredValueAndRewritesItsRowOnApplyAndOk) {
    const Vid id = AddOne(D(2023, 3, 31), 1200.5);
    const int result = RunModify(id, [](ValueDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Modify Historical Value");
        EXPECT_EQ(shown.findChild<QLabel*>("promptLabel")->text(),
                  "Modify the historical value information below.");
        EXPECT_EQ(Edit(shown, "dateFieldEdit")->text(), "3/31/2023");
        EXPECT_EQ(Edit(shown, "valueEdit")->text(), "1200.5");
        Edit(shown, "valueEdit")->setText("1300");
        Button(shown, "applyButton")->click();
        EXPECT_EQ(Edit(shown, "valueEdit")->text(), "1300");
        TypeDate(shown, "4/30/2023");
        Button(shown, "okButton")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    const std::vector<ValueRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Id, id);
    EXPECT_EQ(stored[0].Date, D(2023, 4, 30));
    EXPECT_EQ(stored[0].Value, 1300);
}

TEST_F(ValueDialogTest, RemovedOrUnwritableValuesAreReported) {
    const Vid gone = AddOne(D(2023, 3, 31), 1200);
    const Vid kept = AddOne(D(2023, 4, 30), 1250);
    ASSERT_TRUE(store().values().DeleteHistoricalValues({gone}).ok());
    EXPECT_EQ(ModifyValue(context_, store(), fund_, gone, nullptr), QDialog::Rejected);
    EXPECT_EQ(platform_.Texts(), std::vector<QString>{kMissingMessage});

    BreakTable(File(kValueTableFile));
    for (const bool modify : {false, true}) {
        platform_.messages.clear();
        const auto attempt = [this](ValueDialog& shown) {
            Edit(shown, "valueEdit")->setText("1400");
            Button(shown, "okButton")->click();
            ASSERT_EQ(platform_.messages.size(), 1u);
            EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
            EXPECT_TRUE(platform_.messages[0].text.startsWith("The value could not be saved.\n\n"));
            EXPECT_TRUE(platform_.messages[0].text.contains(kValueTableFile));
            EXPECT_TRUE(shown.isVisible());
        };
        EXPECT_EQ(modify ? RunModify(kept, attempt) : RunAdd(attempt), QDialog::Rejected);
    }
}

TEST_F(ValueDialogTest, ApplyInTheWindowShowsTheValueAndTheRecentValue) {
    InvestmentWindow window(context_, observed(), fund_);
    window.show();
    OnModal<ValueDialog>([](ValueDialog& shown) {
        TypeDate(shown, "5/31/2024");
        Edit(shown, "valueEdit")->setText("1500");
        Button(shown, "applyButton")->click();
        Button(shown, "cancelButton")->click();
    });
    Button(*window.findChild<QWidget*>("valuesPanel"), "addButton")->click();
    const QAbstractItemModel* list = window.findChild<QTreeView*>("valueList")->model();
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->index(0, 1).data().toString(), "$1,500.00");
    EXPECT_EQ(window.findChild<QWidget*>("dollarWeightedPage")
                  ->findChild<QLabel*>("recentValueLabel")
                  ->text(),
              "1,500.00");
}

}  // namespace
}  // namespace brevanta::testing
