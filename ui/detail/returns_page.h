#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "core/locale.h"
#include "reports/investment_returns.h"
#include "store/records.h"

class QLabel;
class QPushButton;

namespace brevanta {

class ReturnBarWidget;

// The stored time-weighted or dollar-weighted returns of an investment as percentages and
// bars, the date they were calculated up to, and the money totals.
class ReturnsPage : public QWidget {
    Q_OBJECT

  public:
    ReturnsPage(ReturnKind kind, const Locale& locale, QWidget* parent = nullptr);

    void showFigures(const HoldingRecord& holding);
    void showTotals(const InvestmentTotals& totals);
    // The benchmark's figure and the difference beside each row; none hides both columns.
    void showBenchmark(const std::optional<std::array<BenchmarkReturnRow, kReturnRowCount>>& rows);
    void setCalculateEnabled(bool enabled);

  signals:
    void calculateRequested();

  private:
    QWidget* makeReturnsPanel();
    QWidget* makeTotalsPanel();

    const ReturnKind kind_;
    const Locale locale_;
    std::array<QLabel*, kReturnRowCount> percentageLabels_;
    std::array<ReturnBarWidget*, kReturnRowCount> bars_;
    std::array<QLabel*, kReturnRowCount> benchmarkLabels_;
    std::array<QLabel*, kReturnRowCount> differenceLabels_;
    std::array<QLabel*, 2> benchmarkCaptions_;
    QLabel* performanceDateLabel_;
    QPushButton* calculateButton_;
    std::array<QLabel*, 5> totalLabels_;
};

}  // namespace brevanta
