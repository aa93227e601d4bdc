#pragma once

#include <array>
#include <string>

#include "core/date.h"
#include "core/locale.h"
#include "core/message.h"
#include "engine/benchmark.h"
#include "store/data_store.h"
#include "store/records.h"

namespace brevanta {

enum class ReturnKind { TimeWeighted, DollarWeighted };

// The figures a returns page shows, in its row order: quarter, 1, 3, 5 and 10 years, since
// inception (annualised).
inline constexpr int kReturnRowCount = static_cast<int>(kTimeWeightedFigures.size());
const std::array<Figure, kReturnRowCount>& ReturnFigures(ReturnKind kind);

// Bars start at the zero line: negative ones reach left, positive ones right, in pixels.
inline constexpr int kNegativeBarLimit = 50;
inline constexpr int kPositiveBarLimit = 200;

struct ReturnBar {
    enum class Side { Hidden, Negative, Positive };
    Side side = Side::Hidden;
    int width = 0;
};

struct ReturnRow {
    std::string percentage;  // "1,110.00 %", or "n/a" when not calculated
    ReturnBar bar;
};

// The rows of one page. The largest positive figure of the page spans the whole positive
// band (scaled by a whole factor); longer bars are cut at their limits. A page without a
// positive figure has scale 1.
std::array<ReturnRow, kReturnRowCount> ReturnRows(const FigureValues& figures, ReturnKind kind,
                                                  const Locale& locale);

// Beside each row of the time-weighted page: the benchmark's figure over the same period as
// of the same date ("n/a" where it is younger), and the difference in percentage points
// ("#,##0.00", "n/a" unless both figures are there).
struct BenchmarkReturnRow {
    std::string benchmark;
    std::string difference;
};
std::array<BenchmarkReturnRow, kReturnRowCount> BenchmarkReturnRows(
    const FigureValues& figures, const BenchmarkFigures& benchmark, const Locale& locale);

// "Not Calculated" for NoDate, else the short date.
Message PerformanceDateText(Date date, const Locale& locale);

// The money panel of the returns pages.
struct InvestmentTotals {
    double contributions = 0;  // the initial value included
    double dividends = 0;
    double withdrawals = 0;
    double cost_basis = 0;
    double recent_value = 0;  // the market value today
};

InvestmentTotals TotalsOf(const DataStore& store, Hid holding_id, Date today);

// A total as the panel shows it, "###,###,##0.00".
std::string TotalText(double amount, const Locale& locale);

}  // namespace brevanta
