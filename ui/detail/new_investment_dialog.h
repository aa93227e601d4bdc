#pragma once

#include <QDialog>

#include "store/records.h"
#include "ui/platform/ui_context.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace brevanta {

class DataStore;
class DateField;

// Enters a new investment (holding) in a portfolio: name, description, inception date and
// initial value.
class NewInvestmentDialog : public QDialog {
    Q_OBJECT

  public:
    explicit NewInvestmentDialog(UiContext& context, QWidget* parent = nullptr);

    // Runs the dialog modally for the portfolio and returns Accepted (OK) or Rejected
    // (Cancel). A write the store refuses is reported and leaves the dialog open. The store
    // must outlive the call.
    int NewInvestment(DataStore& store, const PortfolioRecord& portfolio);

    // The identifier of the investment created; valid after Accepted.
    Hid NewHoldingId() const { return newHoldingId_; }

  private slots:
    void onOkClicked();

  private:
    // Shows a refusal and puts the focus on the field concerned.
    void refuse(const QString& message, QWidget* field);

    UiContext& context_;
    DataStore* store_ = nullptr;
    Pid portfolioId_{};
    Hid newHoldingId_{};

    QLabel* promptLabel_;
    QLineEdit* nameEdit_;
    QLineEdit* descriptionEdit_;
    DateField* inceptionDateField_;
    QLineEdit* initialValueEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace brevanta
