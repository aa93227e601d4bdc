#pragma once

#include <QString>

#include "core/status.h"
#include "ui/platform/translated.h"

namespace brevanta {

// The title of the application, and the caption of its plain message boxes.
inline constexpr char kApplicationTitle[] = "Brevanta";

// What the forms ask of the desktop: message boxes, file dialogs, the busy cursor, help and
// the browser. Forms receive one and never call QMessageBox, QFileDialog or the like
// themselves, so tests can script the answers and read back every message.
class Platform {
  public:
    enum class MessageKind { Plain, Information, Error, Question };

    virtual ~Platform() = default;

    // A modal box with an OK button. Texts keep their "\r\n" and "\n\r" line breaks; a
    // detail, when not empty, is there for the user who asks for it.
    virtual void ShowMessage(MessageKind kind, const QString& caption, const QString& text,
                             const QString& detail) = 0;
    // A modal box with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const QString& caption, const QString& text) = 0;

    // The file the user chose, or an empty string when the dialog was cancelled. The dialog
    // starts in `folder`, or at `proposedPath` (a folder and a proposed file name).
    virtual QString OpenFileName(const QString& caption, const QString& folder,
                                 const QString& filter) = 0;
    virtual QString SaveFileName(const QString& caption, const QString& proposedPath,
                                 const QString& filter) = 0;
    // An existing directory the user chose, or an empty string.
    virtual QString ExistingDirectory(const QString& caption, const QString& start) = 0;

    // Busy cursor; calls nest, and every BeginBusy needs its EndBusy (see BusyCursor).
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;

    // The help viewer at its contents, or at the page of a keyword such as "CALCROR".
    virtual void ShowHelpContents() = 0;
    virtual void ShowHelpTopic(const QString& keyword) = 0;

    // Opens a file (a report page) in the desktop's browser; false when nothing could.
    virtual bool OpenInBrowser(const QString& path) = 0;
    // A passing note in the main window's status line.
    virtual void ShowStatus(const QString& text) = 0;

    void ShowPlain(const QString& text, const QString& detail = {}) {
        ShowMessage(MessageKind::Plain, kApplicationTitle, text, detail);
    }
    void ShowInformation(const QString& text) {
        ShowMessage(MessageKind::Information, "Information", text, {});
    }
    void ShowError(const QString& text) { ShowMessage(MessageKind::Error, "Error", text, {}); }
};

// Shows a failed store operation's reason in an error box, after what could not be done
// when `failure` is given; true when it failed.
inline bool ShowIfFailed(Platform& platform, const Status& status,
                         const QString& failure = QString()) {
    if (status.ok()) return false;
    const QString reason = Translated(status.text());
    platform.ShowError(failure.isEmpty() ? reason : failure + "\n\n" + reason);
    return true;
}

// Shows an engine's result message: plain after success, in an error box after a failure.
inline void ShowOutcome(Platform& platform, const Status& status, const QString& message) {
    if (status.ok()) {
        platform.ShowPlain(message);
    } else {
        platform.ShowError(message);
    }
}

// Asks whether an existing file may be replaced; true when it does not exist or for Yes.
bool ReplaceConfirmed(Platform& platform, const QString& path);

// Shows the busy cursor from construction until destruction.
class BusyCursor {
  public:
    explicit BusyCursor(Platform& platform) : platform_(platform) { platform_.BeginBusy(); }
    ~BusyCursor() { platform_.EndBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

  private:
    Platform& platform_;
};

}  // namespace brevanta
