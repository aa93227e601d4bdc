#include "ui/main/main_window.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <filesystem>
#include <map>
#include <set>

#include "fakes/read_only_file.h"
#include "store/currency_setting.h"
#include "store/data_directory.h"
#include "store/directory_claim.h"
#include "store/file_size_limit.h"
#include "store/open_store.h"
#include "ui/calc/calculate_all_dialog.h"
#include "ui/calc/options_dialog.h"
#include "ui/detail/investment_window.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/main/caption_strip.h"
#include "ui/main/portfolio_growth_window.h"
#include "ui/main/starting_directory.h"
#include "ui/wizards/import_wizard.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;
using Rows = std::vector<QStringList>;
using Tester = QAbstractItemModelTester;

// Two portfolios: Growth with Bonds and Stocks, Income without investments; the list shows
// "Recent Value", "QTR" and "Inception Date".
class MainWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddGrowthAndIncome();
        AddValue(bonds_, D(2024, 5, 31), 1234567.89);
        AddTransaction(bonds_, D(2022, 2, 28), "CC", 100);
        AddSettingRow("NUM_DEC", "2");
        AddSettingRow("LOG_AUDIT", "0");
        AddColumn("QTR", 1);
        AddColumn("Recent Value", 0, 90);
        AddColumn("Inception Date", 2);
    }

    // The main window as the program shows it: shown, then activated by the event loop; both
    // models are checked by the model tester all along.
    std::unique_ptr<MainWindow> Open() {
        auto window = std::make_unique<MainWindow>(context_);
        window->show();
        WaitForFirstActivation(*window);
        new Tester(Tree(*window)->model(), Tester::FailureReportingMode::Fatal, window.get());
        new Tester(List(*window)->model(), Tester::FailureReportingMode::Fatal, window.get());
        return window;
    }

    // The first activation either shows the data, naming its directory in the title, or ends
    // the window.
    static void WaitForFirstActivation(MainWindow& window) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !window.isVisible() || window.windowTitle() != kApplicationTitle; }));
    }

    static QTreeView* Tree(MainWindow& window) {
        return window.findChild<QTreeView*>("portfolioTree");
    }
    static QTreeView* List(MainWindow& window) {
        return window.findChild<QTreeView*>("investmentList");
    }
    static QString Caption(MainWindow& window) {
        return window.findChild<CaptionStrip*>("totalLabel")->caption();
    }
    static QAction* Action(MainWindow& window, const char* name) {
        return window.findChild<QAction*>(name);
    }
    static QToolButton* Button(MainWindow& window, const char* name) {
        return window.findChild<QToolButton*>(name);
    }
    static QModelIndex Node(MainWindow& window, int portfolio, int investment = -1) {
        const QModelIndex node = Tree(window)->model()->index(portfolio, 0);
        return investment < 0 ? node : node.model()->index(investment, 0, node);
    }
    static QStringList Texts(MainWindow& window, const QModelIndex& parent = {}) {
        const QAbstractItemModel* model = Tree(window)->model();
        QStringList texts;
        for (int i = 0; i < model->rowCount(parent); ++i) {
            texts << model->index(i, 0, parent).data().toString();
        }
        return texts;
    }
    static Rows ListRows(MainWindow& window) {
        const QAbstractItemModel* model = List(window)->model();
        Rows rows;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c) {
                cells << model->index(r, c).data().toString();
            }
            rows.push_back(cells);
        }
        return rows;
    }
    static void Select(MainWindow& window, int portfolio, int investment = -1) {
        if (investment >= 0) Tree(window)->expand(Node(window, portfolio));
        Tree(window)->setCurrentIndex(Node(window, portfolio, investment));
    }
};

TEST_F(MainWindowTest, FirstActivationFillsTreeAndList) {
    auto window = Open();
    EXPECT_EQ(window->windowTitle(), "Brevanta - " + QString::fromStdString(dir_.path()));
    EXPECT_EQ(Texts(*window), QStringList({"Growth", "Income"}));
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Bonds", "Stocks"}));
    EXPECT_EQ(window->currentPortfolioId(), growth_);
    // The first portfolio is the selected node, the one the list shows.
    EXPECT_EQ(Tree(*window)->currentIndex(), Node(*window, 0));
    EXPECT_EQ(Button(*window, "detailsButton")->toolTip(),
              "Show Details for the 'Growth' Portfolio");

    const QAbstractItemModel* list = List(*window)->model();
    const QStringList captions = {"Name", "Recent Value", "QTR", "Inception Date"};
    const bool rightAligned[] = {false, true, true, false};
    for (int c = 0; c < captions.size(); ++c) {
        EXPECT_EQ(list->headerData(c, Qt::Horizontal).toString(), captions[c]);
        const auto alignment = list->headerData(c, Qt::Horizontal, Qt::TextAlignmentRole);
        EXPECT_EQ(bool(alignment.value<Qt::Alignment>() & Qt::AlignRight), rightAligned[c]);
    }
    EXPECT_EQ(List(*window)->header()->sectionSize(0), 125);
    EXPECT_GE(List(*window)->header()->sectionSize(1), 90);

    // Exact to the cent, and the total is the sum of its rows.
    const Rows expected = {
        {"Bonds", "$1,234,567.89", "n/a", "1/15/2020"},
        {"Stocks", "$500.00", "n/a", "3/1/2021"},
        {"   Total", "$1,235,067.89", "n/a", " "},
    };
    EXPECT_EQ(ListRows(*window), expected);
    EXPECT_EQ(Caption(*window), " Total Value of the Growth portfolio: $1,235,068");
    EXPECT_TRUE(platform_.messages.empty());
    EXPECT_EQ(platform_.busy_depth, 0);
    EXPECT_GT(platform_.busy_count, 0);
}

