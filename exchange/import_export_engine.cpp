#include "exchange/import_export_engine.h"

#include <memory>
#include <new>
#include <optional>
#include <span>

#include "core/date_format.h"
#include "core/number_format.h"
#include "core/text_file.h"
#include "core/windows_1252.h"
#include "exchange/file_survey.h"
#include "exchange/fixed_line_format.h"
#include "exchange/line_reader.h"
#include "exchange/mapped_line_format.h"
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
constexpr std::size_t kNamedSkippedLines = 10;
constexpr UserText kNothingImported = BREVANTA_TEXT("Exchange", "%1\r\nNo records were imported.");
constexpr UserText kOutOfMemory =
    BREVANTA_TEXT("Exchange", "There is not enough memory to import the file.");
constexpr UserText kTransactionsDone = BREVANTA_COUNTED_TEXT(
    "Exchange", "%1 transaction records were exported to %2\r\nsuccessfully.");
constexpr UserText kValuesDone =
    BREVANTA_COUNTED_TEXT("Exchange", "%1 historical value records were exported successfully.");
constexpr UserText kPerformanceDone =
    BREVANTA_COUNTED_TEXT("Exchange", "%1 performance records were exported successfully.");
constexpr const char* kPerformanceHeader =
    "PORTFOLIO NAME, HOLDING NAME, CALCULATION DATE, QTR, YTD, 3YR, 5YR, 10YR, INC, QTR$, "
    "YTD$, 3YR$, 5YR$, 10YR$, INC$";

// The kinds of import: the records they make and the store operations that keep them.
struct TransactionImport {
    using Record = TransactionRecord;
    // What an import says: records stored, records a preview would store, and none of either.
    static constexpr UserText kImported =
        BREVANTA_COUNTED_TEXT("Exchange", "%1 Transaction records were imported successfully.%2");
    static constexpr UserText kWouldBeImported =
        BREVANTA_COUNTED_TEXT("Exchange", "%1 Transaction records would be imported.");
    static constexpr UserText kNoneImported =
        BREVANTA_TEXT("Exchange", "No Transaction records were imported: no line %1.%2");
    static constexpr UserText kNoneWouldBeImported =
        BREVANTA_TEXT("Exchange", "No Transaction records would be imported: no line %1.");
    static DataStore::History<Record>& History(DataStore& store) { return store.transactions(); }

    static TransactionRecord RecordOf(const ImportedEntry& entry, const HoldingRecord& holding) {
        TransactionRecord record;
        record.PortfolioId = holding.PortfolioId;
        record.HoldingId = holding.Id;
        record.Date = entry.date;
        record.Type = entry.type;
        record.Amount = entry.amount;
        record.Description = entry.description;
        return record;
    }
};

struct ValueImport {
    using Record = ValueRecord;
    static constexpr UserText kImported = BREVANTA_COUNTED_TEXT(
        "Exchange", "%1 Historical Value records were imported successfully.%2");
    static constexpr UserText kWouldBeImported =
        BREVANTA_COUNTED_TEXT("Exchange", "%1 Historical Value records would be imported.");
    static constexpr UserText kNoneImported =
        BREVANTA_TEXT("Exchange", "No Historical Value records were imported: no line %1.%2");
    static constexpr UserText kNoneWouldBeImported =
        BREVANTA_TEXT("Exchange", "No Historical Value records would be imported: no line %1.");
    static DataStore::History<Record>& History(DataStore& store) { return store.values(); }

    static ValueRecord RecordOf(const ImportedEntry& entry, const HoldingRecord& holding) {
        ValueRecord record;
        record.PortfolioId = holding.PortfolioId;
        record.HoldingId = holding.Id;
        record.Date = entry.date;
        record.Value = entry.amount;
        return record;
    }
};

template <typename Record>
struct ParsedLines {
    std::vector<Record> records;
    std::size_t skipped = 0;                 // lines that did not convert
    std::vector<std::size_t> first_skipped;  // the numbers of the first kNamedSkippedLines
    bool read_failed = false;
};

