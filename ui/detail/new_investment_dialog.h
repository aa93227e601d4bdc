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
    // For the portfolio; OK writes the investment, and a write the store refuses is reported
    // and leaves the dialog open. REQUIRES: store outlives the dialog; the portfolio exists.
    NewInvestmentDialog(UiContext& context, DataStore& store, Pid portfolio,
                        QWidget* parent = nullptr);

    // The identifier of the investment created; valid after Accepted.
    Hid holdingId() const { return holdingId_; }

  private slots:
    void onOkClicked();

  private:
    // Shows a refusal and puts the focus on the field concerned.
    void refuse(const QString& message, QWidget* field);

    UiContext& context_;
    DataStore& store_;
    const Pid portfolioId_;
    Hid holdingId_{};

    QLabel* promptLabel_;
    QLineEdit* nameEdit_;
    QLineEdit* descriptionEdit_;
    DateField* inceptionDateField_;
    QLineEdit* initialValueEdit_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

// The entry operation: runs the dialog modally for the portfolio and returns Accepted (OK) or
// Rejected (Cancel); *created (if given) receives the new investment's identifier.
int NewInvestment(UiContext& context, DataStore& store, Pid portfolio, QWidget* parent,
                  Hid* created = nullptr);

}  // namespace brevanta
