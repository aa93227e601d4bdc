#include "ui/platform/holding_picker.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "store/data_store.h"

namespace brevanta {

namespace {

// The selected line of a single-selection list, or nothing; the user can deselect it.
std::optional<size_t> SelectedLine(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return static_cast<size_t>(list->row(selected.front()));
}

void Fill(QListWidget* list, const QStringList& names) {
    list->clear();
    list->addItems(names);
    if (list->count() > 0) list->setCurrentRow(0);
}

}  // namespace

HoldingPicker::HoldingPicker(QWidget* parent)
    : QWidget(parent),
      portfolioList_(new QListWidget(this)),
      investmentLabel_(new QLabel(tr("Investments:"), this)),
      investmentList_(new QListWidget(this)) {
    setObjectName("holdingPicker");
    portfolioList_->setObjectName("portfolioList");
    portfolioList_->setAccessibleName(tr("Portfolios"));
    investmentLabel_->setObjectName("investmentLabel");
    investmentList_->setObjectName("investmentList");
    investmentList_->setAccessibleName(tr("Investments"));
    auto* portfolioLabel = new QLabel(tr("Portfolios:"), this);
    portfolioLabel->setBuddy(portfolioList_);
    investmentLabel_->setBuddy(investmentList_);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(portfolioLabel, 0, 0);
    layout->addWidget(investmentLabel_, 0, 1);
    layout->addWidget(portfolioList_, 1, 0);
    layout->addWidget(investmentList_, 1, 1);

    connect(portfolioList_, &QListWidget::itemSelectionChanged, this,
            &HoldingPicker::onPortfolioSelectionChanged);
}

void HoldingPicker::load(const DataStore& store) {
    store_ = &store;
    portfolios_ = store.portfolios().AllPortfolios();
    QStringList names;
    for (const PortfolioRecord& portfolio : portfolios_) {
        names << QString::fromStdString(portfolio.Name);
    }
    const QSignalBlocker quiet(portfolioList_);
    Fill(portfolioList_, names);
    if (showsInvestments_) refillInvestments();
}

void HoldingPicker::showPortfolioOnly() {
    showsInvestments_ = false;
    holdings_.clear();
    investmentList_->clear();
    investmentList_->setEnabled(false);
    investmentLabel_->setEnabled(false);
}

void HoldingPicker::showInvestments() {
    showsInvestments_ = true;
    investmentList_->setEnabled(true);
    investmentLabel_->setEnabled(true);
    refillInvestments();
}

std::optional<PortfolioRecord> HoldingPicker::selectedPortfolio() const {
    const std::optional<size_t> line = SelectedLine(portfolioList_);
    if (!line) return std::nullopt;
    return portfolios_[*line];
}

std::optional<HoldingRecord> HoldingPicker::selectedHolding() const {
    const std::optional<size_t> line = SelectedLine(investmentList_);
    if (!showsInvestments_ || !line) return std::nullopt;
    return holdings_[*line];
}

void HoldingPicker::onPortfolioSelectionChanged() {
    if (showsInvestments_ && selectedPortfolio()) refillInvestments();
}

void HoldingPicker::refillInvestments() {
    const std::optional<PortfolioRecord> portfolio = selectedPortfolio();
    holdings_ = portfolio && store_ ? store_->holdings().HoldingsOfPortfolio(portfolio->Id)
                                    : std::vector<HoldingRecord>();
    QStringList names;
    for (const HoldingRecord& holding : holdings_) names << QString::fromStdString(holding.Name);
    Fill(investmentList_, names);
}

}  // namespace brevanta
