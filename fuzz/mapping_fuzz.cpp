// Reads arbitrary bytes as a mapping, and as the lines of a file under two mappings that use
// every kind of column: a mapping reads back as written or is refused, and a line becomes an
// entry or a reason to skip it, never a crash or a read out of bounds.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "exchange/import_mapping.h"
#include "exchange/line_reader.h"
#include "exchange/mapped_line_format.h"

namespace {

brevanta::ImportMapping Mapping(const char* json) {
    brevanta::ImportMapping mapping;
    brevanta::ReadImportMapping(json, &mapping);
    return mapping;
}

const brevanta::ImportMapping kMappings[] = {
    Mapping(R"({"delimiter": ";", "encoding": "Windows-1252", "skip": 1,
                "date": {"column": 1, "format": "d.M.yyyy"}, "decimal": ",", "grouping": ".",
                "amount": {"column": 4}, "description": {"column": 2},
                "type": {"column": 3, "map": {"Einzahlung": "CC", "Auszahlung": "WI"}}})"),
    Mapping(R"({"encoding": "UTF-8", "date": {"column": 2, "format": "M/d/yy"},
                "grouping": " ", "debit": {"column": 3}, "credit": {"column": 1},
                "type_from_sign": true})"),
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    brevanta::ImportMapping read;
    if (brevanta::ReadImportMapping(text, &read).ok()) {
        brevanta::ImportMapping again;
        if (!brevanta::ReadImportMapping(brevanta::ImportMappingJson(read), &again).ok() ||
            !(again == read)) {
            __builtin_trap();
        }
    }
    brevanta::HoldingRecord holding;
    holding.InceptionDate = brevanta::Date::Ymd(2000, 1, 31);
    for (const brevanta::ImportMapping& mapping : kMappings) {
        brevanta::MappedLineFormat format(brevanta::ImportKind::Transactions, mapping);
        std::istringstream in(text);
        brevanta::LineReader reader(in);
        std::string line;
        for (std::size_t number = 1; reader.Next(&line); ++number) {
            const auto imported = format.Read(line, number);
            if (imported && !imported->refusal) CheckImportedEntry(imported->entry, holding);
        }
    }
    return 0;
}