TEST_F(MainWindowTest, TheWindowFitsTheScreenEvenWhereItWasRememberedLarger) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    {
        auto window = Open();
        EXPECT_TRUE(available.contains(window->frameGeometry())) << available.width();
        window->setGeometry(-300, -200, available.width() + 400, available.height() + 300);
        window->close();
    }
    auto window = Open();
    EXPECT_TRUE(available.contains(window->frameGeometry()));
}

TEST_F(MainWindowTest, PortfolioWithoutInvestmentsShowsOnlyTheTotalLine) {
    auto window = Open();
    Select(*window, 1);
    EXPECT_EQ(window->currentPortfolioId(), income_);
    EXPECT_EQ(ListRows(*window), Rows({{"   Total", "$.00", "n/a", " "}}));
    EXPECT_EQ(Caption(*window), " Total Value of the Income portfolio: $");
}

TEST_F(MainWindowTest, NumberOfDecimalsChoosesTheFigurePattern) {
    ASSERT_TRUE(store().settings().UpdateSetting(NumDecKey, {.Val1 = "4"}).ok());
    StoreFigures(bonds_, 12.5f);
    auto window = Open();
    EXPECT_EQ(window->numberFormat(), "#,##0.0000");
    EXPECT_EQ(ListRows(*window)[0][2], "12.5000");
}

TEST_F(MainWindowTest, SelectingAnInvestmentOfTheShownPortfolioKeepsTheList) {
    auto window = Open();
    QSignalSpy refills(List(*window)->model(), &QAbstractItemModel::modelReset);
    Select(*window, 0, 0);
    EXPECT_EQ(refills.count(), 0);
    EXPECT_TRUE(Button(*window, "historyButton")->isEnabled());
    EXPECT_TRUE(Button(*window, "performanceButton")->isEnabled());
    EXPECT_EQ(Button(*window, "newInvestmentButton")->toolTip(),
              "Add A New Investment To The 'Growth' Portfolio");
    EXPECT_EQ(Button(*window, "historyButton")->toolTip(),
              "Show Historical Values for the 'Bonds' Investment");
    EXPECT_EQ(Button(*window, "performanceButton")->toolTip(),
              "Show Performance Detail for the 'Bonds' Investment");
    EXPECT_EQ(Button(*window, "detailsButton")->toolTip(),
              "Show Transaction, Historical and Performance Details for the 'Bonds' Investment");

    Select(*window, 1);
    EXPECT_EQ(refills.count(), 1);
    EXPECT_FALSE(Button(*window, "historyButton")->isEnabled());
    EXPECT_EQ(Button(*window, "detailsButton")->toolTip(),
              "Show Details for the 'Income' Portfolio");
}

TEST_F(MainWindowTest, ActionsCarryTheirCaptionsShortcutsAndStartingStates) {
    // As the window starts, before its first activation selects anything.
    MainWindow window(context_);
    struct Expected {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
        bool enabled;
    };
    const Expected actions[] = {
        {"newPortfolioAction", "&Portfolio...", QKeySequence("Ctrl+N"), true},
        {"newInvestmentAction", "&Investment...", QKeySequence("Ctrl+I"), true},
        {"detailsAction", "&Details...", QKeySequence("Ctrl+D"), true},
        {"deleteAction", "D&elete", QKeySequence(), true},
        {"openDataDirectoryAction", "&Open Data Directory...", QKeySequence("Ctrl+O"), true},
        {"exitAction", "E&xit", QKeySequence("Ctrl+Q"), true},
        {"expandAllAction", "&Expand All Portfolios", QKeySequence("F2"), true},
        {"collapseAllAction", "Co&llapse All Portfolios", QKeySequence("F3"), true},
        {"calculateAction", "&Calculate Performance...", QKeySequence("Ctrl+P"), true},
        {"helpContentsAction", "&Contents", QKeySequence("F1"), true},
        {"aboutAction", "&About...", QKeySequence(), true},
        {"historyAction", "History", QKeySequence("Ctrl+H"), false},
        {"performanceAction", "Performance", QKeySequence("Ctrl+Shift+P"), false},
        {"growthAction", "&Growth...", QKeySequence("Ctrl+G"), true},
        {"reportsAction", "&Reports...", QKeySequence("Ctrl+R"), true},
        {"optionsAction", "&Options...", QKeySequence(), true},
        {"importAction", "&Import...", QKeySequence(), true},
        {"exportAction", "Expor&t...", QKeySequence(), true},
        {"portfolioPerformanceReportAction", "&Portfolio - Performance", QKeySequence(), true},
        {"marketValueReportAction", "Portfolio - &Market Value and Cash Flows", QKeySequence(),
         true},
        {"investmentDetailReportAction", "&Investment - Detail", QKeySequence(), true},
        // Commands not available in this release stay disabled rather than do nothing.
        {"cutAction", "&Cut Investment", QKeySequence("Ctrl+X"), false},
        {"copyAction", "C&opy Investment", QKeySequence("Ctrl+C"), false},
        {"pasteAction", "&Paste Investment", QKeySequence("Ctrl+V"), false},
    };
    for (const Expected& expected : actions) {
        QAction* action = Action(window, expected.name);
        ASSERT_NE(action, nullptr) << expected.name;
        EXPECT_EQ(action->text(), expected.caption) << expected.name;
        EXPECT_EQ(action->shortcut(), expected.shortcut) << expected.name;
        EXPECT_EQ(action->isEnabled(), expected.enabled) << expected.name;
    }
    const std::pair<const char*, const char*> buttons[] = {
        {"newPortfolioButton", "Add A New Portfolio"},
        {"calculateButton", "Calculate Performance"},
        {"helpButton", "Opens the Help File"}};
    for (const auto& [name, hint] : buttons) EXPECT_EQ(Button(window, name)->toolTip(), hint);
    EXPECT_EQ(Button(window, "calculateButton")->text(), "Calculate");
    // The menus and the speed buttons share one action per command.
    EXPECT_EQ(Button(window, "detailsButton")->defaultAction(), Action(window, "detailsAction"));
}

