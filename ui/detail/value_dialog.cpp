#include "ui/detail/value_dialog.h"

#include <QLineEdit>

#include "core/number_format.h"
#include "store/data_store.h"
#include "ui/platform/date_field.h"

namespace brevanta {

ValueDialog::ValueDialog(UiContext& context, QWidget* parent)
    : EntryDialog(context, tr("Holding : "), parent), valueEdit_(new QLineEdit(this)) {
    setObjectName("ValueDialog");
    valueEdit_->setObjectName("valueEdit");
    valueEdit_->setMaximumWidth(kShortFieldWidth);
    addField(tr("Value:"), valueEdit_);
    trackEdits(valueEdit_);
}

int ValueDialog::AddValue(DataStore& store, const HoldingRecord& holding) {
    prepare(store, holding, false, tr("Add Historical Value"),
            tr("Enter a new historical value for the investment below."));
    dateField_->setDate(context_.clock.Today());
    return exec();
}

int ValueDialog::ModifyValue(DataStore& store, const HoldingRecord& holding, Vid valueId) {
    const std::optional<ValueRecord> value = store.values().FindValue(valueId);
    if (!value) {
        context_.platform.ShowError(missingMessage());
        return Rejected;
    }
    valueId_ = valueId;
    prepare(store, holding, true, tr("Modify Historical Value"),
            tr("Modify the historical value information below."));
    dateField_->setDate(value->Date);
    valueEdit_->setText(
        QString::fromStdString(FormatNumber(value->Value, "####.##", context_.locale)));
    return exec();
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
                return store_->values().UpdateHistoricalValue(valueId_,
                                                              {record.Date, record.Value});
            },
            failure);
    }
    return written([&] { return store_->values().InsertValue(record); }, failure);
}

void ValueDialog::clearForNextEntry() {
    dateField_->setFocus();
    valueEdit_->clear();
}

QString ValueDialog::missingMessage() const {
    return tr("The historical value could not be found. It may have been removed.");
}

}  // namespace brevanta
