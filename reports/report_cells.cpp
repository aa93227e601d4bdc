#include "reports/report_cells.h"

#include <cmath>
#include <optional>

#include "core/float_text.h"
#include "core/number_parse.h"

namespace brevanta {

namespace {

constexpr double kPositiveSpan = 120;  // widest positive bar at the scale
constexpr double kPositiveCap = 100;   // width drawn for a bar beyond the span
constexpr double kNegativeSpan = 30;   // widest negative bar

const char* const kSpacer = "<img src='1p-trans.gif' border='0' width='1' height='8'>";

std::optional<double> ValueOf(std::string_view value_text, const Locale& locale) {
    if (value_text == "n/a") return std::nullopt;
    return ParseNumber(value_text, locale);
}

std::string Bar(const char* image, double width) {
    return std::string("<img src='") + image + "' border='2' width='" + FloatToText(width) +
           "' height='8'>";
}

}  // namespace

double BarFactor(double span, double largest) {
    if (largest == 0) return 1;
    return largest <= span ? std::trunc(span / largest) : span / largest;
}

std::string PositiveBar(std::string_view value_text, double scale, const Locale& locale) {
    const std::optional<double> value = ValueOf(value_text, locale);
    if (!value) return kSpacer;
    const double width = *value * BarFactor(kPositiveSpan, scale);
    if (width <= 0) return kSpacer;
    if (width > kPositiveSpan) return Bar("1p.gif", kPositiveCap);
    return Bar("1p.gif", width);
}

std::string NegativeBar(std::string_view value_text, double scale, const Locale& locale) {
    const std::optional<double> value = ValueOf(value_text, locale);
    if (!value || *value >= 0) return kSpacer;
    const double width = *value * BarFactor(kNegativeSpan, scale);
    if (width < -kNegativeSpan) return Bar("1n.gif", kNegativeSpan);
    return Bar("1n.gif", 0.0 - width);
}

std::string PercentText(std::string_view value_text, const Locale& locale) {
    const std::optional<double> value = ValueOf(value_text, locale);
    if (!value) return "<FONT FACE='Arial' SIZE='1'>n/a</FONT>";
    if (*value < 0) {
        return "<FONT FACE='Arial' SIZE='1' COLOR='#cc0000'>" + std::string(value_text) +
               "%</FONT>";
    }
    return "<FONT FACE='Arial' SIZE='1'>" + std::string(value_text) + "%</FONT>";
}

}  // namespace brevanta
