#include "ui/detail/transaction_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

#include "core/date_format.h"
#include "engine/calculation_run.h"
#include "reports/investment_returns.h"
#include "store/file_size_limit.h"
#include "store/open_store.h"
#include "store/temp_dir.h"
#include "ui/calc/calculate_investment_dialog.h"
#include "ui/detail/investment_window.h"
#include "ui/detail/new_investment_dialog.h"
#include "ui/detail/portfolio_dialog.h"
#include "ui/detail/value_dialog.h"
#include "ui/gui_fixture.h"
#include "ui/platform/grid_line_delegate.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

const QString kInceptionMessage =
    "Transaction dates can not occur before an investments \n\r inception date. \n\r Please "
    "change the date and try again.";
const QString kNumberMessage =
    "Please enter a number for the amount of the transaction. \n\r Do not enter '$' or ',' "
    "symbols.";
const QString kPositiveMessage = "Transactions must be a positive number.\n\r Please try again.";
const QString kPeriodsMessage = "Please enter a number between\n\r 1 and 100 for the # of periods.";
const QString kMissingMessage = "The transaction could not be found. It may have been removed.";

template <typename T = QLineEdit>
T* Find(QWidget& parent, const char* name) {
    return parent.findChild<T*>(name);
}

void Click(QWidget& parent, const char* button) { Find<QPushButton>(parent, button)->click(); }

// Types the date key by key, as a user does, and the other fields at once.
void Enter(QWidget& dialog, const QString& date, const QString& amount,
           const QString& description = {}) {
    QLineEdit* dateEdit = Find(dialog, "dateFieldEdit");
    dateEdit->clear();
    QTest::keyClicks(dateEdit, date);
    Find(dialog, "amountEdit")->setText(amount);
    Find(dialog, "descriptionEdit")->setText(description);
}

// Ticks the repeat box, or clears it when periods is null.
void Repeat(QWidget& dialog, const char* periodButton, const QString& periods) {
    Find<QCheckBox>(dialog, "repeatCheckBox")->setChecked(!periods.isNull());
    if (periods.isNull()) return;
    Find<QRadioButton>(dialog, periodButton)->click();
    Find(dialog, "periodsEdit")->setText(periods);
}

// Growth holds Fund, started on 31 December 1999 with 1,000.
class TransactionDialogTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        growth_ = AddPortfolio("Growth");
        fund_ = AddHolding(growth_, "Fund", D(1999, 12, 31), 1000);
    }

    HoldingRecord Fund() { return *store().holdings().FindHolding(fund_); }

    int RunAdd(std::function<void(TransactionDialog&)> action) {
        TransactionDialog dialog(context_, store(), fund_, std::nullopt);
        return Drive(dialog, action);
    }
    int RunModify(Tid id, std::function<void(TransactionDialog&)> action) {
        TransactionDialog dialog(context_, store(), fund_, id);
        return Drive(dialog, action);
    }

    // The fund's transactions as the next start of the program reads them, by date.
    std::vector<TransactionRecord> Stored() {
        Reopen();
        std::vector<TransactionRecord> stored = store().transactions().TransactionsOfHolding(fund_);
        stored.erase(stored.begin());
        return stored;
    }
    Tid AddOne(Date date, const char* type, double amount, const std::string& description) {
        AddTransaction(fund_, date, type, amount, description);
        return store().transactions().TransactionsOfHolding(fund_).back().Id;
    }

    Pid growth_{};
    Hid fund_{};
};

TEST_F(TransactionDialogTest, TabFollowsTheFieldsThenApplyOkCancel) {
    RunAdd([](TransactionDialog& shown) {
        Find<QCheckBox>(shown, "repeatCheckBox")->click();
        EXPECT_EQ(TabStops(shown, Find(shown, "dateFieldEdit")),
                  QStringList({"dateFieldEdit", "typeCombo", "amountEdit", "descriptionEdit",
                               "repeatCheckBox", "yearButton", "periodsEdit", "applyButton",
                               "okButton", "cancelButton"}));
    });
}

