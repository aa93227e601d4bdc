#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/platform/system_locale.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

QLineEdit* Edit(QWidget& dialog, const char* name) { return dialog.findChild<QLineEdit*>(name); }

void ClickOk(QWidget& dialog) { dialog.findChild<QPushButton*>("okButton")->click(); }

// The one message of a save the store refused: an error saying what failed, naming the table.
void ExpectSaveRefused(const FakePlatform& platform, const QString& failure, const char* table) {
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].kind, Kind::Error);
    EXPECT_TRUE(platform.messages[0].text.startsWith(failure + "\n\n"));
    EXPECT_TRUE(platform.messages[0].text.contains(table));
}

class PortfolioDialogTest : public GuiTest {};

TEST_F(PortfolioDialogTest, NewPortfolioStoresNameAndBlankDescription) {
    PortfolioDialog dialog(context_, store(), std::nullopt);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "New Portfolio");
    EXPECT_EQ(dialog.findChild<QLabel*>("promptLabel")->text(),
              "Enter your new portfolio information below.");
    EXPECT_TRUE(Edit(dialog, "nameEdit")->text().isEmpty());
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "nameEdit"));
    EXPECT_TRUE(dialog.findChild<QPushButton*>("okButton")->isDefault());
    Edit(dialog, "nameEdit")->setText("Growth");
    ClickOk(dialog);
    // A field of blanks reads back empty; what reaches the store is the blank.
    EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), " ");
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    Reopen();
    const std::optional<PortfolioRecord> created =
        store().portfolios().FindPortfolio(dialog.portfolioId());
    ASSERT_TRUE(created.has_value());
    EXPECT_EQ(created->Name, "Growth");
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(PortfolioDialogTest, EmptyNameIsRefusedAndNothingIsWritten) {
    PortfolioDialog dialog(context_, store(), std::nullopt);
    dialog.show();
    Edit(dialog, "descriptionEdit")->setText("Long term");
    ClickOk(dialog);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
    EXPECT_EQ(platform_.messages[0].text, "Please enter a name.");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "nameEdit"));
    dialog.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    Reopen();
    EXPECT_TRUE(store().portfolios().AllPortfolios().empty());
}

TEST_F(PortfolioDialogTest, NameOfBlanksIsAccepted) {
    PortfolioDialog dialog(context_, store(), std::nullopt);
    dialog.show();
    Edit(dialog, "nameEdit")->setText("   ");
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    Reopen();
    EXPECT_EQ(store().portfolios().AllPortfolios().size(), 1u);
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(PortfolioDialogTest, CharacterTheTablesCannotHoldIsRefusedByName) {
    PortfolioDialog dialog(context_, store(), std::nullopt);
    dialog.show();
    Edit(dialog, "nameEdit")->setText(QString::fromUtf8("Caf\u00e9"));
    Edit(dialog, "descriptionEdit")->setText(QString::fromUtf8("Done \u2713"));
    ClickOk(dialog);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text,
              QString::fromUtf8(
                  "The character \"\u2713\" (U+2713) cannot be stored.\nPlease replace it."));
    EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "descriptionEdit"));
    EXPECT_TRUE(store().portfolios().AllPortfolios().empty());
    Edit(dialog, "descriptionEdit")->setText("Done");
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(dialog.portfolioId())->Name, "Caf\u00e9");
}

TEST_F(PortfolioDialogTest, UpdateStartsWithTheStoredTextsAndRenames) {
    const Pid id = AddPortfolio("Growth");
    ASSERT_TRUE(store().portfolios().RenamePortfolio(id, "Growth", "Stocks").ok());
    PortfolioDialog dialog(context_, store(), id);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "Update Portfolio");
    EXPECT_EQ(dialog.findChild<QLabel*>("promptLabel")->text(),
              "Update this portfolio information below.");
    EXPECT_EQ(Edit(dialog, "nameEdit")->text(), "Growth");
    EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), "Stocks");
    Edit(dialog, "nameEdit")->setText("Income");
    Edit(dialog, "descriptionEdit")->clear();
    ClickOk(dialog);
    EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), " ");
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(id)->Name, "Income");
    EXPECT_EQ(store().portfolios().FindPortfolio(id)->Description, "");
}

