#include "ui/detail/investment_window.h"

#include <QAbstractItemModelTester>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <QTreeView>
#include <filesystem>

#include "reports/figure_cell.h"
#include "store/temp_dir.h"
#include "ui/calc/audit_viewer.h"
#include "ui/calc/calculate_investment_dialog.h"
#include "ui/detail/return_bar_widget.h"
#include "ui/gui_fixture.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

// Growth holds Fund: 1,000 on 1 January 2023, contributions of 500 (1 March) and 300
// (1 February), a dividend of 20 (1 April).
class InvestmentWindowTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        growth_ = AddPortfolio("Growth");
        fund_ = AddHolding(growth_, "Fund", D(2023, 1, 1), 1000);
        AddTransaction(fund_, D(2023, 3, 1), "CC", 500);
        AddTransaction(fund_, D(2023, 2, 1), "CC", 300);
        AddTransaction(fund_, D(2023, 4, 1), "DI", 20);
    }

    std::unique_ptr<InvestmentWindow> Open(Hid holding_id) {
        auto window = std::make_unique<InvestmentWindow>(context_, observed(), holding_id);
        window->show();
        // The offscreen screen is 800 x 600: the window fits a small screen.
        EXPECT_TRUE(window->screen()->availableGeometry().contains(window->frameGeometry()));
        for (const char* list : {"transactionList", "valueList"}) {
            new QAbstractItemModelTester(List(*window, list)->model(),
                                         QAbstractItemModelTester::FailureReportingMode::Fatal,
                                         window.get());
        }
        return window;
    }

    static QTreeView* List(QWidget& window, const char* name = "transactionList") {
        return window.findChild<QTreeView*>(name);
    }
    static QStringList Column(QWidget& window, int column, const char* list = "transactionList") {
        QStringList texts;
        const QAbstractItemModel* model = List(window, list)->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            texts << model->index(row, column).data().toString();
        }
        return texts;
    }
    static void ClickHeader(QWidget& window, int column) {
        QHeaderView* header = List(window)->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }
    static QPushButton* Button(QWidget& window, const char* name) {
        return window.findChild<QPushButton*>(name);
    }
    static QPushButton* Button(QWidget& window, const char* panel, const char* name) {
        return window.findChild<QWidget*>(panel)->findChild<QPushButton*>(name);
    }
    static QLineEdit* Edit(QWidget& window, const char* name) {
        return window.findChild<QLineEdit*>(name);
    }
    static QString Label(QWidget& window, const char* page, const char* name) {
        return window.findChild<QWidget*>(page)->findChild<QLabel*>(name)->text();
    }
    int CurrentPage(QWidget& window) {
        return window.findChild<QTabWidget*>("pages")->currentIndex();
    }

    Pid growth_{};
    Hid fund_{};
};

TEST_F(InvestmentWindowTest, NewInvestmentListsNothingButItsTotalsCountTheInitialValue) {
    const Hid fresh = AddHolding(growth_, "Fresh", D(2024, 1, 1), 1000);
    auto window = Open(fresh);
    EXPECT_EQ(window->windowTitle(), "Details: Fresh");
    EXPECT_EQ(window->findChild<QLabel*>("portfolioLabel")->text(), "Growth");
    EXPECT_EQ(Edit(*window, "initialValueEdit")->text(), "1000");
    EXPECT_EQ(List(*window)->model()->rowCount(), 0);
    EXPECT_EQ(List(*window, "valueList")->model()->rowCount(), 0);
    for (const char* page : {"timeWeightedPage", "dollarWeightedPage"}) {
        EXPECT_EQ(Label(*window, page, "contributionsLabel"), "1,000.00");
        EXPECT_EQ(Label(*window, page, "costBasisLabel"), "1,000.00");
        EXPECT_EQ(Label(*window, page, "recentValueLabel"), "1,000.00");
        EXPECT_EQ(Label(*window, page, "quarterLabel"), "n/a");
        EXPECT_EQ(Label(*window, page, "inceptionLabel"), "n/a");
        EXPECT_EQ(Label(*window, page, "performanceDateLabel"), "Not Calculated");
        EXPECT_EQ(window->findChild<QWidget*>(page)
                      ->findChild<ReturnBarWidget*>("quarterBar")
                      ->bar()
                      .side,
                  ReturnBar::Side::Hidden);
    }
    EXPECT_TRUE(Button(*window, "cancelButton")->isDefault());
    EXPECT_TRUE(Button(*window, "transactionsPanel", "addButton")->isEnabled());
    EXPECT_FALSE(Button(*window, "transactionsPanel", "modifyButton")->isEnabled());
    EXPECT_FALSE(Button(*window, "transactionsPanel", "removeButton")->isEnabled());
}

