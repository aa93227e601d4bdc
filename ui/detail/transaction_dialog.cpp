#include "ui/detail/transaction_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "core/number_format.h"
#include "store/data_store.h"
#include "store/table_layouts.h"
#include "ui/platform/date_field.h"
#include "ui/platform/translated.h"

namespace brevanta {

TransactionDialog::TransactionDialog(UiContext& context, DataStore& store, Hid holding,
                                     std::optional<Tid> transaction, QWidget* parent)
    : EntryDialog(context, store, holding, transaction.has_value(), tr("Investment:"), parent),
      transactionId_(transaction.value_or(Tid{})),
      typeCombo_(new QComboBox(this)),
      amountEdit_(new QLineEdit(this)),
      descriptionEdit_(new QLineEdit(this)) {
    setObjectName("TransactionDialog");
    typeCombo_->setObjectName("typeCombo");
    amountEdit_->setObjectName("amountEdit");
    amountEdit_->setMaximumWidth(kShortFieldWidth);
    descriptionEdit_->setObjectName("descriptionEdit");
    descriptionEdit_->setMaxLength(kDescriptionWidth);
    descriptionEdit_->setMinimumWidth(320);
    for (const char* code : {CashContributionCode, DividendReinvestedCode, WithdrawalCode}) {
        typeCombo_->addItem(TranslatedTypeText(TransactionTypeText(code)), QString(code));
    }
    addField(tr("Transaction Type: "), typeCombo_);
    addField(tr("Amount: "), amountEdit_);
    addField(tr("Description: "), descriptionEdit_);

    auto* repeat = new QWidget(this);
    repeatCheckBox_ = new QCheckBox(tr("Repeat Transaction"), repeat);
    periodTypeLabel_ = new QLabel(tr("Type of Period:"), repeat);
    yearButton_ = new QRadioButton(tr("Year"), repeat);
    quarterButton_ = new QRadioButton(tr("Quarter"), repeat);
    monthButton_ = new QRadioButton(tr("Month"), repeat);
    periodsLabel_ = new QLabel(tr("# of Periods:"), repeat);
    periodsEdit_ = new QLineEdit(repeat);
    repeatCheckBox_->setObjectName("repeatCheckBox");
    periodTypeLabel_->setObjectName("periodTypeLabel");
    yearButton_->setObjectName("yearButton");
    quarterButton_->setObjectName("quarterButton");
    monthButton_->setObjectName("monthButton");
    periodsLabel_->setObjectName("periodsLabel");
    periodsLabel_->setBuddy(periodsEdit_);
    periodsEdit_->setObjectName("periodsEdit");
    periodsEdit_->setMaxLength(3);
    periodsEdit_->setMaximumWidth(60);
    yearButton_->setChecked(true);
    auto* periods = new QHBoxLayout;
    for (QRadioButton* button : {yearButton_, quarterButton_, monthButton_}) {
        periods->addWidget(button);
    }
    periods->addStretch();
    auto* grid = new QGridLayout(repeat);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(repeatCheckBox_, 0, 0, 1, 2);
    grid->addWidget(periodTypeLabel_, 1, 0);
    grid->addLayout(periods, 1, 1);
    grid->addWidget(periodsLabel_, 2, 0);
    grid->addWidget(periodsEdit_, 2, 1);
    addBelowFields(repeat);
    onRepeatToggled(false);

    connect(typeCombo_, &QComboBox::currentIndexChanged, this, &TransactionDialog::markChanged);
    trackEdits(amountEdit_);
    trackEdits(descriptionEdit_);
    connect(repeatCheckBox_, &QCheckBox::toggled, this, &TransactionDialog::onRepeatToggled);

    if (!modifying()) {
        setTexts(tr("Add Transaction"), tr("Enter the new transaction information below."));
        dateField_->setDate(context_.clock.Today());
        typeCombo_->setCurrentIndex(0);
        setUnsaved(false);
        return;
    }
    setTexts(tr("Modify Transaction"), tr("Modify transaction information below."));
    const std::optional<TransactionRecord> stored =
        store_.transactions().FindTransaction(transactionId_);
    found_ = stored.has_value();
    const TransactionRecord shown = stored.value_or(TransactionRecord{});
    repeatCheckBox_->setEnabled(false);
    periodTypeLabel_->setEnabled(false);
    periodsLabel_->setEnabled(false);
    dateField_->setDate(shown.Date);
    // The entry of the stored code, or of its name; the first for anything else.
    const QString type = QString::fromStdString(shown.Type);
    int index = typeCombo_->findData(type);
    if (index < 0) index = typeCombo_->findText(type);
    typeCombo_->setCurrentIndex(std::max(index, 0));
    amountEdit_->setText(
        QString::fromStdString(FormatNumber(shown.Amount, "####.##", context_.locale)));
    descriptionEdit_->setText(QString::fromStdString(shown.Description));
    setUnsaved(false);
}

int AddTransaction(UiContext& context, DataStore& store, Hid holding, QWidget* parent) {
    TransactionDialog dialog(context, store, holding, std::nullopt, parent);
    return dialog.exec();
}

int ModifyTransaction(UiContext& context, DataStore& store, Hid holding, Tid transaction,
                      QWidget* parent) {
    TransactionDialog dialog(context, store, holding, transaction, parent);
    return dialog.execIfStored(dialog.found());
}

void TransactionDialog::onRepeatToggled(bool repeat) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{yearButton_, quarterButton_, monthButton_, periodsEdit_}) {
        control->setEnabled(repeat);
    }
    markChanged();
}

