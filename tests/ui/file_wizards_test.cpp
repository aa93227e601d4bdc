#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <type_traits>

#include "exchange/import_export_engine.h"
#include "exchange/import_fixtures.h"
#include "exchange/run_cli.h"
#include "ui/gui_fixture.h"
#include "ui/wizards/export_wizard.h"
#include "ui/wizards/import_wizard.h"

namespace brevanta::testing {
namespace {

using Kind = Platform::MessageKind;

// Bonds has a transaction and a value.
class FileWizardTest : public GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        AddGrowthAndIncome();
        AddTransaction(bonds_, D(2022, 2, 28), "CC", 100);
        AddValue(bonds_, D(2024, 5, 31), 1234.5);
    }

    // Runs the wizard with act. Where act left it open, its caption is kept in stoppedAt_
    // (empty when it closed) before it is cancelled.
    template <typename Wizard>
    int Run(std::function<void(Wizard&)> act) {
        OnModal<Wizard>([this, act](Wizard& shown) {
            act(shown);
            stoppedAt_ = shown.isVisible() ? shown.windowTitle() : QString();
        });
        if constexpr (std::is_same_v<Wizard, ImportWizard>) {
            return RunImport(context_, store(), nullptr);
        } else {
            return RunExport(context_, store(), nullptr);
        }
    }

    static void Click(QDialog& wizard, const char* name) {
        wizard.findChild<QAbstractButton*>(name)->click();
    }
    static QListWidget* List(QDialog& wizard, const char* name) {
        return wizard.findChild<QListWidget*>(name);
    }
    static void SetFile(QDialog& wizard, const std::string& path) {
        wizard.findChild<QLineEdit*>("fileEdit")->setText(QString::fromStdString(path));
    }

    static QComboBox* Combo(QDialog& wizard, const char* name) {
        return wizard.findChild<QComboBox*>(name);
    }
    // Chooses the investment on page 2 and the file on page 3, and moves on to page 4.
    static void MapFile(QDialog& wizard, int investment, const std::string& file) {
        Click(wizard, "nextButton");
        List(wizard, "investmentList")->setCurrentRow(investment);
        Click(wizard, "nextButton");
        SetFile(wizard, file);
        EXPECT_EQ(wizard.windowTitle(), "Import Wizard - 3 of 4");
        Click(wizard, "nextButton");
        EXPECT_EQ(wizard.windowTitle(), "Import Wizard - 4 of 4");
    }
    // The preview's lines, their cells joined by "|".
    static QStringList PreviewLines(QDialog& wizard) {
        return ModelLines(wizard.findChild<QTableView*>("previewTable")->model(), "|");
    }
    std::vector<std::string> Transactions(Hid holding) {
        return ImportedTransactions(store(), holding);
    }

    QString stoppedAt_;
};

