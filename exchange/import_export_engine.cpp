#include "exchange/import_export_engine.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>

#include "core/date_format.h"
#include "core/float_text.h"
#include "core/number_format.h"
#include "core/number_parse.h"
#include "exchange/text_fields.h"
#include "exchange/text_file.h"
#include "store/data_store.h"

namespace brevanta {

namespace {

constexpr const char* kExportDate = "mm/dd/yyyy";
constexpr const char* kExportAmount = "0.00";
constexpr const char* kExportFigure = "0.######";
const std::string kHyphenLine(80, '-');
constexpr const char* kValuesDone = " historical value records were exported successfully.";
constexpr const char* kPerformanceDone = " performance records were exported successfully.";
constexpr const char* kPerformanceHeader =
    "PORTFOLIO NAME, HOLDING NAME, CALCULATION DATE, QTR, YTD, 3YR, 5YR, 10YR, INC, QTR$, "
    "YTD$, 3YR$, 5YR$, 10YR$, INC$";

// The investment's figures in the columns of the performance file.
constexpr FigureIndex kTimeWeightedColumns[] = {kQuarterFigure,    kOneYearFigure,
                                                kThreeYearsFigure, kFiveYearsFigure,
                                                kTenYearsFigure,   kInceptionAnnualisedFigure};
constexpr FigureIndex kDollarWeightedColumns[] = {
    kQuarterDollarFigure,   kOneYearDollarFigure,  kThreeYearsDollarFigure,
    kFiveYearsDollarFigure, kTenYearsDollarFigure, kInceptionAnnualisedDollarFigure};

// A line ends at CR, at LF, or at CR LF together.
std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

// Reads through the stream rather than its buffer, so that a read error sets badbit instead
// of escaping as an exception.
bool ReadAll(std::istream& in, std::string& text) {
    text.clear();
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) text.append(buffer, in.gcount());
    return !in.bad();
}

std::optional<double> PositiveNumber(const std::string& text, const Locale& locale) {
    const std::optional<double> number = ParseNumber(text, locale);
    if (!number || !(*number > 0)) return std::nullopt;
    return number;
}

std::optional<TransactionRecord> TransactionLine(const std::string& line, float portfolio_id,
                                                 float holding_id, const Locale& locale) {
    const std::optional<Date> date = ParseShortDate(ImportField(line, 1), locale);
    const std::string type = ImportField(line, 2);
    const std::optional<double> amount = PositiveNumber(ImportField(line, 3), locale);
    if (!date || !amount) return std::nullopt;
    if (type != CashContributionCode && type != DividendReinvestedCode && type != WithdrawalCode) {
        return std::nullopt;
    }
    TransactionRecord record;
    record.PortfolioId = portfolio_id;
    record.HoldingId = holding_id;
    record.Date = *date;
    record.Type = type;
    record.Amount = *amount;
    return record;
}

std::optional<ValueRecord> ValueLine(const std::string& line, float portfolio_id, float holding_id,
                                     const Locale& locale) {
    const std::optional<Date> date = ParseShortDate(ImportField(line, 1), locale);
    const std::optional<double> value = PositiveNumber(ImportField(line, 2), locale);
    if (!date || !value) return std::nullopt;
    ValueRecord record;
    record.PortfolioId = portfolio_id;
    record.HoldingId = holding_id;
    record.Date = *date;
    record.Value = *value;
    return record;
}

struct ImportOutcome {
    Status status;
    int count = 0;
};

// Inserts the record of every line that parses, stopping only when the store refuses one;
// then reloads, so the store's list shows whatever reached the table.
template <typename Parse, typename Insert, typename Reload>
ImportOutcome ImportRecords(std::istream& in, Parse parse, Insert insert, Reload reload) {
    ImportOutcome outcome;
    std::string text;
    if (!ReadAll(in, text)) {
        outcome.status = Status::IoError("the file could not be read");
        return outcome;
    }
    for (const std::string& line : SplitLines(text)) {
        const auto record = parse(line);
        if (!record) continue;
        outcome.status = insert(*record);
        if (!outcome.status.ok()) break;
        ++outcome.count;
    }
    const Status reloaded = reload();
    if (outcome.status.ok()) outcome.status = reloaded;
    return outcome;
}

std::string ImportMessage(const ImportOutcome& outcome, const char* records) {
    const std::string count = std::to_string(outcome.count) + " " + records;
    if (outcome.status.ok()) return count + " were imported successfully.";
    return count + " were imported before the import stopped:\r\n" + outcome.status.message();
}

Status ReadFailure(const std::filesystem::path& path, std::string& message) {
    const std::string reason = errno != 0 ? std::strerror(errno) : "the file cannot be opened";
    const Status failure = Status::IoError("Could not read " + path.string() + ": " + reason);
    message = failure.message() + "\r\nNo records were imported.";
    return failure;
}

// A figure of the performance file with the separator that follows it; the last figure of a
// line has none.
std::string FigureField(float figure, bool last) {
    if (figure == NotCalculated) return last ? "n/a" : "n/a, ";
    return FormatNumber(figure, kExportFigure) + (last ? "" : ",");
}

template <std::size_t N>
std::string FigureFields(const float* figures, const FigureIndex (&columns)[N], bool ends_line) {
    std::string fields;
    for (std::size_t i = 0; i < N; ++i) {
        fields += FigureField(figures[columns[i]], ends_line && i + 1 == N);
    }
    return fields;
}

std::string TransactionsDone(std::string_view destination) {
    return " transaction records were exported to " + std::string(destination) +
           "\r\nsuccessfully.";
}

std::string IdText(float id) { return FloatToText(id); }

using Writer = std::function<Status(std::ostream&)>;

auto FileSink(const std::filesystem::path& path) {
    return [&path](const Writer& write) { return ReplaceFile(path, write); };
}

auto StreamSink(std::ostream& out, std::string_view destination) {
    return
        [&out, destination](const Writer& write) { return WriteToStream(out, destination, write); };
}

}  // namespace

