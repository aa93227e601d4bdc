#include "ui/calc/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <filesystem>

#include "engine/audit_log.h"
#include "engine/calculation_run.h"
#include "store/risk_free_setting.h"
#include "ui/gui_fixture.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

// Shown: QTR, then Inc; hidden: Month. Two decimals, logging on.
class OptionsDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddColumn("QTR", 0);
        AddColumn("Inc", 1);
        AddSettingRow("VIEW", "Month", "0", "70", "2");
    }

    void AddSettings(const std::string& digits, const std::string& logging) {
        AddSettingRow("NUM_DEC", digits);
        AddSettingRow("LOG_AUDIT", logging);
        Reopen();
    }

    // Runs the dialog; act sets what it likes, then OK is clicked.
    int RunWithOk(std::function<void(OptionsDialog&)> act = [](OptionsDialog&) {}) {
        OptionsDialog dialog(context_, store());
        return Drive<OptionsDialog>(dialog, [act](OptionsDialog& shown) {
            act(shown);
            shown.findChild<QPushButton*>("okButton")->click();
        });
    }

    static QListWidget* List(OptionsDialog& dialog, const char* name) {
        return dialog.findChild<QListWidget*>(name);
    }
    static QPushButton* Button(OptionsDialog& dialog, const char* name) {
        return dialog.findChild<QPushButton*>(name);
    }
    std::string Stored(const char* key) { return store().settings().FindSetting(key)->Val1; }
};