// Reads the text line by line, so that only the records stay in memory. Every entry the format
// reads must also pass the rules of every import before it becomes a record of the investment.
template <typename Kind>
ParsedLines<typename Kind::Record> ParseLines(std::istream& in, ImportLineFormat& format,
                                              const HoldingRecord& holding,
                                              const ImportExportEngine::LineVisitor* preview) {
    ParsedLines<typename Kind::Record> parsed;
    LineReader reader(in);
    std::string bytes;
    for (std::size_t number = 1; reader.Next(&bytes); ++number) {
        std::optional<ImportedLine> line = format.Read(bytes, number);
        if (!line) continue;
        if (!line->refusal) line->refusal = CheckImportedEntry(line->entry, holding);
        if (preview) (*preview)(*line);
        if (!line->refusal) {
            parsed.records.push_back(Kind::RecordOf(line->entry, holding));
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
Message SkippedLinesText(const ParsedLines<Record>& parsed) {
    if (parsed.skipped == 0) return {};
    std::string numbers;
    for (std::size_t i = 0; i < parsed.first_skipped.size(); ++i) {
        numbers += (i == 0 ? "" : ", ") + std::to_string(parsed.first_skipped[i]);
    }
    if (parsed.skipped > kNamedSkippedLines) numbers += " ...";
    const int skipped = static_cast<int>(parsed.skipped);
    return skipped == 1
               ? Message(BREVANTA_TEXT("Exchange", "\r\n1 line was skipped: line %1"), {numbers})
               : Message::Counted(
                     BREVANTA_COUNTED_TEXT("Exchange", "\r\n%1 lines were skipped: lines %2"),
                     skipped, {std::to_string(skipped), numbers});
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

using Writer = std::function<Status(std::ostream&)>;

auto FileSink(const DataStore& store, const std::filesystem::path& path) {
    return [&store, &path](const Writer& write) {
        if (store.IsTableFile(path)) {
            return Status::InvalidArgument(
                Message(BREVANTA_TEXT("Exchange",
                                      "Could not write %1: it is a table of the data directory"),
                        {path.string()}));
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

Status ImportExportEngine::NothingImported(const Status& status) {
    message_ = Message(kNothingImported, {status.text()});
    return status;
}

Status ImportExportEngine::ImportTransactions(Pid portfolio_id, Hid holding_id,
                                              const std::filesystem::path& path) {
    return Import({ImportKind::Transactions, portfolio_id, holding_id, std::nullopt}, path);
}

Status ImportExportEngine::ImportTransactions(Pid portfolio_id, Hid holding_id, std::istream& in) {
    return ImportFixed(ImportKind::Transactions, portfolio_id, holding_id, in);
}

Status ImportExportEngine::ImportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                                  const std::filesystem::path& path) {
    return Import({ImportKind::HistoricalValues, portfolio_id, holding_id, std::nullopt}, path);
}

Status ImportExportEngine::ImportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                                  std::istream& in) {
    return ImportFixed(ImportKind::HistoricalValues, portfolio_id, holding_id, in);
}

Status ImportExportEngine::Import(const ImportRequest& request, const std::filesystem::path& path) {
    return ImportOrPreview(request, path, nullptr);
}

Status ImportExportEngine::Preview(const ImportRequest& request, const std::filesystem::path& path,
                                   const LineVisitor& each) {
    return ImportOrPreview(request, path, &each);
}

Status ImportExportEngine::FindHolding(Pid portfolio_id, Hid holding_id,
                                       HoldingRecord* holding) const {
    std::optional<HoldingRecord> found = store_.holdings().FindHoldingIn(portfolio_id, holding_id);
    if (!found) return HoldingNotInPortfolio(portfolio_id, holding_id);
    *holding = std::move(*found);
    return Status::Ok();
}

Status ImportExportEngine::ImportFixed(ImportKind kind, Pid portfolio_id, Hid holding_id,
                                       std::istream& in) {
    count_ = 0;
    HoldingRecord holding;
    const Status found = FindHolding(portfolio_id, holding_id, &holding);
    if (!found.ok()) return NothingImported(found);
    FixedLineFormat format(kind);
    return kind == ImportKind::Transactions
               ? ReadAndStore<TransactionImport>(holding, format, in, nullptr)
               : ReadAndStore<ValueImport>(holding, format, in, nullptr);
}

Status ImportExportEngine::ImportOrPreview(const ImportRequest& request,
                                           const std::filesystem::path& path,
                                           const LineVisitor* preview) {
    count_ = 0;
    HoldingRecord holding;
    const Status found = FindHolding(request.portfolio_id, request.holding_id, &holding);
    if (!found.ok()) return NothingImported(found);
    std::unique_ptr<ImportLineFormat> format;
    if (request.mapping) {
        ImportMapping mapping = *request.mapping;
        FileSurvey survey;
        Status status = MappingFitsKind(mapping, request.kind);
        if (status.ok()) status = SurveyFile(path, mapping, &survey);
        if (status.ok()) status = CompleteMapping(survey, &mapping);
        if (!status.ok()) return NothingImported(status);
        format = std::make_unique<MappedLineFormat>(request.kind, std::move(mapping));
    } else {
        format = std::make_unique<FixedLineFormat>(request.kind);
    }
    bool opened = false;
    const Status status = ReadFile(
        path,
        [&](std::istream& in) {
            return request.kind == ImportKind::Transactions
                       ? ReadAndStore<TransactionImport>(holding, *format, in, preview)
                       : ReadAndStore<ValueImport>(holding, *format, in, preview);
        },
        &opened);
    if (!opened) return NothingImported(status);
    return status;
}

// Memory that runs out while the file is read or stored is reported like any failure: an
// allocation that fails throws, and each step undoes what it did (the tables' appends are
// discarded as they close).
template <typename Kind>
Status ImportExportEngine::ReadAndStore(const HoldingRecord& holding, ImportLineFormat& format,
                                        std::istream& in, const LineVisitor* preview) {
    using Record = typename Kind::Record;
    ParsedLines<Record> parsed;
    try {
        parsed = ParseLines<Kind>(in, format, holding, preview);
    } catch (const std::bad_alloc&) {
        return NothingImported(Status::IoError(kOutOfMemory));
    }
    if (parsed.read_failed) {
        return NothingImported(
            Status::IoError(BREVANTA_TEXT("Exchange", "The file could not be read.")));
    }

    const int count = static_cast<int>(parsed.records.size());
    if (parsed.records.empty()) {
        message_ =
            preview ? Message(Kind::kNoneWouldBeImported, {format.Expected()})
                    : Message(Kind::kNoneImported, {format.Expected(), SkippedLinesText(parsed)});
        return Status::InvalidArgument(message_);
    }
    if (preview) {
        message_ = Message::Counted(Kind::kWouldBeImported, count, {std::to_string(count)});
        return Status::Ok();
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

    count_ = count;
    message_ =
        Message::Counted(Kind::kImported, count, {std::to_string(count), SkippedLinesText(parsed)});
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
    return {kExportPortfolioLabel + OneLine(portfolio ? portfolio->Name : std::string()),
            kExportHoldingLabel + OneLine(holding->Name), std::string(kExportHyphens, '-')};
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
        text.status = PortfolioNotFound(portfolio_id);
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

Status ImportExportEngine::Export(const ExportText& text, const Sink& sink, UserText done,
                                  std::string_view destination) {
    count_ = 0;
    Status status = text.status;
    if (status.ok()) {
        status = sink([&](std::ostream& out) {
            return WriteLines(EncodeWindows1252(text.lines, QuestionMark), out);
        });
    }
    if (!status.ok()) {
        message_ =
            Message(BREVANTA_TEXT("Exchange", "%1\r\nNo records were exported."), {status.text()});
        return status;
    }
    count_ = text.records;
    message_ = Message::Counted(done, count_, {std::to_string(count_), std::string(destination)});
    return status;
}

Status ImportExportEngine::ExportTransactions(Pid portfolio_id, Hid holding_id,
                                              const std::filesystem::path& path) {
    return Export(TransactionsText(portfolio_id, holding_id), FileSink(store_, path),
                  kTransactionsDone, path.string());
}

Status ImportExportEngine::ExportTransactions(Pid portfolio_id, Hid holding_id, std::ostream& out,
                                              std::string_view destination) {
    return Export(TransactionsText(portfolio_id, holding_id), StreamSink(out, destination),
                  kTransactionsDone, destination);
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
