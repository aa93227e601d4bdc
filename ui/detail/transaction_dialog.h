#pragma once

#include <optional>
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
    // New transactions of the investment, or a change of the one given. OK with nothing
    // unsaved closes with Accepted when Apply added transactions. REQUIRES: store outlives the
    // dialog; the investment exists.
    TransactionDialog(UiContext& context, DataStore& store, Hid holding,
                      std::optional<Tid> transaction, QWidget* parent = nullptr);

    // Whether the transaction to change is stored (always true for new ones).
    bool found() const { return found_; }

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

    const Tid transactionId_;  // the transaction being changed
    bool found_ = true;
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

// The entry operations: each runs the dialog modally and returns Accepted or Rejected. A
// transaction the store no longer holds is reported, and the dialog is not shown.
int AddTransaction(UiContext& context, DataStore& store, Hid holding, QWidget* parent);
int ModifyTransaction(UiContext& context, DataStore& store, Hid holding, Tid transaction,
                      QWidget* parent);

}  // namespace brevanta
