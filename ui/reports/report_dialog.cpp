#include "ui/reports/report_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "reports/report_writer.h"
#include "ui/platform/dialog_buttons.h"
#include "ui/platform/holding_picker.h"
#include "ui/reports/open_report.h"

namespace brevanta {

namespace {

struct OptionText {
    ReportKind kind;
    const char* name;  // of the radio button; its boxes add DollarBox and TimeBox
    const char* caption;
    bool weighted;  // has the two boxes
};

const OptionText kOptions[] = {
    {ReportKind::PortfolioPerformance, "portfolioPerformance",
     QT_TRANSLATE_NOOP("brevanta::ReportDialog", "Portfolio - Performance"), true},
    {ReportKind::MarketValues, "marketValues",
     QT_TRANSLATE_NOOP("brevanta::ReportDialog", "Portfolio - Market Values and Cash Flows"),
     false},
    {ReportKind::PortfolioGrowth, "portfolioGrowth",
     QT_TRANSLATE_NOOP("brevanta::ReportDialog", "Portfolio - Growth  (Returns by Calendar Year)"),
     false},
    {ReportKind::InvestmentDetail, "investmentDetail",
     QT_TRANSLATE_NOOP("brevanta::ReportDialog",
                       "Investment - Detail  (Performance and Transactions)"),
     true},
    {ReportKind::InvestmentReturns, "investmentPerformance",
     QT_TRANSLATE_NOOP("brevanta::ReportDialog", "Investment - Performance"), true},
    {ReportKind::InvestmentLists, "investmentTransactions",
     QT_TRANSLATE_NOOP("brevanta::ReportDialog", "Investment - Transactions"), false},
    {ReportKind::InvestmentGrowth, "investmentGrowth",
     QT_TRANSLATE_NOOP("brevanta::ReportDialog", "Investment - Growth  (Returns by Calendar Year)"),
     false},
};

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

ReportDialog::ReportDialog(UiContext& context, DataStore& store, QWidget* parent)
    : QDialog(parent), context_(context), store_(store), holdingPicker_(new HoldingPicker(this)) {
    setObjectName("ReportDialog");
    setWindowTitle(tr("Reports"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption(tr("Select the report that you would like to run."), this));
    QList<QWidget*> tabOrder;
    for (const OptionText& text : kOptions) {
        auto* button = new QRadioButton(tr(text.caption), this);
        button->setObjectName(QString(text.name) + "Button");
        layout->addWidget(button);
        tabOrder << button;
        ReportOption option{text.kind, button, nullptr, nullptr};
        if (text.weighted) {
            option.dollarWeightedBox = new QCheckBox(tr("Dollar weighted"), this);
            option.timeWeightedBox = new QCheckBox(tr("Time weighted"), this);
            option.dollarWeightedBox->setObjectName(QString(text.name) + "DollarBox");
            option.timeWeightedBox->setObjectName(QString(text.name) + "TimeBox");
            auto* boxes = new QHBoxLayout;
            boxes->addSpacing(24);  // under their report
            for (QCheckBox* box : {option.dollarWeightedBox, option.timeWeightedBox}) {
                box->setChecked(true);
                boxes->addWidget(box);
                tabOrder << box;
            }
            boxes->addStretch();
            layout->addLayout(boxes);
        }
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on) onReportChosen();
        });
        options_.push_back(option);
    }
    layout->addWidget(
        Caption(tr("Select the item that you would like to run a report for."), this));
    layout->addWidget(holdingPicker_);
    tabOrder << holdingPicker_->focusWidgets();

    const DialogButtons buttons = MakeOkCancelButtons(this, tr("OK"));
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    helpButton_ = buttons.box->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    helpButton_->setObjectName("helpButton");
    layout->addWidget(buttons.box);
    tabOrder << okButton_ << cancelButton_ << helpButton_;
    for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    holdingPicker_->showPortfolioOnly();
    options_.front().button->setChecked(true);
    setFixedSize(sizeHint());

    connect(okButton_, &QPushButton::clicked, this, &ReportDialog::onOkClicked);
    connect(buttons.box, &QDialogButtonBox::helpRequested, this, &ReportDialog::onHelpClicked);
    holdingPicker_->load(store_);
}

const ReportDialog::ReportOption& ReportDialog::chosenOption() const {
    for (const ReportOption& option : options_) {
        if (option.button->isChecked()) return option;
    }
    return options_.front();
}

int ReportDialog::reportCode() const {
    const ReportOption& option = chosenOption();
    const auto ticked = [](const QCheckBox* box) { return box && box->isChecked(); };
    return ReportCodeFor(option.kind, ticked(option.dollarWeightedBox),
                         ticked(option.timeWeightedBox));
}

void ReportDialog::onReportChosen() {
    // Between two investment reports the investment chosen stays.
    if (IsPortfolioKind(chosenOption().kind)) {
        holdingPicker_->showPortfolioOnly();
    } else if (!holdingPicker_->showsInvestments()) {
        holdingPicker_->showInvestments();
    }
}

void ReportDialog::onOkClicked() {
    const std::optional<PortfolioRecord> portfolio = holdingPicker_->selectedPortfolio();
    if (!portfolio) {
        context_.platform.ShowPlain(tr("You must select a Portfolio to run a report on."));
        return;
    }
    const int code = reportCode();
    const std::optional<HoldingRecord> holding = holdingPicker_->selectedHolding();
    if (IsInvestmentReport(code) && !holding) {
        // A portfolio without investments has none to report on.
        context_.platform.ShowPlain(tr("You must select an Investment to run a report on."));
        return;
    }
    OpenReport(context_, store_, portfolio->Id, holding ? holding->Id : Hid{}, code);
    accept();
}

void ReportDialog::onHelpClicked() { context_.platform.ShowHelpTopic("REPORT"); }

}  // namespace brevanta
