#include "core/date_format.h"

#include <cctype>

#include "core/blanks.h"

namespace brevanta {

namespace {

// One piece of a date pattern: a run of one field letter ('d', 'm' or 'y', any case), or a
// single other character (field == 0).
struct DateToken {
    char field = 0;
    int length = 1;
    char literal = 0;
};

char FieldLetter(char c) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower == 'd' || lower == 'm' || lower == 'y' ? lower : 0;
}

template <typename Visit>
void ForEachToken(std::string_view pattern, Visit visit) {
    for (size_t pos = 0; pos < pattern.size();) {
        DateToken token{FieldLetter(pattern[pos]), 1, pattern[pos]};
        ++pos;
        while (token.field != 0 && pos < pattern.size() &&
               FieldLetter(pattern[pos]) == token.field) {
            ++token.length;
            ++pos;
        }
        visit(token);
    }
}

std::string Padded(int number, int width) {
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
    return text;
}

std::string FormatDateWith(Date date, std::string_view pattern, const Locale& locale,
                           bool four_digit_year) {
    std::string text;
    ForEachToken(pattern, [&](const DateToken& token) {
        const int width = token.length >= 2 ? 2 : 1;
        switch (token.field) {
            case 'd':
                text += Padded(date.day(), width);
                break;
            case 'm':
                text += Padded(date.month(), width);
                break;
            case 'y':
                text += four_digit_year || token.length > 2 ? Padded(date.year(), 4)
                                                            : Padded(date.year() % 100, 2);
                break;
            default:
                text += token.literal == '/' ? locale.date_separator : token.literal;
        }
    });
    return text;
}

// Two-digit years name 1950 to 2049.
constexpr int kTwoDigitYearPivot = 50;

int FullYear(int two_digit_year) {
    return two_digit_year + (two_digit_year < kTwoDigitYearPivot ? 2000 : 1900);
}

}  // namespace

std::string FormatDate(Date date, std::string_view pattern, const Locale& locale) {
    return FormatDateWith(date, pattern, locale, false);
}

std::string FormatShortDate(Date date, const Locale& locale) {
    return FormatDateWith(date, locale.short_date_format, locale, true);
}

std::string FormatTime(TimeOfDay time, std::string_view pattern) {
    constexpr std::string_view kAmPm = "am/pm";
    std::string lower(pattern);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const bool twelve_hour = lower.find(kAmPm) != std::string::npos;
    const int hour = twelve_hour ? (time.hour + 11) % 12 + 1 : time.hour;

    std::string text;
    for (size_t pos = 0; pos < lower.size();) {
        if (lower.compare(pos, kAmPm.size(), kAmPm) == 0) {
            text += time.hour < 12 ? "am" : "pm";
            pos += kAmPm.size();
            continue;
        }
        const char letter = lower[pos];
        size_t end = pos + 1;
        if (letter != 'h' && letter != 'n' && letter != 's') {
            text += pattern[pos];
            pos = end;
            continue;
        }
        while (end < lower.size() && lower[end] == letter) ++end;
        const int value = letter == 'h' ? hour : letter == 'n' ? time.minute : time.second;
        text += Padded(value, end - pos >= 2 ? 2 : 1);
        pos = end;
    }
    return text;
}

std::optional<Date> ParseShortDate(std::string_view text, const Locale& locale,
                                   YearDigits year_digits) {
    text = TrimBlanks(text);
    int day = 0;
    int month = 0;
    int year = 0;
    size_t pos = 0;
    bool matches = true;
    ForEachToken(locale.short_date_format, [&](const DateToken& token) {
        if (!matches) return;
        if (token.field == 0) {
            const char expected = token.literal == '/' ? locale.date_separator : token.literal;
            matches = pos < text.size() && text[pos++] == expected;
            return;
        }
        const size_t max_digits = token.field == 'y' ? 4 : 2;
        const size_t start = pos;
        int number = 0;
        for (; pos < text.size() && pos - start < max_digits &&
               std::isdigit(static_cast<unsigned char>(text[pos]));
             ++pos) {
            number = number * 10 + (text[pos] - '0');
        }
        const size_t digits = pos - start;
        if (token.field == 'd') day = number;
        if (token.field == 'm') month = number;
        if (token.field == 'y') year = digits == 2 ? FullYear(number) : number;
        const bool two_digit_year = digits == 2 && year_digits == YearDigits::TwoOrFour;
        matches = digits > 0 && (token.field != 'y' || two_digit_year || digits == 4);
    });
    if (!matches || pos != text.size()) return std::nullopt;
    return Date::FromYmd(year, month, day);
}

Locale WithShortDateFormat(Locale locale, std::string_view format) {
    std::string pattern(format);
    const size_t separator = pattern.find_first_not_of("dDmMyY");
    if (separator != std::string::npos) {
        locale.date_separator = pattern[separator];
        for (char& c : pattern) {
            if (c == locale.date_separator) c = '/';
        }
    }
    locale.short_date_format = pattern;
    return locale;
}

}  // namespace brevanta
