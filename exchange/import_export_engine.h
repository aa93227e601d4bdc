#pragma once

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "exchange/import_line_format.h"
#include "store/identifiers.h"

namespace brevanta {

class DataStore;

// Reads transactions and historical values of one investment from comma-separated text, and
// writes an investment's transactions or values, or a portfolio's stored figures, as such
// text (lines end in CR LF). One engine per operation: run it, then read Count() and
// ResultMessage(), which describe the last operation, failures included.
//
// The files are Windows-1252 text; an import reads a file that starts with a UTF-8
// byte-order mark as UTF-8. Exports write a character the code page lacks as "?" (names come
// from the tables, which cannot hold one).
//
// The files do not depend on the user's regional settings: exports write dates "mm/dd/yyyy",
// amounts "0.00" and figures "0.######" with '.' as the decimal point; imports read dates
// m/d/yyyy (two-digit years too) or yyyy-mm-dd and numbers with '.' as the decimal point.
class ImportExportEngine {
  public:
    // REQUIRES: store outlives the engine.
    explicit ImportExportEngine(DataStore& store);

    // Adds every line "date, CC|DI|WI, amount" as a transaction of the investment (with an
    // empty description), then reloads the transactions. A line whose fields are all in double
    // quotes reads as its unquoted fields. A line converts when its date lies within
    // kFirstEnteredDate..kLastEnteredDate and after the investment's inception, and its amount
    // is one the tables hold as at least 0.01 (up to LargestAmount()) and is followed by the
    // end of the line or by a field that does not start with a digit (which would be the rest
    // of a number written with a comma: "1,000.00", "12,50 EUR"). A line that does not convert
    // is skipped, and the message names it, unless it is empty or one of the three header lines
    // of an export. The file is read a line at a time. All lines or none are stored: fails,
    // storing nothing, when the investment is not in the portfolio, the file cannot be read, no
    // line converts, memory runs out, or the table cannot be written (the message says why:
    // "Trans.dbf: ...").
    Status ImportTransactions(Pid portfolio_id, Hid holding_id, const std::filesystem::path& path);
    Status ImportTransactions(Pid portfolio_id, Hid holding_id, std::istream& in);

    // The same for lines "date, value", added as historical values.
    Status ImportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                  const std::filesystem::path& path);
    Status ImportHistoricalValues(Pid portfolio_id, Hid holding_id, std::istream& in);

    // What an import reads: its kind, the investment, and the layout of the file, the fixed one
    // above or the one a mapping describes (doc/import_mapping.md).
    struct ImportRequest {
        ImportKind kind = ImportKind::Transactions;
        Pid portfolio_id{};
        Hid holding_id{};
        std::optional<ImportMapping> mapping;  // nullopt: the fixed layout
    };
    // Imports the file as ImportTransactions and ImportHistoricalValues do, in the request's
    // layout. Every entry read must pass CheckImportedEntry, or its line is skipped and named.
    // A mapping that leaves the encoding or the date format open has them taken from the whole
    // file first (CompleteMapping); when that fails, or the mapping does not fit the kind,
    // nothing is imported and the message says why.
    Status Import(const ImportRequest& request, const std::filesystem::path& path);
    // Reads the file as Import would and stores nothing: calls `each` for every line the import
    // would name, in order. The message says how many records the import would store
    // ("12 Transaction records would be imported."); fails as Import would before it writes.
    using LineVisitor = std::function<void(const ImportedLine&)>;
    Status Preview(const ImportRequest& request, const std::filesystem::path& path,
                   const LineVisitor& each);

    // The file forms replace the file only when every byte was written, and never write over
    // one of the store's tables. On failure (also an unknown investment or portfolio) nothing
    // is counted and the message says why. The stream forms name `destination` in their
    // messages.
    Status ExportTransactions(Pid portfolio_id, Hid holding_id, const std::filesystem::path& path);
    Status ExportTransactions(Pid portfolio_id, Hid holding_id, std::ostream& out,
                              std::string_view destination);
    Status ExportHistoricalValues(Pid portfolio_id, Hid holding_id,
                                  const std::filesystem::path& path);
    Status ExportHistoricalValues(Pid portfolio_id, Hid holding_id, std::ostream& out,
                                  std::string_view destination);
    // A line per investment of the portfolio, then a total line.
    Status ExportPerformance(Pid portfolio_id, const std::filesystem::path& path);
    Status ExportPerformance(Pid portfolio_id, std::ostream& out, std::string_view destination);

    // Records imported, or data lines written, by the last operation.
    int Count() const { return count_; }
    const Message& ResultMessage() const { return message_; }

  private:
    // The text of an export, built whole before anything is written.
    struct ExportText {
        Status status;
        std::vector<std::string> lines;
        int records = 0;  // data lines among `lines`
    };
    // Hands a writer a stream to the destination and reports how that went.
    using Sink = std::function<Status(const std::function<Status(std::ostream&)>&)>;

    // The failure, with the message saying that nothing was imported.
    Status NothingImported(const Status& status);
    // Reads the file in the request's layout; stores its records all or none unless `preview`
    // is given, which is told of every named line instead.
    Status ImportOrPreview(const ImportRequest& request, const std::filesystem::path& path,
                           const LineVisitor* preview);
    // The same for a text in the fixed layout.
    Status ImportFixed(ImportKind kind, Pid portfolio_id, Hid holding_id, std::istream& in);
    // The investment, or NotFound when it is not in the portfolio.
    Status FindHolding(Pid portfolio_id, Hid holding_id, HoldingRecord* holding) const;
    // Reads the lines of `in` in the format and stores their records as Kind's, all or none.
    template <typename Kind>
    Status ReadAndStore(const HoldingRecord& holding, ImportLineFormat& format, std::istream& in,
                        const LineVisitor* preview);

    ExportText TransactionsText(Pid portfolio_id, Hid holding_id) const;
    ExportText ValuesText(Pid portfolio_id, Hid holding_id) const;
    ExportText PerformanceText(Pid portfolio_id) const;
    std::vector<std::string> HeaderLines(Pid portfolio_id, Hid holding_id, Status& status) const;

    // Writes the text through sink; the message is `done` with the count and the destination.
    Status Export(const ExportText& text, const Sink& sink, UserText done,
                  std::string_view destination = {});

    DataStore& store_;
    int count_ = 0;
    Message message_;
};

}  // namespace brevanta