TEST_F(PortfolioDialogTest, FailedWriteIsReportedAndTheDialogKeepsWhatWasTyped) {
    BreakTable(File(kPortfolioTableFile));
    PortfolioDialog dialog(context_, store(), std::nullopt);
    dialog.show();
    Edit(dialog, "nameEdit")->setText("Growth");
    ClickOk(dialog);
    ExpectSaveRefused(platform_, "Could not save the portfolio.", kPortfolioTableFile);
    EXPECT_TRUE(dialog.isVisible());
    // Once the table is back, the same OK saves what was typed.
    std::filesystem::remove(File(kPortfolioTableFile));
    CreateTable(kPortfolioTableFile, PortfolioTableLayout());
    ClickOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(dialog.portfolioId())->Name, "Growth");
}

class NewInvestmentDialogTest : public GuiTest {
  protected:
    struct Typed {
        QString name, date, value;
    };

    // Runs NewInvestmentDialog on the portfolio, types into its fields (the date key by key)
    // and presses OK once; returns its result.
    int RunWith(Pid portfolio_id, const Typed& typed) {
        NewInvestmentDialog dialog(context_, store(), portfolio_id);
        dialog.show();
        Edit(dialog, "nameEdit")->setText(typed.name);
        QLineEdit* date = Edit(dialog, "inceptionDateFieldEdit");
        date->clear();
        QTest::keyClicks(date, typed.date);
        Edit(dialog, "initialValueEdit")->setText(typed.value);
        ClickOk(dialog);
        focus_ = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        new_id_ = dialog.holdingId();
        return dialog.result();
    }

    QString focus_;
    Hid new_id_{};
};

TEST_F(NewInvestmentDialogTest, RefusalsShowTheirMessageFocusTheFieldAndWriteNothing) {
    const Pid portfolio = AddPortfolio("Growth");
    const QString invalid =
        "You did not enter a valid number for the initial value of this investment.\n\r Please "
        "try again.";
    const QString notPositive =
        "The initial value of this investment must be a positive number.\n\r Please try again.";
    const QString tooLarge =
        "The initial value of this investment cannot be larger than 9,999,999,999,999.99.\n\r "
        "Please try again.";
    const QString badDate = "Please enter a valid date.";
    struct Case {
        NewInvestmentDialogTest::Typed typed;
        QString message, focus;
    };
    const Case cases[] = {
        {{"", "2/30/2020", "100"}, "Please enter the name of this investment.", "nameEdit"},
        {{"Bonds", "2/30/2020", ""}, badDate, "inceptionDateFieldEdit"},
        {{"Bonds", "2/28/20", "100"}, badDate, "inceptionDateFieldEdit"},
        {{"Bonds", "28.02.2020", "100"}, badDate, "inceptionDateFieldEdit"},
        {{"Bonds", "", "100"}, badDate, "inceptionDateFieldEdit"},
        {{"Bonds", "2/28/2020", ""},
         "Please enter the initial value of this investment.",
         "initialValueEdit"},
        {{"Bonds", "2/28/2020", "1,000"}, invalid, "initialValueEdit"},
        {{"Bonds", "2/28/2020", "$100"}, invalid, "initialValueEdit"},
        {{"Bonds", "2/28/2020", "12a"}, invalid, "initialValueEdit"},
        {{"Bonds", "2/28/2020", "0"}, notPositive, "initialValueEdit"},
        {{"Bonds", "2/28/2020", "-5"}, notPositive, "initialValueEdit"},
        {{"Bonds", "2/28/2020", "10000000000000"}, tooLarge, "initialValueEdit"},
        {{"Bonds", "2/28/2020", "9999999999999.999"}, tooLarge, "initialValueEdit"},
    };
    for (const Case& c : cases) {
        const std::string label = (c.typed.date + " " + c.typed.value).toStdString();
        platform_.messages.clear();
        EXPECT_EQ(RunWith(portfolio, c.typed), QDialog::Rejected) << label;
        ASSERT_EQ(platform_.messages.size(), 1u) << label;
        EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
        EXPECT_EQ(platform_.messages[0].text, c.message) << label;
        EXPECT_EQ(focus_, c.focus) << label;
    }
    Reopen();
    EXPECT_TRUE(store().holdings().HoldingsOfPortfolio(portfolio).empty());
}

