#include "core/date_format.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

const Date kJanuaryFifth = Date::Ymd(2001, 1, 5);

TEST(DateFormatTest, PatternsPadOnlyDoubledLetters) {
    EXPECT_EQ(FormatDate(kJanuaryFifth, "mm/dd/yyyy"), "01/05/2001");
    EXPECT_EQ(FormatDate(kJanuaryFifth, "m/dd/yyyy"), "1/05/2001");
    EXPECT_EQ(FormatDate(kJanuaryFifth, "mm/yyyy"), "01/2001");
    EXPECT_EQ(FormatDate(kJanuaryFifth, "yyyymmdd"), "20010105");
    EXPECT_EQ(FormatDate(Date::Ymd(2009, 12, 31), "m/d/yy"), "12/31/09");
    EXPECT_EQ(FormatDate(NoDate, "mm/dd/yyyy"), "01/01/1900");
    EXPECT_EQ(FormatDate(kJanuaryFifth, "M/d/yyyy"), "1/5/2001");
}

TEST(DateFormatTest, SlashIsTheLocaleDateSeparator) {
    Locale german;
    german.date_separator = '.';
    german.short_date_format = "dd/mm/yyyy";
    EXPECT_EQ(FormatDate(kJanuaryFifth, "mm/dd/yyyy", german), "01.05.2001");
    EXPECT_EQ(FormatShortDate(kJanuaryFifth, german), "05.01.2001");
    EXPECT_EQ(FormatDate(kJanuaryFifth, "yyyy-mm-dd", german), "2001-01-05");
}

TEST(DateFormatTest, ShortDateAlwaysShowsFourDigitYears) {
    EXPECT_EQ(FormatShortDate(kJanuaryFifth), "1/5/2001");
    Locale two_digit_years;
    two_digit_years.short_date_format = "m/d/yy";
    EXPECT_EQ(FormatShortDate(kJanuaryFifth, two_digit_years), "1/5/2001");
}

TEST(DateFormatTest, ShortDateFormatFromTheSystemKeepsItsSeparator) {
    const Locale german = WithShortDateFormat(Locale::EnUs(), "dd.MM.yyyy");
    EXPECT_EQ(german.date_separator, '.');
    EXPECT_EQ(german.short_date_format, "dd/MM/yyyy");
    EXPECT_EQ(FormatShortDate(kJanuaryFifth, german), "05.01.2001");
    EXPECT_EQ(ParseShortDate("5.1.2001", german), kJanuaryFifth);

    const Locale us = WithShortDateFormat(Locale::EnUs(), "M/d/yy");
    EXPECT_EQ(FormatShortDate(kJanuaryFifth, us), "1/5/2001");
    EXPECT_EQ(WithShortDateFormat(Locale::EnUs(), "yyyy-MM-dd").date_separator, '-');
}

TEST(TimeFormatTest, TwelveHourClockWithoutLeadingZeros) {
    EXPECT_EQ(FormatTime({0, 5, 9}, "h:n:s am/pm"), "12:5:9 am");
    EXPECT_EQ(FormatTime({13, 7, 0}, "h:n:s am/pm"), "1:7:0 pm");
    EXPECT_EQ(FormatTime({12, 0, 0}, "h:n:s am/pm"), "12:0:0 pm");
    EXPECT_EQ(FormatTime({11, 59, 59}, "h:n:s am/pm"), "11:59:59 am");
    EXPECT_EQ(FormatTime({23, 45, 30}, "h:n:s am/pm"), "11:45:30 pm");
}

TEST(TimeFormatTest, DoubledLettersPadAndNoAmPmMeansTwentyFourHours) {
    EXPECT_EQ(FormatTime({13, 7, 0}, "hh:nn:ss"), "13:07:00");
    EXPECT_EQ(FormatTime({0, 5, 9}, "h:nn"), "0:05");
}

TEST(ShortDateParseTest, ReadsOneOrTwoDigitDayAndMonth) {
    EXPECT_EQ(ParseShortDate("1/5/2001"), kJanuaryFifth);
    EXPECT_EQ(ParseShortDate("01/05/2001"), kJanuaryFifth);
    EXPECT_EQ(ParseShortDate(" 01/05/2001 "), kJanuaryFifth);
    EXPECT_EQ(ParseShortDate("2/29/2000"), Date::Ymd(2000, 2, 29));
    EXPECT_EQ(ParseShortDate(FormatDate(Date::Ymd(1999, 12, 31), "mm/dd/yyyy")),
              Date::Ymd(1999, 12, 31));
}

TEST(ShortDateParseTest, TwoDigitYearsNameNineteenFiftyToTwentyFortyNine) {
    EXPECT_EQ(ParseShortDate("1/5/01"), kJanuaryFifth);
    EXPECT_EQ(ParseShortDate("1/5/49"), Date::Ymd(2049, 1, 5));
    EXPECT_EQ(ParseShortDate("1/5/50"), Date::Ymd(1950, 1, 5));
    // Unless four digits are asked for, as for a typed date.
    EXPECT_FALSE(ParseShortDate("1/5/01", Locale::EnUs(), YearDigits::Four).has_value());
    EXPECT_EQ(ParseShortDate("1/5/2001", Locale::EnUs(), YearDigits::Four), kJanuaryFifth);
}

TEST(ShortDateParseTest, RefusesMalformedTextAndDaysThatDoNotExist) {
    for (const char* text : {"", "2/30/2001", "2/29/2001", "13/1/2001", "0/5/2001", "1/0/2001",
                             "1/5", "1/5/", "1/5/201", "1/5/20011", "1-5-2001", "1/5/2001x",
                             "a/5/2001", "001/5/2001", "1//5/2001", "Date", "1/5/2001 12:00"}) {
        EXPECT_FALSE(ParseShortDate(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace brevanta
