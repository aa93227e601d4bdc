#include "ui/calc/audit_viewer.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "reports/audit_detail.h"
#include "store/data_store.h"
#include "store/records.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/file_filters.h"
#include "ui/platform/text_table_model.h"
#include "ui/platform/translated.h"

namespace brevanta {

namespace {

constexpr std::array<const char*, kAuditPeriods.size()> kLabelNames = {
    "quarterLabel",  "oneYearLabel", "threeYearLabel",
    "fiveYearLabel", "tenYearLabel", "inceptionLabel"};
constexpr int kInceptionTab = kAuditPeriods.size() - 1;

}  // namespace

AuditViewer::AuditViewer(UiContext& context, InvestmentAndPortfolio calculations,
                         const HoldingRecord& holding, QWidget* parent)
    : QDialog(parent),
      context_(context),
      calculations_(std::move(calculations)),
      inceptionDate_(holding.InceptionDate),
      auditTabs_(new QTabWidget(this)),
      investmentButton_(new QRadioButton(tr("Investment"), this)),
      portfolioButton_(new QRadioButton(tr("Portfolio"), this)),
      auditList_(new QTableView(this)),
      auditListModel_(new TextTableModel({{tr("Date1"), Qt::AlignLeft},
                                          {tr("Date2"), Qt::AlignLeft},
                                          {tr("BMV"), Qt::AlignHCenter},
                                          {tr("EMV"), Qt::AlignHCenter},
                                          {tr("SOC"), Qt::AlignHCenter},
                                          {tr(" EMV-.5 SOC / BMV+.5 SOC"), Qt::AlignHCenter}},
                                         this)),
      noDetailLabel_(new QLabel(tr("No monthly periods were calculated: the investment is less "
                                   "than a month old at the performance date."),
                                this)) {
    setObjectName("AuditViewer");
    setWindowTitle(tr("Calculation Audit Detail: %1").arg(QString::fromStdString(holding.Name)));
    auditTabs_->setObjectName("auditTabs");
    investmentButton_->setObjectName("investmentButton");
    portfolioButton_->setObjectName("portfolioButton");
    auditList_->setObjectName("auditList");
    auditTabs_->setAccessibleName(tr("Periods"));
    auditList_->setAccessibleName(tr("Monthly periods"));
    auditList_->setAccessibleDescription(
        tr("The monthly periods behind the time-weighted figure: start and end dates (Date1, "
           "Date2), beginning and ending market values (BMV, EMV), the sum of the cash flows "
           "(SOC) and the month's growth factor."));
    noDetailLabel_->setObjectName("noDetailLabel");

    const Calculation& investment = calculations_.investment;
    const std::array<QString, kAuditPeriods.size()> titles = {tr("Quarter"), tr("1 Year"),
                                                              tr("3 Year"),  tr("5 Year"),
                                                              tr("10 Year"), tr("From Inception")};
    for (int tab = 0; tab < static_cast<int>(kAuditPeriods.size()); ++tab) {
        auto* page = new QWidget;
        tabLabels_[tab] = new QLabel(page);
        tabLabels_[tab]->setObjectName(kLabelNames[tab]);
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(tabLabels_[tab]);
        auditTabs_->addTab(page, titles[tab]);
        // Tabs follow the investment's lists in both views.
        auditTabs_->setTabVisible(tab, !investment.audit_list(kAuditPeriods[tab]).empty());
    }

    investmentButton_->setChecked(true);
    auditList_->setModel(auditListModel_);
    auditList_->verticalHeader()->hide();
    auditList_->setSelectionBehavior(QAbstractItemView::SelectRows);
    auditList_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auditList_->horizontalHeader()->setStretchLastSection(true);
    auditList_->verticalHeader()->setDefaultSectionSize(auditList_->fontMetrics().height() + 6);
    noDetailLabel_->setWordWrap(true);
    noDetailLabel_->hide();

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    helpButton_ = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    saveAsButton_ = buttons->addButton(tr("&Save As..."), QDialogButtonBox::ActionRole);
    okButton_->setObjectName("okButton");
    helpButton_->setObjectName("helpButton");
    saveAsButton_->setObjectName("saveAsButton");
    okButton_->setDefault(true);

    auto* mode = new QHBoxLayout;
    mode->addWidget(investmentButton_);
    mode->addWidget(portfolioButton_);
    mode->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(auditTabs_);
    layout->addLayout(mode);
    layout->addWidget(noDetailLabel_);
    layout->addWidget(auditList_, 1);
    layout->addWidget(buttons);
    resize(640, 440);

    if (investment.audit_list(ReportingPeriod::Inception).empty()) {
        showNoDetail();
    } else {
        if (investment.audit_list(ReportingPeriod::Quarter).empty()) {
            auditTabs_->setCurrentIndex(kInceptionTab);
        }
        fill();
    }

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::helpRequested, this, &AuditViewer::onHelpClicked);
    connect(saveAsButton_, &QPushButton::clicked, this, &AuditViewer::onSaveAsClicked);
    connect(auditTabs_, &QTabWidget::currentChanged, this, &AuditViewer::onTabChanged);
    connect(portfolioButton_, &QRadioButton::toggled, this, &AuditViewer::onModeToggled);
}