TEST_F(MainWindowTest, EveryKeyBindingIsUniqueAndDeleteIsTheDeleteKeyAlone) {
    MainWindow window(context_);
    std::multiset<QString> bindings;
    for (const QAction* action : window.findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) bindings.insert(key.toString());
    }
    EXPECT_EQ(window.findChild<QShortcut*>("deleteKey")->keys(),
              QList<QKeySequence>({QKeySequence(Qt::Key_Delete)}));
    for (const QShortcut* shortcut : window.findChildren<QShortcut*>()) {
        for (const QKeySequence& key : shortcut->keys()) bindings.insert(key.toString());
    }
    for (const QString& binding : bindings)
        EXPECT_EQ(bindings.count(binding), 1u) << binding.toStdString();
}

TEST_F(MainWindowTest, InvestmentCommandsOpenTheDetailWindowAtTheirPages) {
    auto window = Open();
    Tree(*window)->setFocus();
    Tree(*window)->setCurrentIndex(Node(*window, 0, 0));
    std::vector<int> pages;
    const auto openWith = [&](const std::function<void()>& command) {
        OnModal<InvestmentWindow>([&](InvestmentWindow& shown) {
            pages.push_back(shown.findChild<QTabWidget*>("pages")->currentIndex());
            shown.findChild<QLineEdit*>("nameEdit")
                ->setText("Bonds " + QString::number(pages.size()));
            shown.findChild<QPushButton*>("okButton")->click();
        });
        command();
    };
    openWith([&] { QTest::keyClick(Tree(*window), Qt::Key_Return); });
    openWith([&] { Action(*window, "historyAction")->trigger(); });
    openWith([&] { Action(*window, "performanceAction")->trigger(); });
    openWith([&] { emit List(*window)->activated(List(*window)->model()->index(0, 1)); });
    // With the focus in the list, Enter and Details open the list's current investment.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    List(*window)->setFocus();
    List(*window)->setCurrentIndex(List(*window)->model()->index(0, 0));
    openWith([&] { QTest::keyClick(List(*window), Qt::Key_Return); });
    openWith([&] { Action(*window, "detailsAction")->trigger(); });
    EXPECT_EQ(pages, (std::vector<int>{0, 1, 2, 0, 0, 0}));
    // Each time the tree and the list follow what the window stored.
    EXPECT_EQ(Node(*window, 0, 0).data().toString(), "Bonds 6");
    EXPECT_EQ(List(*window)->model()->index(0, 0).data().toString(), "Bonds 6");
}

