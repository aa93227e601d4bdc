#pragma once

#include <QDialog>

#include "ui/platform/ui_context.h"

class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace brevanta {

class DataStore;

// The main window's list columns and their order, the number of decimals of the figures,
// and whether calculations are logged.
class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Shows the store's settings. OK stores the columns when their choice changed, the
    // decimals when they changed, and the logging choice always (adding a missing setting
    // row), all in one change; a failure is shown. REQUIRES: store outlives the dialog.
    OptionsDialog(UiContext& context, DataStore& store, QWidget* parent = nullptr);

  private slots:
    void onAddSelectedClicked();
    void onAddAllClicked();
    void onRemoveSelectedClicked();
    void onRemoveAllClicked();
    void onUpClicked();
    void onDownClicked();
    void onSelectedColumnsChanged();
    void onOkClicked();
    void onHelpClicked();

  private:
    QWidget* makeDisplayPage();
    QWidget* makeFormatPage();
    QWidget* makeLoggingPage();
    // Swaps the one selected column with its neighbour `step` lines away, if there is one.
    void moveSelectedColumn(int step);

    UiContext& context_;
    DataStore& store_;

    QTabWidget* pages_;
    QListWidget* availableList_;
    QListWidget* selectedList_;
    QPushButton* addSelectedButton_;
    QPushButton* addAllButton_;
    QPushButton* removeSelectedButton_;
    QPushButton* removeAllButton_;
    QPushButton* upButton_;
    QPushButton* downButton_;
    QComboBox* digitsCombo_;
    QCheckBox* auditLogBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* helpButton_;
};

}  // namespace brevanta
