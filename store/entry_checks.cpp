#include "store/entry_checks.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/control_characters.h"
#include "core/date_format.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "core/windows_1252.h"
#include "store/data_store.h"
#include "store/table_layouts.h"

namespace brevanta {

namespace {

// The messages, word for word (typos included) as the dialogs have always shown them.
constexpr UserText kPortfolioNameMissing = BREVANTA_TEXT("EntryChecks", "Please enter a name.");
constexpr UserText kInvestmentNameMissing =
    BREVANTA_TEXT("EntryChecks", "Please enter the name of this investment.");
constexpr UserText kHoldingNameMissing =
    BREVANTA_TEXT("EntryChecks", "Please enter the name of this holding.");
constexpr UserText kUnstorableCharacter =
    BREVANTA_TEXT("EntryChecks", "The character \"%1\" (%2) cannot be stored.\nPlease replace it.");
constexpr UserText kControlCharacter =
    BREVANTA_TEXT("EntryChecks", "The control character %1 cannot be stored.\nPlease remove it.");
constexpr UserText kNameTooLong = BREVANTA_TEXT(
    "EntryChecks", "The name can not be longer than %1 characters.\n\r Please try again.");
constexpr UserText kDescriptionTooLong = BREVANTA_TEXT(
    "EntryChecks", "The description can not be longer than %1 characters.\n\r Please try again.");
constexpr UserText kInitialAmountMissing =
    BREVANTA_TEXT("EntryChecks", "Please enter the initial value of this investment.");
constexpr UserText kInitialAmountTooLarge = BREVANTA_TEXT(
    "EntryChecks",
    "The initial value of this investment cannot be larger than %1.\n\r Please try again.");
constexpr UserText kInceptionAfterFirstTransaction = BREVANTA_TEXT(
    "EntryChecks",
    "The inception date must be before the first transaction, dated %1.\r\nPlease try again.");
constexpr UserText kInceptionAfterFirstValue = BREVANTA_TEXT(
    "EntryChecks",
    "The inception date must be before the first historical value, dated %1.\r\nPlease try "
    "again.");
constexpr UserText kTransactionBeforeInception = BREVANTA_TEXT(
    "EntryChecks",
    "Transaction dates can not occur before an investments \n\r inception date. \n\r Please "
    "change the date and try again.");
constexpr UserText kTypeMissing = BREVANTA_TEXT("EntryChecks", "Please select a transaction type.");
constexpr UserText kAmountTooLarge =
    BREVANTA_TEXT("EntryChecks", "The number can not be larger than %1.\n\r Please try again.");
constexpr UserText kPeriodsOutOfRange = BREVANTA_TEXT(
    "EntryChecks", "Please enter a number between\n\r 1 and 100 for the # of periods.");
constexpr UserText kValueBeforeInception = BREVANTA_TEXT(
    "EntryChecks",
    "Historical value dates can not occur before an investments \n\r inception date. \n\r "
    "Please change the date and try again.");
constexpr UserText kValueMissing =
    BREVANTA_TEXT("EntryChecks", "Please enter an investment value.");

// What imports say of a line they skip, after its number.
constexpr UserText kImportedDateOutOfRange =
    BREVANTA_TEXT("EntryChecks", "the date %1 is not between %2 and %3");
constexpr UserText kImportedBeforeInception =
    BREVANTA_TEXT("EntryChecks", "the date %1 is not after the inception date %2");
constexpr UserText kImportedAmountNegative = BREVANTA_TEXT("EntryChecks", "the amount is negative");
constexpr UserText kImportedAmountRoundsToZero =
    BREVANTA_TEXT("EntryChecks", "the amount rounds to 0.00");
constexpr UserText kImportedAmountTooLarge =
    BREVANTA_TEXT("EntryChecks", "the amount is larger than %1");
constexpr const char* kImportedDatePattern = "yyyy-mm-dd";
// An amount below this is written 0.00 in the tables.
constexpr double kSmallestAmount = 0.005;

// What a text field says when it holds a control character, a character the tables cannot
// store, or more than its width.
struct TextMessages {
    UserText control;
    UserText unstorable;
    UserText too_long;
};
constexpr TextMessages kTypedName = {kControlCharacter, kUnstorableCharacter, kNameTooLong};
constexpr TextMessages kTypedDescription = {kControlCharacter, kUnstorableCharacter,
                                            kDescriptionTooLong};
constexpr TextMessages kImportedDescription = {
    BREVANTA_TEXT("EntryChecks", "the description holds the control character %1"),
    BREVANTA_TEXT("EntryChecks", "the description holds \"%1\" (%2), which cannot be stored"),
    BREVANTA_TEXT("EntryChecks", "the description is longer than %1 characters")};

// What an amount field says when its text is not a number, not above 0, or more than the
// tables hold.
struct AmountMessages {
    UserText not_a_number;
    UserText not_positive;
    UserText too_large;
};
constexpr AmountMessages kNewInitialAmount = {
    BREVANTA_TEXT(
        "EntryChecks",
        "You did not enter a valid number for the initial value of this investment.\n\r Please try "
        "again."),
    BREVANTA_TEXT(
        "EntryChecks",
        "The initial value of this investment must be a positive number.\n\r Please try again."),
    kInitialAmountTooLarge};
constexpr AmountMessages kChangedInitialAmount = {
    BREVANTA_TEXT(
        "EntryChecks",
        "You did not enter a valid number for the \r\n initial value of this investment.\r\n "
        "Please try agian."),
    BREVANTA_TEXT(
        "EntryChecks",
        "The initial value of this investment must be a positive number.\n\r Please try agian."),
    kInitialAmountTooLarge};
constexpr AmountMessages kTransactionAmount = {
    BREVANTA_TEXT(
        "EntryChecks",
        "Please enter a number for the amount of the transaction. \n\r Do not enter '$' or ',' "
        "symbols."),
    BREVANTA_TEXT("EntryChecks", "Transactions must be a positive number.\n\r Please try again."),
    kAmountTooLarge};
constexpr AmountMessages kValueAmount = {
    BREVANTA_TEXT("EntryChecks",
                  "Please enter a number for the value of the holding. \n\r Do not enter '$' or "
                  "',' symbols."),
    BREVANTA_TEXT("EntryChecks", "The value must be greater than 0 \n\r Please try again."),
    kAmountTooLarge};

Refusal Refuse(EntryField field, UserText text, const std::vector<std::string>& arguments = {}) {
    return {field, Message(text, {arguments.begin(), arguments.end()})};
}

Checked<double> CheckAmount(std::string_view typed, const AmountMessages& messages,
                            const Locale& locale) {
    const std::optional<double> amount = ParseNumber(typed, locale);
    if (!amount) return {Refuse(EntryField::Amount, messages.not_a_number)};
    if (!(*amount > 0)) return {Refuse(EntryField::Amount, messages.not_positive)};
    // The amount fields of the tables hold no more.
    if (*amount > LargestAmount()) {
        return {Refuse(EntryField::Amount, messages.too_large,
                       {FormatNumber(LargestAmount(), "#,##0.00", locale)})};
    }
    return {std::nullopt, *amount};
}

// Every character must have a place in the tables' code page, and the text in its field.
std::optional<Refusal> CheckText(const std::string& text, EntryField field, int width,
                                 const TextMessages& messages) {
    const auto control = std::find_if(text.begin(), text.end(), IsControlCharacter);
    if (control != text.end()) {
        return Refuse(field, messages.control,
                      {CodePointName(static_cast<unsigned char>(*control))});
    }
    const Windows1252Text stored = EncodeWindows1252(text);
    if (stored.refused) {
        return Refuse(field, messages.unstorable,
                      {Utf8Character(*stored.refused), CodePointName(*stored.refused)});
    }
    if (stored.bytes.size() > static_cast<size_t>(width)) {
        return Refuse(field, messages.too_long, {std::to_string(width)});
    }
    return std::nullopt;
}

std::optional<Refusal> CheckNameAndDescription(const std::string& name,
                                               const std::string& description) {
    if (auto refusal = CheckText(name, EntryField::Name, kNameWidth, kTypedName)) return refusal;
    return CheckText(description, EntryField::Description, kDescriptionWidth, kTypedDescription);
}

// A whole number typed with nothing but blanks around it.
std::optional<int> ParseCount(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    int count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return count;
}

}  // namespace

std::string RefusalText(const Refusal& refusal) { return refusal.message.English(); }

std::optional<Refusal> CheckPortfolio(const PortfolioEntry& entry) {
    // Only a name without any character is refused; blanks are a name.
    if (entry.name.empty()) return Refuse(EntryField::Name, kPortfolioNameMissing);
    return CheckNameAndDescription(entry.name, entry.description);
}

Checked<double> CheckNewInvestment(const InvestmentEntry& entry, const Locale& locale) {
    if (entry.name.empty()) return {Refuse(EntryField::Name, kInvestmentNameMissing)};
    if (auto refusal = CheckNameAndDescription(entry.name, entry.description)) return {refusal};
    if (!entry.inception) return {Refuse(EntryField::Date, kInvalidDateMessage)};
    if (entry.initial_amount.empty()) return {Refuse(EntryField::Amount, kInitialAmountMissing)};
    return CheckAmount(entry.initial_amount, kNewInitialAmount, locale);
}

HistoryStart HistoryStartOf(const DataStore& store, Hid holding_id) {
    // The opening entries lead both lists, which are by date.
    HistoryStart start;
    const std::vector<TransactionRecord> transactions =
        store.transactions().TransactionsOfHolding(holding_id);
    if (transactions.size() > 1) start.first_transaction = transactions[1].Date;
    const std::vector<ValueRecord> values = store.values().ValuesOfHolding(holding_id);
    if (values.size() > 1) start.first_value = values[1].Date;
    return start;
}

Checked<double> CheckInvestmentChange(const InvestmentEntry& entry, const HoldingRecord& stored,
                                      const HistoryStart& history, const Locale& locale) {
    if (!entry.inception) return {Refuse(EntryField::Date, kInvalidDateMessage)};
    if (entry.name.empty()) return {Refuse(EntryField::Name, kHoldingNameMissing)};
    if (auto refusal = CheckNameAndDescription(entry.name, entry.description)) return {refusal};
    const Checked<double> amount = CheckAmount(entry.initial_amount, kChangedInitialAmount, locale);
    if (amount.refusal || *entry.inception == stored.InceptionDate) return amount;
    // The history must follow the inception, or the calculation cannot start from it.
    const auto after = [&](const std::optional<Date>& first, UserText message) {
        return first && *entry.inception >= *first
                   ? std::optional(
                         Refuse(EntryField::Date, message, {FormatShortDate(*first, locale)}))
                   : std::nullopt;
    };
    if (auto refusal = after(history.first_transaction, kInceptionAfterFirstTransaction)) {
        return {refusal};
    }
    if (auto refusal = after(history.first_value, kInceptionAfterFirstValue)) return {refusal};
    return amount;
}

Checked<TransactionValues> CheckTransaction(const TransactionEntry& entry,
                                            const HoldingRecord& holding, const Locale& locale) {
    if (!entry.date) return {Refuse(EntryField::Date, kInvalidDateMessage)};
    // The opening contribution stands on the inception date itself.
    if (*entry.date <= holding.InceptionDate) {
        return {Refuse(EntryField::Date, kTransactionBeforeInception)};
    }
    if (TransactionTypeText(entry.type).empty()) return {Refuse(EntryField::Type, kTypeMissing)};
    const Checked<double> amount = CheckAmount(entry.amount, kTransactionAmount, locale);
    if (amount.refusal) return {amount.refusal};
    TransactionValues values{amount.value, 1};
    if (entry.periods) {
        const std::optional<int> count = ParseCount(*entry.periods);
        if (!count || *count > kMostPeriods || *count <= 0) {
            return {Refuse(EntryField::Periods, kPeriodsOutOfRange)};
        }
        values.count = *count;
    }
    if (auto refusal = CheckText(entry.description, EntryField::Description, kDescriptionWidth,
                                 kTypedDescription)) {
        return {refusal};
    }
    return {std::nullopt, values};
}

Checked<double> CheckValue(const ValueEntry& entry, const HoldingRecord& holding,
                           const Locale& locale) {
    if (!entry.date) return {Refuse(EntryField::Date, kInvalidDateMessage)};
    // A value on or before the inception would stand in for the opening value, counting the
    // initial amount twice.
    if (*entry.date <= holding.InceptionDate) {
        return {Refuse(EntryField::Date, kValueBeforeInception)};
    }
    if (entry.value.empty()) return {Refuse(EntryField::Amount, kValueMissing)};
    return CheckAmount(entry.value, kValueAmount, locale);
}

std::optional<Refusal> CheckImportedEntry(const ImportedEntry& entry,
                                          const HoldingRecord& holding) {
    const auto written = [](Date date) { return FormatDate(date, kImportedDatePattern); };
    if (!IsEnterableDate(entry.date)) {
        return Refuse(EntryField::Date, kImportedDateOutOfRange,
                      {written(entry.date), written(kFirstEnteredDate), written(kLastEnteredDate)});
    }
    // The opening contribution and the opening value stand on the inception date itself.
    if (entry.date <= holding.InceptionDate) {
        return Refuse(EntryField::Date, kImportedBeforeInception,
                      {written(entry.date), written(holding.InceptionDate)});
    }
    if (entry.amount < 0) return Refuse(EntryField::Amount, kImportedAmountNegative);
    if (!(entry.amount >= kSmallestAmount)) {
        return Refuse(EntryField::Amount, kImportedAmountRoundsToZero);
    }
    if (!(entry.amount <= LargestAmount())) {
        return Refuse(EntryField::Amount, kImportedAmountTooLarge,
                      {FormatNumber(LargestAmount(), "0.00")});
    }
    return CheckText(entry.description, EntryField::Description, kDescriptionWidth,
                     kImportedDescription);
}

std::string StoredDescription(const std::string& description) {
    return description.empty() ? " " : description;
}

HoldingRecord NewHoldingRecord(Pid portfolio_id, const InvestmentEntry& entry,
                               double initial_amount) {
    HoldingRecord holding;
    holding.PortfolioId = portfolio_id;
    holding.Name = entry.name;
    holding.Description = StoredDescription(entry.description);
    holding.InceptionDate = entry.inception.value();
    holding.InitialAmount = initial_amount;
    return holding;
}

TransactionRecord TransactionRecordOf(const HoldingRecord& holding, const TransactionEntry& entry,
                                      double amount) {
    TransactionRecord transaction;
    transaction.PortfolioId = holding.PortfolioId;
    transaction.HoldingId = holding.Id;
    transaction.Date = entry.date.value();
    transaction.Type = entry.type;
    transaction.Amount = amount;
    transaction.Description = entry.description;
    return transaction;
}

std::vector<TransactionRecord> TransactionSeriesOf(const HoldingRecord& holding,
                                                   const TransactionEntry& entry,
                                                   const TransactionValues& values) {
    std::vector<TransactionRecord> series;
    TransactionRecord transaction = TransactionRecordOf(holding, entry, values.amount);
    for (Date date : SeriesDates(transaction.Date, entry.period, values.count)) {
        transaction.Date = date;
        series.push_back(transaction);
    }
    return series;
}

ValueRecord ValueRecordOf(const HoldingRecord& holding, const ValueEntry& entry, double value) {
    ValueRecord record;
    record.PortfolioId = holding.PortfolioId;
    record.HoldingId = holding.Id;
    record.Date = entry.date.value();
    record.Value = value;
    return record;
}

}  // namespace brevanta
