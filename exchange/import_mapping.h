#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/status.h"
#include "exchange/import_date_format.h"
#include "exchange/mapped_fields.h"

namespace brevanta {

// The character sets a mapped file may be written in.
enum class TextEncoding { Utf8, Windows1252 };

// How the lines of a bank's or broker's file become transactions or historical values: which
// field holds what, and how it is written. Columns count from 1. Stored as JSON, described
// with examples in doc/import_mapping.md; ReadImportMapping refuses whatever breaks the rules
// noted here, so a mapping it returns keeps them.
struct ImportMapping {
    char delimiter = ',';                  // ',', ';' or '\t'
    std::optional<TextEncoding> encoding;  // nullopt: a byte-order mark or UTF-8 means UTF-8
    std::size_t skip = 0;                  // leading lines that are never read
    int date_column = 1;
    std::optional<ImportDateFormat> date_format;  // nullopt: the one that reads every date
    AmountSeparators separators;                  // grouping never equals decimal
    // The signed amount (or the value), or a debit and a credit column; exactly one of the two.
    std::optional<int> amount_column;
    std::optional<int> debit_column;
    std::optional<int> credit_column;
    // Transactions take their type from a column's texts or from the amount's sign; never both.
    std::optional<int> type_column;
    std::map<std::string, std::string> type_codes;  // a field's text to CC, DI or WI
    bool type_from_sign = false;
    std::optional<int> description_column;

    bool operator==(const ImportMapping&) const = default;
};

// The most columns a mapping names; a line the import reads holds fewer fields.
inline constexpr int kMostMappedColumns = 1000;

// The mapping a JSON text describes. On failure (InvalidArgument) *mapping is unchanged and the
// message names the member: "\"date.format\" must be one of M/d/yyyy, ...", "unknown member
// \"colour\"", "not valid JSON (at byte 17)".
Status ReadImportMapping(std::string_view json, ImportMapping* mapping);
// The JSON text of the mapping, indented, ending in a line break; ReadImportMapping reads it
// back as it is.
std::string ImportMappingJson(const ImportMapping& mapping);

// The mapping in the file at path; the message of a failure starts with the path.
Status LoadImportMapping(const std::filesystem::path& path, ImportMapping* mapping);
// Writes the mapping to path whole or not at all, making its directory when missing.
Status SaveImportMapping(const std::filesystem::path& path, const ImportMapping& mapping);

// Saved mappings live in this folder of the data directory, one file NAME.json each.
inline constexpr const char* kMappingsFolder = "mappings";
std::filesystem::path SavedMappingPath(const std::filesystem::path& data_directory,
                                       std::string_view name);
// The names of the saved mappings, sorted; none when the folder is missing.
std::vector<std::string> SavedMappingNames(const std::filesystem::path& data_directory);
// Why a name cannot name a saved mapping (empty, a "/", a leading ".", a trailing ".json",
// a control character), or nullopt.
std::optional<Message> MappingNameRefusal(std::string_view name);

}  // namespace brevanta
