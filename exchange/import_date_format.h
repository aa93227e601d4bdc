#pragma once

#include <optional>
#include <string_view>

#include "core/date.h"

namespace brevanta {

// The layouts of dates a mapped import reads. d and M take one or two digits, yyyy four and
// yy two (1950 to 2049, as the fixed format reads them).
enum class ImportDateFormat {
    MonthDayYear,              // M/d/yyyy
    DayMonthYearDots,          // d.M.yyyy
    YearMonthDay,              // yyyy-MM-dd
    DayMonthYearSlashes,       // d/M/yyyy
    MonthDayShortYear,         // M/d/yy
    DayMonthShortYearDots,     // d.M.yy
    DayMonthShortYearSlashes,  // d/M/yy
};
inline constexpr ImportDateFormat kImportDateFormats[] = {
    ImportDateFormat::MonthDayYear,
    ImportDateFormat::DayMonthYearDots,
    ImportDateFormat::YearMonthDay,
    ImportDateFormat::DayMonthYearSlashes,
    ImportDateFormat::MonthDayShortYear,
    ImportDateFormat::DayMonthShortYearDots,
    ImportDateFormat::DayMonthShortYearSlashes};

// "M/d/yyyy", "d.M.yyyy", ... as a mapping names the format.
std::string_view ImportDateFormatName(ImportDateFormat format);
// The format of that name, compared exactly; nullopt for any other text.
std::optional<ImportDateFormat> ImportDateFormatNamed(std::string_view name);

// The day the text names in the format; nullopt when it is not written so or names no day.
std::optional<Date> ReadImportDate(std::string_view text, ImportDateFormat format);

// Whether the text has the shape of a date of any format: three groups of digits with the same
// '.', '/' or '-' between them. What a file holds in its date column in place of a date (a
// header, "Total") has not.
bool HasDateShape(std::string_view text);

}  // namespace brevanta