TEST_F(NewInvestmentDialogTest, TypedDateAndValueAreStoredExactly) {
    struct Case {
        QLocale locale;
        NewInvestmentDialogTest::Typed typed;
        Date inception;
        double amount;
    };
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const Case cases[] = {
        {us, {"Bonds", "2/28/2020", "0.01"}, D(2020, 2, 28), 0.01},
        {us, {"Bonds", "12/31/2023", "9999999999999.99"}, D(2023, 12, 31), 9999999999999.99},
        {german, {"Anleihen", "28.02.2020", "1234,5"}, D(2020, 2, 28), 1234.5},
        {german, {"Anleihen", "1.3.2020", "100"}, D(2020, 3, 1), 100},
    };
    const Pid portfolio = AddPortfolio("Growth");
    for (const Case& c : cases) {
        const std::string label = c.typed.date.toStdString();
        context_.locale = LocaleFrom(c.locale);
        ASSERT_EQ(RunWith(portfolio, c.typed), QDialog::Accepted) << label;
        Reopen();
        const std::optional<HoldingRecord> created =
            store().holdings().FindHoldingIn(portfolio, new_id_);
        ASSERT_TRUE(created.has_value()) << label;
        EXPECT_EQ(created->Name, c.typed.name.toStdString());
        EXPECT_EQ(created->InceptionDate, c.inception) << label;
        EXPECT_DOUBLE_EQ(created->InitialAmount, c.amount) << label;
    }
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(NewInvestmentDialogTest, GermanDateThatDoesNotExistIsRefused) {
    context_.locale = LocaleFrom(QLocale(QLocale::German, QLocale::Germany));
    const Pid portfolio = AddPortfolio("Growth");
    for (const QString date : {"30.02.2020", "28.02.20", "2/28/2020"}) {
        platform_.messages.clear();
        EXPECT_EQ(RunWith(portfolio, {"Anleihen", date, "100"}), QDialog::Rejected);
        EXPECT_EQ(platform_.Texts(), std::vector<QString>({"Please enter a valid date."}))
            << date.toStdString();
    }
    Reopen();
    EXPECT_TRUE(store().holdings().HoldingsOfPortfolio(portfolio).empty());
}

TEST_F(NewInvestmentDialogTest, StartsOnTodayAndStoresANotCalculatedInvestment) {
    const Pid portfolio = AddPortfolio("Growth");
    NewInvestmentDialog dialog(context_, store(), portfolio);
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "New Investment / Holding");
    EXPECT_EQ(dialog.findChild<QLabel*>("promptLabel")->text(),
              "Enter a new investment for the Growth portfolio");
    EXPECT_EQ(Edit(dialog, "inceptionDateFieldEdit")->text(), "6/15/2024");
    EXPECT_TRUE(dialog.findChild<QPushButton*>("okButton")->isDefault());
    Edit(dialog, "nameEdit")->setText("Bonds");
    Edit(dialog, "initialValueEdit")->setText("250");
    ClickOk(dialog);
    EXPECT_EQ(Edit(dialog, "descriptionEdit")->text(), " ");
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    Reopen();
    const std::optional<HoldingRecord> created =
        store().holdings().FindHoldingIn(portfolio, dialog.holdingId());
    ASSERT_TRUE(created.has_value());
    EXPECT_EQ(created->InceptionDate, D(2024, 6, 15));
    EXPECT_EQ(created->PerformanceDate, NoDate);
    EXPECT_EQ(created->Figures, FigureValues());
    EXPECT_TRUE(platform_.messages.empty());
}

TEST_F(NewInvestmentDialogTest, CancelAfterARefusalLeavesTheStoreUnchanged) {
    const Pid portfolio = AddPortfolio("Growth");
    NewInvestmentDialog dialog(context_, store(), portfolio);
    dialog.show();
    Edit(dialog, "nameEdit")->setText("Bonds");
    Edit(dialog, "initialValueEdit")->setText("-5");
    ClickOk(dialog);
    dialog.findChild<QPushButton*>("cancelButton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    Reopen();
    EXPECT_TRUE(store().holdings().HoldingsOfPortfolio(portfolio).empty());
}

TEST_F(NewInvestmentDialogTest, FailedWriteIsReportedAndTheDialogStaysOpen) {
    const Pid portfolio = AddPortfolio("Growth");
    BreakTable(File(kHoldingTableFile));
    NewInvestmentDialog dialog(context_, store(), portfolio);
    dialog.show();
    Edit(dialog, "nameEdit")->setText("Bonds");
    Edit(dialog, "initialValueEdit")->setText("250");
    ClickOk(dialog);
    ExpectSaveRefused(platform_, "Could not save the investment.", kHoldingTableFile);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Edit(dialog, "nameEdit")->text(), "Bonds");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace brevanta::testing
