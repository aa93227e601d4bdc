#pragma once

#include <QDialog>
#include <QSize>
#include <functional>
#include <vector>

#include "core/status.h"
#include "ui/platform/ui_context.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QVBoxLayout;

namespace brevanta {

class DataStore;
class HoldingPicker;
class ImportExportEngine;

// What the import and export wizards share: a picture at the left and three pages (the
// kind of data, the portfolio and investment, the file) walked with Back and Next, and
// whatever pages a wizard adds after them. The caption counts the pages; on the last one Next
// reads "Finished", and Next on the file page or after it calls finish().
class FileWizard : public QDialog {
    Q_OBJECT

  protected:
    enum Page { KindPage, HoldingPage, FilePage };

    // Offers the store's portfolios, from the first page on. captionPattern holds %1 for the
    // page number and %2 for the number of pages; kindPrompt heads the first page and
    // fileCaption names the file field of the third. REQUIRES: store outlives the wizard.
    FileWizard(UiContext& context, DataStore& store, const QString& captionPattern,
               const QString& helpKeyword, const QString& kindPrompt, const QString& fileCaption,
               QWidget* parent);
    // Adds a page after the file page, shown at the given size; returns its number.
    int addPage(QWidget* page, QSize size);
    void showPage(int page);
    int currentPage() const;
    void setNextEnabled(bool enabled);
    // Shows the page where the user can mend what `message` names, then the message.
    void refuse(int page, const QString& message);
    // Runs one engine operation under the busy cursor. After a success it hides the wizard,
    // shows the engine's message followed by what afterSuccess returns, and closes with OK;
    // after a failure it shows the engine's message in an error box and stays open.
    void finishWith(const std::function<Status(ImportExportEngine&)>& operation,
                    const std::function<QString()>& afterSuccess = {});
    DataStore& store() const { return store_; }

    // Adds a kind of data to the first page, below the ones added before.
    QRadioButton* addKind(const QString& caption, const char* name);
    UiContext& context() const { return context_; }
    HoldingPicker& holdingPicker() const { return *holdingPicker_; }
    // The text above the portfolio and investment lists.
    void setHoldingPrompt(const QString& prompt);
    // The file name entered, without surrounding blanks.
    QString fileName() const;

    // The file the user picked in a file dialog; empty when cancelled.
    virtual QString chooseFile() = 0;
    // Called when Next leaves the first page.
    virtual void prepareHoldingPage() {}
    // How many pages the wizard walks through now, the added ones counted only when used.
    virtual int pageCount() const { return FilePage + 1; }
    virtual void finish() = 0;

  private slots:
    void onNextClicked();
    void onBackClicked();
    void onBrowseClicked();
    void onHelpClicked();
    // The number of pages may follow the file.
    void onFileEdited();

  private:
    void keepOnScreen();

    UiContext& context_;
    QString captionPattern_;
    std::vector<QSize> pageSizes_;
    QString helpKeyword_;
    DataStore& store_;

    QStackedWidget* pages_;
    QVBoxLayout* kindLayout_;
    QLabel* holdingPrompt_;
    HoldingPicker* holdingPicker_;
    QLineEdit* fileEdit_;
    QPushButton* browseButton_;
    QPushButton* helpButton_;
    QPushButton* backButton_;
    QPushButton* nextButton_;
    QPushButton* cancelButton_;
};

}  // namespace brevanta
