#include "exchange/import_export_engine.h"

#include <new>
#include <optional>
#include <span>

#include "core/date_format.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "core/text_file.h"
#include "core/windows_1252.h"
#include "exchange/line_reader.h"
#include "exchange/text_fields.h"
#include "store/data_store.h"
#include "store/table_layouts.h"

namespace brevanta {

namespace {

// The files follow no regional setting: '.' is the decimal point, dates go month first with
// '/' between the fields.
const Locale kFileLocale = Locale::EnUs();
constexpr const char* kExportDate = "mm/dd/yyyy";
constexpr const char* kExportAmount = "0.00";
constexpr const char* kExportFigure = "0.######";
constexpr const char* kPortfolioLabel = "PORTFOLIO: ";
constexpr const char* kHoldingLabel = "HOLDING: ";
const std::string kHyphenLine(80, '-');
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kNamedSkippedLines = 10;
constexpr const char* kNothingImported = "\r\nNo records were imported.";
constexpr const char* kOutOfMemory = "There is not enough memory to import the file.";
// An amount or value below this is written 0.00 in the tables.
constexpr double kSmallestAmount = 0.005;
constexpr const char* kValuesDone = " historical value records were exported successfully.";
constexpr const char* kPerformanceDone = " performance records were exported successfully.";
constexpr const char* kPerformanceHeader =
    "PORTFOLIO NAME, HOLDING NAME, CALCULATION DATE, QTR, YTD, 3YR, 5YR, 10YR, INC, QTR$, "
    "YTD$, 3YR$, 5YR$, 10YR$, INC$";

// Month first as exported (a two-digit year too), or yyyy-mm-dd.
std::optional<Date> ImportDate(const std::string& text) {
    static const Locale kIsoDates = [] {
        Locale iso;
        iso.short_date_format = "yyyy/mm/dd";
        iso.date_separator = '-';
        return iso;
    }();
    std::optional<Date> date = ParseShortDate(text, kFileLocale);
    if (!date) date = ParseShortDate(text, kIsoDates, YearDigits::Four);
    if (date && !IsEnterableDate(*date)) return std::nullopt;
    return date;
}

// A number that the tables hold as at least 0.01.
std::optional<double> PositiveNumber(const std::string& text) {
    const std::optional<double> number = ParseNumber(text, kFileLocale);
    if (!number || !(*number >= kSmallestAmount && *number <= LargestAmount())) return std::nullopt;
    return number;
}

// A field after a number that starts with a digit is the rest of a number written with a
// comma ("1,000.00 USD", "12,50 EUR", "2,500.00-", "3,000."), which must not be read as its
// first part, whatever follows the digit.
bool ContinuesTheNumber(std::string_view field) {
    return !field.empty() && field.front() >= '0' && field.front() <= '9';
}

// The date of field 1 and the number of field `number_field`, unless the field after that
// number continues it.
struct DatedNumber {
    Date date;
    double number = 0;
};
std::optional<DatedNumber> DateAndNumber(const std::string& line, int number_field) {
    if (ContinuesTheNumber(ImportField(line, number_field + 1))) return std::nullopt;
    const std::optional<Date> date = ImportDate(ImportField(line, 1));
    const std::optional<double> number = PositiveNumber(ImportField(line, number_field));
    if (!date || !number) return std::nullopt;
    return DatedNumber{*date, *number};
}

// The kinds of import: what a line holds, and the store operations that keep the records.
// Parse fills everything but the identifiers.
struct TransactionImport {
    using Record = TransactionRecord;
    static constexpr const char* kRecords = "Transaction records";
    static constexpr const char* kLineForm =
        "a date, a type code (CC, DI or WI) and an amount above 0";
    static DataStore::History<Record>& History(DataStore& store) { return store.transactions(); }

    static std::optional<TransactionRecord> Parse(const std::string& line) {
        const std::optional<DatedNumber> dated = DateAndNumber(line, 3);
        const std::string type = ImportField(line, 2);
        if (!dated || (type != CashContributionCode && type != DividendReinvestedCode &&
                       type != WithdrawalCode)) {
            return std::nullopt;
        }
        TransactionRecord record;
        record.Date = dated->date;
        record.Type = type;
        record.Amount = dated->number;
        return record;
    }
};

struct ValueImport {
    using Record = ValueRecord;
    static constexpr const char* kRecords = "Historical Value records";
    static constexpr const char* kLineForm = "a date and a value above 0";
    static DataStore::History<Record>& History(DataStore& store) { return store.values(); }

