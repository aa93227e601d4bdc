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

PortfolioDialog::PortfolioDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
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
}

int PortfolioDialog::NewPortfolio(DataStore& store) {
    return run(store, Mode::New, tr("New Portfolio"),
               tr("Enter your new portfolio information below."));
}

int PortfolioDialog::UpdatePortfolio(DataStore& store, const PortfolioRecord& portfolio) {
    portfolioId_ = portfolio.Id;
    nameEdit_->setText(QString::fromStdString(portfolio.Name));
    descriptionEdit_->setText(QString::fromStdString(portfolio.Description));
    return run(store, Mode::Update, tr("Update Portfolio"),
               tr("Update this portfolio information below."));
}

int PortfolioDialog::run(DataStore& store, Mode mode, const QString& caption,
                         const QString& prompt) {
    store_ = &store;
    mode_ = mode;
    setWindowTitle(caption);
    promptLabel_->setText(prompt);
    return exec();
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
    if (mode_ == Mode::Update) {
        status = store_->portfolios().RenamePortfolio(portfolioId_, name, description).status();
    } else {
        const StoreResult<Pid> inserted = store_->portfolios().InsertPortfolio(name, description);
        status = inserted.status();
        if (inserted.ok()) newPortfolioId_ = inserted.value();
    }
    return !ShowIfFailed(context_.platform, status, tr("Could not save the portfolio."));
}

}  // namespace brevanta
