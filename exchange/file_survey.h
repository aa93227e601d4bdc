#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/status.h"
#include "exchange/import_line_format.h"
#include "exchange/import_mapping.h"

namespace brevanta {

// The first lines of a file as they stand (a byte-order mark dropped), from which a mapping is
// guessed and its columns named.
struct FileSample {
    std::vector<std::string> lines;  // line 1 first
    bool byte_order_mark = false;
};
// Reads the first kSampleLines lines of the file; fails only when it cannot be read.
inline constexpr std::size_t kSampleLines = 200;
Status ReadFileSample(const std::filesystem::path& path, FileSample* sample);

// A mapping for the sampled file: the delimiter that splits its lines most alike, the column
// where dates stand, the lines before the first date skipped (a header among them), the
// separators that read most fields as amounts, and the column of amounts (or a debit and a
// credit column, when each line fills exactly one of two). Transactions take their type from
// the sign. The encoding and the date format are left open, for CompleteMapping.
ImportMapping GuessMapping(const FileSample& sample, ImportKind kind);
// How many columns the sample's lines have at most, split as the mapping says.
int ColumnCount(const FileSample& sample, const ImportMapping& mapping);
// The texts of the last line the mapping skips, a header, one per column; empty when it skips
// none.
std::vector<std::string> ColumnNames(const FileSample& sample, const ImportMapping& mapping);

// What the whole file says of the settings a mapping leaves open.
struct FileSurvey {
    TextEncoding encoding = TextEncoding::Utf8;  // the mapping's, or what the bytes show
    // The mapping's date format, or the listed formats that read every date of its date column
    // (fields shaped like dates, HasDateShape).
    std::vector<ImportDateFormat> date_formats;
    std::size_t dates = 0;  // the dates looked at; 0 when the mapping names its format
};
// Reads the file once, when the mapping leaves something open; fails only when it cannot be
// read ("Could not read PATH: ...").
Status SurveyFile(const std::filesystem::path& path, const ImportMapping& mapping,
                  FileSurvey* survey);
// Fills in the encoding and date format that the mapping leaves open from the survey; fails
// (InvalidArgument) when the date column holds no date or when no format or more than one
// reads every date: "The dates in column 1 read as M/d/yyyy and as d/M/yyyy: name one in
// \"date.format\"."
Status CompleteMapping(const FileSurvey& survey, ImportMapping* mapping);

// The distinct texts of a column on the lines the mapping reads whose date column holds a
// date-like field, in the order they first appear, at most kMostColumnTexts; decoded as the
// import decodes them.
inline constexpr std::size_t kMostColumnTexts = 100;
Status ColumnTexts(const std::filesystem::path& path, const ImportMapping& mapping, int column,
                   std::vector<std::string>* texts);

}  // namespace brevanta
