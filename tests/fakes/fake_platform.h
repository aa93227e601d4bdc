#pragma once

#include <QString>
#include <deque>
#include <vector>

#include "ui/platform/platform.h"

namespace brevanta {

// A platform for GUI tests: records every message, question, help request and browser
// opening, and answers questions and file dialogs from a script. An unscripted question is
// answered No and an unscripted file dialog is cancelled, the choices that change nothing.
class FakePlatform : public Platform {
  public:
    struct Message {
        MessageKind kind;
        QString caption;
        QString text;
        QString detail;
    };

    void ShowMessage(MessageKind kind, const QString& caption, const QString& text,
                     const QString& detail) override {
        messages.push_back({kind, caption, text, detail});
    }
    bool AskYesNo(const QString& caption, const QString& text) override {
        messages.push_back({MessageKind::Question, caption, text, {}});
        return NextOf(yes_no_answers, false);
    }
    QString OpenFileName(const QString& caption, const QString& folder, const QString&) override {
        return FileDialog(caption, folder);
    }
    QString SaveFileName(const QString& caption, const QString& proposedPath,
                         const QString&) override {
        return FileDialog(caption, proposedPath);
    }
    QString ExistingDirectory(const QString& caption, const QString& start) override {
        return FileDialog(caption, start);
    }
    void BeginBusy() override {
        ++busy_depth;
        ++busy_count;
    }
    void EndBusy() override { --busy_depth; }
    void ShowHelpContents() override { help_requests.push_back(kContents); }
    void ShowHelpTopic(const QString& keyword) override { help_requests.push_back(keyword); }
    bool OpenInBrowser(const QString& path) override {
        opened_in_browser.push_back(path);
        return browser_starts;
    }
    void ShowStatus(const QString& text) override { status_texts.push_back(text); }

    // The text of every message shown, in order.
    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const Message& message : messages) texts.push_back(message.text);
        return texts;
    }

    static constexpr char kContents[] = "<contents>";

    std::vector<Message> messages;
    std::deque<bool> yes_no_answers;
    std::deque<QString> file_names;
    std::vector<QString> file_dialogs;        // the caption of every file dialog shown
    std::vector<QString> file_dialog_starts;  // where each of them started
    std::vector<QString> help_requests;
    std::vector<QString> opened_in_browser;
    bool browser_starts = true;
    std::vector<QString> status_texts;
    int busy_depth = 0;  // 0 whenever no command is running
    int busy_count = 0;  // how many times the busy cursor was shown

  private:
    QString FileDialog(const QString& caption, const QString& start) {
        file_dialogs.push_back(caption);
        file_dialog_starts.push_back(start);
        return NextOf(file_names, QString());
    }

    template <typename T>
    static T NextOf(std::deque<T>& script, T unscripted) {
        if (script.empty()) return unscripted;
        T next = script.front();
        script.pop_front();
        return next;
    }
};

}  // namespace brevanta