ImportExportEngine::ImportExportEngine(DataStore& store, Locale locale)
    : store_(store), locale_(std::move(locale)) {}

Status ImportExportEngine::ImportFile(const std::filesystem::path& path,
                                      const std::function<Status(std::istream&)>& import) {
    count_ = 0;
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ReadFailure(path, message_);
    // A directory opens as a file on Linux and fails only when read.
    if (std::filesystem::is_directory(path)) {
        errno = EISDIR;
        return ReadFailure(path, message_);
    }
    return import(in);
}

Status ImportExportEngine::ImportTransactions(float portfolio_id, float holding_id,
                                              const std::filesystem::path& path) {
    return ImportFile(
        path, [&](std::istream& in) { return ImportTransactions(portfolio_id, holding_id, in); });
}

Status ImportExportEngine::ImportTransactions(float portfolio_id, float holding_id,
                                              std::istream& in) {
    const ImportOutcome outcome = ImportRecords(
        in,
        [&](const std::string& line) {
            return TransactionLine(line, portfolio_id, holding_id, locale_);
        },
        [&](const TransactionRecord& record) { return store_.InsertTransaction(record); },
        [&] { return store_.LoadTransactions(); });
    count_ = outcome.count;
    message_ = ImportMessage(outcome, "Transaction records");
    return outcome.status;
}

Status ImportExportEngine::ImportHistoricalValues(float portfolio_id, float holding_id,
                                                  const std::filesystem::path& path) {
    return ImportFile(path, [&](std::istream& in) {
        return ImportHistoricalValues(portfolio_id, holding_id, in);
    });
}

Status ImportExportEngine::ImportHistoricalValues(float portfolio_id, float holding_id,
                                                  std::istream& in) {
    const ImportOutcome outcome = ImportRecords(
        in,
        [&](const std::string& line) { return ValueLine(line, portfolio_id, holding_id, locale_); },
        [&](const ValueRecord& record) { return store_.InsertValue(record); },
        [&] { return store_.LoadValues(); });
    count_ = outcome.count;
    message_ = ImportMessage(outcome, "Historical Value records");
    return outcome.status;
}

std::vector<std::string> ImportExportEngine::HeaderLines(float portfolio_id, float holding_id,
                                                         Status& status) const {
    const std::optional<HoldingRecord> holding = store_.FindHoldingIn(portfolio_id, holding_id);
    if (!holding) {
        status = Status::NotFound("Investment " + IdText(holding_id) + " is not in portfolio " +
                                  IdText(portfolio_id) + ".");
        return {};
    }
    const std::optional<PortfolioRecord> portfolio = store_.FindPortfolio(portfolio_id);
    return {"PORTFOLIO: " + (portfolio ? portfolio->Name : std::string()),
            "HOLDING: " + holding->Name, kHyphenLine};
}