TEST_F(MainWindowTest, NewNodesGoToTheEndKeepingExpansionAndSelection) {
    auto window = Open();
    Select(*window, 0, 1);
    OnModal<PortfolioDialog>([](PortfolioDialog& dialog) {
        dialog.findChild<QLineEdit*>("nameEdit")->setText("Aardvark");
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Action(*window, "newPortfolioAction")->trigger();
    EXPECT_EQ(Texts(*window), QStringList({"Growth", "Income", "Aardvark"}));
    EXPECT_TRUE(Tree(*window)->isExpanded(Node(*window, 0)));
    EXPECT_EQ(Tree(*window)->currentIndex(), Node(*window, 0, 1));
    Reopen();
    EXPECT_EQ(store().portfolios().AllPortfolios().front().Name, "Aardvark");
}

TEST_F(MainWindowTest, NewInvestmentInAnotherPortfoliosListSwitchesTheList) {
    auto window = Open();
    Select(*window, 1);
    OnModal<NewInvestmentDialog>([](NewInvestmentDialog& dialog) {
        dialog.findChild<QLineEdit*>("nameEdit")->setText("Annuity");
        dialog.findChild<QLineEdit*>("initialValueEdit")->setText("250");
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Button(*window, "newInvestmentButton")->click();
    EXPECT_EQ(Texts(*window, Node(*window, 1)), QStringList({"Annuity"}));
    EXPECT_FALSE(Tree(*window)->isExpanded(Node(*window, 1)));
    EXPECT_EQ(Tree(*window)->currentIndex(), Node(*window, 1));
    EXPECT_EQ(ListRows(*window), Rows({{"Annuity", "$250.00", "n/a", "6/15/2024"},
                                       {"   Total", "$250.00", "n/a", " "}}));
    EXPECT_EQ(Caption(*window), " Total Value of the Income portfolio: $250");
    Select(*window, 0, 1);
    EXPECT_EQ(ListRows(*window).size(), 3u);
    EXPECT_EQ(window->currentPortfolioId(), growth_);
}

TEST_F(MainWindowTest, NoToTheDeleteQuestionDeletesNothing) {
    auto window = Open();
    Select(*window, 0, 0);
    platform_.yes_no_answers = {false};
    QTest::keyClick(Tree(*window), Qt::Key_Delete);
    Select(*window, 0);
    platform_.yes_no_answers = {false};
    Action(*window, "deleteAction")->trigger();
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Question);
    EXPECT_EQ(platform_.messages[0].caption, "Delete Holding");
    EXPECT_EQ(platform_.messages[0].text, "Are you sure you want to delete Bonds?");
    EXPECT_EQ(platform_.messages[1].caption, "Delete Portfolio");
    EXPECT_EQ(platform_.messages[1].text, "Are you sure you want to delete Growth?");
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Bonds", "Stocks"}));
    Reopen();
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(growth_).size(), 2u);
}

TEST_F(MainWindowTest, YesDeletesAnInvestmentWithItsRows) {
    auto window = Open();
    Select(*window, 0, 0);
    platform_.yes_no_answers = {true};
    Action(*window, "deleteAction")->trigger();
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Stocks"}));
    EXPECT_EQ(ListRows(*window), Rows({{"Stocks", "$500.00", "n/a", "3/1/2021"},
                                       {"   Total", "$500.00", "n/a", " "}}));
    Reopen();
    EXPECT_FALSE(store().holdings().FindHolding(bonds_).has_value());
    EXPECT_EQ(RowsInFile(kTransactionTableFile), 0);
    EXPECT_EQ(RowsInFile(kValueTableFile), 0);
}

TEST_F(MainWindowTest, YesDeletesAPortfolioThroughAllTables) {
    auto window = Open();
    Select(*window, 0);
    platform_.yes_no_answers = {true};
    Action(*window, "deleteAction")->trigger();
    EXPECT_EQ(Texts(*window), QStringList({"Income"}));
    EXPECT_EQ(window->currentPortfolioId(), income_);
    EXPECT_EQ(Caption(*window), " Total Value of the Income portfolio: $");
    Reopen();
    EXPECT_EQ(Column(kPortfolioTableFile, "PNAME"), std::vector<std::string>{"Income"});
    EXPECT_EQ(RowsInFile(kHoldingTableFile), 0);
    EXPECT_EQ(RowsInFile(kValueTableFile), 0);

    // The last portfolio gone: nothing to select, nothing in the list.
    platform_.yes_no_answers = {true};
    Action(*window, "deleteAction")->trigger();
    EXPECT_EQ(Tree(*window)->model()->rowCount(), 0);
    EXPECT_EQ(List(*window)->model()->rowCount(), 0);
    EXPECT_EQ(Caption(*window), "");
    EXPECT_EQ(window->currentPortfolioId(), Pid{});
}

TEST_F(MainWindowTest, AfterCollapseAllCommandsIgnoreTheHiddenInvestment) {
    auto window = Open();
    Select(*window, 0, 0);
    Action(*window, "collapseAllAction")->trigger();
    EXPECT_FALSE(Tree(*window)->isExpanded(Node(*window, 0)));
    EXPECT_FALSE(Action(*window, "historyAction")->isEnabled());
    platform_.yes_no_answers = {true};
    QTest::keyClick(Tree(*window), Qt::Key_Delete);
    Action(*window, "deleteAction")->trigger();
    EXPECT_TRUE(platform_.messages.empty());
    Reopen();
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(growth_).size(), 2u);
}

TEST_F(MainWindowTest, RenamingThroughDetailsRenamesTheNodeAndTheCaption) {
    auto window = Open();
    Select(*window, 0);
    OnModal<PortfolioDialog>([](PortfolioDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("nameEdit")->text(), "Growth");
        dialog.findChild<QLineEdit*>("nameEdit")->setText("Capital");
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Button(*window, "detailsButton")->click();
    EXPECT_EQ(Node(*window, 0).data().toString(), "Capital");
    EXPECT_EQ(Caption(*window), " Total Value of the Capital portfolio: $1,235,068");
    Reopen();
    EXPECT_EQ(store().portfolios().FindPortfolio(growth_)->Name, "Capital");
}

TEST_F(MainWindowTest, LongCaptionElidesTheNameNeverTheTotal) {
    auto window = Open();
    auto* caption = window->findChild<CaptionStrip*>("totalLabel");
    caption->resize(caption->fontMetrics().horizontalAdvance(Caption(*window)) - 10,
                    caption->height());
    EXPECT_TRUE(caption->text().startsWith(" Total Value of the G"));
    EXPECT_TRUE(caption->text().endsWith(QString(QChar(0x2026)) + " portfolio: $1,235,068"));
    EXPECT_EQ(caption->toolTip(), Caption(*window));
    caption->resize(120, caption->height());
    EXPECT_TRUE(caption->text().endsWith(QChar(0x2026)));
}

TEST_F(MainWindowTest, FigureColumnsWidenToTheirWidestTextWithoutStoringIt) {
    AddValue(bonds_, D(2024, 6, 1), 9999999999.99);
    const std::string settings = ReadBytes(File(kSettingsTableFile));
    auto window = Open();
    const QHeaderView* header = List(*window)->header();
    const int widest = List(*window)->fontMetrics().horizontalAdvance("$10,000,000,499.99");
    EXPECT_GT(header->sectionSize(1), widest);
    EXPECT_EQ(header->sectionSize(0), 125);
    EXPECT_EQ(header->sectionSize(2), 70);
    EXPECT_EQ(ReadBytes(File(kSettingsTableFile)), settings);
}

TEST_F(MainWindowTest, CalculateRefreshesTheListOnlyAfterARun) {
    auto window = Open();
    auto calculate = [](const char* button) {
        OnModal<CalculateAllDialog>([button](CalculateAllDialog& dialog) {
            QLineEdit* date = dialog.findChild<QLineEdit*>("calculationDateFieldEdit");
            date->setText("5/31/2024");
            dialog.findChild<QPushButton*>(button)->click();
        });
    };
    calculate("cancelButton");
    Button(*window, "calculateButton")->click();
    EXPECT_EQ(ListRows(*window)[0][2], "n/a");

    calculate("okButton");
    Action(*window, "calculateAction")->trigger();
    const Rows rows = ListRows(*window);
    EXPECT_NE(rows[0][2], "n/a");  // Bonds, old enough for a quarter
    EXPECT_NE(rows[2][2], "n/a");  // and so its portfolio
    EXPECT_EQ(platform_.Texts(),
              std::vector<QString>({"Finished calculating performance numbers."}));
}

TEST_F(MainWindowTest, HelpOpensTheContents) {
    auto window = Open();
    Button(*window, "helpButton")->click();
    EXPECT_EQ(platform_.help_requests, std::vector<QString>({FakePlatform::kContents}));
}

TEST_F(MainWindowTest, StartUpWithoutTheValueTableShowsTheMessageWithItsReasonAndEnds) {
    std::filesystem::remove(File(kValueTableFile));
    auto window = Open();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
    EXPECT_EQ(platform_.messages[0].text,
              "Your data files are currently in use or corrupted.\r\nDue to this the "
              "application is unable to be run\r\nand will stopped.");
    EXPECT_TRUE(platform_.messages[0].detail.contains("value.dbf"));
    EXPECT_FALSE(window->isVisible());
    // Nothing acts on a store that did not load.
    Action(*window, "newPortfolioAction")->trigger();
    EXPECT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.busy_depth, 0);
}

TEST_F(MainWindowTest, ASecondWindowOnTheDirectorySaysItIsOpenAndEnds) {
    auto first = Open();
    auto second = Open();
    ASSERT_EQ(platform_.Texts(), std::vector<QString>({QString::fromStdString(
                                     dir_.path() + " is open in Brevanta; close it first.")}));
    EXPECT_FALSE(second->isVisible());
    EXPECT_TRUE(first->isVisible());
}

// Another user's claim file: the window says it cannot mark the directory, shows it for
// reading only, and offers no command that writes.
TEST_F(MainWindowTest, ADirectoryThatCannotBeMarkedIsShownForReadingOnly) {
    WriteBytes(File(kClaimFile), "");
    ReadOnlyFile claim_of_another_user(File(kClaimFile));
    const ScopedFileSystem scoped(claim_of_another_user);
    auto window = Open();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(window->windowTitle().endsWith("(read-only)"))
        << window->windowTitle().toStdString();
    EXPECT_EQ(platform_.Texts(), std::vector<QString>{QString::fromStdString(
                                     "Brevanta cannot mark " + dir_.path() +
                                     " as in use, so it is open for reading only.")});
    Select(*window, 0, 0);
    for (const char* name :
         {"newPortfolioAction", "newInvestmentAction", "deleteAction", "importAction",
          "calculateAction", "optionsAction", "cutAction", "copyAction", "pasteAction"}) {
        EXPECT_FALSE(Action(*window, name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Action(*window, "exportAction")->isEnabled());
}

TEST_F(MainWindowTest, DirectoryWithoutTablesIsCreatedOnlyWhenTheUserSaysYes) {
    const std::filesystem::path empty = std::filesystem::path(dir_.path()) / "new";
    context_.data_directory = empty;
    auto declined = Open();
    EXPECT_FALSE(declined->isVisible());
    EXPECT_FALSE(HoldsAnyTable(empty.string()));
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(
        platform_.messages[0].text,
        "There is no Brevanta data in " + QString::fromStdString(empty.string()) + ". Create it?");
    // No offers another directory; the one chosen is opened.
    EXPECT_EQ(platform_.file_dialogs, std::vector<QString>{"Open Data Directory"});
    platform_.file_names = {QString::fromStdString(dir_.path())};
    auto elsewhere = Open();
    EXPECT_TRUE(elsewhere->isVisible());
    EXPECT_EQ(Texts(*elsewhere), QStringList({"Growth", "Income"}));
    EXPECT_FALSE(HoldsAnyTable(empty.string()));
    elsewhere->close();

    context_.data_directory = empty;

    platform_.yes_no_answers = {true};
    auto created = Open();
    EXPECT_TRUE(created->isVisible());
    EXPECT_TRUE(std::filesystem::exists(empty / kSettingsTableFile));
    EXPECT_EQ(Tree(*created)->model()->rowCount(), 0);
}

// A file name need not be UTF-8; the directory named on the command line is the one opened,
// created and remembered, byte for byte.
TEST_F(MainWindowTest, ADirectoryNamedInAnyEncodingIsCreatedAndOpenedByteForByte) {
    const std::string raw = dir_.path() + "/\xff\xferaw";
    std::string program = "brevanta";
    std::string named = raw;
    char* with_directory[] = {program.data(), named.data()};
    context_.data_directory = StartingDirectory(2, with_directory, platform_);
    EXPECT_EQ(context_.data_directory.string(), raw);
    platform_.yes_no_answers = {true};
    auto window = Open();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(raw) / kSettingsTableFile));
    char* without[] = {program.data()};
    EXPECT_EQ(StartingDirectory(1, without, platform_).string(), raw);
}

TEST_F(MainWindowTest, OpenDataDirectorySwitchesToTheChosenTables) {
    auto window = Open();
    const std::string other = dir_.path() + "/other";
    ASSERT_TRUE(InstallDataDirectory(other).ok());
    {
        const std::unique_ptr<DataStore> opened_store = OpenStore(other);
        ASSERT_TRUE(opened_store);
        DataStore& store = *opened_store;
        ASSERT_TRUE(store.portfolios().InsertPortfolio("Pension", " ").ok());
    }
    platform_.file_names = {QString::fromStdString(other)};
    Action(*window, "openDataDirectoryAction")->trigger();
    EXPECT_EQ(Texts(*window), QStringList({"Pension"}));
    EXPECT_EQ(window->windowTitle(), "Brevanta - " + QString::fromStdString(other));
    EXPECT_EQ(context_.data_directory, std::filesystem::path(other));
}

TEST_F(MainWindowTest, FailedWriteKeepsTheWindowOpenAndSaysWhy) {
    auto window = Open();
    Select(*window, 0, 0);
    // The write fails whoever runs the test.
    BreakTable(File(kHoldingTableFile));
    platform_.yes_no_answers = {true};
    Action(*window, "deleteAction")->trigger();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[1].kind, Kind::Error);
    EXPECT_TRUE(platform_.messages[1].text.contains("holding.dbf"))
        << platform_.messages[1].text.toStdString();
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Bonds", "Stocks"}));
}

