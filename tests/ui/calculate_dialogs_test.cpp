#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "ui/calc/calculate_all_dialog.h"
#include "ui/calc/calculate_investment_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/platform/date_field.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

// Alpha holds Old (from January 2022), Beta holds New (starting on the calculation date),
// Gamma holds Mid (from June 2023); each with month-end values up to May 2024.
class CalculateAllDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        alpha_ = AddPortfolio("Alpha");
        beta_ = AddPortfolio("Beta");
        gamma_ = AddPortfolio("Gamma");
        old_ = AddHolding(alpha_, "Old", D(2022, 1, 31), 1000);
        new_ = AddHolding(beta_, "New", kDate, 1000);
        mid_ = AddHolding(gamma_, "Mid", D(2023, 6, 30), 1000);
        double value = 1000;
        for (int month = 2; month <= 29; ++month) {
            const int year = 2022 + (month - 1) / 12;
            const int m = (month - 1) % 12 + 1;
            value *= 1.01;
            const Date end = D(year, m, DaysInMonth(year, m));
            AddValue(old_, end, value);
            if (end > D(2023, 6, 30)) AddValue(mid_, end, value);
        }
        AddSettingRow("LOG_AUDIT", "0");
    }

    // Runs CalculateAllDialog with the date set to kDate; act chooses and presses what it likes.
    int Run(std::function<void(CalculateAllDialog&)> act) {
        CalculateAllDialog dialog(context_);
        OnModal<CalculateAllDialog>([act](CalculateAllDialog& shown) {
            shown.findChild<DateField*>("calculationDateField")->setDate(D(2024, 5, 31));
            act(shown);
        });
        return dialog.Execute(store());
    }

    Date PortfolioDate(Pid id) { return store().portfolios().FindPortfolio(id)->PerformanceDate; }
    Date HoldingDate(Hid id) { return store().holdings().FindHolding(id)->PerformanceDate; }

    const Date kDate = Date::Ymd(2024, 5, 31);
    Pid alpha_{}, beta_{}, gamma_{};
    Hid old_{}, new_{}, mid_{};
};

TEST_F(CalculateAllDialogTest, StartsOnTodayWithEveryPortfolioAndCancelAsDefault) {
    CalculateAllDialog dialog(context_);
    OnModal<CalculateAllDialog>([](CalculateAllDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Calculate Performance");
        EXPECT_EQ(shown.findChild<QLineEdit*>("calculationDateFieldEdit")->text(), "6/15/2024");
        EXPECT_TRUE(shown.findChild<QRadioButton*>("everyPortfolioButton")->isChecked());
        auto* list = shown.findChild<QListWidget*>("portfolioList");
        EXPECT_FALSE(list->isEnabled());
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(2)->text(), "Gamma");
        shown.findChild<QRadioButton*>("selectedPortfoliosButton")->click();
        EXPECT_TRUE(list->isEnabled());
        shown.findChild<QRadioButton*>("everyPortfolioButton")->click();
        EXPECT_FALSE(list->isEnabled());
        // Enter presses the default button, Cancel.
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(&shown, &enter);
    });
    EXPECT_EQ(dialog.Execute(store()), QDialog::Rejected);
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(HoldingDate(old_), NoDate);
}