    static std::optional<ValueRecord> Parse(const std::string& line) {
        const std::optional<DatedNumber> dated = DateAndNumber(line, 2);
        if (!dated) return std::nullopt;
        ValueRecord record;
        record.Date = dated->date;
        record.Value = dated->number;
        return record;
    }
};

// The three lines an export of transactions or values starts with.
bool IsExportHeaderLine(std::string_view line, std::size_t number) {
    switch (number) {
        case 1:
            return line.starts_with(kPortfolioLabel);
        case 2:
            return line.starts_with(kHoldingLabel);
        case 3:
            return line == kHyphenLine;
        default:
            return false;
    }
}

template <typename Record>
struct ParsedLines {
    std::vector<Record> records;
    std::size_t skipped = 0;                 // lines that did not convert
    std::vector<std::size_t> first_skipped;  // the numbers of the first kNamedSkippedLines
    bool read_failed = false;
};

// Reads the text line by line, so that only the records stay in memory. The text is UTF-8
// after a UTF-8 byte-order mark, Windows-1252 otherwise. A line converts to a record of the
// investment when it is dated after the investment's inception.
template <typename Kind>
ParsedLines<typename Kind::Record> ParseLines(std::istream& in, const HoldingRecord& holding) {
    ParsedLines<typename Kind::Record> parsed;
    LineReader reader(in);
    std::string bytes;
    bool utf8 = false;
    for (std::size_t number = 1; reader.Next(&bytes); ++number) {
        if (number == 1 && bytes.starts_with(kByteOrderMark)) {
            utf8 = true;
            bytes.erase(0, kByteOrderMark.size());
        }
        const std::string line = utf8 ? bytes : DecodeWindows1252(bytes);
        if (TrimControls(line).empty() || IsExportHeaderLine(line, number)) continue;
        std::optional<typename Kind::Record> record = Kind::Parse(UnquotedLine(line));
        if (record && record->Date > holding.InceptionDate) {
            record->PortfolioId = holding.PortfolioId;
            record->HoldingId = holding.Id;
            parsed.records.push_back(std::move(*record));
        } else {
            if (parsed.first_skipped.size() < kNamedSkippedLines)
                parsed.first_skipped.push_back(number);
            ++parsed.skipped;
        }
    }
    parsed.read_failed = reader.failed();
    return parsed;
}

// "\r\nN lines were skipped: lines 4, 17, 22 ..." naming the first ten; empty when none was.
template <typename Record>
std::string SkippedLinesText(const ParsedLines<Record>& parsed) {
    if (parsed.skipped == 0) return "";
    std::string text =
        "\r\n" + std::to_string(parsed.skipped) +
        (parsed.skipped == 1 ? " line was skipped: line " : " lines were skipped: lines ");
    for (std::size_t i = 0; i < parsed.first_skipped.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(parsed.first_skipped[i]);
    }
    if (parsed.skipped > kNamedSkippedLines) text += " ...";
    return text;
}

// A figure of the performance file with the separator that follows it; the last figure of a
// line has none.
std::string FigureField(float figure, bool last) {
    if (figure == NotCalculated) return last ? "n/a" : "n/a, ";
    return FormatNumber(figure, kExportFigure) + (last ? "" : ",");
}

// The figures of the columns, each with its separator; ends_line: the last has none.
std::string FigureFields(const FigureValues& figures, std::span<const Figure> columns,
                         bool ends_line) {
    std::string fields;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        fields += FigureField(figures[columns[i]], ends_line && i + 1 == columns.size());
    }
    return fields;
}

std::string TransactionsDone(std::string_view destination) {
    return " transaction records were exported to " + std::string(destination) +
           "\r\nsuccessfully.";
}

Status HoldingNotInPortfolio(Pid portfolio_id, Hid holding_id) {
    return Status::NotFound("Investment " + IdText(holding_id) + " is not in portfolio " +
                            IdText(portfolio_id) + ".");
}

using Writer = std::function<Status(std::ostream&)>;

auto FileSink(const DataStore& store, const std::filesystem::path& path) {
    return [&store, &path](const Writer& write) {
        if (store.IsTableFile(path)) {
            return Status::InvalidArgument("Could not write " + path.string() +
                                           ": it is a table of the data directory");
        }
        return ReplaceFile(path, write);
    };
}

auto StreamSink(std::ostream& out, std::string_view destination) {
    return
        [&out, destination](const Writer& write) { return WriteToStream(out, destination, write); };
}

}  // namespace

