#include "exchange/import_date_format.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/date_format.h"

namespace brevanta {

namespace {

// A format's name, its separator, and the digits each of its three groups may have.
struct FormatLayout {
    ImportDateFormat format;
    const char* name;
    char separator;
    std::array<std::pair<std::size_t, std::size_t>, 3> digits;  // fewest, most
};

constexpr std::pair<std::size_t, std::size_t> kDayOrMonth = {1, 2};
constexpr std::pair<std::size_t, std::size_t> kLongYear = {4, 4};
constexpr std::pair<std::size_t, std::size_t> kShortYear = {2, 2};

constexpr FormatLayout kLayouts[] = {
    {ImportDateFormat::MonthDayYear, "M/d/yyyy", '/', {kDayOrMonth, kDayOrMonth, kLongYear}},
    {ImportDateFormat::DayMonthYearDots, "d.M.yyyy", '.', {kDayOrMonth, kDayOrMonth, kLongYear}},
    {ImportDateFormat::YearMonthDay, "yyyy-MM-dd", '-', {kLongYear, kDayOrMonth, kDayOrMonth}},
    {ImportDateFormat::DayMonthYearSlashes, "d/M/yyyy", '/', {kDayOrMonth, kDayOrMonth, kLongYear}},
    {ImportDateFormat::MonthDayShortYear, "M/d/yy", '/', {kDayOrMonth, kDayOrMonth, kShortYear}},
    {ImportDateFormat::DayMonthShortYearDots,
     "d.M.yy",
     '.',
     {kDayOrMonth, kDayOrMonth, kShortYear}},
    {ImportDateFormat::DayMonthShortYearSlashes,
     "d/M/yy",
     '/',
     {kDayOrMonth, kDayOrMonth, kShortYear}},
};

const FormatLayout& LayoutOf(ImportDateFormat format) {
    return *std::find_if(std::begin(kLayouts), std::end(kLayouts),
                         [format](const FormatLayout& layout) { return layout.format == format; });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The lengths of the three digit groups of text, with `separator` between them; nullopt when
// the text is not so written.
std::optional<std::array<std::size_t, 3>> DigitGroups(std::string_view text, char separator) {
    std::array<std::size_t, 3> lengths{};
    std::size_t group = 0;
    for (char c : text) {
        if (IsDigit(c)) {
            ++lengths[group];
        } else if (c != separator || lengths[group] == 0 || ++group == lengths.size()) {
            return std::nullopt;
        }
    }
    if (group != 2 || lengths[2] == 0) return std::nullopt;
    return lengths;
}

}  // namespace

std::string_view ImportDateFormatName(ImportDateFormat format) { return LayoutOf(format).name; }

std::optional<ImportDateFormat> ImportDateFormatNamed(std::string_view name) {
    for (const FormatLayout& layout : kLayouts) {
        if (name == layout.name) return layout.format;
    }
    return std::nullopt;
}

std::optional<Date> ReadImportDate(std::string_view text, ImportDateFormat format) {
    const FormatLayout& layout = LayoutOf(format);
    const auto groups = DigitGroups(text, layout.separator);
    if (!groups) return std::nullopt;
    for (std::size_t i = 0; i < groups->size(); ++i) {
        if ((*groups)[i] < layout.digits[i].first || (*groups)[i] > layout.digits[i].second) {
            return std::nullopt;
        }
    }
    // The groups have their lengths, so the short date reader takes the year as written.
    static const auto kLocales = [] {
        std::array<Locale, std::size(kLayouts)> locales;
        for (std::size_t i = 0; i < locales.size(); ++i) {
            locales[i] = WithShortDateFormat(Locale::EnUs(), kLayouts[i].name);
        }
        return locales;
    }();
    return ParseShortDate(text, kLocales[static_cast<std::size_t>(&layout - kLayouts)]);
}

bool HasDateShape(std::string_view text) {
    constexpr std::string_view kSeparators = "./-";
    return std::any_of(kSeparators.begin(), kSeparators.end(),
                       [text](char separator) { return DigitGroups(text, separator).has_value(); });
}

}  // namespace brevanta
