#include "ui/detail/portfolio_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "store/benchmark_choice.h"
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
      descriptionEdit_(new QLineEdit(this)),
      benchmarkCombo_(new QComboBox(this)) {
    setObjectName("PortfolioDialog");
    promptLabel_->setObjectName("promptLabel");
    benchmarkCombo_->setObjectName("benchmarkCombo");
    benchmarkCombo_->setToolTip(
        tr("The investment, of any portfolio, that this portfolio's returns are compared with"));
    SetUpNameEdits(nameEdit_, descriptionEdit_);

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;

    auto* fields = new QFormLayout;
    auto* nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setBuddy(nameEdit_);
    fields->addRow(nameLabel, nameEdit_);
    fields->addRow(tr("Description:"), descriptionEdit_);
    auto* benchmarkLabel = new QLabel(tr("&Benchmark:"), this);
    benchmarkLabel->setBuddy(benchmarkCombo_);
    fields->addRow(benchmarkLabel, benchmarkCombo_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(promptLabel_);
    layout->addLayout(fields);
    layout->addWidget(buttons.box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(okButton_, &QPushButton::clicked, this, &PortfolioDialog::onOkClicked);
    fillBenchmarks();

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

void PortfolioDialog::fillBenchmarks() {
    benchmarkCombo_->addItem(tr("None"));
    const std::optional<Hid> chosen = creating_ ? std::nullopt : BenchmarkOf(store_, portfolioId_);
    for (const PortfolioRecord& portfolio : store_.portfolios().AllPortfolios()) {
        for (const HoldingRecord& holding : store_.holdings().HoldingsOfPortfolio(portfolio.Id)) {
            benchmarkCombo_->addItem(tr("%1 (%2)").arg(QString::fromStdString(holding.Name),
                                                       QString::fromStdString(portfolio.Name)),
                                     QVariant::fromValue(Number(holding.Id)));
            if (holding.Id == chosen)
                benchmarkCombo_->setCurrentIndex(benchmarkCombo_->count() - 1);
        }
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
        context_.platform.ShowPlain(Translated(refusal->message));
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
    const QVariant chosen = benchmarkCombo_->currentData();
    const std::optional<Hid> benchmark =
        chosen.isValid() ? std::optional(Hid{chosen.value<IdNumber>()}) : std::nullopt;
    DataStore::Change change(store_, "saving the portfolio");
    Status status = change.status();
    Pid written = portfolioId_;
    if (status.ok() && creating_) {
        const StoreResult<Pid> inserted = store_.portfolios().InsertPortfolio(name, description);
        status = inserted.status();
        if (inserted.ok()) written = inserted.value();
    } else if (status.ok()) {
        status = store_.portfolios().RenamePortfolio(portfolioId_, name, description).status();
    }
    if (status.ok()) {
        status = creating_ ? StoreBenchmarkRow(store_, written, benchmark)
                           : ChooseBenchmark(store_, written, benchmark);
    }
    if (status.ok()) status = change.Commit();
    if (ShowIfFailed(context_.platform, status, tr("Could not save the portfolio."))) return false;
    portfolioId_ = written;
    return true;
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
