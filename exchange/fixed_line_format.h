#pragma once

#include <filesystem>

#include "exchange/import_line_format.h"

namespace brevanta {

// The program's own layout, as its exports write it: "date, CC|DI|WI, amount" for a
// transaction, "date, value" for a historical value. Fields are split at every comma (a line
// whose fields are all in double quotes reads as its unquoted fields); dates are m/d/yyyy (a
// two-digit year too) or yyyy-mm-dd, amounts take '.' as the decimal point and no grouping,
// and the field after the amount must not start with a digit (it would be the rest of a
// number written with a comma: "1,000.00", "12,50 EUR"). Further fields are ignored; the three
// header lines of an export are not named. Windows-1252, or UTF-8 after a byte-order mark.
// The three lines an export of transactions or values starts with: the two labels followed by
// the names, then a line of hyphens.
inline constexpr const char* kExportPortfolioLabel = "PORTFOLIO: ";
inline constexpr const char* kExportHoldingLabel = "HOLDING: ";
inline constexpr std::size_t kExportHyphens = 80;

class FixedLineFormat : public ImportLineFormat {
  public:
    explicit FixedLineFormat(ImportKind kind) : kind_(kind), decoder_(std::nullopt) {}

    std::optional<ImportedLine> Read(std::string_view bytes, std::size_t number) override;
    Message Expected() const override;

    // Whether some line of the file reads as an entry in this layout, so that the file imports
    // without a mapping; false when it cannot be read.
    static bool Recognises(const std::filesystem::path& path, ImportKind kind);

  private:
    ImportKind kind_;
    LineDecoder decoder_;
};

}  // namespace brevanta
