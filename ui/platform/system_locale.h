#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include "core/date.h"
#include "core/locale.h"

namespace brevanta {

// The library's Locale for a Qt locale: its separators, its short date format, the year
// always with four digits, and where its currency format puts the symbol. Separators outside ASCII
// become their nearest ASCII form. The C locale (a C or POSIX environment) gives en-US.
Locale LocaleFrom(const QLocale& locale);

QDate ToQDate(Date date);
Date FromQDate(QDate date);

}  // namespace brevanta
