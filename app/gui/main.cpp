#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

#include "core/clock.h"
#include "core/version.h"
#include "ui/main/main_window.h"
#include "ui/main/starting_directory.h"
#include "ui/platform/colour_scheme.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/system_locale.h"
#include "ui/platform/translations.h"

namespace {

// The reverse-DNS name of the desktop entry, the AppStream file and the icon.
constexpr char kApplicationId[] = "org.brevanta.Brevanta";

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(brevanta::kApplicationTitle);
    QApplication::setOrganizationName(brevanta::kApplicationTitle);
    QApplication::setApplicationVersion(brevanta::kVersion);
    QApplication::setWindowIcon(QIcon(":/brevanta.png"));
    // Lets the desktop match the windows to the installed entry and its icon.
    QApplication::setDesktopFileName(kApplicationId);
    brevanta::InstallTranslations(QLocale::system().uiLanguages());

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QApplication::translate("main", "Performance of investment portfolios."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(
        "DIR", QApplication::translate("main", "The data directory to open."), "[DIR]");
    const QCommandLineOption dark(
        "dark", QApplication::translate("main", "Draw the windows in light text on dark."));
    arguments.addOption(dark);
    arguments.process(app);
    if (arguments.isSet(dark)) brevanta::UseDarkColours();

    brevanta::QtPlatform platform;
    brevanta::SystemClock clock;
    brevanta::UiContext context{platform, brevanta::LocaleFrom(QLocale::system()), clock,
                                brevanta::StartingDirectory(argc, argv, platform)};
    brevanta::MainWindow window(context);
    window.show();
    return app.exec();
}