TEST_F(CalculateAllDialogTest, SelectedPortfoliosWithNoneSelectedAsksForOne) {
    const int result = Run([this](CalculateAllDialog& shown) {
        shown.findChild<QRadioButton*>("selectedPortfoliosButton")->click();
        shown.findChild<QPushButton*>("okButton")->click();
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Information);
        EXPECT_EQ(platform_.messages[0].text, "Please select one or more portfolios");
        EXPECT_TRUE(shown.isVisible());
        EXPECT_EQ(platform_.busy_depth, 0);
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(HoldingDate(old_), NoDate);
    EXPECT_EQ(PortfolioDate(alpha_), NoDate);
}

TEST_F(CalculateAllDialogTest, UnreadableDateIsRefusedBeforeAnythingElse) {
    const int result = Run([this](CalculateAllDialog& shown) {
        QLineEdit* date = shown.findChild<QLineEdit*>("calculationDateFieldEdit");
        date->clear();
        QTest::keyClicks(date, "5/32/2024");
        shown.findChild<QRadioButton*>("selectedPortfoliosButton")->click();
        shown.findChild<QPushButton*>("okButton")->click();
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Information);
        EXPECT_EQ(platform_.messages[0].text, "Please enter a valid date.");
        EXPECT_EQ(shown.focusWidget(), date);
        EXPECT_EQ(date->text(), "5/32/2024");
        EXPECT_TRUE(shown.isVisible());
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(HoldingDate(old_), NoDate);
}

TEST_F(CalculateAllDialogTest, EveryPortfolioCalculatesWhatStartedBeforeTheDate) {
    const int result =
        Run([](CalculateAllDialog& shown) { shown.findChild<QPushButton*>("okButton")->click(); });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Information);
    EXPECT_EQ(platform_.messages[0].text, "Finished calculating performance numbers.");
    Reopen();
    EXPECT_EQ(HoldingDate(old_), kDate);
    EXPECT_EQ(PortfolioDate(alpha_), kDate);
    EXPECT_EQ(HoldingDate(mid_), kDate);
    EXPECT_EQ(PortfolioDate(gamma_), kDate);
    EXPECT_NE(store().holdings().FindHolding(old_)->Figures[Figure::Ytd], NotCalculated);
    // Beta's only investment starts on the date: both are not calculated as of the date.
    EXPECT_EQ(HoldingDate(new_), kDate);
    EXPECT_EQ(store().holdings().FindHolding(new_)->Figures, FigureValues());
    EXPECT_EQ(PortfolioDate(beta_), kDate);
}

TEST_F(CalculateAllDialogTest, SelectedPortfoliosCalculateOnlyThose) {
    const int result = Run([](CalculateAllDialog& shown) {
        shown.findChild<QRadioButton*>("selectedPortfoliosButton")->click();
        shown.findChild<QListWidget*>("portfolioList")->item(2)->setSelected(true);
        shown.findChild<QPushButton*>("okButton")->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    Reopen();
    EXPECT_EQ(PortfolioDate(gamma_), kDate);
    EXPECT_EQ(HoldingDate(mid_), kDate);
    EXPECT_EQ(PortfolioDate(alpha_), NoDate);
    EXPECT_EQ(HoldingDate(old_), NoDate);
}

TEST_F(CalculateAllDialogTest, HelpShowsTheCalculationTopic) {
    Run([](CalculateAllDialog& shown) { shown.findChild<QPushButton*>("helpButton")->click(); });
    EXPECT_EQ(platform_.help_requests, std::vector<QString>({"CALCROR"}));
}

class CalculateInvestmentDialogTest : public GuiTest {
  protected:
    static QLineEdit* DateEdit(QWidget& dialog) {
        return dialog.findChild<QLineEdit*>("performanceDateFieldEdit");
    }
};

TEST_F(CalculateInvestmentDialogTest, DateOnTheInceptionDateIsRefused) {
    CalculateInvestmentDialog dialog(context_);
    OnModal<CalculateInvestmentDialog>([this](CalculateInvestmentDialog& shown) {
        EXPECT_EQ(DateEdit(shown)->text(), "6/15/2024");
        EXPECT_FALSE(shown.findChild<QCheckBox*>("showDetailCheckBox")->isChecked());
        EXPECT_TRUE(shown.findChild<QPushButton*>("okButton")->isDefault());
        shown.findChild<DateField*>("performanceDateField")->setDate(D(2001, 3, 5));
        shown.findChild<QPushButton*>("okButton")->click();
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].text,
                  "You must enter a date that is after the holdings\r\ninception date of "
                  "3/05/2001.\r\n\r\nPlease try again.");
        EXPECT_EQ(shown.focusWidget(), DateEdit(shown));
        EXPECT_TRUE(shown.isVisible());
        shown.findChild<QPushButton*>("cancelButton")->click();
    });
    EXPECT_EQ(dialog.Execute(D(2001, 3, 5)), QDialog::Rejected);
}

TEST_F(CalculateInvestmentDialogTest, DateThatIsNotAWholeDateIsRefused) {
    for (const char* typed : {"2/30/2001", "3/6/01", "3/6", "soon"}) {
        platform_.messages.clear();
        CalculateInvestmentDialog dialog(context_);
        OnModal<CalculateInvestmentDialog>([typed](CalculateInvestmentDialog& shown) {
            DateEdit(shown)->clear();
            QTest::keyClicks(DateEdit(shown), typed);
            shown.findChild<QPushButton*>("okButton")->click();
            EXPECT_EQ(shown.focusWidget(), DateEdit(shown)) << typed;
        });
        EXPECT_EQ(dialog.Execute(D(2001, 3, 5)), QDialog::Rejected) << typed;
        EXPECT_EQ(platform_.Texts(), std::vector<QString>({"Please enter a valid date."})) << typed;
    }
}

TEST_F(CalculateInvestmentDialogTest, LaterDateIsKeptWithTheDetailChoice) {
    CalculateInvestmentDialog dialog(context_);
    OnModal<CalculateInvestmentDialog>([](CalculateInvestmentDialog& shown) {
        DateEdit(shown)->clear();
        QTest::keyClicks(DateEdit(shown), "3/6/2001");
        shown.findChild<QCheckBox*>("showDetailCheckBox")->setChecked(true);
        shown.findChild<QPushButton*>("okButton")->click();
    });
    ASSERT_EQ(dialog.Execute(D(2001, 3, 5)), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenDate(), D(2001, 3, 6));
    EXPECT_TRUE(dialog.ShowDetail());
    EXPECT_TRUE(platform_.messages.empty());
}

}  // namespace
}  // namespace brevanta::testing
