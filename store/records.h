#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/date.h"
#include "store/identifiers.h"

namespace brevanta {

// Markers that stand for "nothing" in stored data and in update requests. NoDate
// (1 January 1900) lives in core/date.h.
inline constexpr float NotCalculated = 999999.0f;  // a figure whose period was not calculated
inline constexpr const char* NotCalculatedText = "999999";  // its stored form
inline constexpr const char* UnchangedText = "*";           // update: leave the text as it is
inline constexpr double UnchangedAmount = -9999999.99;      // update: leave the amount
inline constexpr int32_t UnchangedNumber = -99;             // column update: leave the number

inline constexpr int kHoldingFigureCount = 14;
inline constexpr int kPortfolioFigureCount = 15;

// Position of each figure in HoldingRecord::Figures and PerformanceFigures::Figures, in
// stored order (MONTH ... TEYRD, INCANND). PortfolioRecord::Figures has the same first 13,
// then INCD at kPortfolioInceptionDollar and INCANND at kPortfolioInceptionAnnualisedDollar.
enum FigureIndex : int {
    kMonthFigure = 0,
    kQuarterFigure,
    kOneYearFigure,
    kThreeYearsFigure,
    kFiveYearsFigure,
    kTenYearsFigure,
    kInceptionFigure,
    kInceptionAnnualisedFigure,
    kQuarterDollarFigure,
    kOneYearDollarFigure,
    kThreeYearsDollarFigure,
    kFiveYearsDollarFigure,
    kTenYearsDollarFigure,
    kInceptionAnnualisedDollarFigure,
};
inline constexpr int kPortfolioInceptionDollar = 13;
inline constexpr int kPortfolioInceptionAnnualisedDollar = 14;

// The index of a holding-form figure within PortfolioRecord::Figures.
constexpr int PortfolioFigureIndex(FigureIndex index) {
    return index == kInceptionAnnualisedDollarFigure ? kPortfolioInceptionAnnualisedDollar
                                                     : static_cast<int>(index);
}

using HoldingFigures = std::array<float, kHoldingFigureCount>;
using PortfolioFigures = std::array<float, kPortfolioFigureCount>;

constexpr HoldingFigures NotCalculatedHoldingFigures() {
    HoldingFigures figures{};
    figures.fill(NotCalculated);
    return figures;
}
constexpr PortfolioFigures NotCalculatedPortfolioFigures() {
    PortfolioFigures figures{};
    figures.fill(NotCalculated);
    return figures;
}

// A performance date plus the stored percent figures, in the holding form (14 figures),
// for portfolios as well as investments.
struct PerformanceFigures {
    Date PerformanceDate = NoDate;
    HoldingFigures Figures = NotCalculatedHoldingFigures();
};

// One row of port.dbf.
struct PortfolioRecord {
    Pid Id{};
    std::string Name;
    std::string Description;
    Date PerformanceDate = NoDate;
    PortfolioFigures Figures = NotCalculatedPortfolioFigures();
};

// One row of holding.dbf: an investment.
struct HoldingRecord {
    Hid Id{};
    Pid PortfolioId{};  // the owning portfolio
    std::string Name;
    std::string Description;
    Date InceptionDate;
    double InitialAmount = 0;
    Date PerformanceDate = NoDate;
    HoldingFigures Figures = NotCalculatedHoldingFigures();
};

// The record's performance date and figures, as StoreHoldingFigures takes them.
PerformanceFigures FiguresOf(const HoldingRecord& holding);

// Transaction type codes (as stored and exchanged) and the texts shown for them.
inline constexpr const char* CashContributionCode = "CC";
inline constexpr const char* DividendReinvestedCode = "DI";
inline constexpr const char* WithdrawalCode = "WI";
inline constexpr const char* CashContributionText = "Cash Contribution";
inline constexpr const char* DividendReinvestedText = "Dividend/Distribution Reinvested";
inline constexpr const char* WithdrawalText = "Withdrawal";

// The text shown for a type code, compared exactly; the empty text for an unknown code.
std::string_view TransactionTypeText(std::string_view code);

// One row of Trans.dbf. A withdrawal's Amount is positive; sums subtract it.
struct TransactionRecord {
    Tid Id{};  // 0 in the synthetic OpeningContribution
    Hid HoldingId{};
    Pid PortfolioId{};
    brevanta::Date Date;
    std::string Type;  // "CC", "DI" or "WI"
    double Amount = 0;
    std::string Description;
};

// One row of value.dbf: a historical market value.
struct ValueRecord {
    Vid Id{};  // 0 in the synthetic OpeningValue
    Hid HoldingId{};
    Pid PortfolioId{};
    brevanta::Date Date;
    double Value = 0;
};

// The synthetic entries that lead every per-investment list: the inception as a cash
// contribution of the initial amount, and as a value of it. Never written to a table.
TransactionRecord OpeningContribution(const HoldingRecord& holding);
ValueRecord OpeningValue(const HoldingRecord& holding);

// Orders of TransactionsOfHolding. Plain is by date ascending. The opening entry stays
// first in every order; entries with equal keys come in no defined order.
enum class TransactionOrder {
    Plain,
    DateAscending,
    DateDescending,
    AmountAscending,
    AmountDescending,
    TypeAscending,
    TypeDescending,
};

// Orders of ValuesOfHolding, with the same rules.
enum class ValueOrder { Plain, DateAscending, DateDescending, ValueAscending, ValueDescending };

// Setting keys of sys.dbf, and the key of its list-column rows.
inline constexpr const char* NumDecKey = "NUM_DEC";
inline constexpr const char* LogAuditKey = "LOG_AUDIT";
inline constexpr const char* ColumnKey = "VIEW";

// One row of sys.dbf (column rows included). A record made for UpdateSetting starts with
// every Val as UnchangedText, so only the members the caller sets are written.
struct SettingRecord {
    std::string Key;
    std::string Val1 = UnchangedText;
    std::string Val2 = UnchangedText;
    std::string Val3 = UnchangedText;
    std::string Val4 = UnchangedText;
    Date Date1 = NoDate;  // read, never written
};

// One "VIEW" row of sys.dbf: a column the main window's investment list can show. A record
// made for UpdateColumn starts with every number UnchangedNumber.
struct ColumnRecord {
    std::string Name;                    // Val1
    int32_t Visible = UnchangedNumber;   // Val2: 1 shown, 0 hidden
    int32_t Width = UnchangedNumber;     // Val3: pixels
    int32_t Position = UnchangedNumber;  // Val4: place among the shown columns, 0 first
};

}  // namespace brevanta
