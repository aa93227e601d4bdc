#include "ui/main/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>

#include "ui/calc/calculate_all_dialog.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/platform/date_field.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;
using Rows = std::vector<QStringList>;

// Two portfolios: Growth with Bonds and Stocks, Income without investments; the list shows
// "Recent Value", "QTR" and "Inception Date".
class MainWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        growth_ = AddPortfolio("Growth");
        income_ = AddPortfolio("Income");
        bonds_ = AddHolding(growth_, "Bonds", D(2020, 1, 15), 1000);
        stocks_ = AddHolding(growth_, "Stocks", D(2021, 3, 1), 500);
        AddValue(bonds_, D(2024, 5, 31), 1234567.89);
        AddTransaction(bonds_, D(2022, 2, 28), "CC", 100);
        ASSERT_TRUE(store().LoadValues().ok());
        ASSERT_TRUE(store().LoadTransactions().ok());
        AddSettingRow("NUM_DEC", "2");
        AddSettingRow("LOG_AUDIT", "0");
        AddColumn("QTR", 1);
        AddColumn("Recent Value", 0, 90);
        AddColumn("Inception Date", 2);
    }

    // The main window as the program shows it: shown, then activated by the event loop.
    std::unique_ptr<MainWindow> Open() {
        auto form = std::make_unique<MainWindow>(context_);
        form->show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        return form;
    }

    static QTreeWidget* Tree(MainWindow& form) { return form.findChild<QTreeWidget*>("TreeView1"); }
    static QTreeWidget* List(MainWindow& form) { return form.findChild<QTreeWidget*>("ListView1"); }
    static QString Caption(MainWindow& form) { return form.findChild<QLabel*>("panelCont")->text(); }
    static QAction* Item(MainWindow& form, const char* name) {
        return form.findChild<QAction*>(name);
    }
    static QToolButton* Button(MainWindow& form, const char* name) {
        return form.findChild<QToolButton*>(name);
    }

    static QStringList TopLevelTexts(QTreeWidget* tree) {
        QStringList texts;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) texts << tree->topLevelItem(i)->text(0);
        return texts;
    }
    static QStringList ChildTexts(QTreeWidgetItem* node) {
        QStringList texts;
        for (int i = 0; i < node->childCount(); ++i) texts << node->child(i)->text(0);
        return texts;
    }
    static Rows ListRows(MainWindow& form) {
        QTreeWidget* list = List(form);
        Rows rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QStringList cells;
            for (int c = 0; c < list->columnCount(); ++c) cells << list->topLevelItem(i)->text(c);
            rows.push_back(cells);
        }
        return rows;
    }
    static void Select(MainWindow& form, int portfolio, int investment = -1) {
        QTreeWidgetItem* node = Tree(form)->topLevelItem(portfolio);
        Tree(form)->setCurrentItem(investment < 0 ? node : node->child(investment));
    }

    float growth_ = 0, income_ = 0, bonds_ = 0, stocks_ = 0;
};

TEST_F(MainWindowTest, FirstActivationFillsTreeAndList) {
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Brevanta");
    QTreeWidget* tree = Tree(*form);
    EXPECT_EQ(TopLevelTexts(tree), QStringList({"Growth", "Income"}));
    EXPECT_EQ(ChildTexts(tree->topLevelItem(0)), QStringList({"Bonds", "Stocks"}));
    EXPECT_EQ(form->CurrentPortfolioId(), static_cast<int>(growth_));
    // The first portfolio is the selected node, the one the list shows.
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0));
    EXPECT_TRUE(tree->topLevelItem(0)->isSelected());
    EXPECT_EQ(Button(*form, "sbtnProp")->toolTip(), "Show Details for the 'Growth' Portfolio");

    QTreeWidgetItem* header = List(*form)->headerItem();
    EXPECT_EQ(header->text(0), "Name");
    EXPECT_EQ(header->text(1), "Recent Value");
    EXPECT_EQ(header->text(2), "QTR");
    EXPECT_EQ(header->text(3), "Inception Date");
    EXPECT_EQ(List(*form)->columnWidth(0), 125);
    EXPECT_EQ(List(*form)->columnWidth(1), 90);
    EXPECT_TRUE(header->textAlignment(1) & Qt::AlignRight);
    EXPECT_FALSE(header->textAlignment(2) & Qt::AlignRight);

    // Bonds: the value of 31 May 2024, held in single precision; Stocks: its initial value.
    const Rows expected = {
        {"Bonds", "$1,234,567.88", "n/a", "1/15/2020"},
        {"Stocks", "$500.00", "n/a", "3/1/2021"},
        {"   Total", "$1,235,067.88", "n/a", " "},
    };
    EXPECT_EQ(ListRows(*form), expected);
    EXPECT_EQ(Caption(*form), " Total Value of the Growth portfolio: $1,235,068");
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(platform_.busy_depth, 0);
    EXPECT_GT(platform_.busy_count, 0);
}

