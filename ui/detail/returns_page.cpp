#include "ui/detail/returns_page.h"

#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/detail/return_bar_widget.h"
#include "ui/platform/translated.h"

namespace brevanta {

namespace {

constexpr std::array<const char*, kReturnRowCount> kRowNames = {"quarter",  "oneYear", "threeYear",
                                                                "fiveYear", "tenYear", "inception"};
constexpr std::array<const char*, 5> kTotalNames = {"contributionsLabel", "dividendsLabel",
                                                    "withdrawalsLabel", "costBasisLabel",
                                                    "recentValueLabel"};

QLabel* NamedLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

ReturnsPage::ReturnsPage(ReturnKind kind, const Locale& locale, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      locale_(locale),
      performanceDateLabel_(new QLabel(this)),
      calculateButton_(new QPushButton(tr(" Calculate Performance..."), this)) {
    const bool timeWeighted = kind == ReturnKind::TimeWeighted;
    setObjectName(timeWeighted ? "timeWeightedPage" : "dollarWeightedPage");
    performanceDateLabel_->setObjectName("performanceDateLabel");
    calculateButton_->setObjectName("calculateButton");
    calculateButton_->setAutoDefault(false);

    auto* title = new QLabel(
        timeWeighted ? tr("Time-Weighted Returns  (%)") : tr("Dollar-Weighted Returns (IRR) (%)"),
        this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* panels = new QHBoxLayout;
    panels->addWidget(makeReturnsPanel());
    panels->addWidget(makeTotalsPanel(), 0, Qt::AlignTop);
    panels->addStretch();

    auto* dateLine = new QHBoxLayout;
    dateLine->addWidget(new QLabel(tr("Performance Calculated Up To:"), this));
    dateLine->addWidget(performanceDateLabel_);
    dateLine->addStretch();
    dateLine->addWidget(calculateButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(panels);
    layout->addSpacing(12);
    layout->addLayout(dateLine);
    layout->addStretch();

    connect(calculateButton_, &QPushButton::clicked, this, &ReturnsPage::calculateRequested);
}

QWidget* ReturnsPage::makeReturnsPanel() {
    const std::array<QString, kReturnRowCount> captions = {tr("Quarter"), tr("1 Year"),
                                                           tr("3 Year"),  tr("5 Year"),
                                                           tr("10 Year"), tr("Since Inception")};
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    // Line 0 holds the benchmark's captions, shown only with a benchmark.
    benchmarkCaptions_ = {NamedLabel("benchmarkCaption", panel),
                          NamedLabel("differenceCaption", panel)};
    benchmarkCaptions_[0]->setText(tr("Benchmark"));
    benchmarkCaptions_[1]->setText(tr("Difference"));
    benchmarkCaptions_[1]->setToolTip(tr("The return minus the benchmark's, in percentage points"));
    grid->addWidget(benchmarkCaptions_[0], 0, 3);
    grid->addWidget(benchmarkCaptions_[1], 0, 4);
    for (int row = 0; row < kReturnRowCount; ++row) {
        const QString name = kRowNames[row];
        const int line = row + 1;
        bars_[row] = new ReturnBarWidget(panel);
        bars_[row]->setObjectName(name + "Bar");
        percentageLabels_[row] = NamedLabel(name + "Label", panel);
        percentageLabels_[row]->setMinimumWidth(90);
        benchmarkLabels_[row] = NamedLabel(name + "BenchmarkLabel", panel);
        differenceLabels_[row] = NamedLabel(name + "DifferenceLabel", panel);
        benchmarkLabels_[row]->setMinimumWidth(90);
        differenceLabels_[row]->setMinimumWidth(80);
        // A screen reader names each figure after its row and says what it measures.
        auto* caption = new QLabel(captions[row], panel);
        caption->setBuddy(percentageLabels_[row]);
        bars_[row]->setAccessibleName(captions[row]);
        percentageLabels_[row]->setAccessibleDescription(
            kind_ == ReturnKind::TimeWeighted
                ? tr("%1: time-weighted return in percent").arg(captions[row])
                : tr("%1: dollar-weighted return (IRR) in percent").arg(captions[row]));
        benchmarkLabels_[row]->setAccessibleDescription(
            tr("%1: the benchmark's return in percent").arg(captions[row]));
        differenceLabels_[row]->setAccessibleDescription(
            tr("%1: the return minus the benchmark's, in percentage points").arg(captions[row]));
        grid->addWidget(caption, line, 0);
        grid->addWidget(bars_[row], line, 1);
        grid->addWidget(percentageLabels_[row], line, 2);
        grid->addWidget(benchmarkLabels_[row], line, 3);
        grid->addWidget(differenceLabels_[row], line, 4);
    }
    showBenchmark(std::nullopt);
    return panel;
}

QWidget* ReturnsPage::makeTotalsPanel() {
    const std::array<QString, 5> captions = {
        tr("Total Contributions:"), tr("Total Dividend/Distributions:"), tr("Total Withdrawls:"),
        tr("Cost Basis: "), tr("Recent Value:")};
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    auto* form = new QFormLayout(panel);
    for (size_t i = 0; i < totalLabels_.size(); ++i) {
        totalLabels_[i] = NamedLabel(kTotalNames[i], panel);
        form->addRow(captions[i], totalLabels_[i]);
    }
    return panel;
}

void ReturnsPage::showFigures(const HoldingRecord& holding) {
    const std::array<ReturnRow, kReturnRowCount> rows = ReturnRows(holding.Figures, kind_, locale_);
    for (int row = 0; row < kReturnRowCount; ++row) {
        const QString percentage = QString::fromStdString(rows[row].percentage);
        percentageLabels_[row]->setText(percentage);
        bars_[row]->setBar(rows[row].bar, percentage);
    }
    performanceDateLabel_->setText(
        Translated(PerformanceDateText(holding.PerformanceDate, locale_)));
}

void ReturnsPage::showTotals(const InvestmentTotals& totals) {
    const std::array<double, 5> amounts = {totals.contributions, totals.dividends,
                                           totals.withdrawals, totals.cost_basis,
                                           totals.recent_value};
    for (size_t i = 0; i < amounts.size(); ++i) {
        totalLabels_[i]->setText(QString::fromStdString(TotalText(amounts[i], locale_)));
    }
}

void ReturnsPage::showBenchmark(
    const std::optional<std::array<BenchmarkReturnRow, kReturnRowCount>>& rows) {
    for (QLabel* caption : benchmarkCaptions_) caption->setVisible(rows.has_value());
    for (int row = 0; row < kReturnRowCount; ++row) {
        benchmarkLabels_[row]->setVisible(rows.has_value());
        differenceLabels_[row]->setVisible(rows.has_value());
        if (!rows) continue;
        benchmarkLabels_[row]->setText(QString::fromStdString((*rows)[row].benchmark));
        differenceLabels_[row]->setText(QString::fromStdString((*rows)[row].difference));
    }
}

void ReturnsPage::setCalculateEnabled(bool enabled) { calculateButton_->setEnabled(enabled); }

}  // namespace brevanta