TEST_F(TransactionDialogTest, SeriesDatesCountFromTheChosenDate) {
    struct Case {
        const char* button;
        QString date, periods;
        std::vector<Date> expected;
    };
    const Case cases[] = {
        {"monthButton",
         "1/31/2001",
         "4",
         {D(2001, 1, 31), D(2001, 2, 28), D(2001, 3, 31), D(2001, 4, 30)}},
        {"yearButton", "2/29/2000", "3", {D(2000, 2, 29), D(2001, 2, 28), D(2002, 2, 28)}},
        {"quarterButton", "11/15/2001", "3", {D(2001, 11, 15), D(2002, 2, 15), D(2002, 5, 15)}},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(RunAdd([&c](TransactionDialog& shown) {
                      Enter(shown, c.date, "100", c.button);
                      Repeat(shown, c.button, c.periods);
                      Click(shown, "okButton");
                  }),
                  QDialog::Accepted)
            << c.button;
    }
    EXPECT_TRUE(platform_.messages.empty());
    for (const Case& c : cases) {
        std::vector<Date> dates;
        for (const TransactionRecord& t : Stored()) {
            if (t.Description != c.button) continue;
            EXPECT_EQ(t.Type, "CC");
            EXPECT_EQ(t.Amount, 100);
            dates.push_back(t.Date);
        }
        EXPECT_EQ(dates, c.expected) << c.button;
    }
}

TEST_F(TransactionDialogTest, AHundredPeriodsFromTheDayAfterInceptionAreAdded) {
    ASSERT_EQ(RunAdd([](TransactionDialog& shown) {
                  Enter(shown, "1/1/2000", "25");
                  Repeat(shown, "monthButton", "100");
                  Click(shown, "okButton");
              }),
              QDialog::Accepted);
    const std::vector<TransactionRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 100u);
    EXPECT_EQ(stored.front().Date, D(2000, 1, 1));
    EXPECT_EQ(stored.back().Date, D(2008, 4, 1));
}

TEST_F(TransactionDialogTest, RefusalsShowTheirMessageInOrderAndWriteNothing) {
    struct Case {
        QString date, amount, periods;  // null periods: not repeated
        QString message;
        const char* focus;
    };
    const QString tooLarge =
        "The number can not be larger than 9,999,999,999,999.99.\n\r Please try again.";
    const Case cases[] = {
        {"12/31/1999", "0", "0", kInceptionMessage, "dateFieldEdit"},
        {"6/1/1999", "100", {}, kInceptionMessage, "dateFieldEdit"},
        {"2/30/2001", "100", {}, "Please enter a valid date.", "dateFieldEdit"},
        {"1/1/2000", "1,000", "0", kNumberMessage, "amountEdit"},
        {"1/1/2000", "$100", {}, kNumberMessage, "amountEdit"},
        {"1/1/2000", "", {}, kNumberMessage, "amountEdit"},
        {"1/1/2000", "0", "0", kPositiveMessage, "amountEdit"},
        {"1/1/2000", "-5", {}, kPositiveMessage, "amountEdit"},
        {"1/1/2000", "10000000000000", {}, tooLarge, "amountEdit"},
        {"1/1/2000", "100", "0", kPeriodsMessage, "periodsEdit"},
        {"1/1/2000", "100", "101", kPeriodsMessage, "periodsEdit"},
        {"1/1/2000", "100", "x", kPeriodsMessage, "periodsEdit"},
    };
    const std::string before = ReadBytes(File(kTransactionTableFile));
    RunAdd([&](TransactionDialog& shown) {
        for (const Case& c : cases) {
            const std::string label = (c.date + " " + c.amount + " " + c.periods).toStdString();
            platform_.messages.clear();
            Enter(shown, c.date, c.amount);
            Repeat(shown, "monthButton", c.periods);
            Click(shown, "okButton");
            ASSERT_EQ(platform_.messages.size(), 1u) << label;
            EXPECT_EQ(platform_.messages[0].kind, Kind::Error) << label;
            EXPECT_EQ(platform_.messages[0].text, c.message) << label;
            EXPECT_EQ(shown.focusWidget()->objectName(), c.focus) << label;
            EXPECT_TRUE(shown.isVisible()) << label;
        }
        EXPECT_TRUE(Find<QPushButton>(shown, "applyButton")->isEnabled());
    });
    EXPECT_EQ(ReadBytes(File(kTransactionTableFile)), before);
}