TEST_F(MainWindowTest, PortfolioWithoutInvestmentsShowsOnlyTheTotalLine) {
    auto form = Open();
    Select(*form, 1);
    EXPECT_EQ(form->CurrentPortfolioId(), static_cast<int>(income_));
    EXPECT_EQ(ListRows(*form), Rows({{"   Total", "$.00", "n/a", " "}}));
    EXPECT_EQ(Caption(*form), " Total Value of the Income portfolio: $");
}

TEST_F(MainWindowTest, OnlyTheNotCalculatedMarkerShowsNotAvailable) {
    StoreFigures(bonds_, 999999);
    StoreFigures(stocks_, 0);
    PerformanceFigures portfolio;
    portfolio.Figures.fill(12.5f);
    ASSERT_TRUE(store().StorePortfolioFigures(growth_, portfolio).ok());
    auto form = Open();
    const Rows rows = ListRows(*form);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][2], "n/a");
    EXPECT_EQ(rows[1][2], "0.00");
    EXPECT_EQ(rows[2][2], "12.50");
}

TEST_F(MainWindowTest, NumberOfDecimalsChoosesTheFigurePattern) {
    StoreFigures(bonds_, 12.5f);
    struct Case {
        const char* num_dec;
        const char* pattern;
        const char* cell;
    };
    for (const Case& c : {Case{"0", "#,##0", "13"}, Case{"4", "#,##0.0000", "12.5000"},
                          Case{"9", "#,##0.00", "12.50"}}) {
        SettingRecord setting;
        setting.Key = "NUM_DEC";
        setting.Val1 = c.num_dec;
        ASSERT_TRUE(store().UpdateSetting(setting).ok());
        auto form = Open();
        EXPECT_EQ(form->NumberFormat(), c.pattern);
        EXPECT_EQ(ListRows(*form)[0][2], c.cell) << c.num_dec;
    }
}

TEST_F(MainWindowTest, UnknownColumnsShowNotAvailableInEveryRow) {
    AddColumn("Cost Basis", 3);
    AddColumn("Total Contributions", 4);
    auto form = Open();
    for (const QStringList& row : ListRows(*form)) {
        ASSERT_EQ(row.size(), 6);
        EXPECT_EQ(row[4], "n/a");
        EXPECT_EQ(row[5], "n/a");
    }
}

