#pragma once

#include <vector>

#include "exchange/import_line_format.h"

namespace brevanta {

// The layout a mapping describes (doc/import_mapping.md): its leading lines skipped, its
// fields split at the delimiter, each entry read from the columns the mapping names. An empty
// line and a line of delimiters only are not named.
class MappedLineFormat : public ImportLineFormat {
  public:
    // REQUIRES: the mapping names its encoding and date format (CompleteMapping), and fits the
    // kind (MappingFitsKind).
    MappedLineFormat(ImportKind kind, ImportMapping mapping);

    std::optional<ImportedLine> Read(std::string_view bytes, std::size_t number) override;
    Message Expected() const override { return BREVANTA_TEXT("Exchange", "fits the mapping"); }

  private:
    // The text of the column on the line being read; empty past its last field.
    const std::string& Field(int column) const;
    // The signed amount of the line, or why it has none.
    std::optional<double> SignedAmount(ImportedLine& line) const;
    // The type code of the line, given its signed amount, or nullopt with the refusal set.
    std::optional<std::string> TypeCode(double amount, ImportedLine& line) const;

    ImportKind kind_;
    ImportMapping mapping_;
    LineDecoder decoder_;
    std::vector<std::string> fields_;
};

// Ok, or InvalidArgument saying what a mapping for transactions or for historical values
// lacks: a type (or type_from_sign) for transactions, a single amount column for values.
Status MappingFitsKind(const ImportMapping& mapping, ImportKind kind);

}  // namespace brevanta