TEST_F(OptionsDialogTest, OkWithoutAChangeWritesOnlyTheLoggingAndCancels) {
    AddSettings("2", "yes");
    const int result = RunWithOk([](OptionsDialog& dialog) {
        EXPECT_EQ(ListLines(List(dialog, "selectedList")), QStringList({"QTR", "Inc"}));
        EXPECT_EQ(ListLines(List(dialog, "availableList")), QStringList({"Month"}));
        EXPECT_EQ(dialog.findChild<QComboBox*>("digitsCombo")->currentText(), "2");
        EXPECT_TRUE(dialog.findChild<QCheckBox*>("auditLogBox")->isChecked());
        dialog.findChild<QPushButton*>("helpButton")->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(Stored(LogAuditKey), "1");
    EXPECT_EQ(Stored(NumDecKey), "2");
    EXPECT_EQ(platform_.help_requests, std::vector<QString>({"COLUMNS"}));
    EXPECT_TRUE(platform_.messages.empty());
}

// A rate that is no number above -100 is refused on the spot; a good one is stored as the
// command line stores it, without counting as a change of the list.
TEST_F(OptionsDialogTest, RiskFreeRateIsRefusedUnlessANumberAboveMinus100) {
    AddSettings("2", "1");
    const int result = RunWithOk([this](OptionsDialog& dialog) {
        auto* rate = dialog.findChild<QLineEdit*>("riskFreeEdit");
        EXPECT_EQ(rate->text(), "0");
        for (const char* bad : {"", "3 %", "1,5", "-100"}) {
            rate->setText(bad);
            dialog.findChild<QPushButton*>("okButton")->click();
            EXPECT_TRUE(dialog.isVisible()) << bad;
            EXPECT_EQ(dialog.focusWidget(), rate) << bad;
        }
        EXPECT_EQ(dialog.findChild<QTabWidget*>("pages")->currentIndex(), 1);
        ASSERT_EQ(platform_.messages.size(), 4u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
        EXPECT_EQ(platform_.messages[0].text,
                  "Please enter a risk-free rate in percent above -100, such as 3 for 3 %.");
        EXPECT_FALSE(store().settings().FindSetting(RiskFreeKey));
        rate->setText("2.5");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    Reopen();
    EXPECT_EQ(Stored(RiskFreeKey), "2.5");
    EXPECT_EQ(RiskFreeRate(store()), 2.5);
}

TEST_F(OptionsDialogTest, ColumnMovedUpAndBackIsNoChange) {
    AddSettings("2", "1");
    const int result = RunWithOk([](OptionsDialog& dialog) {
        QListWidget* selected = List(dialog, "selectedList");
        EXPECT_FALSE(Button(dialog, "upButton")->isEnabled());
        selected->selectAll();
        EXPECT_FALSE(Button(dialog, "downButton")->isEnabled());
        selected->setCurrentRow(1);
        EXPECT_TRUE(Button(dialog, "upButton")->isEnabled());
        Button(dialog, "upButton")->click();
        EXPECT_EQ(ListLines(selected), QStringList({"Inc", "QTR"}));
        EXPECT_EQ(selected->currentRow(), 0);
        Button(dialog, "upButton")->click();  // already first
        Button(dialog, "downButton")->click();
        Button(dialog, "downButton")->click();  // already last
        EXPECT_EQ(ListLines(selected), QStringList({"QTR", "Inc"}));
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(OptionsDialogTest, ChangedColumnsAreStoredInTheirNewOrder) {
    AddSettings("2", "1");
    const int result = RunWithOk([](OptionsDialog& dialog) {
        Button(dialog, "removeAllButton")->click();
        EXPECT_EQ(ListLines(List(dialog, "availableList")), QStringList({"Month", "QTR", "Inc"}));
        List(dialog, "availableList")->item(0)->setSelected(true);
        List(dialog, "availableList")->item(2)->setSelected(true);
        Button(dialog, "addSelectedButton")->click();
        EXPECT_EQ(ListLines(List(dialog, "availableList")), QStringList({"QTR"}));
    });
    EXPECT_EQ(result, QDialog::Accepted);
    Reopen();
    EXPECT_EQ(ColumnNames(store().settings().VisibleColumns()), Texts({"Month", "Inc"}));
}

TEST_F(OptionsDialogTest, ClearedLogBoxStoresZeroAndTheNextCalculationLogsNothing) {
    AddSettings("2", "1");
    const Hid fund = AddHolding(AddPortfolio("Growth"), "Fund", D(2023, 1, 31), 1000);
    RunWithOk([this](OptionsDialog& dialog) {
        // The sentence about where the log goes names the data directory.
        EXPECT_TRUE(dialog.findChild<QLabel*>("logExplanation")
                        ->text()
                        .contains(QString::fromStdString(dir_.path())));
        dialog.findChild<QCheckBox*>("auditLogBox")->setChecked(false);
    });
    EXPECT_EQ(Stored(LogAuditKey), "0");
    CalculationRun run(store(), clock_, dir_.path());
    EXPECT_FALSE(run.logging());
    run.CalculateInvestment(fund, D(2024, 5, 31));
    EXPECT_FALSE(std::filesystem::exists(File(AuditLog::kFileName)));
}

TEST_F(OptionsDialogTest, DigitsOutsideTheListShowAsTwoAndStayUntilChanged) {
    AddSettings("2", "1");
    for (const char* stored : {"9", "x"}) {
        SCOPED_TRACE(stored);
        ASSERT_TRUE(store().settings().UpdateSetting(NumDecKey, {.Val1 = stored}).ok());
        EXPECT_EQ(RunWithOk([](OptionsDialog& dialog) {
                      EXPECT_EQ(dialog.findChild<QComboBox*>("digitsCombo")->currentText(), "2");
                  }),
                  QDialog::Rejected);
        EXPECT_EQ(Stored(NumDecKey), stored);
    }
    EXPECT_EQ(RunWithOk([](OptionsDialog& dialog) {
                  dialog.findChild<QComboBox*>("digitsCombo")->setCurrentIndex(6);
              }),
              QDialog::Accepted);
    EXPECT_EQ(Stored(NumDecKey), "6");
}

TEST_F(OptionsDialogTest, MissingSettingRowsAreAdded) {
    Reopen();
    EXPECT_EQ(RunWithOk([](OptionsDialog& dialog) {
                  EXPECT_FALSE(dialog.findChild<QCheckBox*>("auditLogBox")->isChecked());
                  dialog.findChild<QComboBox*>("digitsCombo")->setCurrentIndex(4);
                  dialog.findChild<QCheckBox*>("auditLogBox")->setChecked(true);
              }),
              QDialog::Accepted);
    Reopen();
    EXPECT_EQ(Stored(NumDecKey), "4");
    EXPECT_EQ(Stored(LogAuditKey), "1");
}

TEST_F(OptionsDialogTest, SettingsThatCannotBeWrittenAreReportedWithTheReason) {
    AddSettings("2", "1");
    BreakTable(File(kSettingsTableFile));
    RunWithOk([](OptionsDialog& dialog) {
        dialog.findChild<QCheckBox*>("auditLogBox")->setChecked(false);
    });
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
    EXPECT_TRUE(platform_.messages[0].text.startsWith("The options could not be saved."));
    EXPECT_TRUE(platform_.messages[0].text.contains("sys.dbf"));
}

}  // namespace
}  // namespace brevanta::testing
