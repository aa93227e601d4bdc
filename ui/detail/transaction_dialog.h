#pragma once

#include <vector>

#include "core/date_series.h"
#include "ui/detail/entry_dialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace brevanta {

// Adds transactions to an investment, one or a series repeated every year, quarter or
// month, or changes one transaction. Apply saves and stays open for the next entry, keeping
// its date and type.
class TransactionDialog : public EntryDialog {
    Q_OBJECT

  public:
    explicit TransactionDialog(UiContext& context, QWidget* parent = nullptr);

    // Each runs the dialog modally and returns Accepted or Rejected. OK with nothing unsaved
    // returns Accepted when Apply added transactions during the run. REQUIRES: store
    // outlives the call.
    int AddTransaction(DataStore& store, const HoldingRecord& holding);
    // A transaction the store no longer holds is reported, and the dialog is not shown.
    int ModifyTransaction(DataStore& store, const HoldingRecord& holding, Tid transactionId);

  protected:
    bool save() override;
    void clearForNextEntry() override;
    int resultWithoutChanges() const override;
    QString missingMessage() const override;

  private slots:
    void onRepeatToggled(bool repeat);

  private:
    RepeatPeriod period() const;
    // Adds the transactions, all or none.
    bool insert(const std::vector<TransactionRecord>& series);

    Tid transactionId_{};  // the transaction being changed
    int insertSaves_ = 0;  // saves that added transactions during this run

    QComboBox* typeCombo_;
    QLineEdit* amountEdit_;
    QLineEdit* descriptionEdit_;
    QCheckBox* repeatCheckBox_;
    QLabel* periodTypeLabel_;
    QRadioButton* yearButton_;
    QRadioButton* quarterButton_;
    QRadioButton* monthButton_;
    QLabel* periodsLabel_;
    QLineEdit* periodsEdit_;
};

}  // namespace brevanta
