#include "ui/platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QUrl>

namespace brevanta {

namespace {

// Messages carry the line breaks of their original texts ("\r\n", and "\n\r" in places);
// a label wants plain line feeds.
QString DisplayText(QString text) {
    text.replace("\r\n", "\n");
    text.replace("\n\r", "\n");
    text.remove('\r');
    return text;
}

QMessageBox::Icon IconOf(Platform::MessageKind kind) {
    switch (kind) {
        case Platform::MessageKind::Information:
            return QMessageBox::Information;
        case Platform::MessageKind::Error:
            return QMessageBox::Critical;
        case Platform::MessageKind::Question:
            return QMessageBox::Question;
        case Platform::MessageKind::Plain:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtPlatform::~QtPlatform() { delete help_; }

void QtPlatform::ShowMessage(MessageKind kind, const QString& caption, const QString& text,
                             const QString& detail) {
    QMessageBox box(IconOf(kind), caption, DisplayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setDetailedText(detail);
    box.exec();
}

bool QtPlatform::AskYesNo(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, DisplayText(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    // Questions guard deletions and overwrites: Enter must not be a Yes.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtPlatform::OpenFileName(const QString& caption, const QString& folder,
                                 const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, folder, filter);
}

QString QtPlatform::SaveFileName(const QString& caption, const QString& proposedPath,
                                 const QString& filter) {
    // The forms ask their own replace question, in their own words.
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, proposedPath, filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

QString QtPlatform::ExistingDirectory(const QString& caption, const QString& start) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, start);
}

void QtPlatform::BeginBusy() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void QtPlatform::EndBusy() { QApplication::restoreOverrideCursor(); }

void QtPlatform::ShowHelpContents() { Help().showContents(); }

void QtPlatform::ShowHelpTopic(const QString& keyword) { Help().showTopic(keyword); }

bool QtPlatform::OpenInBrowser(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void QtPlatform::ShowStatus(const QString& text) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<QMainWindow*>(window)) main->statusBar()->showMessage(text);
    }
}

HelpViewer& QtPlatform::Help() {
    // A modal dialog blocks every window but its own children, so help asked for from a modal
    // dialog belongs to it; help asked for from the main window has no parent.
    QWidget* modal = QApplication::activeModalWidget();
    if (help_ && help_->parentWidget() != modal) delete help_;
    if (!help_) help_ = new HelpViewer(modal);
    return *help_;
}

}  // namespace brevanta
