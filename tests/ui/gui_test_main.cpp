#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

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
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    // Remembered directories and window geometry go to a test location, fresh for each run.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setOrganizationName("Brevanta");
    QApplication::setApplicationName("Brevanta");
    QSettings().clear();
    return RUN_ALL_TESTS();
}
