#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <filesystem>

#include "core/clock.h"
#include "store/data_directory.h"
#include "ui/main/main_window.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/system_locale.h"

namespace {

// The directory named on the command line, else the one used last time, else (the very
// first run) the per-user data location, created with empty tables.
std::filesystem::path StartingDirectory(const QCommandLineParser& arguments,
                                        brevanta::Platform& platform) {
    if (!arguments.positionalArguments().isEmpty()) {
        return std::filesystem::absolute(arguments.positionalArguments().front().toStdString());
    }
    const QString last = QSettings().value("dataDirectory").toString();
    if (!last.isEmpty()) return last.toStdString();
    const std::string first =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    if (!brevanta::HoldsAnyTable(first)) {
        const brevanta::Status installed = brevanta::InstallDataDirectory(first);
        if (!installed.ok()) platform.ShowError(QString::fromStdString(installed.message()));
    }
    return first;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(brevanta::kApplicationTitle);
    QApplication::setOrganizationName(brevanta::kApplicationTitle);
    QApplication::setApplicationVersion(BREVANTA_VERSION);
    QApplication::setWindowIcon(QIcon(":/brevanta.png"));

    QCommandLineParser arguments;
    arguments.setApplicationDescription(
        QApplication::translate("main", "Performance of investment portfolios."));
    arguments.addHelpOption();
    arguments.addVersionOption();
    arguments.addPositionalArgument(
        "DIR", QApplication::translate("main", "The data directory to open."), "[DIR]");
    arguments.process(app);

    brevanta::QtPlatform platform;
    brevanta::SystemClock clock;
    brevanta::UiContext context{platform, brevanta::LocaleFrom(QLocale::system()), clock,
                                StartingDirectory(arguments, platform)};
    brevanta::MainWindow window(context);
    window.show();
    return app.exec();
}
