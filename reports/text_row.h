#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brevanta {

// One row of a list whose every cell a row builder computed.
struct TextRow {
    int32_t id = 0;  // the identifier of what the row shows, where it has one
    std::vector<std::string> cells;

    bool operator==(const TextRow&) const = default;
};

}  // namespace brevanta
