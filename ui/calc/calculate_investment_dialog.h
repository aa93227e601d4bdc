#pragma once

#include <QDialog>

#include "core/date.h"
#include "ui/platform/ui_context.h"

class QCheckBox;
class QPushButton;

namespace brevanta {

class DateField;

// Asks for the performance date of one investment, after its inception date, and whether
// to show the calculation detail. The caller runs the calculation.
class CalculateInvestmentDialog : public QDialog {
    Q_OBJECT

  public:
    explicit CalculateInvestmentDialog(UiContext& context, QWidget* parent = nullptr);

    // Runs the dialog modally, the date starting at today; Accepted (OK) or Rejected (Cancel).
    int Execute(Date inceptionDate);

    // Valid after Accepted.
    Date ChosenDate() const { return chosenDate_; }
    bool ShowDetail() const { return showDetail_; }

  private slots:
    void onOkClicked();

  private:
    // Shows a refusal and puts the focus on the date.
    void refuseDate(const QString& message);

    UiContext& context_;
    Date inceptionDate_;
    Date chosenDate_;
    bool showDetail_ = false;

    DateField* performanceDateField_;
    QCheckBox* showDetailCheckBox_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace brevanta