TEST_F(TransactionDialogTest, ApplyKeepsDateAndTypeAndOkAfterItReturnsOk) {
    int saves = 0;
    const int result = RunAdd([&](TransactionDialog& shown) {
        QObject::connect(&shown, &EntryDialog::saved, [&saves] { ++saves; });
        QPushButton* apply = Find<QPushButton>(shown, "applyButton");
        QComboBox* type = Find<QComboBox>(shown, "typeCombo");
        EXPECT_EQ(shown.windowTitle(), "Add Transaction");
        EXPECT_EQ(Find<QLabel>(shown, "promptLabel")->text(),
                  "Enter the new transaction information below.");
        EXPECT_EQ(Find<QLabel>(shown, "portfolioLabel")->text(), "Growth");
        EXPECT_EQ(Find<QLabel>(shown, "holdingLabel")->text(), "Fund");
        EXPECT_EQ(Find(shown, "dateFieldEdit")->text(), "6/15/2024");
        EXPECT_EQ(type->currentText(), "Cash Contribution");
        EXPECT_EQ(type->count(), 3);
        EXPECT_TRUE(apply->isDefault());
        EXPECT_FALSE(apply->isEnabled());
        EXPECT_FALSE(Find(shown, "periodsEdit")->isEnabled());

        Enter(shown, "3/1/2023", "250", "First");
        type->setCurrentText("Dividend/Distribution Reinvested");
        Repeat(shown, "monthButton", "2");
        EXPECT_TRUE(Find(shown, "periodsEdit")->isEnabled());
        apply->click();
        EXPECT_EQ(Find(shown, "dateFieldEdit")->text(), "3/1/2023");
        EXPECT_EQ(type->currentText(), "Dividend/Distribution Reinvested");
        EXPECT_TRUE(Find(shown, "amountEdit")->text().isEmpty());
        EXPECT_TRUE(Find(shown, "descriptionEdit")->text().isEmpty());
        EXPECT_FALSE(Find<QCheckBox>(shown, "repeatCheckBox")->isChecked());
        EXPECT_FALSE(Find<QRadioButton>(shown, "monthButton")->isEnabled());
        EXPECT_FALSE(apply->isEnabled());

        Find(shown, "amountEdit")->setText("50");
        EXPECT_TRUE(apply->isEnabled());
        apply->click();
        Click(shown, "okButton");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(saves, 2);
    const std::vector<TransactionRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_EQ(stored[0].Date, D(2023, 3, 1));
    EXPECT_EQ(stored[1].Date, D(2023, 3, 1));
    EXPECT_EQ(stored[2].Date, D(2023, 4, 1));
    for (const TransactionRecord& t : stored) EXPECT_EQ(t.Type, "DI");
    EXPECT_EQ(stored[0].Amount + stored[1].Amount, 300);

    EXPECT_EQ(RunAdd([](TransactionDialog& shown) { Click(shown, "okButton"); }),
              QDialog::Rejected);
    EXPECT_EQ(Stored().size(), 3u);
}

TEST_F(TransactionDialogTest, ModifyShowsTheTransactionAndApplyThenOkReturnsCancel) {
    const Tid id = AddOne(D(2001, 3, 1), "WI", 0.5, "Fee");
    const int result = RunModify(id, [](TransactionDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), "Modify Transaction");
        EXPECT_EQ(Find<QLabel>(shown, "promptLabel")->text(),
                  "Modify transaction information below.");
        EXPECT_EQ(Find(shown, "dateFieldEdit")->text(), "3/1/2001");
        EXPECT_EQ(Find<QComboBox>(shown, "typeCombo")->currentText(), "Withdrawal");
        EXPECT_EQ(Find(shown, "amountEdit")->text(), ".5");
        EXPECT_EQ(Find(shown, "descriptionEdit")->text(), "Fee");
        EXPECT_FALSE(Find<QCheckBox>(shown, "repeatCheckBox")->isEnabled());
        EXPECT_FALSE(Find<QLabel>(shown, "periodTypeLabel")->isEnabled());
        EXPECT_FALSE(Find<QPushButton>(shown, "applyButton")->isEnabled());
        Find(shown, "amountEdit")->setText("75");
        Click(shown, "applyButton");
        // Modifying keeps the fields as they are.
        EXPECT_EQ(Find(shown, "amountEdit")->text(), "75");
        Click(shown, "okButton");
    });
    EXPECT_EQ(result, QDialog::Rejected);
    const std::vector<TransactionRecord> stored = Stored();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(stored[0].Id, id);
    EXPECT_EQ(stored[0].Type, "WI");
    EXPECT_EQ(stored[0].Amount, 75);
    EXPECT_EQ(stored[0].Description, "Fee");
}

