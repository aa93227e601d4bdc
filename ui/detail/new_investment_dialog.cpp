#include "ui/detail/new_investment_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_format.h"
#include "core/number_parse.h"
#include "store/data_store.h"
#include "store/table_layouts.h"
#include "ui/detail/name_edits.h"
#include "ui/detail/storable_text.h"
#include "ui/platform/date_field.h"
#include "ui/platform/dialog_buttons.h"

namespace brevanta {

NewInvestmentDialog::NewInvestmentDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
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
}

int NewInvestmentDialog::NewInvestment(DataStore& store, const PortfolioRecord& portfolio) {
    store_ = &store;
    portfolioId_ = portfolio.Id;
    promptLabel_->setText(tr("Enter a new investment for the %1 portfolio")
                              .arg(QString::fromStdString(portfolio.Name)));
    inceptionDateField_->setDate(context_.clock.Today());
    return exec();
}

void NewInvestmentDialog::onOkClicked() {
    if (nameEdit_->text().isEmpty()) {
        refuse(tr("Please enter the name of this investment."), nameEdit_);
        return;
    }
    if (const TextRefusal refusal = UnstorableText({nameEdit_, descriptionEdit_}); refusal.edit) {
        refuse(refusal.message, refusal.edit);
        return;
    }
    // The stored description is never empty.
    if (descriptionEdit_->text().isEmpty()) descriptionEdit_->setText(" ");
    const std::optional<Date> inceptionDate = inceptionDateField_->date();
    if (!inceptionDate) {
        refuse(tr("Please enter a valid date."), inceptionDateField_);
        return;
    }
    if (initialValueEdit_->text().isEmpty()) {
        refuse(tr("Please enter the initial value of this investment."), initialValueEdit_);
        return;
    }
    const std::optional<double> value =
        ParseNumber(initialValueEdit_->text().toStdString(), context_.locale);
    if (!value) {
        refuse(tr("You did not enter a valid number for the initial value of this "
                  "investment.\n\r Please try again."),
               initialValueEdit_);
        return;
    }
    if (!(*value > 0)) {
        refuse(tr("The initial value of this investment must be a positive number.\n\r Please "
                  "try again."),
               initialValueEdit_);
        return;
    }
    if (*value > LargestAmount()) {
        refuse(tr("The initial value of this investment cannot be larger than %1.\n\r Please "
                  "try again.")
                   .arg(QString::fromStdString(
                       FormatNumber(LargestAmount(), "#,##0.00", context_.locale))),
               initialValueEdit_);
        return;
    }

    HoldingRecord holding;
    holding.PortfolioId = portfolioId_;
    holding.Name = nameEdit_->text().toStdString();
    holding.Description = descriptionEdit_->text().toStdString();
    holding.InceptionDate = *inceptionDate;
    holding.InitialAmount = *value;
    const StoreResult<Hid> inserted = store_->holdings().InsertHolding(holding);
    if (ShowIfFailed(context_.platform, inserted.status(), tr("Could not save the investment.")))
        return;
    newHoldingId_ = inserted.value();
    accept();
}

void NewInvestmentDialog::refuse(const QString& message, QWidget* field) {
    context_.platform.ShowPlain(message);
    field->setFocus();
}

}  // namespace brevanta