class ClipboardTest : public MainWindowTest {
  protected:
    // Drops a node as the tree view does at the end of a drag; an invalid target is the
    // empty space below the last node. The window handles the drop once the drag is over,
    // clearing the drag's status message.
    static void Drop(MainWindow& window, const QModelIndex& dragged, const QModelIndex& target) {
        QStatusBar* status = window.findChild<QStatusBar*>("statusLine");
        status->showMessage("Moving Investment...");
        QAbstractItemModel* model = Tree(window)->model();
        std::unique_ptr<QMimeData> data(model->mimeData({dragged}));
        StartDrag(window, data.get());
        model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, target);
        ASSERT_TRUE(QTest::qWaitFor([&] { return status->currentMessage() == " "; }));
    }
    static void StartDrag(MainWindow& window, QMimeData* data) {
        QDragEnterEvent enter({5, 5}, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Tree(window)->viewport(), &enter);
    }
    bool PasteEnabled(MainWindow& window) { return Action(window, "pasteAction")->isEnabled(); }
};

TEST_F(ClipboardTest, CopyPastesOnceIntoAnotherPortfolio) {
    StoreFigures(bonds_, 4.5f);
    auto window = Open();
    Select(*window, 0, 0);
    Action(*window, "copyAction")->trigger();
    EXPECT_FALSE(PasteEnabled(*window));  // the selection is in the source portfolio
    Select(*window, 1);
    ASSERT_TRUE(PasteEnabled(*window));
    Action(*window, "pasteAction")->trigger();
    EXPECT_FALSE(PasteEnabled(*window));
    EXPECT_EQ(Texts(*window, Node(*window, 1)), QStringList({"Bonds"}));
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Bonds", "Stocks"}));
    EXPECT_EQ(ListRows(*window)[0][0], "Bonds");

    Reopen();
    const HoldingRecord copy = store().holdings().HoldingsOfPortfolio(income_).at(0);
    EXPECT_NE(copy.Id, bonds_);
    EXPECT_EQ(copy.Figures, store().holdings().FindHolding(bonds_)->Figures);
    EXPECT_EQ(store().transactions().TransactionsOfHolding(copy.Id).size(), 2u);
    EXPECT_EQ(store().values().ValuesOfHolding(copy.Id).size(), 2u);
    EXPECT_EQ(store().transactions().TransactionsOfHolding(bonds_).size(), 2u);
}