TEST_F(TransactionDialogTest, RemovedTransactionIsReportedAndNeverChanged) {
    const Tid gone = AddOne(D(2001, 3, 1), "CC", 10, "");
    const Tid kept = AddOne(D(2001, 4, 1), "CC", 20, "");
    ASSERT_TRUE(store().transactions().DeleteTransactions({gone}).ok());
    EXPECT_EQ(ModifyTransaction(context_, store(), fund_, gone, nullptr), QDialog::Rejected);
    EXPECT_EQ(platform_.Texts(), std::vector<QString>{kMissingMessage});

    // Removed while the dialog is open: the save finds no row to change.
    platform_.messages.clear();
    RunModify(kept, [this, kept](TransactionDialog& shown) {
        ASSERT_TRUE(store().transactions().DeleteTransactions({kept}).ok());
        Find(shown, "amountEdit")->setText("30");
        Click(shown, "okButton");
        EXPECT_EQ(platform_.Texts(), std::vector<QString>{kMissingMessage});
        EXPECT_TRUE(shown.isVisible());
    });
    EXPECT_TRUE(Stored().empty());
}

TEST_F(TransactionDialogTest, RefusedWritesAreShownAndTheDialogStaysOpen) {
    const Tid id = AddOne(D(2001, 3, 1), "CC", 10, "");
    BreakTable(File(kTransactionTableFile));
    const auto expectRefused = [this](TransactionDialog& shown) {
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
        EXPECT_TRUE(
            platform_.messages[0].text.startsWith("The transaction could not be saved.\n\n"));
        EXPECT_TRUE(platform_.messages[0].text.contains(kTransactionTableFile));
        EXPECT_TRUE(shown.isVisible());
        EXPECT_TRUE(Find<QPushButton>(shown, "applyButton")->isEnabled());
        platform_.messages.clear();
    };
    int saves = 0;
    const auto attempt = [&](TransactionDialog& shown, const char* button) {
        QObject::connect(&shown, &EntryDialog::saved, [&saves] { ++saves; });
        Enter(shown, "5/1/2001", "40");
        Click(shown, button);
        expectRefused(shown);
    };
    RunAdd([&](TransactionDialog& shown) { attempt(shown, "okButton"); });
    RunModify(id, [&](TransactionDialog& shown) { attempt(shown, "applyButton"); });
    EXPECT_EQ(saves, 0);
}

// A series stored in part would look like a whole one in the list; it is stored whole or not
// at all.
TEST_F(TransactionDialogTest, SeriesThatCannotBeStoredWholeLeavesNoneOfItsTransactions) {
    RunAdd([&](TransactionDialog& shown) {
        Enter(shown, "3/1/2001", "100");
        Repeat(shown, "monthButton", "5");
        {
            FileSizeLimit limit(FileSizeLimit::RowsMore(File(kTransactionTableFile), 2));
            Click(shown, "okButton");
        }
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
        EXPECT_TRUE(platform_.messages[0].text.startsWith(
            "None of the 5 transactions could be saved.\n\n"));
        EXPECT_TRUE(shown.isVisible());
    });
    EXPECT_EQ(Stored().size(), 0u);
}

// The detail window opens the dialog from its list and shows every save at once.
class TransactionEntryWindowTest : public TransactionDialogTest {
  protected:
    std::unique_ptr<InvestmentWindow> Open() {
        auto window = std::make_unique<InvestmentWindow>(context_, observed(), fund_);
        window->show();
        return window;
    }
    static QWidget& Panel(QWidget& window) {
        return *window.findChild<QWidget*>("transactionsPanel");
    }
    static QString Contributions(QWidget& window) {
        return window.findChild<QWidget*>("timeWeightedPage")
            ->findChild<QLabel*>("contributionsLabel")
            ->text();
    }
};