TEST_F(InvestmentWindowTest, StoredFiguresShowAsPercentagesAndScaledBars) {
    PerformanceFigures figures;
    figures.PerformanceDate = D(2024, 5, 31);
    figures.Figures[Figure::Qtr] = -4.0f;
    figures.Figures[Figure::Ytd] = 2.5f;
    ASSERT_TRUE(store().holdings().StoreHoldingFigures(fund_, figures).ok());
    auto window = Open(fund_);
    QWidget* page = window->findChild<QWidget*>("timeWeightedPage");
    const auto bar = [page](const char* name) {
        return page->findChild<ReturnBarWidget*>(name)->bar();
    };
    EXPECT_EQ(Label(*window, "timeWeightedPage", "quarterLabel"), "-4.00 %");
    EXPECT_EQ(Label(*window, "timeWeightedPage", "oneYearLabel"), "2.50 %");
    EXPECT_EQ(Label(*window, "timeWeightedPage", "threeYearLabel"), "n/a");
    EXPECT_EQ(Label(*window, "dollarWeightedPage", "performanceDateLabel"), "5/31/2024");
    // Scale 80: the quarter's -320 is cut to 50, the year's 200 fills the band.
    EXPECT_EQ(bar("quarterBar").side, ReturnBar::Side::Negative);
    EXPECT_EQ(bar("quarterBar").width, 50);
    EXPECT_EQ(bar("oneYearBar").side, ReturnBar::Side::Positive);
    EXPECT_EQ(bar("oneYearBar").width, 200);
    EXPECT_EQ(bar("threeYearBar").side, ReturnBar::Side::Hidden);
}

TEST_F(InvestmentWindowTest, ColumnClicksSortAndTurnTheOrder) {
    auto window = Open(fund_);
    EXPECT_EQ(Column(*window, 0), (QStringList{"2/1/2023", "3/1/2023", "4/1/2023"}));
    EXPECT_EQ(Column(*window, 2), (QStringList{"$300.00", "$500.00", "$20.00"}));
    ClickHeader(*window, 0);
    EXPECT_EQ(Column(*window, 0), (QStringList{"4/1/2023", "3/1/2023", "2/1/2023"}));
    ClickHeader(*window, 0);
    EXPECT_EQ(Column(*window, 0), (QStringList{"2/1/2023", "3/1/2023", "4/1/2023"}));
    ClickHeader(*window, 0);
    EXPECT_EQ(Column(*window, 0), (QStringList{"4/1/2023", "3/1/2023", "2/1/2023"}));
    ClickHeader(*window, 2);  // a first click on another column sorts ascending
    EXPECT_EQ(Column(*window, 2), (QStringList{"$20.00", "$300.00", "$500.00"}));
    ClickHeader(*window, 3);  // the description does not sort
    EXPECT_EQ(Column(*window, 2), (QStringList{"$20.00", "$300.00", "$500.00"}));
    EXPECT_EQ(Column(*window, 1), (QStringList{"Dividend/Distribution Reinvested",
                                               "Cash Contribution", "Cash Contribution"}));
}