TEST_F(ClipboardTest, CutMovesTheInvestmentUnderANewIdentifier) {
    auto window = Open();
    Select(*window, 0, 1);
    QTest::keyClick(Tree(*window), Qt::Key_X, Qt::ControlModifier);
    Select(*window, 1);
    QTest::keyClick(Tree(*window), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Bonds"}));
    EXPECT_EQ(Texts(*window, Node(*window, 1)), QStringList({"Stocks"}));
    Reopen();
    EXPECT_FALSE(store().holdings().FindHolding(stocks_).has_value());
    ASSERT_EQ(store().holdings().HoldingsOfPortfolio(income_).size(), 1u);
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(income_)[0].Name, "Stocks");
}

TEST_F(ClipboardTest, DropsMoveOnlyIntoAnotherPortfolio) {
    AddHolding(income_, "Annuity", D(2022, 1, 1), 100);
    auto window = Open();
    Tree(*window)->expandAll();

    // On its own portfolio nothing moves, and a pending copy is gone.
    Select(*window, 0, 0);
    Action(*window, "copyAction")->trigger();
    Drop(*window, Node(*window, 0, 1), Node(*window, 0));
    Select(*window, 1);
    EXPECT_FALSE(PasteEnabled(*window));
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Bonds", "Stocks"}));

    // On an investment of another portfolio it moves into that portfolio.
    Drop(*window, Node(*window, 0, 0), Node(*window, 1, 0));
    EXPECT_EQ(Texts(*window, Node(*window, 0)), QStringList({"Stocks"}));
    EXPECT_EQ(Texts(*window, Node(*window, 1)), QStringList({"Annuity", "Bonds"}));

    // On empty space nothing moves and nothing stays cut.
    Drop(*window, Node(*window, 0, 0), QModelIndex());
    Select(*window, 1);
    EXPECT_FALSE(PasteEnabled(*window));

    // A drag that starts clears a pending cut, wherever it ends.
    Select(*window, 0, 0);
    Action(*window, "cutAction")->trigger();
    std::unique_ptr<QMimeData> data(Tree(*window)->model()->mimeData({Node(*window, 0, 0)}));
    StartDrag(*window, data.get());
    Select(*window, 1);
    EXPECT_FALSE(PasteEnabled(*window));
    Reopen();
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(income_).size(), 2u);
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(growth_).size(), 1u);
}

TEST_F(ClipboardTest, AnInvestmentGoneSinceTheCutIsNeverPasted) {
    auto window = Open();
    Select(*window, 0, 0);
    Action(*window, "cutAction")->trigger();
    platform_.yes_no_answers = {true};
    Action(*window, "deleteAction")->trigger();
    Select(*window, 1);
    EXPECT_FALSE(PasteEnabled(*window));
    Action(*window, "pasteAction")->trigger();
    EXPECT_EQ(Texts(*window, Node(*window, 1)), QStringList());
    Reopen();
    EXPECT_TRUE(store().holdings().HoldingsOfPortfolio(income_).empty());
}

TEST_F(ClipboardTest, AMoveThatCannotBeWrittenWholeLeavesEverythingAsItWas) {
    for (int day = 1; day <= 28; ++day) AddTransaction(stocks_, D(2023, 2, day), "CC", 10);
    auto window = Open();
    Select(*window, 0, 0);
    Action(*window, "cutAction")->trigger();
    Select(*window, 1);
    // Room for the new investment's row, none for its transactions.
    const auto limit = FileSizeLimit::RowsMore(File(kHoldingTableFile), 1);
    ASSERT_GE(std::filesystem::file_size(File(kTransactionTableFile)), limit);
    {
        FileSizeLimit full(limit);
        Action(*window, "pasteAction")->trigger();
    }
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_TRUE(platform_.messages[0].text.startsWith("The investment could not be moved."));
    Reopen();
    EXPECT_EQ(Texts(*window, Tree(*window)->model()->index(0, 0)),
              QStringList({"Bonds", "Stocks"}));
    EXPECT_EQ(Texts(*window, Tree(*window)->model()->index(1, 0)), QStringList());
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(growth_).size(), 2u);
    EXPECT_EQ(store().holdings().HoldingsOfPortfolio(income_).size(), 0u);
    EXPECT_EQ(store().transactions().TransactionsOfHolding(stocks_).size(), 29u);
}

