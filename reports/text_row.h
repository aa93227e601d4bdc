#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/identifiers.h"

namespace brevanta {

// One row of a list whose every cell a row builder computed.
struct TextRow {
    IdNumber id = 0;  // the number of the identifier of what the row shows, where it has one
    std::vector<std::string> cells;

    bool operator==(const TextRow&) const = default;
};

}  // namespace brevanta
