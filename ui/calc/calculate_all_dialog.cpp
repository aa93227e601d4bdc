#include "ui/calc/calculate_all_dialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/calculation_run.h"
#include "store/data_store.h"
#include "ui/platform/date_field.h"
#include "ui/platform/dialog_buttons.h"

namespace brevanta {

CalculateAllDialog::CalculateAllDialog(UiContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      calculationDateField_(new DateField(context.locale, this)),
      everyPortfolioButton_(new QRadioButton(tr("Every Portfolio"), this)),
      selectedPortfoliosButton_(new QRadioButton(tr("Selected Portfolios"), this)),
      portfolioList_(new QListWidget(this)) {
    setObjectName("CalculateAllDialog");
    setWindowTitle(tr("Calculate Performance"));
    calculationDateField_->setObjectName("calculationDateField");
    everyPortfolioButton_->setObjectName("everyPortfolioButton");
    selectedPortfoliosButton_->setObjectName("selectedPortfoliosButton");
    portfolioList_->setObjectName("portfolioList");
    portfolioList_->setAccessibleName(tr("Portfolios"));

    auto* prompt = new QLabel(
        tr("Calculate the performance of the selected investments up to the calculation date."),
        this);
    prompt->setWordWrap(true);
    auto* dateLabel = new QLabel(tr("Calculation Date:"), this);
    dateLabel->setBuddy(calculationDateField_);
    auto* dateNote = new QLabel(
        tr("This date will be used as the last day of the last monthly compounding period."), this);
    dateNote->setWordWrap(true);
    auto* selectionNote =
        new QLabel(tr("Hold down the Control (CTRL) or Shift keys to select multiple"), this);

    calculationDateField_->setDate(context_.clock.Today());
    everyPortfolioButton_->setChecked(true);
    portfolioList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    portfolioList_->setEnabled(false);
    portfolioList_->setMinimumHeight(120);

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("&OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    helpButton_ = buttons.box->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    helpButton_->setObjectName("helpButton");
    // Enter cancels: a calculation rewrites stored figures, so it takes a deliberate OK.
    okButton_->setAutoDefault(false);
    helpButton_->setAutoDefault(false);
    cancelButton_->setDefault(true);

    auto* date = new QHBoxLayout;
    date->addWidget(dateLabel);
    date->addWidget(calculationDateField_);
    date->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(date);
    layout->addWidget(dateNote);
    layout->addWidget(everyPortfolioButton_);
    layout->addWidget(selectedPortfoliosButton_);
    layout->addWidget(portfolioList_);
    layout->addWidget(selectionNote);
    layout->addWidget(buttons.box);
    setFixedWidth(420);

    connect(selectedPortfoliosButton_, &QRadioButton::toggled, portfolioList_,
            &QListWidget::setEnabled);
    connect(okButton_, &QPushButton::clicked, this, &CalculateAllDialog::onOkClicked);
    connect(buttons.box, &QDialogButtonBox::helpRequested, this,
            &CalculateAllDialog::onHelpClicked);
}

int CalculateAllDialog::Execute(DataStore& store) {
    store_ = &store;
    portfolios_ = store.portfolios().AllPortfolios();
    portfolioList_->clear();
    for (const PortfolioRecord& portfolio : portfolios_) {
        portfolioList_->addItem(QString::fromStdString(portfolio.Name));
    }
    return exec();
}

void CalculateAllDialog::onHelpClicked() { context_.platform.ShowHelpTopic("CALCROR"); }

void CalculateAllDialog::onOkClicked() {
    const std::optional<Date> performanceDate = calculationDateField_->date();
    if (!performanceDate) {
        context_.platform.ShowInformation(tr("Please enter a valid date."));
        calculationDateField_->setFocus();
        return;
    }
    const std::vector<PortfolioRecord> chosen = chosenPortfolios();
    if (chosen.empty() && selectedPortfoliosButton_->isChecked()) {
        context_.platform.ShowInformation(tr("Please select one or more portfolios"));
        return;
    }
    const Status calculated = calculate(chosen, *performanceDate);
    // Figures the store refused are not finished numbers, whatever else was stored.
    if (!ShowIfFailed(context_.platform, calculated)) {
        context_.platform.ShowInformation(tr("Finished calculating performance numbers."));
    }
    accept();
}

std::vector<PortfolioRecord> CalculateAllDialog::chosenPortfolios() const {
    if (everyPortfolioButton_->isChecked()) return portfolios_;
    std::vector<PortfolioRecord> chosen;
    for (int line = 0; line < portfolioList_->count(); ++line) {
        if (portfolioList_->item(line)->isSelected()) chosen.push_back(portfolios_[line]);
    }
    return chosen;
}

Status CalculateAllDialog::calculate(const std::vector<PortfolioRecord>& portfolios,
                                     Date performanceDate) {
    BusyCursor busy(context_.platform);
    CalculationRun run(*store_, context_.clock, context_.data_directory, context_.locale);
    return run.CalculatePortfolios(portfolios, performanceDate);
}

}  // namespace brevanta
