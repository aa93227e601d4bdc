#pragma once

#include <nlohmann/json.hpp>

#include "core/date.h"

namespace brevanta::cli {

// The JSON documents of `show --json` and `returns --json` (described in doc/cli.md) keep
// their members in the order written.
using Json = nlohmann::ordered_json;

// A stored figure: the shortest decimal that reads back as the same single-precision number
// ("5.23"), or null when not calculated.
Json FigureJson(float figure);
// An amount of money to the cent.
Json CentsJson(double amount);
// "YYYY-MM-DD", or null for NoDate.
Json DateJson(Date date);
// Writes the document to standard output, indented, with a final line break.
void PrintJson(const Json& document);

}  // namespace brevanta::cli