TEST_F(MainWindowTest, SelectingAnInvestmentOfTheShownPortfolioKeepsTheList) {
    auto form = Open();
    Select(*form, 0);
    QTreeWidgetItem* firstRow = List(*form)->topLevelItem(0);
    Select(*form, 0, 0);
    EXPECT_EQ(List(*form)->topLevelItem(0), firstRow);  // not refilled
    EXPECT_TRUE(Button(*form, "sbtnHist")->isEnabled());
    EXPECT_TRUE(Button(*form, "sbtnPerf")->isEnabled());
    EXPECT_TRUE(Item(*form, "popInvestmentDetail")->isEnabled());
    EXPECT_EQ(Button(*form, "sbtnNewInvest")->toolTip(),
              "Add A New Investment To The 'Growth' Portfolio");
    EXPECT_EQ(Button(*form, "sbtnHist")->toolTip(),
              "Show Historical Values for the 'Bonds' Investment");
    EXPECT_EQ(Button(*form, "sbtnPerf")->toolTip(),
              "Show Performance Detail for the 'Bonds' Investment");
    EXPECT_EQ(Button(*form, "sbtnProp")->toolTip(),
              "Show Transaction, Historical and Performance Details for the 'Bonds' Investment");

    Select(*form, 1);
    EXPECT_FALSE(Button(*form, "sbtnHist")->isEnabled());
    EXPECT_FALSE(Item(*form, "mnuCut")->isEnabled());
    EXPECT_FALSE(Item(*form, "popInvestmentDetail")->isEnabled());
    EXPECT_EQ(Button(*form, "sbtnProp")->toolTip(), "Show Details for the 'Income' Portfolio");
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsShortcutsAndStartingStates) {
    // As the form starts, before its first activation selects anything.
    auto form = std::make_unique<MainWindow>(context_);
    struct Expected {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Expected items[] = {
        {"mnuNewPortfolio", "Portfolio...", QKeySequence("Ctrl+N")},
        {"mnuNewInvestment", "Investment...", QKeySequence("Ctrl+I")},
        {"mnuDetails", "&Details...", QKeySequence("Ctrl+D")},
        {"mnuDelete", "D&elete", QKeySequence()},
        {"mnuImport", "&Import...", QKeySequence()},
        {"mnuExport", "E&xport...", QKeySequence()},
        {"mnuExit", "E&xit", QKeySequence()},
        {"mnuCut", "&Cut Investment", QKeySequence("Ctrl+X")},
        {"mnuCopy", "C&opy Investment", QKeySequence("Ctrl+C")},
        {"mnuPaste", "&Paste Investment", QKeySequence("Ctrl+V")},
        {"mnuExpandAll", "&Expand All Portfolios", QKeySequence("F2")},
        {"mnuCollapseAll", "Co&llapse All Portfolios", QKeySequence("F3")},
        {"mnuCalculate", "&Calculate Performance...", QKeySequence("Ctrl+P")},
        {"mnuReports", "&Reports...", QKeySequence("Ctrl+R")},
        {"mnuOptions", "&Options...", QKeySequence()},
        {"mnuContents", "&Contents", QKeySequence("F1")},
        {"mnuAbout", "&About...", QKeySequence()},
        {"popNewPortfolio", "&Portfolio...", QKeySequence()},
        {"popNewInvestment", "&Investment...", QKeySequence()},
        {"popDetails", "&Details...", QKeySequence()},
        {"popDelete", "D&elete", QKeySequence()},
        {"popCut", "&Cut Investment", QKeySequence()},
        {"popCopy", "C&opy Investment", QKeySequence()},
        {"popPaste", "&Paste Investment", QKeySequence()},
        {"popPortfolioPerformance", "Portfolio - Performance", QKeySequence()},
        {"popPortfolioMarketValue", "Portfolio - Market Value and Cash Flows", QKeySequence()},
        {"popInvestmentDetail", "Investment - Detail", QKeySequence()},
        {"popImport", "&Import...", QKeySequence()},
        {"popExport", "E&xport...", QKeySequence()},
    };
    for (const Expected& expected : items) {
        QAction* item = Item(*form, expected.name);
        ASSERT_NE(item, nullptr) << expected.name;
        EXPECT_EQ(item->text(), expected.caption) << expected.name;
        EXPECT_EQ(item->shortcut(), expected.shortcut) << expected.name;
        const bool paste = QString(expected.name).endsWith("Paste");
        EXPECT_EQ(item->isEnabled(), !paste) << expected.name;
    }
    EXPECT_FALSE(Button(*form, "sbtnHist")->isEnabled());
    EXPECT_FALSE(Button(*form, "sbtnPerf")->isEnabled());
    EXPECT_EQ(Button(*form, "sbtnNewPort")->toolTip(), "Add A New Portfolio");
    EXPECT_EQ(Button(*form, "sbtnCalc")->toolTip(), "Calculate Performance");
    EXPECT_EQ(Button(*form, "sbtnHelp")->toolTip(), "Opens the Help File");
}

TEST_F(MainWindowTest, NewPortfolioGoesToTheEndOfTheTree) {
    auto form = Open();
    Select(*form, 0);
    OnModal<PortfolioDialog>([](PortfolioDialog& dialog) {
        dialog.findChild<QLineEdit*>("nameEdit")->setText("Aardvark");
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Item(*form, "mnuNewPortfolio")->trigger();
    EXPECT_EQ(TopLevelTexts(Tree(*form)), QStringList({"Growth", "Income", "Aardvark"}));
    EXPECT_EQ(Tree(*form)->currentItem(), Tree(*form)->topLevelItem(0));
    EXPECT_EQ(Caption(*form), " Total Value of the Growth portfolio: $1,235,068");
    Reopen();
    EXPECT_EQ(store().AllPortfolios().front().Name, "Aardvark");
}

TEST_F(MainWindowTest, NewInvestmentInAnotherPortfoliosListSwitchesTheList) {
    auto form = Open();
    Select(*form, 1);
    form->FillInvestmentList(static_cast<int>(growth_));
    OnModal<NewInvestmentDialog>([](NewInvestmentDialog& dialog) {
        dialog.findChild<QLineEdit*>("nameEdit")->setText("Annuity");
        dialog.findChild<QLineEdit*>("initialValueEdit")->setText("250");
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Button(*form, "sbtnNewInvest")->click();
    QTreeWidgetItem* income = Tree(*form)->topLevelItem(1);
    EXPECT_EQ(ChildTexts(income), QStringList({"Annuity"}));
    EXPECT_FALSE(income->isExpanded());
    EXPECT_EQ(Tree(*form)->currentItem(), income);
    EXPECT_EQ(ListRows(*form), Rows({{"Annuity", "$250.00", "n/a", "6/15/2024"},
                                     {"   Total", "$250.00", "n/a", " "}}));
    EXPECT_EQ(Caption(*form), " Total Value of the Income portfolio: $250");
    // The list and the current portfolio stay in step: going back to Growth refills it.
    Select(*form, 0, 1);
    EXPECT_EQ(ListRows(*form).size(), 3u);
    EXPECT_EQ(form->CurrentPortfolioId(), static_cast<int>(growth_));
}

TEST_F(MainWindowTest, NoToTheDeleteQuestionDeletesNothing) {
    auto form = Open();
    Select(*form, 0, 0);
    platform_.yes_no_answers = {false};
    Item(*form, "mnuDelete")->trigger();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Question);
    EXPECT_EQ(platform_.messages[0].caption, "Delete Holding");
    EXPECT_EQ(platform_.messages[0].text, "Are you sure you want to delete Bonds?");
    Select(*form, 0);
    platform_.yes_no_answers = {false};
    Item(*form, "popDelete")->trigger();
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[1].caption, "Delete Portfolio");
    EXPECT_EQ(platform_.messages[1].text, "Are you sure you want to delete Growth?");

    EXPECT_EQ(ChildTexts(Tree(*form)->topLevelItem(0)), QStringList({"Bonds", "Stocks"}));
    Reopen();
    EXPECT_EQ(store().HoldingsOfPortfolio(growth_).size(), 2u);
    EXPECT_EQ(store().AllPortfolios().size(), 2u);
}

TEST_F(MainWindowTest, YesDeletesAnInvestmentWithItsRows) {
    auto form = Open();
    Select(*form, 0, 0);
    platform_.yes_no_answers = {true};
    Item(*form, "mnuDelete")->trigger();
    EXPECT_EQ(ChildTexts(Tree(*form)->topLevelItem(0)), QStringList({"Stocks"}));
    EXPECT_EQ(ListRows(*form), Rows({{"Stocks", "$500.00", "n/a", "3/1/2021"},
                                     {"   Total", "$500.00", "n/a", " "}}));
    Reopen();
    EXPECT_FALSE(store().FindHolding(bonds_).has_value());
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 0);
    EXPECT_EQ(RowsInFile(kValueTableFile), 0);
}

TEST_F(MainWindowTest, YesDeletesAPortfolioThroughAllTables) {
    auto form = Open();
    Select(*form, 0);
    platform_.yes_no_answers = {true};
    Item(*form, "mnuDelete")->trigger();
    EXPECT_EQ(TopLevelTexts(Tree(*form)), QStringList({"Income"}));
    EXPECT_EQ(form->CurrentPortfolioId(), static_cast<int>(income_));
    EXPECT_EQ(Caption(*form), " Total Value of the Income portfolio: $");
    Reopen();
    EXPECT_EQ(Column(kPortfolioTableFile, "PNAME"), Texts({"Income"}));
    EXPECT_EQ(RowsInFile(kHoldingTableFile), 0);
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 0);
    EXPECT_EQ(RowsInFile(kValueTableFile), 0);

    // The last portfolio gone: nothing to select, nothing in the list.
    Select(*form, 0);
    platform_.yes_no_answers = {true};
    Item(*form, "mnuDelete")->trigger();
    EXPECT_EQ(Tree(*form)->topLevelItemCount(), 0);
    EXPECT_EQ(List(*form)->topLevelItemCount(), 0);
    EXPECT_EQ(Caption(*form), "");
    EXPECT_EQ(form->CurrentPortfolioId(), 0);
}

TEST_F(MainWindowTest, RenamingThroughDetailsChangesTheNodeAtOnce) {
    auto form = Open();
    Select(*form, 0);
    OnModal<PortfolioDialog>([](PortfolioDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("nameEdit")->text(), "Growth");
        dialog.findChild<QLineEdit*>("nameEdit")->setText("Capital");
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Button(*form, "sbtnProp")->click();
    EXPECT_EQ(Tree(*form)->topLevelItem(0)->text(0), "Capital");
    // The caption waits for the next refill of the list.
    EXPECT_EQ(Caption(*form), " Total Value of the Growth portfolio: $1,235,068");
    Reopen();
    EXPECT_EQ(store().FindPortfolio(growth_)->Name, "Capital");
}

TEST_F(MainWindowTest, InvestmentDetailsRereadTheInvestment) {
    auto form = Open();
    Select(*form, 0, 1);
    ASSERT_TRUE(store()
                    .UpdateHolding(stocks_,
                                   [&] {
                                       HoldingRecord changed = *store().FindHolding(stocks_);
                                       changed.Name = "Equities";
                                       return changed;
                                   }())
                    .ok());
    Item(*form, "mnuDetails")->trigger();
    // The form's store has not seen the change: the node keeps the name it read.
    EXPECT_EQ(Tree(*form)->topLevelItem(0)->child(1)->text(0), "Stocks");
    EXPECT_EQ(platform_.busy_depth, 0);
}

TEST_F(MainWindowTest, CalculateRefreshesTheListOnlyAfterARun) {
    auto form = Open();
    OnModal<CalculateAllDialog>([](CalculateAllDialog& dialog) {
        dialog.findChild<DateField*>("calculationDateField")->setDate(D(2024, 5, 31));
        dialog.findChild<QPushButton*>("cancelButton")->click();
    });
    Button(*form, "sbtnCalc")->click();
    EXPECT_EQ(ListRows(*form)[0][2], "n/a");

    OnModal<CalculateAllDialog>([](CalculateAllDialog& dialog) {
        dialog.findChild<DateField*>("calculationDateField")->setDate(D(2024, 5, 31));
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Item(*form, "mnuCalculate")->trigger();
    const Rows rows = ListRows(*form);
    EXPECT_NE(rows[0][2], "n/a");  // Bonds, old enough for a quarter
    EXPECT_NE(rows[2][2], "n/a");  // and so its portfolio
    EXPECT_EQ(TopLevelTexts(Tree(*form)), QStringList({"Growth", "Income"}));
    EXPECT_EQ(platform_.Texts(),
              std::vector<QString>({"Finished calculating performance numbers."}));
}

TEST_F(MainWindowTest, CollapseAllDisablesCutAndCopy) {
    auto form = Open();
    Select(*form, 0, 0);
    Item(*form, "mnuExpandAll")->trigger();
    EXPECT_TRUE(Tree(*form)->topLevelItem(0)->isExpanded());
    Item(*form, "mnuCollapseAll")->trigger();
    EXPECT_FALSE(Tree(*form)->topLevelItem(0)->isExpanded());
    for (const char* name : {"mnuCut", "mnuCopy", "popCut", "popCopy"}) {
        EXPECT_FALSE(Item(*form, name)->isEnabled()) << name;
    }
}

TEST_F(MainWindowTest, HelpOpensTheContents) {
    auto form = Open();
    Button(*form, "sbtnHelp")->click();
    Item(*form, "mnuContents")->trigger();
    EXPECT_EQ(platform_.help_requests,
              std::vector<QString>({FakePlatform::kContents, FakePlatform::kContents}));
}

TEST_F(MainWindowTest, StartUpWithoutTheValueTableShowsTheMessageOnceAndEnds) {
    std::filesystem::remove(File(kValueTableFile));
    auto form = Open();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
    EXPECT_EQ(platform_.messages[0].caption, "Brevanta");
    EXPECT_EQ(platform_.messages[0].text, DataUnavailableMessage);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Tree(*form)->topLevelItemCount(), 0);
    // Nothing acts on a store that did not load.
    Item(*form, "mnuNewPortfolio")->trigger();
    EXPECT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.busy_depth, 0);
}

}  // namespace
}  // namespace brevanta::testing
