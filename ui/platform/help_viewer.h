#pragma once

#include <QDialog>

class QTextBrowser;

namespace brevanta {

// The application's help: a window of linked pages, one per topic keyword, with a contents
// page. The pages are built into the program.
class HelpViewer : public QDialog {
    Q_OBJECT

  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    void ShowContents();
    // An unknown keyword shows the contents.
    void ShowTopic(const QString& keyword);

  private:
    void ShowPage(const QString& name);

    QTextBrowser* browser_;
};

}  // namespace brevanta