void AuditViewer::onTabChanged() { fill(); }

void AuditViewer::onModeToggled() { fill(); }

void AuditViewer::onHelpClicked() { context_.platform.ShowHelpTopic("AUDIT"); }

void AuditViewer::onSaveAsClicked() {
    Platform& platform = context_.platform;
    const QString fileName =
        ChooseFileToSave(context_, FileKind::AuditDetail, tr("Save Calculation Audit Detail"),
                         QString(), TextFilesFilter());
    if (fileName.isEmpty()) return;
    if (!ReplaceConfirmed(platform, fileName)) return;
    BusyCursor busy(platform);
    ShowIfFailed(platform,
                 SaveAuditDetail(shownCalculation().audit_list(shownPeriod()),
                                 std::filesystem::path(QFile::encodeName(fileName).toStdString())));
}

const Calculation& AuditViewer::shownCalculation() const {
    return portfolioButton_->isChecked() ? calculations_.portfolio : calculations_.investment;
}

ReportingPeriod AuditViewer::shownPeriod() const {
    Q_ASSERT(auditTabs_->currentIndex() >= 0);
    return kAuditPeriods[auditTabs_->currentIndex()];
}

void AuditViewer::fill() {
    BusyCursor busy(context_.platform);
    const Calculation& calculation = shownCalculation();
    const ReportingPeriod period = shownPeriod();
    tabLabels_[auditTabs_->currentIndex()]->setText(
        Translated(AuditLabel(period, calculation, inceptionDate_, context_.locale)));
    auditListModel_->setRows(AuditRows(calculation.audit_list(period), context_.locale));
}

void AuditViewer::showPeriodHolding(ReportingPeriod period, Date day, bool portfolio) {
    const int tab = static_cast<int>(std::find(kAuditPeriods.begin(), kAuditPeriods.end(), period) -
                                     kAuditPeriods.begin());
    Q_ASSERT(tab < static_cast<int>(kAuditPeriods.size()) && auditTabs_->isTabVisible(tab));
    // Each change refills the list; a setting that changes nothing does not.
    portfolioButton_->setChecked(portfolio);
    investmentButton_->setChecked(!portfolio);
    auditTabs_->setCurrentIndex(tab);
    if (const std::optional<size_t> row =
            AuditRowHolding(shownCalculation().audit_list(period), day)) {
        const int line = static_cast<int>(*row);
        auditList_->selectRow(line);
        auditList_->scrollTo(auditListModel_->index(line, 0), QAbstractItemView::PositionAtCenter);
    }
}

void AuditViewer::showNoDetail() {
    auditTabs_->hide();
    investmentButton_->setEnabled(false);
    portfolioButton_->setEnabled(false);
    saveAsButton_->setEnabled(false);
    noDetailLabel_->show();
}

int ShowCalculationAudit(UiContext& context, const InvestmentAndPortfolio& calculations,
                         const HoldingRecord& holding, QWidget* parent) {
    AuditViewer viewer(context, calculations, holding, parent);
    return viewer.exec();
}

namespace {

// What the viewer is given for a subject: its calculation, its portfolio's, and the record whose
// name and inception date it shows; a portfolio stands in both modes, named as itself, from its
// oldest investment.
struct InceptionAuditInput {
    InvestmentAndPortfolio calculations;
    HoldingRecord shown;
};

InceptionAuditInput CalculateInceptionAudit(const DataStore& store, const GrowthSubject& subject,
                                            Date performance_date) {
    InceptionAuditInput input;
    input.calculations.portfolio =
        CalculationOf(store, {subject.portfolio_id, std::nullopt}, performance_date);
    if (!subject.is_portfolio()) {
        input.calculations.investment = CalculationOf(store, subject, performance_date);
        input.shown = store.holdings().FindHolding(*subject.holding_id).value_or(HoldingRecord{});
        return input;
    }
    input.calculations.investment = input.calculations.portfolio;
    input.shown.Name = store.portfolios().PortfolioName(subject.portfolio_id);
    const std::vector<HoldingRecord> holdings =
        store.holdings().HoldingsOfPortfolio(subject.portfolio_id);
    const auto oldest = std::min_element(holdings.begin(), holdings.end(),
                                         [](const HoldingRecord& a, const HoldingRecord& b) {
                                             return a.InceptionDate < b.InceptionDate;
                                         });
    if (oldest != holdings.end()) input.shown.InceptionDate = oldest->InceptionDate;
    return input;
}

}  // namespace

int ShowInceptionAudit(UiContext& context, const DataStore& store, const GrowthSubject& subject,
                       Date performance_date, Date day, QWidget* parent) {
    InceptionAuditInput input = [&] {
        BusyCursor busy(context.platform);
        return CalculateInceptionAudit(store, subject, performance_date);
    }();
    const bool calculated =
        !input.calculations.investment.audit_list(ReportingPeriod::Inception).empty();
    AuditViewer viewer(context, std::move(input.calculations), input.shown, parent);
    if (calculated)
        viewer.showPeriodHolding(ReportingPeriod::Inception, day, subject.is_portfolio());
    return viewer.exec();
}

}  // namespace brevanta
