#include "ui/platform/system_locale.h"

#include <string>

namespace brevanta {

namespace {

// A non-ASCII separator (a no-break space, an Arabic comma) as the ASCII one it stands for.
char AsciiSeparator(const QString& separator, char fallback) {
    if (separator.isEmpty()) return fallback;
    const QChar c = separator.front();
    if (c.unicode() < 128) return static_cast<char>(c.unicode());
    return c.isSpace() ? ' ' : fallback;
}

int RunLength(const QString& text, qsizetype start) {
    qsizetype end = start;
    while (end < text.size() && text[end] == text[start]) ++end;
    return static_cast<int>(end - start);
}

// Where the locale's currency format puts the symbol, read off a formatted amount.
CurrencyPlacement CurrencyPlacementOf(const QLocale& qlocale) {
    const QString symbol = QStringLiteral("\u00A4");
    const QString text = qlocale.toCurrencyString(1.0, symbol);
    if (text.endsWith(symbol) && !text.startsWith(symbol)) {
        const qsizetype before = text.size() - symbol.size() - 1;
        return before >= 0 && text[before].isSpace() ? CurrencyPlacement::AfterWithBlank
                                                     : CurrencyPlacement::After;
    }
    const qsizetype after = text.indexOf(symbol) + symbol.size();
    return after < text.size() && text[after].isSpace() ? CurrencyPlacement::BeforeWithBlank
                                                        : CurrencyPlacement::Before;
}

}  // namespace

Locale LocaleFrom(const QLocale& qlocale) {
    // The C locale has no short date format worth the name ("d M yyyy").
    if (qlocale.language() == QLocale::C) return Locale::EnUs();
    Locale locale;
    locale.decimal_separator = AsciiSeparator(qlocale.decimalPoint(), '.');
    locale.thousand_separator = AsciiSeparator(qlocale.groupSeparator(), ',');
    const QString format = qlocale.dateFormat(QLocale::ShortFormat);
    std::string pattern;
    bool separator_seen = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        const int run = RunLength(format, i);
        i += run;
        if (c == 'd') {
            // Day names ("ddd") have no place in a short date of digits.
            if (run <= 2) pattern += std::string(run, 'd');
        } else if (c == 'M') {
            pattern += run == 2 ? "mm" : "m";
        } else if (c == 'y') {
            pattern += "yyyy";
        } else if (!c.isLetter() && !c.isSpace() && !separator_seen && c.unicode() < 128) {
            locale.date_separator = static_cast<char>(c.unicode());
            separator_seen = true;
            pattern += std::string(run, '/');
        } else if (c.unicode() < 128 && c != '\'') {
            const char ascii = static_cast<char>(c.unicode());
            pattern += std::string(run, ascii == locale.date_separator ? '/' : ascii);
        }
    }
    locale.short_date_format = pattern;
    locale.currency_placement = CurrencyPlacementOf(qlocale);
    return locale;
}

QDate ToQDate(Date date) { return QDate(date.year(), date.month(), date.day()); }

Date FromQDate(QDate date) { return Date::Ymd(date.year(), date.month(), date.day()); }

}  // namespace brevanta
