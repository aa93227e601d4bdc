#include "ui/detail/entry_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/data_store.h"
#include "ui/platform/date_field.h"
#include "ui/platform/dialog_buttons.h"

namespace brevanta {

EntryDialog::EntryDialog(UiContext& context, DataStore& store, Hid holding, bool modifying,
                         const QString& holdingCaption, QWidget* parent)
    : QDialog(parent),
      context_(context),
      store_(store),
      holding_(store.holdings().FindHolding(holding).value_or(HoldingRecord{})),
      dateField_(new DateField(context.locale, this)),
      modifying_(modifying),
      promptLabel_(new QLabel(this)),
      portfolioLabel_(new QLabel(this)),
      holdingLabel_(new QLabel(this)),
      fields_(new QFormLayout),
      layout_(new QVBoxLayout(this)) {
    dateField_->setObjectName("dateField");
    dateField_->setMaximumWidth(kShortFieldWidth);
    promptLabel_->setObjectName("promptLabel");
    portfolioLabel_->setObjectName("portfolioLabel");
    holdingLabel_->setObjectName("holdingLabel");

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    applyButton_ = buttons.box->addButton(tr("&Apply"), QDialogButtonBox::ApplyRole);
    applyButton_->setObjectName("applyButton");
    okButton_->setDefault(false);
    applyButton_->setDefault(true);

    fields_->addRow(tr("Portfolio: "), portfolioLabel_);
    fields_->addRow(holdingCaption, holdingLabel_);
    fields_->addRow(tr("Date:"), dateField_);
    appendToTabOrder(dateField_);
    layout_->addWidget(promptLabel_);
    layout_->addLayout(fields_);
    layout_->addWidget(buttons.box);
    layout_->setSizeConstraint(QLayout::SetFixedSize);

    connect(dateField_->lineEdit(), &QLineEdit::textChanged, this, &EntryDialog::markChanged);
    connect(okButton_, &QPushButton::clicked, this, &EntryDialog::onOkClicked);
    connect(applyButton_, &QPushButton::clicked, this, &EntryDialog::onApplyClicked);

    portfolioLabel_->setText(
        QString::fromStdString(store_.portfolios().PortfolioName(holding_.PortfolioId)));
    holdingLabel_->setText(QString::fromStdString(holding_.Name));
}

int EntryDialog::execIfStored(bool stored) {
    if (stored) return exec();
    context_.platform.ShowError(missingMessage());
    return Rejected;
}

void EntryDialog::setTexts(const QString& caption, const QString& prompt) {
    setWindowTitle(caption);
    promptLabel_->setText(prompt);
}

void EntryDialog::addField(const QString& label, QWidget* field) {
    fields_->addRow(label, field);
    appendToTabOrder(field);
}

void EntryDialog::addBelowFields(QWidget* widget) {
    layout_->insertWidget(layout_->indexOf(fields_) + 1, widget);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        if (child->focusPolicy() & Qt::TabFocus) appendToTabOrder(child);
    }
}

// The buttons exist before the fields, so without this Tab would leave the date for them.
// A compound field is ordered through its proxy, or Tab would skip what follows it.
void EntryDialog::appendToTabOrder(QWidget* field) {
    if (lastField_ != nullptr) {
        setTabOrder(lastField_->focusProxy() ? lastField_->focusProxy() : lastField_, field);
    }
    setTabOrder(field->focusProxy() ? field->focusProxy() : field, applyButton_);
    setTabOrder(applyButton_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    lastField_ = field;
}

void EntryDialog::trackEdits(QLineEdit* edit) {
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!text.isEmpty()) markChanged();
    });
}

// While the dialog fills its own fields the flag is held set, so filling is no change.
void EntryDialog::markChanged() {
    if (!unsaved_) setUnsaved(true);
}

void EntryDialog::setUnsaved(bool unsaved) {
    unsaved_ = unsaved;
    applyButton_->setEnabled(unsaved);
}

bool EntryDialog::refused(const std::optional<Refusal>& refusal, FieldWidgets widgets) {
    if (!refusal) return false;
    context_.platform.ShowError(Translated(refusal->message));
    (refusal->field == EntryField::Date ? dateField_ : FieldWidget(refusal->field, widgets))
        ->setFocus();
    return true;
}

bool EntryDialog::written(const std::function<Status()>& write, const QString& failure) {
    Status status;
    {
        BusyCursor busy(context_.platform);
        status = write();
    }
    return !ShowIfFailed(context_.platform, status, failure);
}

bool EntryDialog::updated(const std::function<StoreResult<int>()>& update, const QString& failure) {
    int changed = 0;
    const auto write = [&] {
        const StoreResult<int> result = update();
        changed = result.value();
        return result.status();
    };
    if (!written(write, failure)) return false;
    if (changed == 0) {
        context_.platform.ShowError(missingMessage());
        return false;
    }
    return true;
}

void EntryDialog::onOkClicked() {
    if (!unsaved_) {
        done(resultWithoutChanges());
        return;
    }
    if (!save()) return;
    emit saved();
    accept();
}

void EntryDialog::onApplyClicked() {
    if (!save()) return;
    emit saved();
    if (!modifying()) clearForNextEntry();
    setUnsaved(false);
}

}  // namespace brevanta