TEST_F(FileWizardTest, ExportWritesWhatTheEngineWrites) {
    struct Case {
        const char* kind;
        std::function<Status(ImportExportEngine&, const std::string&)> expected;
    };
    const Case cases[] = {
        {"performanceButton",
         [&](ImportExportEngine& e, const std::string& f) {
             return e.ExportPerformance(growth_, f);
         }},
        {"transactionsButton",
         [&](ImportExportEngine& e, const std::string& f) {
             return e.ExportTransactions(growth_, bonds_, f);
         }},
        {"valuesButton",
         [&](ImportExportEngine& e, const std::string& f) {
             return e.ExportHistoricalValues(growth_, bonds_, f);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::string path = File("export.csv");
        std::filesystem::remove(path);
        platform_.messages.clear();
        platform_.file_names = {QString::fromStdString(path)};
        const int result = Run<ExportWizard>([&](ExportWizard& wizard) {
            EXPECT_EQ(wizard.windowTitle(), "Export Wizard - 1 of 3");
            EXPECT_FALSE(wizard.findChild<QPushButton*>("backButton")->isEnabled());
            Click(wizard, c.kind);
            Click(wizard, "nextButton");
            EXPECT_EQ(wizard.windowTitle(), "Export Wizard - 2 of 3");
            EXPECT_TRUE(wizard.findChild<QPushButton*>("backButton")->isEnabled());
            Click(wizard, "nextButton");
            EXPECT_EQ(wizard.windowTitle(), "Export Wizard - 3 of 3");
            EXPECT_EQ(wizard.findChild<QPushButton*>("nextButton")->text(), "Finished");
            Click(wizard, "browseButton");
            Click(wizard, "nextButton");
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(platform_.file_dialogs.back(), "Export File");
        // The engine's own export to the same file writes the same bytes and message.
        const std::string written = ReadBytes(path);
        ImportExportEngine engine(store());
        ASSERT_TRUE(c.expected(engine, path).ok());
        EXPECT_EQ(written, ReadBytes(path));
        EXPECT_NE(written.find("Bonds"), std::string::npos);
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Plain);
        EXPECT_EQ(platform_.messages[0].text.toStdString(), engine.ResultMessage().English());
    }
}

TEST_F(FileWizardTest, ImportAddsTheFileToTheChosenInvestment) {
    struct Case {
        const char* kind;
        const char* text;
        const char* message;
        std::function<size_t()> records;  // of Stocks, its opening entry included
    };
    const Case cases[] = {
        {"transactionsButton",
         "Date, Type, Amount\r\n1/15/2024, CC, 100.50\r\n2/1/2024, WI, 20\r\n",
         "2 Transaction records were imported successfully.\r\n1 line was skipped: line 1",
         [&] { return store().transactions().TransactionsOfHolding(stocks_).size(); }},
        {"valuesButton", "3/31/2024, 1500.25\r\nnot a value\r\n",
         "1 Historical Value records were imported successfully.\r\n1 line was skipped: line 2",
         [&] { return store().values().ValuesOfHolding(stocks_).size(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const std::string path = File("import.csv");
        WriteBytes(path, c.text);
        platform_.messages.clear();
        const int result = Run<ImportWizard>([&](ImportWizard& wizard) {
            EXPECT_EQ(wizard.windowTitle(), "Import Wizard - 1 of 3");
            Click(wizard, c.kind);
            Click(wizard, "nextButton");
            EXPECT_EQ(ListLines(List(wizard, "investmentList")), QStringList({"Bonds", "Stocks"}));
            List(wizard, "investmentList")->setCurrentRow(1);
            Click(wizard, "nextButton");
            Click(wizard, "backButton");
            EXPECT_EQ(wizard.windowTitle(), "Import Wizard - 2 of 3");
            EXPECT_EQ(wizard.findChild<QPushButton*>("nextButton")->text(), "&Next >");
            Click(wizard, "nextButton");
            SetFile(wizard, path);
            Click(wizard, "nextButton");
        });
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_EQ(platform_.Texts(), std::vector<QString>({c.message}));
        EXPECT_EQ(c.records(), 1u + (c.kind == std::string("valuesButton") ? 1u : 2u));
    }
}

TEST_F(FileWizardTest, ImportRefusesWhatIsMissingOnThePageToMendIt) {
    Run<ImportWizard>([&](ImportWizard& wizard) {
        Click(wizard, "nextButton");
        List(wizard, "portfolioList")->setCurrentRow(1);  // Income: nothing to import into
        EXPECT_EQ(List(wizard, "investmentList")->count(), 0);
        Click(wizard, "nextButton");
        Click(wizard, "nextButton");
        EXPECT_EQ(wizard.windowTitle(), "Import Wizard - 2 of 3");
        List(wizard, "portfolioList")->setCurrentRow(0);
        Click(wizard, "nextButton");
        EXPECT_EQ(wizard.windowTitle(), "Import Wizard - 3 of 3");
        Click(wizard, "browseButton");  // cancelled
        Click(wizard, "nextButton");
        SetFile(wizard, File("missing.csv"));
        Click(wizard, "nextButton");
        SetFile(wizard, dir_.path());  // a directory is no file to import
        Click(wizard, "nextButton");
        Click(wizard, "helpButton");
    });
    EXPECT_EQ(stoppedAt_, "Import Wizard - 3 of 3");
    const QString missing = "The file name you entered does not exist.\r\nPlease try again.";
    EXPECT_EQ(platform_.Texts(),
              std::vector<QString>({"You must select a Portfolio and Investment\r\nto import.",
                                    "You must enter a file name\r\nto import.", missing, missing}));
    EXPECT_EQ(platform_.file_dialogs, std::vector<QString>({"Import Files"}));
    EXPECT_EQ(platform_.help_requests, std::vector<QString>({"IMPORT"}));
    EXPECT_EQ(store().transactions().TransactionsOfHolding(bonds_).size(), 2u);
}

TEST_F(FileWizardTest, ExportRefusesWhatIsMissingAndKeepsAFileTheUserKeeps) {
    const std::string kept = File("kept.csv");
    WriteBytes(kept, "mine");
    Run<ExportWizard>([&](ExportWizard& wizard) {
        Click(wizard, "transactionsButton");
        Click(wizard, "nextButton");
        List(wizard, "portfolioList")->setCurrentRow(1);
        Click(wizard, "nextButton");
        Click(wizard, "nextButton");
        EXPECT_EQ(wizard.windowTitle(), "Export Wizard - 2 of 3");
        List(wizard, "portfolioList")->setCurrentRow(0);
        Click(wizard, "nextButton");
        Click(wizard, "nextButton");
        SetFile(wizard, kept);
        Click(wizard, "nextButton");  // replace? No
        Click(wizard, "helpButton");
    });
    EXPECT_EQ(stoppedAt_, "Export Wizard - 3 of 3");
    EXPECT_EQ(ReadBytes(kept), "mine");
    EXPECT_EQ(
        platform_.Texts(),
        std::vector<QString>(
            {"You must select an Investment to Export.", "You must enter a file name\r\nto Export.",
             QString::fromStdString(kept) + " already exists.\r\nDo you want to replace it?"}));
    EXPECT_EQ(platform_.messages[2].kind, Kind::Question);
    EXPECT_EQ(platform_.help_requests, std::vector<QString>({"EXPORT"}));
}

TEST_F(FileWizardTest, ExportPageTwoFollowsTheKindOfData) {
    Run<ExportWizard>([&](ExportWizard& wizard) {
        auto* prompt = wizard.findChild<QLabel*>("holdingPrompt");
        QListWidget* investments = List(wizard, "investmentList");
        Click(wizard, "nextButton");
        EXPECT_EQ(prompt->text(),
                  "Select the portfolio that you would like to Export performance numbers from.");
        EXPECT_FALSE(investments->isEnabled());
        EXPECT_EQ(investments->count(), 0);
        List(wizard, "portfolioList")->setCurrentRow(1);
        List(wizard, "portfolioList")->setCurrentRow(0);
        EXPECT_EQ(investments->count(), 0);
        Click(wizard, "backButton");
        Click(wizard, "valuesButton");
        Click(wizard, "nextButton");
        EXPECT_EQ(prompt->text(),
                  "Select the Portfolio and Investment that you would like to Export data from.");
        EXPECT_TRUE(investments->isEnabled());
        EXPECT_EQ(ListLines(investments), QStringList({"Bonds", "Stocks"}));
        EXPECT_EQ(List(wizard, "portfolioList")->currentRow(), 0);
    });
}

TEST_F(FileWizardTest, WithoutPortfoliosBothWizardsNameWhatIsMissing) {
    ASSERT_TRUE(store().portfolios().DeletePortfolio(growth_).ok());
    ASSERT_TRUE(store().portfolios().DeletePortfolio(income_).ok());
    const auto finish = [](QDialog& wizard) {
        EXPECT_EQ(List(wizard, "portfolioList")->count(), 0);
        Click(wizard, "nextButton");
        Click(wizard, "nextButton");
        Click(wizard, "nextButton");
    };
    Run<ImportWizard>(finish);
    Run<ExportWizard>(finish);
    EXPECT_EQ(platform_.Texts(),
              std::vector<QString>({"You must select a Portfolio and Investment\r\nto import.",
                                    "You must select a Portfolio to Export."}));
}

TEST_F(FileWizardTest, ExportThatCannotBeWrittenNamesThePathAndTheReason) {
    const std::string path = File("missing/out.csv");
    Run<ExportWizard>([&](ExportWizard& wizard) {
        Click(wizard, "nextButton");
        Click(wizard, "nextButton");
        SetFile(wizard, path);
        Click(wizard, "nextButton");
    });
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
    EXPECT_TRUE(platform_.messages[0].text.startsWith("Could not write " +
                                                      QString::fromStdString(path) + ": "));
}

// Walked to the file page with the mouse, the wizard waits in the file field; a file that fails
// leaves it open there with every choice, and the mended file then goes through.
TEST_F(FileWizardTest, BothWizardsStartInTheFileFieldAndStayOpenToMendAFailedFile) {
    const std::string early = File("early.csv");
    WriteBytes(early, "1/15/2019, CC, 100\r\n");  // before Bonds' inception
    const std::string good = File("good.csv");
    WriteBytes(good, "1/15/2024, CC, 100\r\n");
    const auto failThenMend = [&](QDialog& wizard, const std::string& failing,
                                  const std::string& mended) {
        wizard.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&wizard));
        auto* next = wizard.findChild<QPushButton*>("nextButton");
        auto* file = wizard.findChild<QLineEdit*>("fileEdit");
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        EXPECT_EQ(QApplication::focusWidget(), file);
        QTest::keyClicks(file, QString::fromStdString(failing));
        QTest::mouseClick(next, Qt::LeftButton);
        ASSERT_EQ(platform_.messages.size(), 1u);
        EXPECT_EQ(platform_.messages[0].kind, Kind::Error);
        EXPECT_TRUE(wizard.isVisible());
        EXPECT_TRUE(wizard.windowTitle().endsWith("3 of 3"));
        EXPECT_EQ(file->text().toStdString(), failing);
        EXPECT_EQ(List(wizard, "portfolioList")->currentRow(), 0);
        SetFile(wizard, mended);
        QTest::mouseClick(next, Qt::LeftButton);
        EXPECT_FALSE(wizard.isVisible());
    };
    EXPECT_EQ(Run<ImportWizard>([&](ImportWizard& wizard) { failThenMend(wizard, early, good); }),
              QDialog::Accepted);
    EXPECT_EQ(Transactions(bonds_).back(), "2024-01-15, CC, 100.00, ");
    platform_.messages.clear();
    const std::string written = File("out.csv");
    EXPECT_EQ(Run<ExportWizard>([&](ExportWizard& wizard) {
                  failThenMend(wizard, File("missing/out.csv"), written);
              }),
              QDialog::Accepted);
    EXPECT_EQ(platform_.messages.back().kind, Kind::Plain);
    EXPECT_TRUE(std::filesystem::exists(written));
}

TEST_F(FileWizardTest, ABanksFileIsMappedPreviewedAndImportedAndItsMappingServesTheCommandLine) {
    const Hid savings = AddHolding(growth_, "Savings", D(2023, 12, 1), 1000);
    const Hid copy = AddHolding(growth_, "Savings copy", D(2023, 12, 1), 1000);
    const std::string file = ImportFixture("sparkonto.csv");
    const int result = Run<ImportWizard>([&](ImportWizard& wizard) {
        MapFile(wizard, 1, file);
        // Guessed from the file.
        EXPECT_EQ(Combo(wizard, "delimiterCombo")->currentText(), "Semicolon");
        EXPECT_EQ(Combo(wizard, "encodingCombo")->currentText(), "Automatic (UTF-8)");
        EXPECT_EQ(wizard.findChild<QSpinBox*>("skipSpin")->value(), 1);
        EXPECT_EQ(Combo(wizard, "dateColumnCombo")->currentText(), "1: Buchungstag");
        EXPECT_EQ(Combo(wizard, "dateFormatCombo")->currentText(), "Automatic (d.M.yyyy)");
        EXPECT_EQ(Combo(wizard, "decimalCombo")->currentText(), "Comma (,)");
        EXPECT_EQ(Combo(wizard, "groupingCombo")->currentText(), "Point (.)");
        EXPECT_EQ(Combo(wizard, "amountColumnCombo")->currentText(), "4: Betrag");
        EXPECT_EQ(PreviewLines(wizard)[4], "6|2024-03-01|WI|250.00|");
        // The types in words, each listed once, and the description.
        Combo(wizard, "typeSourceCombo")->setCurrentIndex(1);
        Combo(wizard, "typeColumnCombo")->setCurrentIndex(2);
        Combo(wizard, "descriptionColumnCombo")->setCurrentIndex(2);
        auto* types = wizard.findChild<QTableWidget*>("typeMapTable");
        ASSERT_EQ(types->rowCount(), 4);
        for (const auto& [row, code] : {std::pair(0, 1), std::pair(1, 2), std::pair(2, 3)}) {
            qobject_cast<QComboBox*>(types->cellWidget(row, 1))->setCurrentIndex(code);
        }
        EXPECT_EQ(types->item(3, 0)->text(), "Entgelt");
        EXPECT_EQ(PreviewLines(wizard),
                  QStringList({"2||||the date 2023-11-15 is not after the inception date "
                               "2023-12-01",
                               "3|2024-01-31|CC|1000.00|", "4|2024-02-15|DI|12.34|",
                               "5|2024-02-29|CC|1000.00|", "6|2024-03-01|WI|250.00|",
                               "7||||\"Entgelt\" in column 3 is not mapped to a type",
                               "9||||\"Summe\" in column 1 is not a date in d.M.yyyy"}));
        EXPECT_TRUE(platform_.messages.empty());
        wizard.findChild<QLineEdit*>("saveNameEdit")->setText("Sparkasse");
        Click(wizard, "nextButton");
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(platform_.Texts(), std::vector<QString>({
                                     "4 Transaction records were imported successfully.\r\n"
                                     "3 lines were skipped: lines 2, 7, 9\r\n"
                                     "The mapping was saved as Sparkasse.",
                                 }));
    const std::vector<std::string> imported = {"2024-01-31, CC, 1000.00, Sparplan Januar",
                                               "2024-02-15, DI, 12.34, Aussch\u00fcttung Fonds",
                                               "2024-02-29, CC, 1000.00, Sparplan Februar",
                                               "2024-03-01, WI, 250.00, Entnahme"};
    EXPECT_EQ(Transactions(savings), imported);

    const CliRun run = RunCli(dir_.path(), "import transactions --investment " + IdText(copy) +
                                               " --mapping Sparkasse " + file);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    Reopen();
    EXPECT_EQ(Transactions(copy), imported);
}

// Walked with the keyboard: Enter moves on and finishes, the page starts at the question it
// asks, and its mnemonics reach the save name.
TEST_F(FileWizardTest, DatesThatReadDayOrMonthFirstAreAskedOnTheMappingPage) {
    Run<ImportWizard>([&](ImportWizard& wizard) {
        wizard.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&wizard));
        const auto type = [](auto... keys) {
            QTest::keyClick(QApplication::focusWidget(), keys...);
        };
        type(Qt::Key_Return);
        List(wizard, "investmentList")->setCurrentRow(1);
        type(Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(),
                         QString::fromStdString(ImportFixture("ambiguous.csv")));
        type(Qt::Key_Return);
        auto* note = wizard.findChild<QLabel*>("dateFormatNote");
        auto* next = wizard.findChild<QPushButton*>("nextButton");
        EXPECT_FALSE(note->isHidden());
        EXPECT_EQ(note->text(),
                  "The dates in column 1 read as M/d/yyyy and as d/M/yyyy: choose their format.");
        EXPECT_FALSE(next->isEnabled());
        EXPECT_TRUE(PreviewLines(wizard).isEmpty());
        QComboBox* format = Combo(wizard, "dateFormatCombo");
        ASSERT_EQ(QApplication::focusWidget(), format);
        while (format->currentText() != "d/M/yyyy") type(Qt::Key_Down);
        EXPECT_TRUE(note->isHidden());
        EXPECT_TRUE(next->isEnabled());
        EXPECT_EQ(PreviewLines(wizard).first(), "2|2024-02-01|CC|100.00|");
        type(Qt::Key_V, Qt::AltModifier);
        QTest::keyClicks(QApplication::focusWidget(), "Daily");
        type(Qt::Key_Return);
    });
    EXPECT_EQ(platform_.Texts(), std::vector<QString>({"3 Transaction records were imported "
                                                       "successfully.\r\nThe mapping was saved "
                                                       "as Daily."}));
    EXPECT_EQ(Transactions(stocks_),
              std::vector<std::string>({"2024-02-01, CC, 100.00, ", "2024-04-03, CC, 200.00, ",
                                        "2024-06-05, WI, 50.00, "}));
    ImportMapping saved;
    ASSERT_TRUE(LoadImportMapping(SavedMappingPath(dir_.path(), "Daily"), &saved).ok());
    EXPECT_EQ(saved.date_format, ImportDateFormat::DayMonthYearSlashes);
}

}  // namespace
}  // namespace brevanta::testing
