#include "ui/detail/investment_window.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/date_format.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "engine/calculation_run.h"
#include "engine/growth.h"
#include "reports/report_writer.h"
#include "store/benchmark_choice.h"
#include "store/data_store.h"
#include "ui/calc/audit_viewer.h"
#include "ui/calc/calculate_investment_dialog.h"
#include "ui/detail/entry_refusal.h"
#include "ui/detail/growth_view.h"
#include "ui/detail/name_edits.h"
#include "ui/detail/record_list_panel.h"
#include "ui/detail/returns_page.h"
#include "ui/platform/date_field.h"
#include "ui/platform/observed_store.h"
#include "ui/platform/screen_fit.h"
#include "ui/reports/open_report.h"

namespace brevanta {

namespace {

enum PageIndex {
    kTransactionsPage,
    kValuesPage,
    kTimeWeightedPage,
    kDollarWeightedPage,
    kGrowthPage
};

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

int ShowInvestment(UiContext& context, ObservedStore& directory, Hid holding, InvestmentPage page,
                   QWidget* parent) {
    InvestmentWindow window(context, directory, holding, parent);
    window.showPage(page);
    return window.exec();
}

InvestmentWindow::InvestmentWindow(UiContext& context, ObservedStore& directory, Hid holding,
                                   QWidget* parent)
    : QDialog(parent),
      context_(context),
      directory_(directory),
      store_(directory.store()),
      holding_(directory.store().holdings().FindHolding(holding).value_or(HoldingRecord{})),
      pages_(new QTabWidget(this)),
      portfolioLabel_(new QLabel(this)),
      nameEdit_(new QLineEdit(this)),
      descriptionEdit_(new QLineEdit(this)),
      inceptionDateField_(new DateField(context.locale, this)),
      initialValueEdit_(new QLineEdit(this)),
      transactionsPanel_(new RecordListPanel(TransactionKind(), context, directory,
                                             holding_.PortfolioId, holding, this)),
      valuesPanel_(new RecordListPanel(ValueKind(), context, directory, holding_.PortfolioId,
                                       holding, this)),
      timeWeightedPage_(new ReturnsPage(ReturnKind::TimeWeighted, context.locale, this)),
      dollarWeightedPage_(new ReturnsPage(ReturnKind::DollarWeighted, context.locale, this)),
      growthPage_(
          new GrowthView(context, directory.store(), {holding_.PortfolioId, holding}, this)) {
    setObjectName("InvestmentWindow");
    pages_->setObjectName("pages");
    pages_->setAccessibleName(tr("Pages"));
    portfolioLabel_->setObjectName("portfolioLabel");
    inceptionDateField_->setObjectName("inceptionDateField");
    initialValueEdit_->setObjectName("initialValueEdit");
    SetUpNameEdits(nameEdit_, descriptionEdit_);
    inceptionDateField_->setMaximumWidth(160);
    initialValueEdit_->setMaximumWidth(160);

    pages_->addTab(Scrollable(makeTransactionsPage()), tr("Transactions"));
    pages_->addTab(Scrollable(makeValuesPage()), tr("Historical Values"));
    pages_->addTab(Scrollable(timeWeightedPage_), tr("Returns - Time weighted"));
    pages_->addTab(Scrollable(dollarWeightedPage_), tr("Returns - Dollar weighted"));
    pages_->addTab(Scrollable(growthPage_), tr("Growth"));

    auto* buttons = new QDialogButtonBox(this);
    helpButton_ = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    reportButton_ = buttons->addButton(tr("&Generate Report"), QDialogButtonBox::ActionRole);
    okButton_ = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    cancelButton_ = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    helpButton_->setObjectName("helpButton");
    reportButton_->setObjectName("reportButton");
    okButton_->setObjectName("okButton");
    cancelButton_->setObjectName("cancelButton");
    // Enter closes the window as it was opened; once a field is edited, Enter saves it
    // rather than throwing the edit away.
    for (QPushButton* button : {helpButton_, reportButton_, okButton_}) {
        button->setAutoDefault(false);
    }
    cancelButton_->setDefault(true);
    for (QLineEdit* edit :
         {nameEdit_, descriptionEdit_, inceptionDateField_->lineEdit(), initialValueEdit_}) {
        connect(edit, &QLineEdit::textEdited, okButton_, [this] { okButton_->setDefault(true); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);
    resize(900, 740);

    connect(helpButton_, &QPushButton::clicked, this, &InvestmentWindow::onHelpClicked);
    connect(reportButton_, &QPushButton::clicked, this, &InvestmentWindow::onGenerateReport);
    connect(okButton_, &QPushButton::clicked, this, &InvestmentWindow::onOkClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(&directory_, &ObservedStore::historyChanged, this, &InvestmentWindow::onHistoryChanged);
    connect(&directory_, &ObservedStore::figuresChanged, this, &InvestmentWindow::onFiguresChanged);
    connect(&directory_, &ObservedStore::settingsChanged, this,
            &InvestmentWindow::onSettingsChanged);
    for (ReturnsPage* page : {timeWeightedPage_, dollarWeightedPage_}) {
        connect(page, &ReturnsPage::calculateRequested, this,
                &InvestmentWindow::onCalculatePerformance);
        page->setCalculateEnabled(!directory_.readOnly());
    }
    if (directory_.readOnly()) {
        for (QLineEdit* edit : {nameEdit_, descriptionEdit_, initialValueEdit_}) {
            edit->setReadOnly(true);
        }
        inceptionDateField_->setEnabled(false);
        okButton_->setEnabled(false);
    }

    showFields();
}

QWidget* InvestmentWindow::makeTransactionsPage() {
    auto* page = new QWidget(this);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Portfolio:"), portfolioLabel_);
    fields->addRow(tr("Holding:"), nameEdit_);
    fields->addRow(tr("Description:"), descriptionEdit_);
    fields->addRow(tr("Inception Date:"), inceptionDateField_);
    fields->addRow(tr("Initial Value:"), initialValueEdit_);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(fields);
    layout->addWidget(transactionsPanel_);
    return page;
}

QWidget* InvestmentWindow::makeValuesPage() {
    auto* page = new QWidget(this);
    auto* prompt = new QLabel(tr("Enter the historical value of this investment below.  It is "
                                 "recommended that you enter in the value each month."),
                              page);
    prompt->setWordWrap(true);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(prompt);
    layout->addWidget(valuesPanel_);
    return page;
}

void InvestmentWindow::showFields() {
    setWindowTitle(tr("Details: %1").arg(Text(holding_.Name)));
    portfolioLabel_->setText(Text(store_.portfolios().PortfolioName(holding_.PortfolioId)));
    nameEdit_->setText(Text(holding_.Name));
    descriptionEdit_->setText(Text(holding_.Description));
    inceptionDateField_->setDate(holding_.InceptionDate);
    shownInitialValue_ = Text(FormatNumber(holding_.InitialAmount, "0.##", context_.locale));
    initialValueEdit_->setText(shownInitialValue_);
    transactionsPanel_->refill();
    valuesPanel_->refill();
    showReturns();
    refillTotals();
}

void InvestmentWindow::showPage(InvestmentPage page) {
    switch (page) {
        case InvestmentPage::HistoricalValues:
            pages_->setCurrentIndex(kValuesPage);
            break;
        case InvestmentPage::Returns:
            pages_->setCurrentIndex(kTimeWeightedPage);
            break;
        case InvestmentPage::Growth:
            pages_->setCurrentIndex(kGrowthPage);
            break;
        default:
            pages_->setCurrentIndex(kTransactionsPage);
    }
}

void InvestmentWindow::onHistoryChanged(Hid holdingId) {
    if (holdingId == Hid{} || holdingId == holding_.Id) refillTotals();
}

void InvestmentWindow::onFiguresChanged() {
    const auto fresh = store_.holdings().FindHoldingIn(holding_.PortfolioId, holding_.Id);
    if (!fresh) return;
    holding_.PerformanceDate = fresh->PerformanceDate;
    holding_.Figures = fresh->Figures;
    showReturns();
}

void InvestmentWindow::onSettingsChanged() {
    // The portfolio's benchmark may be another now.
    showReturns();
}

void InvestmentWindow::showReturns() {
    timeWeightedPage_->showFigures(holding_);
    dollarWeightedPage_->showFigures(holding_);
    const std::optional<Hid> benchmark = BenchmarkOf(store_, holding_.PortfolioId);
    if (!benchmark) {
        timeWeightedPage_->showBenchmark(std::nullopt);
        return;
    }
    // Compared as of the figures' own date; never calculated, nothing to compare.
    const BenchmarkFigures compared =
        holding_.PerformanceDate == NoDate
            ? BenchmarkFigures{}
            : BenchmarkFiguresOf(store_, {holding_.PortfolioId, holding_.Id}, *benchmark,
                                 holding_.PerformanceDate);
    timeWeightedPage_->showBenchmark(
        BenchmarkReturnRows(holding_.Figures, compared, context_.locale));
}

void InvestmentWindow::refillTotals() {
    const InvestmentTotals totals = TotalsOf(store_, holding_.Id, context_.clock.Today());
    timeWeightedPage_->showTotals(totals);
    dollarWeightedPage_->showTotals(totals);
}

void InvestmentWindow::onCalculatePerformance() {
    CalculateInvestmentDialog dialog(context_, this);
    if (dialog.Execute(holding_.InceptionDate) != QDialog::Accepted) return;
    CalculationRun run(store_, context_.clock, context_.data_directory, context_.locale);
    InvestmentAndPortfolio calculations;
    {
        BusyCursor busy(context_.platform);
        // An investment without transactions or not opened by a contribution keeps its
        // figures without a word; only a refused write is news.
        calculations = run.CalculateInvestmentAndPortfolio(holding_.Id, dialog.ChosenDate());
    }
    ShowIfFailed(context_.platform, run.status(),
                 tr("The performance figures could not be stored."));
    if (dialog.ShowDetail()) ShowCalculationAudit(context_, calculations, holding_, this);
    growthPage_->resetDate();
}

void InvestmentWindow::onGenerateReport() {
    OpenReport(context_, store_, holding_.PortfolioId, holding_.Id, kInvestmentDetailReport);
}

void InvestmentWindow::onHelpClicked() {
    switch (pages_->currentIndex()) {
        case kTransactionsPage:
            context_.platform.ShowHelpTopic("TRANS");
            break;
        case kValuesPage:
            context_.platform.ShowHelpTopic("HISTORICAL");
            break;
        default:
            context_.platform.ShowHelpTopic("CALCROR");
    }
}

void InvestmentWindow::onOkClicked() {
    const InvestmentEdits edits{nameEdit_, descriptionEdit_, inceptionDateField_,
                                initialValueEdit_};
    const InvestmentEntry entry = edits.entry();
    const Checked<double> typed = CheckInvestmentChange(
        entry, holding_, HistoryStartOf(store_, holding_.Id), context_.locale);
    if (typed.refusal) {
        refuse(Translated(typed.refusal->message), edits.field(typed.refusal->field));
        return;
    }
    // The value shown is rounded to cents; unless the user changed it, the stored amount
    // is left exactly as it is.
    const bool valueEdited =
        typed.value != ParseNumber(shownInitialValue_.toStdString(), context_.locale);
    if (*entry.inception == holding_.InceptionDate && entry.name == holding_.Name &&
        entry.description == holding_.Description && !valueEdited) {
        reject();
        return;
    }
    HoldingChanges changes{entry.name, entry.description, *entry.inception, std::nullopt};
    // A value left as shown keeps every digit it had beyond those shown.
    if (valueEdited) changes.InitialAmount = typed.value;
    const StoreResult<int> updated = store_.holdings().UpdateHolding(holding_.Id, changes);
    if (ShowIfFailed(context_.platform, updated.status(),
                     tr("The investment could not be saved."))) {
        return;
    }
    accept();
}

void InvestmentWindow::refuse(const QString& message, QWidget* field) {
    pages_->setCurrentIndex(kTransactionsPage);
    context_.platform.ShowError(message);
    field->setFocus();
}

void InvestmentWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitToScreen(*this);
}

}  // namespace brevanta