ImportExportEngine::ExportText ImportExportEngine::TransactionsText(float portfolio_id,
                                                                    float holding_id) const {
    ExportText text;
    text.lines = HeaderLines(portfolio_id, holding_id, text.status);
    if (!text.status.ok()) return text;
    for (const TransactionRecord& entry : store_.TransactionsOfHolding(holding_id)) {
        text.lines.push_back(FormatDate(entry.Date, kExportDate, locale_) + ", " + entry.Type +
                             ", " + FormatNumber(entry.Amount, kExportAmount, locale_));
        ++text.records;
    }
    return text;
}

ImportExportEngine::ExportText ImportExportEngine::ValuesText(float portfolio_id,
                                                              float holding_id) const {
    ExportText text;
    text.lines = HeaderLines(portfolio_id, holding_id, text.status);
    if (!text.status.ok()) return text;
    for (const ValueRecord& entry : store_.ValuesOfHolding(holding_id)) {
        text.lines.push_back(FormatDate(entry.Date, kExportDate, locale_) + ", " +
                             FormatNumber(entry.Value, kExportAmount, locale_));
        ++text.records;
    }
    return text;
}

ImportExportEngine::ExportText ImportExportEngine::PerformanceText(float portfolio_id) const {
    ExportText text;
    const std::optional<PortfolioRecord> portfolio = store_.FindPortfolio(portfolio_id);
    if (!portfolio) {
        text.status = Status::NotFound("Portfolio " + IdText(portfolio_id) + " was not found.");
        return text;
    }
    const std::string portfolio_name = CsvQuoted(portfolio->Name);
    text.lines = {kPerformanceHeader, ""};
    for (const HoldingRecord& holding : store_.HoldingsOfPortfolio(portfolio_id)) {
        const std::string line = portfolio_name + ", " + CsvQuoted(holding.Name) + ", " +
                                 FormatDate(holding.PerformanceDate, kExportDate, locale_) + "," +
                                 FigureFields(holding.Figures.data(), kTimeWeightedColumns, false) +
                                 FigureFields(holding.Figures.data(), kDollarWeightedColumns, true);
        text.lines.push_back(line);
        ++text.records;
    }
    text.lines.push_back(portfolio_name + ",Total of All Investments," +
                         FormatDate(portfolio->PerformanceDate, kExportDate, locale_) + "," +
                         FigureFields(portfolio->Figures.data(), kTimeWeightedColumns, true));
    ++text.records;
    return text;
}

Status ImportExportEngine::Export(const ExportText& text, const Sink& sink,
                                  const std::string& done_message) {
    count_ = 0;
    Status status = text.status;
    if (status.ok()) {
        status = sink([&](std::ostream& out) { return WriteLines(text.lines, out); });
    }
    if (!status.ok()) {
        message_ = status.message() + "\r\nNo records were exported.";
        return status;
    }
    count_ = text.records;
    message_ = std::to_string(count_) + done_message;
    return status;
}

Status ImportExportEngine::ExportTransactions(float portfolio_id, float holding_id,
                                              const std::filesystem::path& path) {
    return Export(TransactionsText(portfolio_id, holding_id), FileSink(path),
                  TransactionsDone(path.string()));
}

Status ImportExportEngine::ExportTransactions(float portfolio_id, float holding_id,
                                              std::ostream& out, std::string_view destination) {
    return Export(TransactionsText(portfolio_id, holding_id), StreamSink(out, destination),
                  TransactionsDone(destination));
}

Status ImportExportEngine::ExportHistoricalValues(float portfolio_id, float holding_id,
                                                  const std::filesystem::path& path) {
    return Export(ValuesText(portfolio_id, holding_id), FileSink(path), kValuesDone);
}

Status ImportExportEngine::ExportHistoricalValues(float portfolio_id, float holding_id,
                                                  std::ostream& out, std::string_view destination) {
    return Export(ValuesText(portfolio_id, holding_id), StreamSink(out, destination), kValuesDone);
}

Status ImportExportEngine::ExportPerformance(float portfolio_id,
                                             const std::filesystem::path& path) {
    return Export(PerformanceText(portfolio_id), FileSink(path), kPerformanceDone);
}

Status ImportExportEngine::ExportPerformance(float portfolio_id, std::ostream& out,
                                             std::string_view destination) {
    return Export(PerformanceText(portfolio_id), StreamSink(out, destination), kPerformanceDone);
}

}  // namespace brevanta
