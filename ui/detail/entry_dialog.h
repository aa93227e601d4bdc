#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/date.h"
#include "store/records.h"
#include "store/store_result.h"
#include "ui/detail/entry_refusal.h"
#include "ui/platform/ui_context.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace brevanta {

class DataStore;
class DateField;

// What the transaction and value dialogs share: the investment an entry is made for, its
// date, and OK, Cancel and Apply (the default button, enabled while there are unsaved
// changes). Every save is written to the store at once and announced by saved(), whether the
// dialog then stays open (Apply) or closes (OK); Cancel keeps what Apply saved.
class EntryDialog : public QDialog {
    Q_OBJECT

  public:
    // Runs the dialog modally on a stored entry; one the store no longer holds is reported
    // instead, and the dialog is not shown.
    int execIfStored(bool stored);

  signals:
    // An entry was written: the owner's list and totals are out of date.
    void saved();

  protected:
    // Width of the date and amount fields: room for a date or a large amount, no more.
    static constexpr int kShortFieldWidth = 160;

    // For a new entry of the investment, or for a stored one being changed (`modifying`);
    // holdingCaption labels the investment's name. The dialog starts with unsaved changes.
    // REQUIRES: store outlives the dialog; the investment exists.
    EntryDialog(UiContext& context, DataStore& store, Hid holding, bool modifying,
                const QString& holdingCaption, QWidget* parent);

    void setTexts(const QString& caption, const QString& prompt);

    // Writes the entry; false after a refusal or a store failure, both shown.
    virtual bool save() = 0;
    // After Apply added an entry: empties the fields of the next one.
    virtual void clearForNextEntry() = 0;
    // What OK closes with when nothing is unsaved.
    virtual int resultWithoutChanges() const { return Rejected; }
    // Shown when the entry being changed is no longer stored.
    virtual QString missingMessage() const = 0;

    void addField(const QString& label, QWidget* field);
    void addBelowFields(QWidget* widget);
    // A user edit of the field that leaves text in it is an unsaved change.
    void trackEdits(QLineEdit* edit);
    void markChanged();
    void setUnsaved(bool unsaved);

    bool modifying() const { return modifying_; }
    // Shows the refusal, if there is one, in an error box and puts the focus on its field
    // (the date field, or one of the dialog's own `widgets`); true when there was one.
    bool refused(const std::optional<Refusal>& refusal, FieldWidgets widgets);
    // Runs a store write under the busy cursor and shows its failure after `failure`; true
    // when it was written.
    bool written(const std::function<Status()>& write, const QString& failure);
    // The same for the update of the entry being changed: no row changed means it is gone.
    bool updated(const std::function<StoreResult<int>()>& update, const QString& failure);

    UiContext& context_;
    DataStore& store_;
    const HoldingRecord holding_;
    DateField* dateField_;

  private slots:
    void onOkClicked();
    void onApplyClicked();

  private:
    const bool modifying_;
    bool unsaved_ = true;

    QLabel* promptLabel_;
    QLabel* portfolioLabel_;
    QLabel* holdingLabel_;
    QFormLayout* fields_;
    QVBoxLayout* layout_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QPushButton* applyButton_;
};

}  // namespace brevanta
