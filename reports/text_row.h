#pragma once

#include <string>
#include <variant>
#include <vector>

#include "store/identifiers.h"

namespace brevanta {

// The identifier of what a list row shows, of its own kind, or none.
using RowId = std::variant<std::monostate, Pid, Hid, Tid, Vid>;

// The number the identifier holds; 0 for none.
inline IdNumber NumberOf(const RowId& id) {
    return std::visit(
        [](auto value) -> IdNumber {
            if constexpr (std::is_same_v<decltype(value), std::monostate>) {
                return 0;
            } else {
                return Number(value);
            }
        },
        id);
}

// One row of a list whose every cell a row builder computed.
struct TextRow {
    RowId id;
    std::vector<std::string> cells;

    bool operator==(const TextRow&) const = default;
};

}  // namespace brevanta