ImportExportEngine::ImportExportEngine(DataStore& store) : store_(store) {}

Status ImportExportEngine::ImportFile(const std::filesystem::path& path,
                                      const std::function<Status(std::istream&)>& import) {
    count_ = 0;
    bool opened = false;
    const Status status = ReadFile(path, import, &opened);
    if (!opened) return NothingImported(status);
    return status;
}

Status ImportExportEngine::NothingImported(const Status& status) {
    message_ = status.message() + kNothingImported;
    return status;
}

Status ImportExportEngine::ImportTransactions(Pid portfolio_id, Hid holding_id,
                                              const std::filesystem::path& path) {
    return ImportFile(
        path, [&](std::istream& in) { return ImportTransactions(portfolio_id, holding_id, in); });
}

Status ImportExportEngine::ImportTransactions(Pid portfolio_id, Hid holding_id, std::istream& in) {
    return Import<TransactionImport>(portfolio_id, holding_id, in);
}

Status ImportExportEngine::ImportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                                  const std::filesystem::path& path) {
    return ImportFile(path, [&](std::istream& in) {
        return ImportHistoricalValues(portfolio_id, holding_id, in);
    });
}

Status ImportExportEngine::ImportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                                  std::istream& in) {
    return Import<ValueImport>(portfolio_id, holding_id, in);
}

// Memory that runs out while the file is read or stored is reported like any failure: an
// allocation that fails throws, and each step undoes what it did (the tables' appends are
// discarded as they close).
template <typename Kind>
Status ImportExportEngine::Import(Pid portfolio_id, Hid holding_id, std::istream& in) {
    using Record = typename Kind::Record;
    count_ = 0;
    const std::optional<HoldingRecord> holding =
        store_.holdings().FindHoldingIn(portfolio_id, holding_id);
    if (!holding) return NothingImported(HoldingNotInPortfolio(portfolio_id, holding_id));
    ParsedLines<Record> parsed;
    try {
        parsed = ParseLines<Kind>(in, *holding);
    } catch (const std::bad_alloc&) {
        return NothingImported(Status::IoError(kOutOfMemory));
    }
    if (parsed.read_failed) {
        return NothingImported(Status::IoError("The file could not be read."));
    }

    const std::string skipped = SkippedLinesText(parsed);
    if (parsed.records.empty()) {
        message_ = std::string("No ") + Kind::kRecords + " were imported: no line holds " +
                   Kind::kLineForm + "." + skipped;
        return Status::InvalidArgument(message_);
    }
    // Every record fits the table, so a failure is the table's (a full disk, a table that may
    // not be written, no identifier left), reported as such.
    Status status;
    try {
        status = Kind::History(store_).Insert(parsed.records);
    } catch (const std::bad_alloc&) {
        status = Status::IoError(kOutOfMemory);
    }
    if (!status.ok()) return NothingImported(status);

    count_ = static_cast<int>(parsed.records.size());
    message_ =
        std::to_string(count_) + " " + Kind::kRecords + " were imported successfully." + skipped;
    return status;
}

std::vector<std::string> ImportExportEngine::HeaderLines(Pid portfolio_id, Hid holding_id,
                                                         Status& status) const {
    const std::optional<HoldingRecord> holding =
        store_.holdings().FindHoldingIn(portfolio_id, holding_id);
    if (!holding) {
        status = HoldingNotInPortfolio(portfolio_id, holding_id);
        return {};
    }
    const std::optional<PortfolioRecord> portfolio =
        store_.portfolios().FindPortfolio(portfolio_id);
    return {kPortfolioLabel + OneLine(portfolio ? portfolio->Name : std::string()),
            kHoldingLabel + OneLine(holding->Name), kHyphenLine};
}

