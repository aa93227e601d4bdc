#include "ui/detail/portfolio_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/data_store.h"
#include "ui/detail/entry_refusal.h"
#include "ui/detail/name_edits.h"
#include "ui/platform/dialog_buttons.h"

namespace brevanta {

PortfolioDialog::PortfolioDialog(UiContext& context, DataStore& store, std::optional<Pid> portfolio,
                                 QWidget* parent)
    : QDialog(parent),
      context_(context),
      store_(store),
      creating_(!portfolio),
      portfolioId_(portfolio.value_or(Pid{})),
      promptLabel_(new QLabel(this)),
      nameEdit_(new QLineEdit(this)),
      descriptionEdit_(new QLineEdit(this)) {
    setObjectName("PortfolioDialog");
    promptLabel_->setObjectName("promptLabel");
    SetUpNameEdits(nameEdit_, descriptionEdit_);

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* fields = new QFormLayout;
    auto* nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(nameEdit_);
    fields->addRow(nameLabel, nameEdit_);
    fields->addRow(tr("Description:"), descriptionEdit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel_);
    layout->addLayout(fields);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &PortfolioDialog::onOkClicked);

    if (creating_) {
        setWindowTitle(tr("New Portfolio"));
        promptLabel_->setText(tr("Enter your new portfolio information below."));
        return;
    }
    setWindowTitle(tr("Update Portfolio"));
    promptLabel_->setText(tr("Update this portfolio information below."));
    if (const std::optional<PortfolioRecord> stored =
            store_.portfolios().FindPortfolio(*portfolio)) {
        nameEdit_->setText(QString::fromStdString(stored->Name));
        descriptionEdit_->setText(QString::fromStdString(stored->Description));
    }
}

void PortfolioDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    nameEdit_->setFocus();
}

void PortfolioDialog::onOkClicked() {
    const PortfolioEntry entry{nameEdit_->text().toStdString(),
                               descriptionEdit_->text().toStdString()};
    if (const std::optional<Refusal> refusal = CheckPortfolio(entry)) {
        context_.platform.ShowPlain(RefusalMessage(*refusal));
        FieldWidget(refusal->field,
                    {{EntryField::Name, nameEdit_}, {EntryField::Description, descriptionEdit_}})
            ->setFocus();
        return;
    }
    const std::string description = StoredDescription(entry.description);
    descriptionEdit_->setText(QString::fromStdString(description));
    if (save(entry.name, description)) accept();
}

bool PortfolioDialog::save(const std::string& name, const std::string& description) {
    Status status;
    if (creating_) {
        const StoreResult<Pid> inserted = store_.portfolios().InsertPortfolio(name, description);
        status = inserted.status();
        if (inserted.ok()) portfolioId_ = inserted.value();
    } else {
        status = store_.portfolios().RenamePortfolio(portfolioId_, name, description).status();
    }
    return !ShowIfFailed(context_.platform, status, tr("Could not save the portfolio."));
}

int NewPortfolio(UiContext& context, DataStore& store, QWidget* parent, Pid* created) {
    PortfolioDialog dialog(context, store, std::nullopt, parent);
    const int result = dialog.exec();
    if (created && result == QDialog::Accepted) *created = dialog.portfolioId();
    return result;
}

int UpdatePortfolio(UiContext& context, DataStore& store, Pid portfolio, QWidget* parent) {
    PortfolioDialog dialog(context, store, portfolio, parent);
    return dialog.exec();
}

}  // namespace brevanta
