#pragma once

#include <QDialog>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brevanta {

class DataStore;

// Enters a new investment (holding) in a portfolio: name, description, inception date and
// initial value.
class NewInvestmentDialog : public QDialog {
    Q_OBJECT

  public:
    NewInvestmentDialog(UiContext& context, QWidget* parent = nullptr);

    // Runs the dialog modally for the portfolio and returns Accepted (OK) or Rejected
    // (Cancel). The store must outlive the call.
    int NewInvestment(DataStore& store, const PortfolioRecord& portfolio);

    // The identifier of the investment created; valid after Accepted.
    int NewHoldingId() const { return new_holding_id_; }

    void OkClick();
    void CancelClick();

  private:
    // Shows a refusal and puts the focus on the field concerned.
    void Refuse(const QString& message, QWidget* field);

    UiContext& context_;
    DataStore* store_ = nullptr;
    float portfolio_id_ = 0;
    int new_holding_id_ = 0;

    QLabel* lblPName;
    QLineEdit* edtName;
    QLineEdit* edtDesc;
    QDateEdit* dtp1;
    QLineEdit* edtValue;
    QPushButton* Ok;
    QPushButton* Cancel;
};

}  // namespace brevanta