// What a command visibly did: the class of the window it opened, or the kind of its work.
QString Observed(MainWindow& window, FakePlatform& platform, QAction* action,
                 const QString& expected) {
    QString opened;
    if (expected.startsWith("brevanta::")) {
        OnModal<QDialog>([&](QDialog& shown) { opened = shown.metaObject()->className(); });
    }
    QTreeView* tree = window.findChild<QTreeView*>("portfolioTree");
    const QModelIndex growth = tree->model()->index(0, 0);
    const QModelIndex income = tree->model()->index(1, 0);
    if (expected == "expanded") tree->collapseAll();
    if (expected == "pasted") {  // Bonds copied, then pasted into Income
        tree->expand(growth);
        tree->setCurrentIndex(tree->model()->index(0, 0, growth));
        window.findChild<QAction*>("copyAction")->trigger();
        tree->setCurrentIndex(income);
    }
    const int incomeNodes = tree->model()->rowCount(income);
    const size_t messages = platform.messages.size(), help = platform.help_requests.size(),
                 browser = platform.opened_in_browser.size(),
                 fileDialogs = platform.file_dialogs.size();
    action->trigger();
    if (!opened.isEmpty()) return opened;
    if (platform.messages.size() > messages) {
        return platform.messages.back().kind == Platform::MessageKind::Question ? "question"
                                                                                : "message";
    }
    if (platform.help_requests.size() > help) return "help";
    if (platform.file_dialogs.size() > fileDialogs) return "file dialog";
    if (platform.opened_in_browser.size() > browser) {
        return "browser " + QFileInfo(platform.opened_in_browser.back()).fileName();
    }
    if (tree->model()->rowCount(income) > incomeNodes) return "pasted";
    tree->setCurrentIndex(income);
    if (window.findChild<QAction*>("pasteAction")->isEnabled()) return "on the clipboard";
    if (expected == "expanded" && tree->isExpanded(growth)) return "expanded";
    if (expected == "collapsed" && !tree->isExpanded(growth)) return "collapsed";
    return "nothing";
}

void CollectCommands(const QList<QAction*>& actions, std::vector<QAction*>& commands) {
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        if (QMenu* submenu = action->menu()) {
            CollectCommands(submenu->actions(), commands);
        } else if (std::find(commands.begin(), commands.end(), action) == commands.end()) {
            commands.push_back(action);
        }
    }
}

TEST_F(MainWindowTest, EveryMenuCommandOpensItsWindowOrDoesItsWork) {
    // What each command does with a portfolio, and with an investment, selected.
    const std::map<QString, std::pair<QString, QString>> expected = {
        {"newPortfolioAction", {"brevanta::PortfolioDialog", "brevanta::PortfolioDialog"}},
        {"newInvestmentAction", {"brevanta::NewInvestmentDialog", "brevanta::NewInvestmentDialog"}},
        {"detailsAction", {"brevanta::PortfolioDialog", "brevanta::InvestmentWindow"}},
        {"growthAction", {"brevanta::PortfolioGrowthWindow", "brevanta::InvestmentWindow"}},
        {"deleteAction", {"question", "question"}},
        {"openDataDirectoryAction", {"file dialog", "file dialog"}},
        {"importAction", {"brevanta::ImportWizard", "brevanta::ImportWizard"}},
        {"exportAction", {"brevanta::ExportWizard", "brevanta::ExportWizard"}},
        {"expandAllAction", {"expanded", "expanded"}},
        {"collapseAllAction", {"collapsed", "collapsed"}},
        {"calculateAction", {"brevanta::CalculateAllDialog", "brevanta::CalculateAllDialog"}},
        {"reportsAction", {"brevanta::ReportDialog", "brevanta::ReportDialog"}},
        {"optionsAction", {"brevanta::OptionsDialog", "brevanta::OptionsDialog"}},
        {"helpContentsAction", {"help", "help"}},
        {"aboutAction", {"brevanta::AboutDialog", "brevanta::AboutDialog"}},
        {"portfolioPerformanceReportAction", {"browser report1_.html", "browser report1_.html"}},
        {"marketValueReportAction", {"browser report1_.html", "browser report1_.html"}},
        {"investmentDetailReportAction", {"nothing", "browser report1_1.html"}},
        {"cutAction", {"nothing", "on the clipboard"}},
        {"copyAction", {"nothing", "on the clipboard"}},
        {"pasteAction", {"pasted", "pasted"}},
    };
    // Exit ends the run below.
    const std::set<QString> elsewhere = {"exitAction"};
    auto window = Open();
    std::vector<QAction*> commands;
    CollectCommands(window->menuBar()->actions(), commands);
    CollectCommands(window->findChild<QMenu*>("treeMenu")->actions(), commands);
    for (const bool investment : {false, true}) {
        for (QAction* command : commands) {
            const QString name = command->objectName();
            if (elsewhere.count(name)) continue;
            ASSERT_TRUE(expected.count(name)) << name.toStdString();
            SCOPED_TRACE(name.toStdString() + (investment ? " on Bonds" : " on Growth"));
            Select(*window, 0, investment ? 0 : -1);
            Tree(*window)->setFocus();
            const auto& [onPortfolio, onInvestment] = expected.at(name);
            const QString wanted = investment ? onInvestment : onPortfolio;
            EXPECT_EQ(Observed(*window, platform_, command, wanted).toStdString(),
                      wanted.toStdString());
        }
    }
    Action(*window, "exitAction")->trigger();
    EXPECT_FALSE(window->isVisible());
}