TEST_F(TransactionEntryWindowTest, ApplyThenCancelShowsTheNewTransactionAndItsTotals) {
    auto window = Open();
    QTreeView* list = Find<QTreeView>(*window, "transactionList");
    OnModal<TransactionDialog>([](TransactionDialog& shown) {
        Enter(shown, "3/1/2001", "500");
        Click(shown, "applyButton");
        Click(shown, "cancelButton");
    });
    Click(Panel(*window), "addButton");
    ASSERT_EQ(list->model()->rowCount(), 1);
    EXPECT_EQ(list->model()->index(0, 2).data().toString(), "$500.00");
    EXPECT_EQ(Contributions(*window), "1,500.00");
}

TEST_F(TransactionEntryWindowTest, ModifyChangesTheFirstSelectedRowInTheOrderShown) {
    const Tid first = AddOne(D(2001, 3, 1), "CC", 10, "");
    AddOne(D(2001, 4, 1), "CC", 20, "");
    AddOne(D(2001, 5, 1), "CC", 30, "");
    auto window = Open();
    QTreeView* list = Find<QTreeView>(*window, "transactionList");
    QPushButton* modify = Find<QPushButton>(Panel(*window), "modifyButton");
    EXPECT_FALSE(modify->isEnabled());
    for (int row : {2, 0}) {
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    EXPECT_TRUE(modify->isEnabled());

    OnModal<TransactionDialog>([](TransactionDialog& shown) {
        EXPECT_EQ(Find(shown, "dateFieldEdit")->text(), "3/1/2001");
        Find(shown, "amountEdit")->setText("15");
        Click(shown, "okButton");
    });
    emit list->doubleClicked(list->model()->index(2, 0));
    EXPECT_EQ(list->model()->index(0, 2).data().toString(), "$15.00");
    EXPECT_EQ(Contributions(*window), "1,065.00");
    EXPECT_EQ(list->selectionModel()->selectedRows().size(), 2);

    // Once the order turns, the first selected row shown is the latest one.
    emit list->header()->sectionClicked(0);
    QString shownDate;
    OnModal<TransactionDialog>(
        [&](TransactionDialog& shown) { shownDate = Find(shown, "dateFieldEdit")->text(); });
    modify->click();
    EXPECT_EQ(shownDate, "5/1/2001");
    emit list->header()->sectionClicked(0);
    EXPECT_TRUE(qobject_cast<GridLineDelegate*>(list->itemDelegate()));

    // The list follows the store: a removed row is no longer the first selected one.
    ASSERT_TRUE(store().transactions().DeleteTransactions({first}).ok());
    shownDate.clear();
    OnModal<TransactionDialog>(
        [&](TransactionDialog& shown) { shownDate = Find(shown, "dateFieldEdit")->text(); });
    modify->click();
    EXPECT_EQ(shownDate, "5/1/2001");
    EXPECT_TRUE(platform_.messages.empty());
}

// Everything a user does to learn how an investment did, through the forms: the returns page
// shows what the engine computes for the same history entered directly.
TEST_F(TransactionEntryWindowTest, EnteredHistoryIsCalculatedAndShown) {
    const Date inception = D(2022, 12, 15);
    const std::vector<std::pair<Date, double>> contributions = {
        {D(2023, 3, 1), 2000}, {D(2023, 6, 1), 1500}, {D(2023, 9, 1), 500}};
    const double values[12] = {10150, 10310, 12400, 12630, 12500, 14200,
                               14510, 14380, 15020, 15400, 15650, 16100};

    PortfolioDialog portfolioDialog(context_, store(), std::nullopt);
    ASSERT_EQ(Drive<PortfolioDialog>(portfolioDialog,
                                     [](PortfolioDialog& shown) {
                                         Find(shown, "nameEdit")->setText("Retirement");
                                         Click(shown, "okButton");
                                     }),
              QDialog::Accepted);
    const Pid portfolio = portfolioDialog.portfolioId();
    NewInvestmentDialog investmentDialog(context_, store(), portfolio);
    ASSERT_EQ(
        Drive<NewInvestmentDialog>(investmentDialog,
                                   [](NewInvestmentDialog& shown) {
                                       Find(shown, "nameEdit")->setText("Index Fund");
                                       Find(shown, "inceptionDateFieldEdit")->setText("12/15/2022");
                                       Find(shown, "initialValueEdit")->setText("10000");
                                       Click(shown, "okButton");
                                   }),
        QDialog::Accepted);
    const Hid holding = investmentDialog.holdingId();

    InvestmentWindow window(context_, observed(), holding);
    window.show();
    OnModal<TransactionDialog>([&](TransactionDialog& shown) {
        for (const auto& [date, amount] : contributions) {
            Enter(shown, QString::fromStdString(FormatShortDate(date)), QString::number(amount));
            Click(shown, "applyButton");
        }
        Click(shown, "okButton");
    });
    Click(*window.findChild<QWidget*>("transactionsPanel"), "addButton");
    OnModal<ValueDialog>([&](ValueDialog& shown) {
        for (int month = 1; month <= 12; ++month) {
            const Date monthEnd = D(2023, month, DaysInMonth(2023, month));
            QLineEdit* date = Find(shown, "dateFieldEdit");
            date->clear();
            QTest::keyClicks(date, QString::fromStdString(FormatShortDate(monthEnd)));
            Find(shown, "valueEdit")->setText(QString::number(values[month - 1]));
            Click(shown, "applyButton");
        }
        Click(shown, "okButton");
    });
    Click(*window.findChild<QWidget*>("valuesPanel"), "addButton");
    ASSERT_TRUE(platform_.messages.empty()) << platform_.messages[0].text.toStdString();
    EXPECT_EQ(Find<QTreeView>(window, "transactionList")->model()->rowCount(), 3);
    EXPECT_EQ(Find<QTreeView>(window, "valueList")->model()->rowCount(), 12);

    window.showPage(InvestmentPage::Returns);
    OnModal<CalculateInvestmentDialog>([](CalculateInvestmentDialog& shown) {
        Find(shown, "performanceDateFieldEdit")->setText("12/31/2023");
        Click(shown, "okButton");
    });
    Click(*window.findChild<QWidget*>("timeWeightedPage"), "calculateButton");

    // The same history entered through the store alone, in a directory of its own.
    TempDir other;
    CreateEmptyTables(other);
    const std::unique_ptr<DataStore> opened_direct = OpenStore(other.path());
    ASSERT_TRUE(opened_direct);
    DataStore& direct = *opened_direct;
    HoldingRecord record;
    record.PortfolioId = direct.portfolios().InsertPortfolio("Retirement", " ").value();
    record.Name = "Index Fund";
    record.InceptionDate = inception;
    record.InitialAmount = 10000;
    record.Id = direct.holdings().InsertHolding(record).value();
    std::vector<TransactionRecord> flows;
    for (const auto& [date, amount] : contributions) {
        flows.push_back({Tid{}, record.Id, record.PortfolioId, date, "CC", amount, ""});
    }
    ASSERT_TRUE(direct.transactions().InsertTransactions(flows).ok());
    for (int month = 1; month <= 12; ++month) {
        ASSERT_TRUE(direct.values()
                        .InsertValue({Vid{}, record.Id, record.PortfolioId,
                                      D(2023, month, DaysInMonth(2023, month)), values[month - 1]})
                        .ok());
    }
    CalculationRun run(direct, clock_, other.path());
    ASSERT_TRUE(run.CalculateInvestment(record.Id, D(2023, 12, 31)).calculated());
    const FigureValues figures = direct.holdings().FindHolding(record.Id)->Figures;

    const char* rowLabels[kReturnRowCount] = {"quarterLabel",  "oneYearLabel", "threeYearLabel",
                                              "fiveYearLabel", "tenYearLabel", "inceptionLabel"};
    for (const auto& [kind, page] : {std::pair{ReturnKind::TimeWeighted, "timeWeightedPage"},
                                     {ReturnKind::DollarWeighted, "dollarWeightedPage"}}) {
        const auto rows = ReturnRows(figures, kind, Locale::EnUs());
        QWidget* shown = window.findChild<QWidget*>(page);
        EXPECT_EQ(Find<QLabel>(*shown, "performanceDateLabel")->text(), "12/31/2023");
        for (int row = 0; row < kReturnRowCount; ++row) {
            EXPECT_EQ(Find<QLabel>(*shown, rowLabels[row])->text().toStdString(),
                      rows[row].percentage)
                << page << " " << rowLabels[row];
        }
        EXPECT_NE(rows[1].percentage, "n/a") << page;
    }
}

}  // namespace
}  // namespace brevanta::testing
