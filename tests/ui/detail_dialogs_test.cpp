#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/gui_fixture.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

QLineEdit* Edit(QWidget& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

void ClickOk(QWidget& dialog) { dialog.findChild<QPushButton*>("Ok")->click(); }

class PortfolioDialogTest : public GuiTest {};

TEST_F(PortfolioDialogTest, NewPortfolioStoresNameAndBlankDescription) {
    PortfolioDialog dialog(context_);
    OnModal<PortfolioDialog>([](PortfolioDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "New Portfolio");
        EXPECT_EQ(shown.findChild<QLabel*>("lblPName")->text(),
                  "Enter your new portfolio information below.");
        EXPECT_TRUE(Edit(shown, "edtName")->text().isEmpty());
        EXPECT_EQ(shown.focusWidget(), Edit(shown, "edtName"));
        Edit(shown, "edtName")->setText("Growth");
        ClickOk(shown);
        // A field of blanks reads back empty; what reaches the store is the blank.
        EXPECT_EQ(Edit(shown, "edtDesc")->text(), " ");
    });
    ASSERT_EQ(dialog.NewPortfolio(store()), QDialog::Accepted);
    Reopen();
    const std::optional<PortfolioRecord> created = store().FindPortfolio(dialog.NewPortfolioId());
    ASSERT_TRUE(created.has_value());
    EXPECT_EQ(created->Name, "Growth");
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(PortfolioDialogTest, EmptyNameIsRefusedAndNothingIsWritten) {
    PortfolioDialog dialog(context_);
    OnModal<PortfolioDialog>([this](PortfolioDialog& shown) {
        Edit(shown, "edtDesc")->setText("Long term");
        ClickOk(shown);
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
        EXPECT_EQ(platform_.messages[0].text, "Please enter a name.");
        EXPECT_TRUE(shown.isVisible());
        EXPECT_EQ(shown.focusWidget(), Edit(shown, "edtName"));
        shown.findChild<QPushButton*>("Cancel")->click();
    });
    EXPECT_EQ(dialog.NewPortfolio(store()), QDialog::Rejected);
    Reopen();
    EXPECT_TRUE(store().AllPortfolios().empty());
}

TEST_F(PortfolioDialogTest, BlankNameIsAName) {
    PortfolioDialog dialog(context_);
    OnModal<PortfolioDialog>([](PortfolioDialog& shown) {
        Edit(shown, "edtName")->setText("   ");
        ClickOk(shown);
    });
    ASSERT_EQ(dialog.NewPortfolio(store()), QDialog::Accepted);
    Reopen();
    EXPECT_EQ(store().AllPortfolios().size(), 1u);
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(PortfolioDialogTest, UpdateStartsWithTheStoredTextsAndRenames) {
    const float id = AddPortfolio("Growth");
    ASSERT_TRUE(store().RenamePortfolio(id, "Growth", "Stocks").ok());
    PortfolioDialog dialog(context_);
    OnModal<PortfolioDialog>([](PortfolioDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Update Portfolio");
        EXPECT_EQ(shown.findChild<QLabel*>("lblPName")->text(),
                  "Update this portfolio information below.");
        EXPECT_EQ(Edit(shown, "edtName")->text(), "Growth");
        EXPECT_EQ(Edit(shown, "edtDesc")->text(), "Stocks");
        Edit(shown, "edtName")->setText("Income");
        Edit(shown, "edtDesc")->clear();
        ClickOk(shown);
        EXPECT_EQ(Edit(shown, "edtDesc")->text(), " ");
    });
    ASSERT_EQ(dialog.UpdatePortfolio(store(), *store().FindPortfolio(id)), QDialog::Accepted);
    Reopen();
    EXPECT_EQ(store().FindPortfolio(id)->Name, "Income");
    EXPECT_EQ(store().FindPortfolio(id)->Description, "");
}

class HoldingDialogTest : public GuiTest {
  protected:
    // Runs NewInvestmentDialog on the portfolio with the texts typed, pressing OK once; returns its result.
    int RunWith(float portfolio_id, const QString& name, const QString& value) {
        NewInvestmentDialog dialog(context_);
        OnModal<NewInvestmentDialog>([&](NewInvestmentDialog& shown) {
            Edit(shown, "edtName")->setText(name);
            Edit(shown, "edtValue")->setText(value);
            ClickOk(shown);
            focus_ = shown.focusWidget() ? shown.focusWidget()->objectName() : QString();
        });
        const int result = dialog.NewInvestment(store(), *store().FindPortfolio(portfolio_id));
        new_id_ = dialog.NewHoldingId();
        return result;
    }

    QString focus_;
    int new_id_ = 0;
};

TEST_F(HoldingDialogTest, RefusalsShowTheirMessageFocusTheFieldAndWriteNothing) {
    const float portfolio = AddPortfolio("Growth");
    const QString invalid =
        "You did not enter a valid number for the initial value of this investment.\n\r Please "
        "try again.";
    const QString notPositive =
        "The initial value of this investment must be a positive number.\n\r Please try again.";
    struct Case {
        QString name, value, message, focus;
    };
    const Case cases[] = {
        {"", "100", "Please enter the name of this investment.", "edtName"},
        {"Bonds", "", "Please enter the initial value of this investment.", "edtValue"},
        {"Bonds", "1,000", invalid, "edtValue"},
        {"Bonds", "$100", invalid, "edtValue"},
        {"Bonds", "12a", invalid, "edtValue"},
        {"Bonds", "0", notPositive, "edtValue"},
        {"Bonds", "-5", notPositive, "edtValue"},
    };
    for (const Case& c : cases) {
        platform_.messages.clear();
        EXPECT_EQ(RunWith(portfolio, c.name, c.value), QDialog::Rejected) << c.value.toStdString();
        ASSERT_EQ(platform_.messages.size(), 1u) << c.value.toStdString();
        EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
        EXPECT_EQ(platform_.messages[0].text, c.message) << c.value.toStdString();
        EXPECT_EQ(focus_, c.focus) << c.value.toStdString();
    }
    Reopen();
    EXPECT_TRUE(store().HoldingsOfPortfolio(portfolio).empty());
}

TEST_F(HoldingDialogTest, SmallPositiveValueIsStoredNotCalculatedFromToday) {
    const float portfolio = AddPortfolio("Growth");
    NewInvestmentDialog dialog(context_);
    OnModal<NewInvestmentDialog>([](NewInvestmentDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "New Investment / Holding");
        EXPECT_EQ(shown.findChild<QLabel*>("lblPName")->text(),
                  "Enter a new investment for the Growth portfolio");
        EXPECT_EQ(shown.findChild<QDateEdit*>("dtp1")->date(), QDate(2024, 6, 15));
        EXPECT_EQ(shown.findChild<QDateEdit*>("dtp1")->text(), "6/15/2024");
        Edit(shown, "edtName")->setText("Bonds");
        Edit(shown, "edtValue")->setText("0.01");
        ClickOk(shown);
        EXPECT_EQ(Edit(shown, "edtDesc")->text(), " ");
    });
    ASSERT_EQ(dialog.NewInvestment(store(), *store().FindPortfolio(portfolio)), QDialog::Accepted);
    Reopen();
    const std::optional<HoldingRecord> created =
        store().FindHoldingIn(portfolio, dialog.NewHoldingId());
    ASSERT_TRUE(created.has_value());
    EXPECT_EQ(created->Name, "Bonds");
    EXPECT_EQ(created->InceptionDate, D(2024, 6, 15));
    EXPECT_DOUBLE_EQ(created->InitialAmount, 0.01);
    EXPECT_EQ(created->PerformanceDate, NoDate);
    EXPECT_EQ(created->Figures, NotCalculatedHoldingFigures());
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(HoldingDialogTest, CancelAfterARefusalLeavesTheStoreUnchanged) {
    const float portfolio = AddPortfolio("Growth");
    NewInvestmentDialog dialog(context_);
    OnModal<NewInvestmentDialog>([](NewInvestmentDialog& shown) {
        Edit(shown, "edtName")->setText("Bonds");
        Edit(shown, "edtValue")->setText("-5");
        ClickOk(shown);
        shown.findChild<QPushButton*>("Cancel")->click();
    });
    EXPECT_EQ(dialog.NewInvestment(store(), *store().FindPortfolio(portfolio)), QDialog::Rejected);
    Reopen();
    EXPECT_TRUE(store().HoldingsOfPortfolio(portfolio).empty());
}

}  // namespace
}  // namespace brevanta::testing
