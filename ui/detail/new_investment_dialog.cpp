#include "ui/detail/new_investment_dialog.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/number_parse.h"
#include "store/data_store.h"
#include "store/table_layouts.h"
#include "ui/platform/system_locale.h"
#include "ui/platform/widget_names.h"

namespace brevanta {

NewInvestmentDialog::NewInvestmentDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      lblPName(Named(new QLabel(this), "lblPName")),
      edtName(Named(new QLineEdit(this), "edtName")),
      edtDesc(Named(new QLineEdit(this), "edtDesc")),
      dtp1(Named(new QDateEdit(this), "dtp1")),
      edtValue(Named(new QLineEdit(this), "edtValue")),
      Ok(Named(new QPushButton("OK", this), "Ok")),
      Cancel(Named(new QPushButton("Cancel", this), "Cancel")) {
    setObjectName("NewInvestmentDialog");
    setWindowTitle("New Investment / Holding");
    lblPName->setWordWrap(true);
    edtName->setMaxLength(kNameWidth);
    edtDesc->setMaxLength(kDescriptionWidth);
    edtDesc->setMinimumWidth(320);
    dtp1->setCalendarPopup(true);
    dtp1->setDisplayFormat(QtDateFormat(context_.locale));
    Ok->setDefault(true);

    auto* fields = new QFormLayout;
    fields->addRow("Name:", edtName);
    fields->addRow("Description:", edtDesc);
    fields->addRow("Inception Date:", dtp1);
    fields->addRow("Initial Value:", edtValue);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Ok);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPName);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Ok, &QPushButton::clicked, this, &NewInvestmentDialog::OkClick);
    connect(Cancel, &QPushButton::clicked, this, &NewInvestmentDialog::CancelClick);
}

int NewInvestmentDialog::NewInvestment(DataStore& store, const PortfolioRecord& portfolio) {
    store_ = &store;
    portfolio_id_ = portfolio.Id;
    lblPName->setText("Enter a new investment for the " + QString::fromStdString(portfolio.Name) +
                      " portfolio");
    dtp1->setDate(ToQDate(context_.clock.Today()));
    return exec();
}

void NewInvestmentDialog::OkClick() {
    if (edtName->text().isEmpty()) {
        Refuse("Please enter the name of this investment.", edtName);
        return;
    }
    // The stored description is never empty.
    if (edtDesc->text().isEmpty()) edtDesc->setText(" ");
    if (edtValue->text().isEmpty()) {
        Refuse("Please enter the initial value of this investment.", edtValue);
        return;
    }
    const std::optional<double> value =
        ParseNumber(edtValue->text().toStdString(), context_.locale);
    if (!value) {
        Refuse(
            "You did not enter a valid number for the initial value of this investment.\n\r "
            "Please try again.",
            edtValue);
        return;
    }
    if (!(*value > 0)) {
        Refuse(
            "The initial value of this investment must be a positive number.\n\r Please try "
            "again.",
            edtValue);
        return;
    }

    HoldingRecord holding;
    holding.PortfolioId = portfolio_id_;
    holding.Name = edtName->text().toStdString();
    holding.Description = edtDesc->text().toStdString();
    holding.InceptionDate = FromQDate(dtp1->date());
    holding.InitialAmount = *value;
    const StoreResult<int> inserted = store_->InsertHolding(holding);
    if (ShowIfFailed(context_.platform, inserted.status())) return;
    new_holding_id_ = inserted.value();
    accept();
}

void NewInvestmentDialog::CancelClick() { reject(); }

void NewInvestmentDialog::Refuse(const QString& message, QWidget* field) {
    context_.platform.ShowPlain(message);
    field->setFocus();
}

}  // namespace brevanta
