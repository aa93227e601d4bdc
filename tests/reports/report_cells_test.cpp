#include "reports/report_cells.h"

#include <gtest/gtest.h>

#include "reports/html_text.h"

namespace brevanta {
namespace {

const char* const kSpacer = "<img src='1p-trans.gif' border='0' width='1' height='8'>";

std::string PositiveImage(const std::string& width) {
    return "<img src='1p.gif' border='2' width='" + width + "' height='8'>";
}

std::string NegativeImage(const std::string& width) {
    return "<img src='1n.gif' border='2' width='" + width + "' height='8'>";
}

TEST(ReportCellsTest, ScaleZeroDrawsOnePixelPerPointOnBothSides) {
    EXPECT_EQ(NegativeBar("-12.50", 0), NegativeImage("12.5"));
    EXPECT_EQ(PositiveBar("-12.50", 0), kSpacer);
    EXPECT_EQ(PositiveBar("12.50", 0), PositiveImage("12.5"));
    EXPECT_EQ(NegativeBar("12.50", 0), kSpacer);
}

TEST(ReportCellsTest, BarsNeverVanishBecauseTheScaleIsLarge) {
    EXPECT_EQ(PositiveBar("50.00", 50), PositiveImage("100"));
    EXPECT_EQ(PositiveBar("10.00", 50), PositiveImage("20"));
    // Above the span the factor is span / scale: 30 / 50 and 120 / 240.
    EXPECT_EQ(NegativeBar("-5.00", 50), NegativeImage("3"));
    EXPECT_EQ(NegativeBar("-99.00", 50), NegativeImage("30"));
    EXPECT_EQ(PositiveBar("240.00", 240), PositiveImage("120"));
    EXPECT_EQ(PositiveBar("60.00", 240), PositiveImage("30"));
}

TEST(ReportCellsTest, BarsBeyondTheSpanAreCapped) {
    // Scale 7: factor 17, so 9.00 comes to 153 and is drawn 100 wide.
    EXPECT_EQ(PositiveBar("9.00", 7), PositiveImage("100"));
    EXPECT_EQ(PositiveBar("7.00", 7), PositiveImage("119"));
    // Scale 25: factor 4; 25.00 fills 100, 40.00 would be 160 and is drawn 100 wide.
    EXPECT_EQ(PositiveBar("25.00", 25), PositiveImage("100"));
    EXPECT_EQ(PositiveBar("40.00", 25), PositiveImage("100"));
    EXPECT_EQ(PositiveBar("30.00", 25), PositiveImage("120"));
    // Negative factor 30 / 7 = 4: -7.50 is 30 wide, -7.51 beyond and capped at 30.
    EXPECT_EQ(NegativeBar("-7.50", 7), NegativeImage("30"));
    EXPECT_EQ(NegativeBar("-7.51", 7), NegativeImage("30"));
    EXPECT_EQ(NegativeBar("-2.25", 7), NegativeImage("9"));
}

TEST(ReportCellsTest, WidthsAreWrittenInGeneralFormat) {
    EXPECT_EQ(PositiveBar("12.34", 24), PositiveImage("61.7"));   // factor 5
    EXPECT_EQ(PositiveBar("12.34", 20), PositiveImage("74.04"));  // factor 6
}

TEST(ReportCellsTest, NotCalculatedAndZeroDrawSpacers) {
    EXPECT_EQ(PositiveBar("n/a", 10), kSpacer);
    EXPECT_EQ(NegativeBar("n/a", 10), kSpacer);
    EXPECT_EQ(PositiveBar("0.00", 10), kSpacer);
    EXPECT_EQ(NegativeBar("0.00", 10), kSpacer);
}

TEST(ReportCellsTest, LossesPrintInDarkRed) {
    EXPECT_EQ(PercentText("n/a"), "<FONT FACE='Arial' SIZE='1'>n/a</FONT>");
    EXPECT_EQ(PercentText("0.00"), "<FONT FACE='Arial' SIZE='1'>0.00%</FONT>");
    EXPECT_EQ(PercentText("12.34"), "<FONT FACE='Arial' SIZE='1'>12.34%</FONT>");
    EXPECT_EQ(PercentText("-0.01"), "<FONT FACE='Arial' SIZE='1' COLOR='#cc0000'>-0.01%</FONT>");
}

TEST(ReportCellsTest, DecimalCommaLocaleReadsItsOwnValueTexts) {
    Locale german;
    german.decimal_separator = ',';
    german.thousand_separator = '.';
    EXPECT_EQ(PositiveBar("12,34", 20, german), PositiveImage("74.04"));
    EXPECT_EQ(PercentText("-1,50", german),
              "<FONT FACE='Arial' SIZE='1' COLOR='#cc0000'>-1,50%</FONT>");
}

TEST(HtmlTextTest, SpecialCharactersBecomeReferences) {
    EXPECT_EQ(EscapeHtml("<script>alert('x')</script>"),
              "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;");
    EXPECT_EQ(EscapeHtml("R&D \"Growth\""), "R&amp;D &quot;Growth&quot;");
    EXPECT_EQ(EscapeHtml("Plain name 1"), "Plain name 1");
}

}  // namespace
}  // namespace brevanta
