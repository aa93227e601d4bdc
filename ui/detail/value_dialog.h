#pragma once

#include <optional>

#include "ui/detail/entry_dialog.h"

class QLineEdit;

namespace brevanta {

// Records the market value of an investment on a date, or changes one such value. The
// dialog opens with Apply enabled, so OK saves at once; Apply saves and stays open for the
// next value, keeping its date.
class ValueDialog : public EntryDialog {
    Q_OBJECT

  public:
    // A new value of the investment, or a change of the one given; closes with Accepted after
    // a save by OK. REQUIRES: store outlives the dialog; the investment exists.
    ValueDialog(UiContext& context, DataStore& store, Hid holding, std::optional<Vid> value,
                QWidget* parent = nullptr);

    // Whether the value to change is stored (always true for new ones).
    bool found() const { return found_; }

  protected:
    bool save() override;
    void clearForNextEntry() override;
    QString missingMessage() const override;

  private:
    const Vid valueId_;  // the value being changed
    bool found_ = true;
    QLineEdit* valueEdit_;
};

// The entry operations: each runs the dialog modally and returns Accepted or Rejected. A value
// the store no longer holds is reported, and the dialog is not shown.
int AddValue(UiContext& context, DataStore& store, Hid holding, QWidget* parent);
int ModifyValue(UiContext& context, DataStore& store, Hid holding, Vid value, QWidget* parent);

}  // namespace brevanta