// Without a mouse: every menu item has its mnemonic, and Shift+F10 in the tree (as the menu
// key) opens the pop-up menu.
TEST_F(MainWindowTest, TheMenusAreReachableFromTheKeyboard) {
    auto window = Open();
    auto* treeMenu = window->findChild<QMenu*>("treeMenu");
    QList<QAction*> items = window->menuBar()->actions() + treeMenu->actions();
    while (!items.isEmpty()) {
        QAction* item = items.takeFirst();
        if (item->isSeparator()) continue;
        EXPECT_FALSE(QKeySequence::mnemonic(item->text()).isEmpty()) << item->text().toStdString();
        if (item->menu()) items += item->menu()->actions();
    }
    Select(*window, 0);
    Tree(*window)->setFocus();
    QTest::keyClick(Tree(*window), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(treeMenu->isVisible());
    treeMenu->close();
}

// The pop-up menu's Growth shows the portfolio's investments pooled, year by year to today.
TEST_F(MainWindowTest, GrowthMenuItemShowsThePortfolioYearByYear) {
    auto window = Open();
    Select(*window, 0);
    QAction* growth = nullptr;
    for (QAction* action : window->findChild<QMenu*>("treeMenu")->actions()) {
        if (action->objectName() == "growthAction") growth = action;
    }
    ASSERT_NE(growth, nullptr);
    QString title;
    QStringList years;
    OnModal<PortfolioGrowthWindow>([&](PortfolioGrowthWindow& shown) {
        title = shown.windowTitle();
        const QAbstractItemModel* model = shown.findChild<QTableView*>("yearTable")->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            years << model->index(row, 0).data().toString() + " " +
                         model->index(row, 4).data().toString();
        }
    });
    growth->trigger();
    EXPECT_EQ(title, "Growth: Growth");
    // Bonds alone until Stocks join in 2021; Bonds' value of 31 May 2024 stands on 15 June.
    EXPECT_EQ(years, (QStringList{"2020 1,000.00", "2021 1,500.00", "2022 1,600.00",
                                  "2023 1,600.00", "2024 1,235,067.89"}));
}

TEST_F(MainWindowTest, ReportShortcutsNeedAVisibleNodeAndOpenOnlyWrittenReports) {
    auto window = Open();
    Select(*window, 0, 1);
    Action(*window, "collapseAllAction")->trigger();
    for (const char* report : {"portfolioPerformanceReportAction", "marketValueReportAction",
                               "investmentDetailReportAction"}) {
        Action(*window, report)->trigger();
    }
    Tree(*window)->setCurrentIndex({});
    Action(*window, "portfolioPerformanceReportAction")->trigger();
    EXPECT_TRUE(platform_.opened_in_browser.empty());
    EXPECT_TRUE(platform_.messages.empty());

    Select(*window, 0, 1);
    const std::string page = File("report1_2.html");
    BreakTable(page);
    Action(*window, "investmentDetailReportAction")->trigger();
    EXPECT_TRUE(platform_.opened_in_browser.empty());
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
    EXPECT_TRUE(platform_.messages[0].text.contains(QString::fromStdString(page)));
    EXPECT_TRUE(platform_.status_texts.empty());

    // A written page is named in the status line, and in the message when no browser starts.
    std::filesystem::remove(page);
    platform_.messages.clear();
    platform_.browser_starts = false;
    Action(*window, "investmentDetailReportAction")->trigger();
    const QString written = QString::fromStdString(page);
    EXPECT_EQ(platform_.status_texts, std::vector<QString>{"Report written to " + written});
    EXPECT_EQ(platform_.Texts(), std::vector<QString>{"The report was written to " + written +
                                                      ", but no browser could be started to "
                                                      "show it."});
}

TEST_F(MainWindowTest, ChangedOptionsRebuildTheColumnsAndTheList) {
    StoreFigures(bonds_, 12.5f);
    auto window = Open();
    OnModal<OptionsDialog>([](OptionsDialog& dialog) {
        dialog.findChild<QListWidget*>("selectedList")->setCurrentRow(0);  // Recent Value
        dialog.findChild<QPushButton*>("removeSelectedButton")->click();
        dialog.findChild<QComboBox*>("digitsCombo")->setCurrentIndex(0);
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Action(*window, "optionsAction")->trigger();
    EXPECT_EQ(window->numberFormat(), "#,##0");
    EXPECT_EQ(ListRows(*window)[0], QStringList({"Bonds", "13", "1/15/2020"}));
}

// A symbol that cannot be stored keeps the dialog open; a good one shows in the list at once.
TEST_F(MainWindowTest, TheCurrencySymbolChosenInOptionsShowsInTheList) {
    auto window = Open();
    OnModal<OptionsDialog>([](OptionsDialog& dialog) {
        auto* currency = dialog.findChild<QLineEdit*>("currencyEdit");
        EXPECT_EQ(currency->text(), "$");
        currency->setText(" ");
        dialog.findChild<QPushButton*>("okButton")->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), currency);
        currency->setText(" € ");
        dialog.findChild<QPushButton*>("okButton")->click();
    });
    Action(*window, "optionsAction")->trigger();
    EXPECT_EQ(platform_.Texts(), std::vector<QString>{"Please enter a currency symbol."});
    EXPECT_EQ(ListRows(*window)[0], QStringList({"Bonds", "€1,234,567.89", "n/a", "1/15/2020"}));
    EXPECT_EQ(Caption(*window), " Total Value of the Growth portfolio: €1,235,068");
    Reopen();
    EXPECT_EQ(CurrencySymbol(store()), "€");
}

TEST_F(MainWindowTest, ImportThroughTheWizardRefreshesTheList) {
    auto window = Open();
    const std::string path = File("values.csv");
    WriteBytes(path, "6/1/2024, 2000\r\n");
    OnModal<ImportWizard>([&](ImportWizard& wizard) {
        wizard.findChild<QRadioButton*>("valuesButton")->click();
        wizard.findChild<QPushButton*>("nextButton")->click();
        wizard.findChild<QListWidget*>("investmentList")->setCurrentRow(1);  // Stocks
        wizard.findChild<QPushButton*>("nextButton")->click();
        wizard.findChild<QLineEdit*>("fileEdit")->setText(QString::fromStdString(path));
        wizard.findChild<QPushButton*>("nextButton")->click();
    });
    Action(*window, "importAction")->trigger();
    EXPECT_EQ(ListRows(*window)[1], QStringList({"Stocks", "$2,000.00", "n/a", "3/1/2021"}));
}

}  // namespace
}  // namespace brevanta::testing
