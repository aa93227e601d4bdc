#include "ui/detail/portfolio_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/data_store.h"
#include "store/table_layouts.h"
#include "ui/platform/widget_names.h"

namespace brevanta {

PortfolioDialog::PortfolioDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      lblPName(Named(new QLabel(this), "lblPName")),
      edtName(Named(new QLineEdit(this), "edtName")),
      edtDesc(Named(new QLineEdit(this), "edtDesc")),
      Ok(Named(new QPushButton("OK", this), "Ok")),
      Cancel(Named(new QPushButton("Cancel", this), "Cancel")) {
    setObjectName("PortfolioDialog");
    edtName->setMaxLength(kNameWidth);
    edtDesc->setMaxLength(kDescriptionWidth);
    edtDesc->setMinimumWidth(320);
    Ok->setDefault(true);

    auto* fields = new QFormLayout;
    auto* nameLabel = new QLabel("&Name:", this);
    nameLabel->setBuddy(edtName);
    fields->addRow(nameLabel, edtName);
    fields->addRow("Description:", edtDesc);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Ok);
    buttons->addWidget(Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPName);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Ok, &QPushButton::clicked, this, &PortfolioDialog::OkClick);
    connect(Cancel, &QPushButton::clicked, this, &PortfolioDialog::CancelClick);
}

int PortfolioDialog::NewPortfolio(DataStore& store) {
    return Run(store, Mode::New, "New Portfolio", "Enter your new portfolio information below.");
}

int PortfolioDialog::UpdatePortfolio(DataStore& store, const PortfolioRecord& portfolio) {
    portfolio_id_ = portfolio.Id;
    edtName->setText(QString::fromStdString(portfolio.Name));
    edtDesc->setText(QString::fromStdString(portfolio.Description));
    return Run(store, Mode::Update, "Update Portfolio", "Update this portfolio information below.");
}

int PortfolioDialog::Run(DataStore& store, Mode mode, const QString& caption, const QString& prompt) {
    store_ = &store;
    mode_ = mode;
    setWindowTitle(caption);
    lblPName->setText(prompt);
    return exec();
}

void PortfolioDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
}

void PortfolioDialog::FormActivate() { edtName->setFocus(); }

void PortfolioDialog::OkClick() {
    Platform& platform = context_.platform;
    // Only a name without any character is refused; blanks are a name.
    if (edtName->text().isEmpty()) {
        platform.ShowPlain("Please enter a name.");
        edtName->setFocus();
        return;
    }
    // The stored description is never empty.
    if (edtDesc->text().isEmpty()) edtDesc->setText(" ");
    const std::string name = edtName->text().toStdString();
    const std::string description = edtDesc->text().toStdString();

    if (mode_ == Mode::Update) {
        if (ShowIfFailed(platform,
                         store_->RenamePortfolio(portfolio_id_, name, description).status())) {
            return;
        }
    } else {
        const StoreResult<int> inserted = store_->InsertPortfolio(name, description);
        if (!inserted.ok()) {
            platform.ShowPlain(DataUnavailableMessage);
            done(DataUnavailable);
            return;
        }
        new_portfolio_id_ = inserted.value();
    }
    accept();
}

void PortfolioDialog::CancelClick() { reject(); }

}  // namespace brevanta
