#include "ui/detail/new_investment_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/data_store.h"
#include "ui/detail/entry_refusal.h"
#include "ui/detail/name_edits.h"
#include "ui/platform/date_field.h"
#include "ui/platform/dialog_buttons.h"

namespace brevanta {

NewInvestmentDialog::NewInvestmentDialog(UiContext& context, DataStore& store, Pid portfolio,
                                         QWidget* parent)
    : QDialog(parent),
      context_(context),
      store_(store),
      portfolioId_(portfolio),
      promptLabel_(new QLabel(this)),
      nameEdit_(new QLineEdit(this)),
      descriptionEdit_(new QLineEdit(this)),
      inceptionDateField_(new DateField(context.locale, this)),
      initialValueEdit_(new QLineEdit(this)) {
    setObjectName("NewInvestmentDialog");
    setWindowTitle(tr("New Investment / Holding"));
    promptLabel_->setObjectName("promptLabel");
    inceptionDateField_->setObjectName("inceptionDateField");
    initialValueEdit_->setObjectName("initialValueEdit");
    promptLabel_->setWordWrap(true);
    SetUpNameEdits(nameEdit_, descriptionEdit_);

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* fields = new QFormLayout;
    fields->addRow(tr("Name:"), nameEdit_);
    fields->addRow(tr("Description:"), descriptionEdit_);
    fields->addRow(tr("Inception Date:"), inceptionDateField_);
    fields->addRow(tr("Initial Value:"), initialValueEdit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel_);
    layout->addLayout(fields);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &NewInvestmentDialog::onOkClicked);

    const std::optional<PortfolioRecord> stored = store_.portfolios().FindPortfolio(portfolio);
    promptLabel_->setText(tr("Enter a new investment for the %1 portfolio")
                              .arg(QString::fromStdString(stored ? stored->Name : "")));
    inceptionDateField_->setDate(context_.clock.Today());
}

void NewInvestmentDialog::onOkClicked() {
    const InvestmentEdits edits{nameEdit_, descriptionEdit_, inceptionDateField_,
                                initialValueEdit_};
    const InvestmentEntry entry = edits.entry();
    const Checked<double> initialAmount = CheckNewInvestment(entry, context_.locale);
    if (initialAmount.refusal) {
        refuse(Translated(initialAmount.refusal->message),
               edits.field(initialAmount.refusal->field));
        return;
    }
    const HoldingRecord holding = NewHoldingRecord(portfolioId_, entry, initialAmount.value);
    descriptionEdit_->setText(QString::fromStdString(holding.Description));
    const StoreResult<Hid> inserted = store_.holdings().InsertHolding(holding);
    if (ShowIfFailed(context_.platform, inserted.status(), tr("Could not save the investment.")))
        return;
    holdingId_ = inserted.value();
    accept();
}

int NewInvestment(UiContext& context, DataStore& store, Pid portfolio, QWidget* parent,
                  Hid* created) {
    NewInvestmentDialog dialog(context, store, portfolio, parent);
    const int result = dialog.exec();
    if (created && result == QDialog::Accepted) *created = dialog.holdingId();
    return result;
}

void NewInvestmentDialog::refuse(const QString& message, QWidget* field) {
    context_.platform.ShowPlain(message);
    field->setFocus();
}

}  // namespace brevanta
