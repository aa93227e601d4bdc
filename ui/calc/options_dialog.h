#pragma once

#include <QDialog>
#include <string>

#include "ui/platform/ui_context.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace brevanta {

class DataStore;

// The main window's list columns and their order, the number of decimals of the figures, the
// risk-free rate of the risk figures, the currency symbol, and whether calculations are logged.
class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Shows the store's settings. OK refuses a risk-free rate that is not a number above -100
    // and a currency symbol that cannot be stored (saying so, the dialog left open); else it
    // stores the columns when their choice changed, the decimals, the risk-free rate and the
    // currency symbol when they changed, and the logging choice always (adding a missing
    // setting row), all in one change; a failure is shown. Accepted when the list changed.
    // REQUIRES: store outlives the dialog.
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
    // Says why the field's text was refused and puts the cursor on it.
    void refuseFormatField(QLineEdit* edit, const QString& message);
    // Why the symbol cannot be stored, worded for the user; empty when it can.
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
    QLineEdit* riskFreeEdit_;
    QLineEdit* currencyEdit_;
    QCheckBox* auditLogBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* helpButton_;
};

}  // namespace brevanta
