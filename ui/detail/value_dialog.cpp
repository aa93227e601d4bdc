#include "ui/detail/value_dialog.h"

#include <QLineEdit>

#include "core/number_format.h"
#include "store/data_store.h"
#include "ui/platform/date_field.h"

namespace brevanta {

ValueDialog::ValueDialog(UiContext& context, DataStore& store, Hid holding,
                         std::optional<Vid> value, QWidget* parent)
    : EntryDialog(context, store, holding, value.has_value(), tr("Holding : "), parent),
      valueId_(value.value_or(Vid{})),
      valueEdit_(new QLineEdit(this)) {
    setObjectName("ValueDialog");
    valueEdit_->setObjectName("valueEdit");
    valueEdit_->setMaximumWidth(kShortFieldWidth);
    addField(tr("Value:"), valueEdit_);
    trackEdits(valueEdit_);

    if (!modifying()) {
        setTexts(tr("Add Historical Value"),
                 tr("Enter a new historical value for the investment below."));
        dateField_->setDate(context_.clock.Today());
        return;
    }
    setTexts(tr("Modify Historical Value"), tr("Modify the historical value information below."));
    const std::optional<ValueRecord> stored = store_.values().FindValue(valueId_);
    found_ = stored.has_value();
    const ValueRecord shown = stored.value_or(ValueRecord{});
    dateField_->setDate(shown.Date);
    valueEdit_->setText(
        QString::fromStdString(FormatNumber(shown.Value, "####.##", context_.locale)));
}

int AddValue(UiContext& context, DataStore& store, Hid holding, QWidget* parent) {
    ValueDialog dialog(context, store, holding, std::nullopt, parent);
    return dialog.exec();
}

int ModifyValue(UiContext& context, DataStore& store, Hid holding, Vid value, QWidget* parent) {
    ValueDialog dialog(context, store, holding, value, parent);
    return dialog.execIfStored(dialog.found());
}

bool ValueDialog::save() {
    const ValueEntry entry{dateField_->date(), valueEdit_->text().toStdString()};
    const Checked<double> value = CheckValue(entry, holding_, context_.locale);
    if (refused(value.refusal, {{EntryField::Amount, valueEdit_}})) return false;

    const ValueRecord record = ValueRecordOf(holding_, entry, value.value);
    const QString failure = tr("The value could not be saved.");
    if (modifying()) {
        return updated(
            [&] {
                return store_.values().UpdateHistoricalValue(valueId_, {record.Date, record.Value});
            },
            failure);
    }
    return written([&] { return store_.values().InsertValue(record); }, failure);
}

void ValueDialog::clearForNextEntry() {
    dateField_->setFocus();
    valueEdit_->clear();
}

QString ValueDialog::missingMessage() const {
    return tr("The historical value could not be found. It may have been removed.");
}

}  // namespace brevanta