ImportExportEngine::ExportText ImportExportEngine::TransactionsText(Pid portfolio_id,
                                                                    Hid holding_id) const {
    ExportText text;
    text.lines = HeaderLines(portfolio_id, holding_id, text.status);
    if (!text.status.ok()) return text;
    for (const TransactionRecord& entry : store_.transactions().TransactionsOfHolding(holding_id)) {
        text.lines.push_back(FormatDate(entry.Date, kExportDate, kFileLocale) + ", " + entry.Type +
                             ", " + FormatNumber(entry.Amount, kExportAmount, kFileLocale));
        ++text.records;
    }
    return text;
}

ImportExportEngine::ExportText ImportExportEngine::ValuesText(Pid portfolio_id,
                                                              Hid holding_id) const {
    ExportText text;
    text.lines = HeaderLines(portfolio_id, holding_id, text.status);
    if (!text.status.ok()) return text;
    for (const ValueRecord& entry : store_.values().ValuesOfHolding(holding_id)) {
        text.lines.push_back(FormatDate(entry.Date, kExportDate, kFileLocale) + ", " +
                             FormatNumber(entry.Value, kExportAmount, kFileLocale));
        ++text.records;
    }
    return text;
}

ImportExportEngine::ExportText ImportExportEngine::PerformanceText(Pid portfolio_id) const {
    ExportText text;
    const std::optional<PortfolioRecord> portfolio =
        store_.portfolios().FindPortfolio(portfolio_id);
    if (!portfolio) {
        text.status = Status::NotFound("Portfolio " + IdText(portfolio_id) + " was not found.");
        return text;
    }
    const std::string portfolio_name = CsvQuoted(portfolio->Name);
    text.lines = {kPerformanceHeader, ""};
    for (const HoldingRecord& holding : store_.holdings().HoldingsOfPortfolio(portfolio_id)) {
        const std::string line = portfolio_name + ", " + CsvQuoted(holding.Name) + ", " +
                                 FormatDate(holding.PerformanceDate, kExportDate, kFileLocale) +
                                 "," + FigureFields(holding.Figures, kTimeWeightedFigures, false) +
                                 FigureFields(holding.Figures, kDollarWeightedFigures, true);
        text.lines.push_back(line);
        ++text.records;
    }
    text.lines.push_back(portfolio_name + ",Total of All Investments," +
                         FormatDate(portfolio->PerformanceDate, kExportDate, kFileLocale) + "," +
                         FigureFields(portfolio->Figures, kTimeWeightedFigures, true));
    ++text.records;
    return text;
}

Status ImportExportEngine::Export(const ExportText& text, const Sink& sink,
                                  const std::string& done_message) {
    count_ = 0;
    Status status = text.status;
    if (status.ok()) {
        status = sink([&](std::ostream& out) {
            return WriteLines(EncodeWindows1252(text.lines, QuestionMark), out);
        });
    }
    if (!status.ok()) {
        message_ = status.message() + "\r\nNo records were exported.";
        return status;
    }
    count_ = text.records;
    message_ = std::to_string(count_) + done_message;
    return status;
}

Status ImportExportEngine::ExportTransactions(Pid portfolio_id, Hid holding_id,
                                              const std::filesystem::path& path) {
    return Export(TransactionsText(portfolio_id, holding_id), FileSink(store_, path),
                  TransactionsDone(path.string()));
}

Status ImportExportEngine::ExportTransactions(Pid portfolio_id, Hid holding_id, std::ostream& out,
                                              std::string_view destination) {
    return Export(TransactionsText(portfolio_id, holding_id), StreamSink(out, destination),
                  TransactionsDone(destination));
}

Status ImportExportEngine::ExportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                                  const std::filesystem::path& path) {
    return Export(ValuesText(portfolio_id, holding_id), FileSink(store_, path), kValuesDone);
}

Status ImportExportEngine::ExportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                                  std::ostream& out, std::string_view destination) {
    return Export(ValuesText(portfolio_id, holding_id), StreamSink(out, destination), kValuesDone);
}

Status ImportExportEngine::ExportPerformance(Pid portfolio_id, const std::filesystem::path& path) {
    return Export(PerformanceText(portfolio_id), FileSink(store_, path), kPerformanceDone);
}

Status ImportExportEngine::ExportPerformance(Pid portfolio_id, std::ostream& out,
                                             std::string_view destination) {
    return Export(PerformanceText(portfolio_id), StreamSink(out, destination), kPerformanceDone);
}

}  // namespace brevanta