TEST_F(InvestmentWindowTest, SelectionSurvivesARefillAndARemovalClearsIt) {
    TempDir files;
    const std::string lines = files.File("more.csv");
    WriteBytes(lines, "5/1/2023, CC, 70\r\n");
    auto window = Open(fund_);
    QTreeView* list = List(*window);
    list->selectionModel()->select(list->model()->index(0, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->selectionModel()->select(list->model()->index(2, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QPushButton* remove = Button(*window, "transactionsPanel", "removeButton");
    EXPECT_TRUE(remove->isEnabled());

    platform_.file_names = {QString::fromStdString(lines)};
    Button(*window, "transactionsPanel", "importButton")->click();
    ASSERT_EQ(platform_.Texts(),
              (std::vector<QString>{"1 Transaction records were imported successfully."}));
    EXPECT_EQ(list->model()->rowCount(), 4);
    EXPECT_EQ(Label(*window, "timeWeightedPage", "contributionsLabel"), "1,870.00");
    QStringList selected;
    for (const QModelIndex& row : list->selectionModel()->selectedRows()) {
        selected << row.data().toString();
    }
    selected.sort();
    EXPECT_EQ(selected, (QStringList{"2/1/2023", "4/1/2023"}));

    platform_.yes_no_answers = {true};
    remove->click();
    EXPECT_EQ(platform_.messages.back().caption, "Remove Transaction");
    EXPECT_EQ(platform_.messages.back().text,
              "Are you sure you want to remove the selected transaction(s)?");
    EXPECT_EQ(Column(*window, 0), (QStringList{"3/1/2023", "5/1/2023"}));
    EXPECT_TRUE(list->selectionModel()->selectedRows().empty());
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_FALSE(Button(*window, "transactionsPanel", "modifyButton")->isEnabled());
    EXPECT_EQ(Label(*window, "dollarWeightedPage", "contributionsLabel"), "1,570.00");
    Reopen();
    EXPECT_EQ(store().transactions().TransactionsOfHolding(fund_).size(), 3u);
}

TEST_F(InvestmentWindowTest, FilesAreImportedAndExportedWithTheirQuestionsAndMessages) {
    TempDir files;
    const QString existing = QString::fromStdString(files.File("old.csv"));
    WriteBytes(existing.toStdString(), "old");
    QSettings().remove("folders");
    auto window = Open(fund_);
    QPushButton* exportValues = Button(*window, "valuesPanel", "exportButton");

    platform_.file_names = {existing};
    platform_.yes_no_answers = {false};
    exportValues->click();
    EXPECT_EQ(platform_.Texts(),
              (std::vector<QString>{existing + " already exists.\r\nDo you want to replace it?"}));
    EXPECT_EQ(ReadBytes(existing.toStdString()), "old");

    platform_.messages.clear();
    platform_.file_names = {existing};
    platform_.yes_no_answers = {true};
    exportValues->click();
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[1].kind, Kind::Plain);
    EXPECT_NE(ReadBytes(existing.toStdString()), "old");

    // A missing file is refused before the engine runs; a file that cannot be read is an
    // error naming it and the reason.
    platform_.messages.clear();
    const QString missing = QString::fromStdString(files.File("missing.csv"));
    const QString unreadable = QString::fromStdString(files.path());
    platform_.file_names = {missing, unreadable};
    Button(*window, "valuesPanel", "importButton")->click();
    Button(*window, "valuesPanel", "importButton")->click();
    ASSERT_EQ(platform_.messages.size(), 2u);
    EXPECT_EQ(platform_.messages[0].text,
              "A file named: " + missing + " does not exist.\r\nPlease try again.");
    EXPECT_EQ(platform_.messages[1].kind, Kind::Error);
    EXPECT_TRUE(platform_.messages[1].text.contains(unreadable));

    // Each kind of file starts in the data directory, then where it was last chosen.
    const QString data = QString::fromStdString(context_.data_directory.string());
    EXPECT_EQ(platform_.file_dialog_starts,
              (std::vector<QString>{data, unreadable, data, unreadable}));
}

struct OkRefusal {
    const char* refused;  // names the case
    const char* name;
    const char* value;
    const char* inception;
    const char* message;
    const char* field;
};

class InvestmentWindowOkTest : public InvestmentWindowTest,
                               public ::testing::WithParamInterface<OkRefusal> {};

TEST_P(InvestmentWindowOkTest, RefusalsShowTheTransactionsPageAndWriteNothing) {
    const std::string before = ReadBytes(File(kHoldingTableFile));
    auto window = Open(fund_);
    window->showPage(InvestmentPage::HistoricalValues);
    Edit(*window, "nameEdit")->setText(GetParam().name);
    Edit(*window, "initialValueEdit")->setText(GetParam().value);
    Edit(*window, "inceptionDateFieldEdit")->setText(GetParam().inception);
    Button(*window, "okButton")->click();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
    EXPECT_EQ(platform_.messages[0].text, GetParam().message);
    EXPECT_EQ(CurrentPage(*window), 0);
    EXPECT_EQ(window->focusWidget(), Edit(*window, GetParam().field));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ReadBytes(File(kHoldingTableFile)), before);
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, InvestmentWindowOkTest,
    ::testing::Values(
        OkRefusal{"EmptyNameBeforeABadValue", "", "abc", "1/1/2023",
                  "Please enter the name of this holding.", "nameEdit"},
        OkRefusal{"ValueWithAGroupSeparator", "Fund", "1,000", "1/1/2023",
                  "You did not enter a valid number for the \r\n initial value of this "
                  "investment.\r\n Please try agian.",
                  "initialValueEdit"},
        OkRefusal{"ZeroValue", "Fund", "0", "1/1/2023",
                  "The initial value of this investment must be a positive number.\n\r Please "
                  "try agian.",
                  "initialValueEdit"},
        OkRefusal{"ValueTooLargeForTheTable", "Fund", "10000000000000", "1/1/2023",
                  "The initial value of this investment cannot be larger than "
                  "9,999,999,999,999.99.\n\r Please try again.",
                  "initialValueEdit"},
        // The first transaction is on 1 February 2023.
        OkRefusal{"InceptionOnTheFirstTransaction", "Fund", "1000", "2/1/2023",
                  "The inception date must be before the first transaction, dated "
                  "2/1/2023.\r\nPlease try again.",
                  "inceptionDateFieldEdit"}),
    [](const auto& instance) { return std::string(instance.param.refused); });

// A value before the first transaction still bounds the inception from above.
TEST_F(InvestmentWindowTest, InceptionMovedOntoTheFirstValueIsRefused) {
    AddValue(fund_, D(2023, 1, 20), 1010);
    const std::string before = ReadBytes(File(kHoldingTableFile));
    auto window = Open(fund_);
    Edit(*window, "inceptionDateFieldEdit")->setText("1/20/2023");
    Button(*window, "okButton")->click();
    EXPECT_EQ(platform_.Texts(),
              std::vector<QString>({"The inception date must be before the first historical "
                                    "value, dated 1/20/2023.\r\nPlease try again."}));
    EXPECT_EQ(window->focusWidget(), Edit(*window, "inceptionDateFieldEdit"));
    EXPECT_EQ(ReadBytes(File(kHoldingTableFile)), before);
}

TEST_F(InvestmentWindowTest, UnchangedOkWritesNothingAndAnUneditedAmountStaysExact) {
    const std::string before = ReadBytes(File(kHoldingTableFile));
    auto window = Open(fund_);
    Button(*window, "okButton")->click();
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(ReadBytes(File(kHoldingTableFile)), before);

    // An amount of three decimals, as another program may have stored it, is shown rounded
    // to cents; a rename keeps it exactly.
    const Hid odd = AddHolding(growth_, "Odd", D(2023, 1, 1), 12);
    {
        Table table;
        ASSERT_TRUE(table.Open(File(kHoldingTableFile)).ok());
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.Skip().ok());
        ASSERT_TRUE(table.AssignText(table.Field("INCAMT"), "12.345").ok());
        ASSERT_TRUE(table.Close().ok());
    }
    Reopen();
    ASSERT_EQ(store().holdings().FindHolding(odd)->InitialAmount, 12.345);
    window = Open(odd);
    EXPECT_EQ(Edit(*window, "initialValueEdit")->text(), "12.35");
    Edit(*window, "nameEdit")->setText("Renamed");
    Button(*window, "okButton")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    Reopen();
    EXPECT_EQ(store().holdings().FindHolding(odd)->Name, "Renamed");
    EXPECT_EQ(store().holdings().FindHolding(odd)->InitialAmount, 12.345);
}

TEST_F(InvestmentWindowTest, ReportIsOpenedOnlyWhenWrittenAndHelpFollowsThePage) {
    auto window = Open(fund_);
    Button(*window, "reportButton")->click();
    const std::string page = dir_.File("report1_1.html");
    EXPECT_EQ(platform_.opened_in_browser, (std::vector<QString>{QString::fromStdString(page)}));
    EXPECT_TRUE(std::filesystem::exists(page));

    BreakTable(page);
    Button(*window, "reportButton")->click();
    EXPECT_EQ(platform_.opened_in_browser.size(), 1u);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
    EXPECT_TRUE(platform_.messages[0].text.contains(QString::fromStdString(page)));

    for (const InvestmentPage shown : {InvestmentPage::Transactions,
                                       InvestmentPage::HistoricalValues, InvestmentPage::Returns}) {
        window->showPage(shown);
        Button(*window, "helpButton")->click();
    }
    EXPECT_EQ(platform_.help_requests, (std::vector<QString>{"TRANS", "HISTORICAL", "CALCROR"}));
}

TEST_F(InvestmentWindowTest, CalculatePerformanceShowsTheNewFiguresAndRefusedWrites) {
    AddValue(fund_, D(2023, 5, 31), 1900);
    auto window = Open(fund_);
    window->showPage(InvestmentPage::Returns);
    const auto calculate = [&](const char* date, bool detail) {
        OnModal<CalculateInvestmentDialog>([date, detail](CalculateInvestmentDialog& dialog) {
            Edit(dialog, "performanceDateFieldEdit")->setText(date);
            dialog.findChild<QCheckBox*>("showDetailCheckBox")->setChecked(detail);
            Button(dialog, "okButton")->click();
        });
        Button(*window, "dollarWeightedPage", "calculateButton")->click();
    };
    QString auditCaption;
    OnModal<AuditViewer>([&](AuditViewer& viewer) { auditCaption = viewer.windowTitle(); });
    calculate("5/31/2023", true);
    EXPECT_EQ(auditCaption, "Calculation Audit Detail: Fund");
    EXPECT_TRUE(platform_.messages.empty());
    for (const char* page : {"timeWeightedPage", "dollarWeightedPage"}) {
        EXPECT_EQ(Label(*window, page, "performanceDateLabel"), "5/31/2023");
        EXPECT_NE(Label(*window, page, "quarterLabel"), "n/a");
    }
    EXPECT_EQ(Label(*window, "timeWeightedPage", "quarterLabel"),
              QString::fromStdString(
                  FigureText(store().holdings().FindHolding(fund_)->Figures[Figure::Qtr],
                             "#,##0.00", Locale::EnUs())) +
                  " %");

    BreakTable(File(kHoldingTableFile));
    calculate("6/30/2023", false);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_TRUE(
        platform_.messages[0].text.startsWith("The performance figures could not be stored."));
    EXPECT_EQ(Label(*window, "timeWeightedPage", "performanceDateLabel"), "5/31/2023");
}

// Never calculated, the page is as of today (15 June 2024): 2023 from the inception, 2024 to
// today, both partial. A new date recomputes it; the report is saved where the user says.
TEST_F(InvestmentWindowTest, GrowthPageShowsYearsAndChartAndSavesItsReport) {
    AddValue(fund_, D(2023, 12, 31), 2000);
    AddValue(fund_, D(2024, 5, 31), 2100);
    auto window = Open(fund_);
    window->showPage(InvestmentPage::Growth);
    const auto rows = [&] {
        return ModelLines(window->findChild<QTableView*>("yearTable")->model(), " | ");
    };
    EXPECT_EQ(rows(), (QStringList{"2023 | yes | 11.11 | n/a | 2,000.00 | 1,800.00",
                                   "2024 | yes | 5.00 | n/a | 2,100.00 | 0.00"}));

    const QChart* chart = window->findChild<QChartView*>("growthChart")->chart();
    ASSERT_EQ(chart->series().size(), 2);
    auto* values = qobject_cast<QLineSeries*>(chart->series()[0]);
    auto* costs = qobject_cast<QLineSeries*>(chart->series()[1]);
    ASSERT_EQ(values->count(), 19);  // 1 January 2023, 17 month ends, 15 June 2024
    EXPECT_EQ(values->at(18).y(), 2100);
    EXPECT_EQ(costs->at(18).y(), 1820);
    emit values->hovered(values->at(18), true);
    EXPECT_EQ(QToolTip::text(), "6/15/2024: market value 2,100.00, cost basis 1,820.00");
    // Under two years the axis marks quarter starts, where the points are drawn.
    auto* axis = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).front());
    EXPECT_EQ(axis->categoriesLabels().join(", "),
              "Jan 2023, Apr 2023, Jul 2023, Oct 2023, Jan 2024, Apr 2024");
    EXPECT_EQ(axis->endValue("Jan 2023"), values->at(0).x());
    EXPECT_EQ(axis->endValue("Apr 2024"), QDate(2024, 4, 1).startOfDay().toMSecsSinceEpoch());

    Edit(*window, "growthDateFieldEdit")->setText("12/31/2023");
    EXPECT_EQ(rows(), (QStringList{"2023 | yes | 11.11 | n/a | 2,000.00 | 1,800.00"}));
    const std::string page = dir_.File("fund-growth.html");
    platform_.file_names.push_back(QString::fromStdString(page));
    Button(*window, "saveReportButton")->click();
    EXPECT_EQ(platform_.file_dialogs, (std::vector<QString>{"Save as Report"}));
    EXPECT_EQ(platform_.opened_in_browser, (std::vector<QString>{QString::fromStdString(page)}));
    EXPECT_NE(ReadBytes(page).find("as of 12/31/2023"), std::string::npos);

    Edit(*window, "growthDateFieldEdit")->setText("12/31/2022");  // before the inception
    EXPECT_TRUE(axis->categoriesLabels().isEmpty());
    EXPECT_FALSE(axis->isVisible());
}

// Enter closes the window as Cancel while nothing changed, saves a typed rename, and in the
// Growth page's date field refreshes the page or says the date is not one.
TEST_F(InvestmentWindowTest, EnterSavesAnEditAndRefreshesTheGrowthPage) {
    auto window = Open(fund_);
    QTest::keyClick(Edit(*window, "nameEdit"), Qt::Key_Return);
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->isVisible());

    window = Open(fund_);
    QLineEdit* name = Edit(*window, "nameEdit");
    name->setFocus();
    QTest::keyClicks(name, " II");
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(store().holdings().FindHolding(fund_)->Name, "Fund II");

    window = Open(fund_);
    window->showPage(InvestmentPage::Growth);
    QLineEdit* date = Edit(*window, "growthDateFieldEdit");
    date->setFocus();
    date->selectAll();
    QTest::keyClicks(date, "2/30/2025");
    QTest::keyClick(date, Qt::Key_Return);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].text, "Please enter a valid date.");
    date->selectAll();
    QTest::keyClicks(date, "12/31/2023");
    QTest::keyClick(date, Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->findChild<QTableView*>("yearTable")->model()->rowCount(), 1);
    EXPECT_EQ(platform_.messages.size(), 1u);
}

}  // namespace
}  // namespace brevanta::testing
