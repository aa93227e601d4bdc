#pragma once

#include <QDialog>

#include "core/date.h"
#include "ui/platform/ui_context.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;

namespace brevanta {

// Asks for the performance date of one investment, after its inception date, and whether
// to show the calculation detail. The caller runs the calculation.
class CalculateInvestmentDialog : public QDialog {
    Q_OBJECT

  public:
    CalculateInvestmentDialog(UiContext& context, QWidget* parent = nullptr);

    // Runs the dialog modally, the date starting at today; Accepted (OK) or Rejected (Cancel).
    int Execute(Date inceptionDate);

    // Valid after Accepted.
    Date ChosenDate() const { return chosen_date_; }
    bool ShowDetail() const { return show_detail_; }

    void btnOkClick();

  private:
    UiContext& context_;
    Date inception_date_;
    Date chosen_date_;
    bool show_detail_ = false;

    QLabel* lblPName;
    QDateEdit* dtp1;
    QCheckBox* CheckBox1;
    QPushButton* btnOk;
    QPushButton* btnCan;
};

}  // namespace brevanta
