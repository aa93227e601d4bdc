#include "core/date.h"

#include <gtest/gtest.h>

namespace brevanta {
namespace {

TEST(DateTest, YyyymmddRoundTrips) {
    const auto date = Date::ParseYyyymmdd("20010331");
    ASSERT_TRUE(date.has_value());
    EXPECT_EQ(date->year(), 2001);
    EXPECT_EQ(date->month(), 3);
    EXPECT_EQ(date->day(), 31);
    EXPECT_EQ(date->ToYyyymmdd(), "20010331");
    EXPECT_EQ(*Date::ParseYyyymmdd("19000101"), NoDate);
}

TEST(DateTest, MalformedOrBlankYyyymmddIsRefused) {
    for (const char* text : {"", "        ", "2001033", "200103311", "2001-3-1", "20010230",
                             "20011301", "20010100", " 2010101", "2001031a"}) {
        EXPECT_FALSE(Date::ParseYyyymmdd(text).has_value()) << text;
    }
}

TEST(DateTest, LeapYearsFollowTheGregorianRule) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2001, 2), 28);
    EXPECT_EQ(DaysInMonth(2001, 4), 30);
}

}  // namespace
}  // namespace brevanta
