#include "app/cli/json_values.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

#include "core/date_format.h"
#include "store/records.h"

namespace brevanta::cli {

Json FigureJson(float figure) {
    if (figure == NotCalculated) return nullptr;
    // The shortest text of the float reads back as the double nearest to it, which the
    // writer then prints as that same text.
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, figure);
    return error == std::errc() ? Json(std::strtod(std::string(text, end).c_str(), nullptr))
                                : Json(static_cast<double>(figure));
}

Json CentsJson(double amount) { return std::round(amount * 100) / 100; }

Json DateJson(Date date) {
    if (date == NoDate) return nullptr;
    return FormatDate(date, "yyyy-mm-dd");
}

void PrintJson(const Json& document) {
    std::cout << document.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

}  // namespace brevanta::cli
