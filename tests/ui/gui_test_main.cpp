#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

namespace {

// The offscreen platform cannot size windows to their hints and says so for every fixed-size
// dialog; that says nothing about the forms.
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains("propagateSizeHints")) return;
    qt_message_output(type, context, message);
}

}  // namespace

// The forms need an application object; they run on Qt's windowless platform unless the
// environment chooses another.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietHandler);
    ::testing::InitGoogleTest(&argc, argv);
    // Remembered directories, window geometry and the first run's data go to a home of this
    // process alone: ctest runs several test processes at once.
    QTemporaryDir home;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(variable, QFile::encodeName(home.filePath(variable)));
    }
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication::setOrganizationName("Brevanta");
    QApplication::setApplicationName("Brevanta");
    return RUN_ALL_TESTS();
}
