#include <gtest/gtest.h>

#include <QMenuBar>
#include <QProcess>
#include <QTextBrowser>
#include <QTreeView>

#include "exchange/import_export_engine.h"
#include "gui_fixture.h"
#include "store/entry_checks.h"
#include "ui/main/main_window.h"
#include "ui/platform/help_viewer.h"
#include "ui/platform/system_locale.h"
#include "ui/platform/translated.h"
#include "ui/platform/translations.h"

namespace brevanta::testing {
namespace {

constexpr char kChildVariable[] = "BREVANTA_GERMAN_SESSION";

// Runs in the child process that GermanSessionTest starts with a German environment.
class GermanSessionChild : public GuiTest {
  protected:
    void SetUp() override {
        if (!qEnvironmentVariableIsSet(kChildVariable)) GTEST_SKIP() << "runs in a German child";
        GuiTest::SetUp();
    }
};

TEST_F(GermanSessionChild, MenusMessagesHelpAndNumbersFollowTheSystemLanguage) {
    ASSERT_EQ(InstallTranslations(QLocale::system().uiLanguages()), "de");
    AddGrowthAndIncome();
    AddValue(bonds_, D(2024, 5, 31), 1234567.89);
    AddColumn("Recent Value", 0, 90);
    context_.locale = LocaleFrom(QLocale::system());
    MainWindow window(context_);
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.windowTitle() != kApplicationTitle; }));

    QStringList menus;
    for (const QAction* menu : window.menuBar()->actions()) menus << menu->text();
    EXPECT_EQ(menus, QStringList({"&Datei", "&Bearbeiten", "E&xtras", "&Hilfe"}));
    const QAbstractItemModel* list = window.findChild<QTreeView*>("investmentList")->model();
    EXPECT_EQ(list->index(0, 1).data().toString(), "$1.234.567,89");
    EXPECT_EQ(list->headerData(1, Qt::Horizontal).toString(), "Aktueller Wert");

    auto* tree = window.findChild<QTreeView*>("portfolioTree");
    tree->expand(tree->model()->index(0, 0));
    tree->setCurrentIndex(tree->model()->index(0, 0, tree->model()->index(0, 0)));
    platform_.yes_no_answers = {false};
    window.findChild<QAction*>("deleteAction")->trigger();
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].caption, "Anlage löschen");
    EXPECT_EQ(platform_.messages[0].text, "Soll Bonds wirklich gelöscht werden?");

    // Messages the libraries compose arrive translated, counts with their German number.
    EXPECT_EQ(Translated(CheckPortfolio({})->message), "Bitte geben Sie einen Namen ein.");
    EXPECT_EQ(TranslatedTypeText(WithdrawalText), "Entnahme");
    WriteBytes(dir_.File("import.csv"), "6/1/2024, CC, 100.00\r\n6/2/2024, XX, 5\r\nnone\r\n");
    ImportExportEngine engine(store());
    engine.ImportTransactions(growth_, bonds_, dir_.File("import.csv"));
    EXPECT_EQ(Translated(engine.ResultMessage()),
              "1 Transaktion wurde erfolgreich importiert.\r\n"
              "2 Zeilen wurden übersprungen: Zeilen 2, 3");

    HelpViewer help;
    help.showTopic("IMPORT");
    EXPECT_EQ(help.findChild<QTextBrowser*>("browser")->source().toString(),
              "qrc:/help/de/import.html");
}

// Qt reads the language from LANG even where the C library has no German locale generated.
TEST(GermanSessionTest, TheMainWindowSpeaksGermanUnderAGermanLang) {
    if (qEnvironmentVariableIsSet(kChildVariable)) GTEST_SKIP() << "the child itself";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.remove("LANGUAGE");
    environment.insert("LANG", "de_DE.UTF-8");
    environment.insert(kChildVariable, "1");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=GermanSessionChild.*"});
    ASSERT_TRUE(child.waitForFinished(60000)) << "the child did not finish";
    const QString output = QString::fromUtf8(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

TEST(TranslationsTest, EnglishAndUntranslatedLanguagesKeepTheSourceTexts) {
    EXPECT_EQ(InstallTranslations({"en-US", "de-DE"}), "");
    EXPECT_EQ(InstallTranslations({"fr-FR"}), "");
    EXPECT_EQ(TranslationLanguage(), "");
    EXPECT_EQ(QCoreApplication::translate("brevanta::MainWindow", "&File"), "&File");
}

}  // namespace
}  // namespace brevanta::testing