RepeatPeriod TransactionDialog::period() const {
    if (monthButton_->isChecked()) return RepeatPeriod::Month;
    if (quarterButton_->isChecked()) return RepeatPeriod::Quarter;
    return RepeatPeriod::Year;
}

bool TransactionDialog::save() {
    const TransactionEntry entry{
        .date = dateField_->date(),
        .type = typeCombo_->currentData().toString().toStdString(),
        .amount = amountEdit_->text().toStdString(),
        .description = descriptionEdit_->text().toStdString(),
        .periods = repeatCheckBox_->isChecked() ? std::optional(periodsEdit_->text().toStdString())
                                                : std::nullopt,
        .period = period(),
    };
    const Checked<TransactionValues> checked = CheckTransaction(entry, holding_, context_.locale);
    if (refused(checked.refusal, {{EntryField::Type, typeCombo_},
                                  {EntryField::Amount, amountEdit_},
                                  {EntryField::Periods, periodsEdit_},
                                  {EntryField::Description, descriptionEdit_}})) {
        return false;
    }
    if (modifying()) {
        const TransactionRecord record = TransactionRecordOf(holding_, entry, checked.value.amount);
        const auto update = [&] {
            return store_.transactions().UpdateTransaction(
                transactionId_, {record.Date, record.Type, record.Amount, record.Description});
        };
        if (!updated(update, tr("The transaction could not be saved."))) return false;
    } else if (!insert(TransactionSeriesOf(holding_, entry, checked.value))) {
        return false;
    }
    return true;
}

bool TransactionDialog::insert(const std::vector<TransactionRecord>& series) {
    const QString failure =
        series.size() == 1 ? tr("The transaction could not be saved.")
                           : tr("None of the %1 transactions could be saved.").arg(series.size());
    if (!written([&] { return store_.transactions().InsertTransactions(series); }, failure))
        return false;
    ++insertSaves_;
    return true;
}

void TransactionDialog::clearForNextEntry() {
    amountEdit_->clear();
    descriptionEdit_->clear();
    repeatCheckBox_->setEnabled(true);
    repeatCheckBox_->setChecked(false);
}

int TransactionDialog::resultWithoutChanges() const {
    return insertSaves_ > 0 ? Accepted : Rejected;
}

QString TransactionDialog::missingMessage() const {
    return tr("The transaction could not be found. It may have been removed.");
}

}  // namespace brevanta
