#pragma once

#include <QDialog>
#include <vector>

#include "reports/report_choice.h"
#include "ui/platform/ui_context.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace brevanta {

class DataStore;
class HoldingPicker;

// Picks one report, its kind of returns, a portfolio and, for investment reports, an
// investment; OK writes the report and opens it in the browser.
class ReportDialog : public QDialog {
    Q_OBJECT

  public:
    // Offers the store's portfolios, the first selected. REQUIRES: store outlives the dialog.
    ReportDialog(UiContext& context, DataStore& store, QWidget* parent = nullptr);

    // The code of the report chosen, from the radio button on and the ticks under it.
    int reportCode() const;

  private slots:
    void onReportChosen();
    void onOkClicked();
    void onHelpClicked();

  private:
    // A radio button with the "Dollar weighted" and "Time weighted" boxes under it, where
    // the report has them.
    struct ReportOption {
        ReportKind kind;
        QRadioButton* button;
        QCheckBox* dollarWeightedBox;
        QCheckBox* timeWeightedBox;
    };

    const ReportOption& chosenOption() const;

    UiContext& context_;
    DataStore& store_;
    std::vector<ReportOption> options_;

    HoldingPicker* holdingPicker_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* helpButton_;
};

}  // namespace brevanta
