#pragma once

#include "ui/detail/entry_dialog.h"

class QLineEdit;

namespace brevanta {

// Records the market value of an investment on a date, or changes one such value. The
// dialog opens with Apply enabled, so OK saves at once; Apply saves and stays open for the
// next value, keeping its date.
class ValueDialog : public EntryDialog {
    Q_OBJECT

  public:
    explicit ValueDialog(UiContext& context, QWidget* parent = nullptr);

    // Each runs the dialog modally and returns Accepted (a save by OK) or Rejected.
    // REQUIRES: store outlives the call.
    int AddValue(DataStore& store, const HoldingRecord& holding);
    // A value the store no longer holds is reported, and the dialog is not shown.
    int ModifyValue(DataStore& store, const HoldingRecord& holding, Vid valueId);

  protected:
    bool save() override;
    void clearForNextEntry() override;
    QString missingMessage() const override;

  private:
    Vid valueId_{};  // the value being changed
    QLineEdit* valueEdit_;
};

}  // namespace brevanta
