#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/date_series.h"
#include "core/locale.h"
#include "core/message.h"
#include "store/records.h"

namespace brevanta {

class DataStore;

// The rules a portfolio, investment, transaction or historical value must pass before it is
// stored, with their messages, for every place that takes one from a user: the desktop's
// dialogs and brevanta-cli. Each check asks its rules in the order its dialog always asked
// them and returns the first refusal. Numbers arrive as typed and are read in the locale
// given; dates arrive already read (nullopt: not a date), since each place types them its own
// way.

// What every place that reads a typed date says when the text names no day.
inline constexpr UserText kInvalidDateMessage =
    BREVANTA_TEXT("EntryChecks", "Please enter a valid date.");

// The field a refusal concerns, where a dialog puts the focus.
enum class EntryField { Name, Description, Date, Type, Amount, Periods };

// Why an entry is refused. The message's "\n\r" and "\r\n" pairs are line breaks, kept exactly
// as the dialogs have always shown them.
struct Refusal {
    EntryField field;
    Message message;
};

// The refusal's message with its arguments filled in.
std::string RefusalText(const Refusal& refusal);

// What a check read from an entry, or the first rule the entry breaks.
template <typename Value>
struct Checked {
    std::optional<Refusal> refusal;
    Value value{};  // meaningful only without a refusal
};

// A portfolio's own texts as typed.
struct PortfolioEntry {
    std::string name;
    std::string description;
};
// A new portfolio or a renamed one.
std::optional<Refusal> CheckPortfolio(const PortfolioEntry& entry);

// An investment's own fields as typed.
struct InvestmentEntry {
    std::string name;
    std::string description;
    std::optional<Date> inception;
    std::string initial_amount;
};
// A new investment; the value is its initial amount.
Checked<double> CheckNewInvestment(const InvestmentEntry& entry, const Locale& locale);

// The earliest dates of an investment's history, which its inception date must precede.
struct HistoryStart {
    std::optional<Date> first_transaction;
    std::optional<Date> first_value;
};
HistoryStart HistoryStartOf(const DataStore& store, Hid holding_id);

// A change of a stored investment's own fields; the value is the initial amount typed. An
// inception date that moves is refused on or after the first transaction or historical value.
Checked<double> CheckInvestmentChange(const InvestmentEntry& entry, const HoldingRecord& stored,
                                      const HistoryStart& history, const Locale& locale);

// The most transactions one entry repeats into.
inline constexpr int kMostPeriods = 100;

// A transaction as typed: one, or a series when `periods` is given.
struct TransactionEntry {
    std::optional<Date> date;
    std::string type;  // a type code; empty when none was chosen
    std::string amount;
    std::string description;
    std::optional<std::string> periods;  // the number of transactions, as typed
    RepeatPeriod period = RepeatPeriod::Year;
};
struct TransactionValues {
    double amount = 0;
    int count = 1;  // transactions in the series
};
// A transaction of `holding`, new or changed; it must be dated after the inception.
Checked<TransactionValues> CheckTransaction(const TransactionEntry& entry,
                                            const HoldingRecord& holding, const Locale& locale);

// A historical value as typed.
struct ValueEntry {
    std::optional<Date> date;
    std::string value;
};
// A historical value of `holding`, new or changed; it must be dated after the inception,
// where the opening value stands. The value is the amount typed.
Checked<double> CheckValue(const ValueEntry& entry, const HoldingRecord& holding,
                           const Locale& locale);

// A transaction or historical value read from an imported file, as the store would take it.
struct ImportedEntry {
    Date date;
    std::string type;   // the transaction's type code; empty for a historical value
    double amount = 0;  // the transaction's amount or the historical value
    std::string description;
};
// What every import asks of each entry it read, whatever the file's layout: a date after the
// inception and within kFirstEnteredDate..kLastEnteredDate, an amount the tables hold as at
// least 0.01, a description the tables can store. The messages are short, lower-case phrases
// with dates written yyyy-mm-dd, to stand after a line number.
std::optional<Refusal> CheckImportedEntry(const ImportedEntry& entry, const HoldingRecord& holding);

// A portfolio's or an investment's description as stored: never empty, a single blank for
// none.
std::string StoredDescription(const std::string& description);

// The records that entries store once they passed their checks, with the amount the check
// read. REQUIRES: the entry's date is set, as it is after every check that passed.
HoldingRecord NewHoldingRecord(Pid portfolio_id, const InvestmentEntry& entry,
                               double initial_amount);
TransactionRecord TransactionRecordOf(const HoldingRecord& holding, const TransactionEntry& entry,
                                      double amount);
// The transactions a new entry adds: one on its date, or the series of `values.count`.
std::vector<TransactionRecord> TransactionSeriesOf(const HoldingRecord& holding,
                                                   const TransactionEntry& entry,
                                                   const TransactionValues& values);
ValueRecord ValueRecordOf(const HoldingRecord& holding, const ValueEntry& entry, double value);

}  // namespace brevanta
