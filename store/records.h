#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "core/date.h"
#include "core/message.h"
#include "store/identifiers.h"

namespace brevanta {

// The marker of a figure whose period was not calculated. NoDate (1 January 1900), the
// marker of a date never set, lives in core/date.h.
inline constexpr float NotCalculated = 999999.0f;
inline constexpr const char* NotCalculatedText = "999999";  // its stored form

// The performance figures a calculation produces, in stored order: the fields MONTH, QTR,
// YTD, THYR, FIYR, TEYR, INC, INCANN, QTRD, YTDD, THYRD, FIYRD, TEYRD, INCANND (kFigureFields
// in table_layouts.h). port.dbf also has INCD, which no calculation produces
// (PortfolioRecord::InceptionDollar).
enum class Figure {
    Month,    // one-month modified Dietz return
    Qtr,      // time-weighted: three linked months
    Ytd,      // twelve linked months ending on the performance date (a trailing year)
    ThYr,     // 36 linked months, annualised
    FiYr,     // 60 linked months, annualised
    TeYr,     // 120 linked months, annualised
    Inc,      // the inception window, cumulative
    IncAnn,   // the inception window, annualised when older than a year
    QtrD,     // the quarter as one modified Dietz period
    YtdD,     // dollar-weighted: the trailing year
    ThYrD,    // three years
    FiYrD,    // five years
    TeYrD,    // ten years
    IncAnnD,  // the inception window
};
inline constexpr int kFigureCount = 14;

// The figures of one period kind over the quarter, 1, 3, 5 and 10 years and since inception
// (annualised), as the returns pages, the reports and the performance file list them.
inline constexpr std::array<Figure, 6> kTimeWeightedFigures = {
    Figure::Qtr, Figure::Ytd, Figure::ThYr, Figure::FiYr, Figure::TeYr, Figure::IncAnn};
inline constexpr std::array<Figure, 6> kDollarWeightedFigures = {
    Figure::QtrD, Figure::YtdD, Figure::ThYrD, Figure::FiYrD, Figure::TeYrD, Figure::IncAnnD};

// One value per Figure, NotCalculated unless set; brace-initialised, all fourteen in Figure
// order.
struct FigureValues {
    using Array = std::array<float, kFigureCount>;
    using iterator = Array::iterator;
    using const_iterator = Array::const_iterator;

    static constexpr Array AllNotCalculated() {
        Array values{};
        values.fill(NotCalculated);
        return values;
    }

    Array values = AllNotCalculated();

    float operator[](Figure figure) const { return values[static_cast<size_t>(figure)]; }
    float& operator[](Figure figure) { return values[static_cast<size_t>(figure)]; }
    iterator begin() { return values.begin(); }
    iterator end() { return values.end(); }
    const_iterator begin() const { return values.begin(); }
    const_iterator end() const { return values.end(); }
    bool operator==(const FigureValues&) const = default;
};

// A performance date plus the stored percent figures of a portfolio or an investment.
struct PerformanceFigures {
    Date PerformanceDate = NoDate;
    FigureValues Figures;
};

// One row of port.dbf.
struct PortfolioRecord {
    Pid Id{};
    std::string Name;
    std::string Description;
    Date PerformanceDate = NoDate;
    FigureValues Figures;
    // INCD: read as stored; set to NotCalculated when the row is created, never written again.
    float InceptionDollar = NotCalculated;
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
    FigureValues Figures;
};

// The record's performance date and figures, as StoreHoldingFigures takes them.
PerformanceFigures FiguresOf(const HoldingRecord& holding);

// Transaction type codes (as stored and exchanged) and the texts shown for them.
inline constexpr const char* CashContributionCode = "CC";
inline constexpr const char* DividendReinvestedCode = "DI";
inline constexpr const char* WithdrawalCode = "WI";
inline constexpr const char* CashContributionText = BREVANTA_CAPTION("Store", "Cash Contribution");
inline constexpr const char* DividendReinvestedText =
    BREVANTA_CAPTION("Store", "Dividend/Distribution Reinvested");
inline constexpr const char* WithdrawalText = BREVANTA_CAPTION("Store", "Withdrawal");

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

// One row of sys.dbf (column rows included).
struct SettingRecord {
    std::string Key;
    std::string Val1;
    std::string Val2;
    std::string Val3;
    std::string Val4;
    Date Date1 = NoDate;  // read, never written
};

// One "VIEW" row of sys.dbf: a column the main window's investment list can show.
struct ColumnRecord {
    std::string Name;      // Val1
    int32_t Visible = 0;   // Val2: 1 shown, 0 hidden
    int32_t Width = 0;     // Val3: pixels
    int32_t Position = 0;  // Val4: place among the shown columns, 0 first
};

// What an update writes: every member given, and nothing of those left empty.
struct HoldingChanges {
    std::optional<std::string> Name{};
    std::optional<std::string> Description{};
    std::optional<brevanta::Date> InceptionDate{};
    std::optional<double> InitialAmount{};
};

struct TransactionChanges {
    std::optional<brevanta::Date> Date{};
    std::optional<std::string> Type{};
    std::optional<double> Amount{};
    std::optional<std::string> Description{};
};

struct ValueChanges {
    std::optional<brevanta::Date> Date{};
    std::optional<double> Value{};
};

struct SettingChanges {
    std::optional<std::string> Val1{};
    std::optional<std::string> Val2{};
    std::optional<std::string> Val3{};
    std::optional<std::string> Val4{};
};

struct ColumnChanges {
    std::optional<int32_t> Visible{};
    std::optional<int32_t> Width{};
    std::optional<int32_t> Position{};
};

// The order and the update request of one kind of history row.
template <typename Record>
using HistoryOrder =
    std::conditional_t<std::is_same_v<Record, TransactionRecord>, TransactionOrder, ValueOrder>;
template <typename Record>
using HistoryChanges =
    std::conditional_t<std::is_same_v<Record, TransactionRecord>, TransactionChanges, ValueChanges>;

}  // namespace brevanta
