#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <filesystem>

#include "core/clock.h"
#include "ui/main/main_window.h"
#include "ui/platform/qt_platform.h"
#include "ui/platform/system_locale.h"

// Brevanta works on the tables of the directory it is started in.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(brevanta::kApplicationTitle);
    QApplication::setWindowIcon(QIcon(":/brevanta.png"));

    brevanta::QtPlatform platform;
    brevanta::SystemClock clock;
    brevanta::UiContext context{platform, brevanta::LocaleFrom(QLocale::system()), clock,
                                std::filesystem::current_path()};
    brevanta::MainWindow mainForm(context);
    mainForm.show();
    return app.exec();
}
