#pragma once

#include <QPointer>

#include "ui/platform/help_viewer.h"
#include "ui/platform/platform.h"

namespace brevanta {

// The platform of the running desktop: Qt's message boxes, file dialogs and override cursor,
// the application's own help viewer, and the desktop's handler for opening files.
class QtPlatform : public Platform {
  public:
    QtPlatform() = default;
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void ShowMessage(MessageKind kind, const QString& caption, const QString& text,
                     const QString& detail) override;
    bool AskYesNo(const QString& caption, const QString& text) override;
    QString OpenFileName(const QString& caption, const QString& folder,
                         const QString& filter) override;
    QString SaveFileName(const QString& caption, const QString& proposedPath,
                         const QString& filter) override;
    QString ExistingDirectory(const QString& caption, const QString& start) override;
    void BeginBusy() override;
    void EndBusy() override;
    void ShowHelpContents() override;
    void ShowHelpTopic(const QString& keyword) override;
    bool OpenInBrowser(const QString& path) override;
    void ShowStatus(const QString& text) override;

  private:
    HelpViewer& Help();

    QPointer<HelpViewer> help_;
};

}  // namespace brevanta
