#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/import_mapping.h"
#include "store/entry_checks.h"

namespace brevanta {

enum class ImportKind { Transactions, HistoricalValues };

// A line of an imported file that the import names: the entry the store would receive, or
// why the line is skipped.
struct ImportedLine {
    std::size_t number = 0;          // in the file, 1 first
    std::optional<Refusal> refusal;  // why it is skipped; nullopt when it imports
    ImportedEntry entry;             // without a refusal: what is stored
};

// How an import reads the lines of a file of one layout, in order from the first.
class ImportLineFormat {
  public:
    virtual ~ImportLineFormat() = default;
    // What line `number` holds, given its bytes as the file has them; nullopt for a line the
    // import does not name (an empty line, a header the layout expects, a leading line to
    // skip). Leaves the entry's checks against the investment to CheckImportedEntry.
    virtual std::optional<ImportedLine> Read(std::string_view bytes, std::size_t number) = 0;
    // What a line must do to import, completing "no line ...": "fits the mapping".
    virtual Message Expected() const = 0;
};

// The text of a file's lines in their encoding. A byte-order mark opening line 1 is always
// dropped; when the encoding is left open, it means UTF-8, and its absence Windows-1252.
class LineDecoder {
  public:
    explicit LineDecoder(std::optional<TextEncoding> encoding) : encoding_(encoding) {}
    // The UTF-8 text of line `number`. REQUIRES: with the encoding left open, line 1 first.
    std::string Decode(std::string_view bytes, std::size_t number);

  private:
    std::optional<TextEncoding> encoding_;
};

// The bytes a UTF-8 byte-order mark takes.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Why a line is skipped when a column holds nothing or not what it must.
Refusal EmptyColumn(EntryField field, int column);
Refusal NotADate(std::string_view text, int column, Message formats);
Refusal NotAnAmount(std::string_view text, int column);
// The field's text as a reason quotes it: in double quotes, cut short after 40 bytes.
std::string QuotedField(std::string_view text);

// The entry as a preview shows it: its date (yyyy-mm-dd), its type code when it has one, and
// its amount ("0.00").
std::vector<std::string> ImportedEntryFields(const ImportedEntry& entry);

}  // namespace brevanta
