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

  public slots:
    void showContents();
    // An unknown keyword shows the contents.
    void showTopic(const QString& keyword);

  private:
    void showPage(const QString& name);

    QTextBrowser* browser_;
};

}  // namespace brevanta
