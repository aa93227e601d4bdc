#include "reports/audit_detail.h"

#include <gtest/gtest.h>

#include "engine/period_dates.h"
#include "store/temp_dir.h"

namespace brevanta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const SubPeriodRecord kFebruary = {
    Date::Ymd(2001, 1, 31), Date::Ymd(2001, 2, 28), 1234567.5f, 1250000.0f, -100.0f, 1.012345f};

TEST(AuditDetailTest, RowsShowAmountsGroupedWithCentsAndTheRatioInFull) {
    EXPECT_EQ(AuditRows({kFebruary}, Locale::EnUs()),
              std::vector<TextRow>({{{},
                                     {"01/31/2001", "02/28/2001", "1,234,567.50", "1,250,000.00",
                                      "-100.00", "1.012345"}}}));
}

// Periods run from after their start to their end; days outside the list take its nearest end.
TEST(AuditDetailTest, TheRowHoldingADayEndsOnOrAfterIt) {
    const SubPeriodRecord march = {Date::Ymd(2001, 2, 28), Date::Ymd(2001, 3, 31)};
    const std::vector<SubPeriodRecord> periods = {kFebruary, march};
    EXPECT_EQ(AuditRowHolding(periods, Date::Ymd(2001, 2, 28)), 0u);
    EXPECT_EQ(AuditRowHolding(periods, Date::Ymd(2001, 3, 1)), 1u);
    EXPECT_EQ(AuditRowHolding(periods, Date::Ymd(2000, 12, 31)), 0u);
    EXPECT_EQ(AuditRowHolding(periods, Date::Ymd(2001, 4, 30)), 1u);
    EXPECT_EQ(AuditRowHolding({}, Date::Ymd(2001, 3, 1)), std::nullopt);
}

TEST(AuditDetailTest, TrailingLabelsShowTheirFigureToTwoDecimals) {
    Calculation calculation;
    calculation.figures[Figure::Qtr] = static_cast<float>(4.761904);
    calculation.figures[Figure::TeYr] = -3.5f;
    EXPECT_EQ(
        AuditLabel(ReportingPeriod::Quarter, calculation, Date::Ymd(2000, 1, 5), Locale::EnUs())
            .English(),
        "Quarter ROR: 4.76 %");
    EXPECT_EQ(
        AuditLabel(ReportingPeriod::TenYear, calculation, Date::Ymd(2000, 1, 5), Locale::EnUs())
            .English(),
        "10 Year ROR: -3.5 %");
    EXPECT_EQ(
        AuditLabel(ReportingPeriod::OneYear, calculation, Date::Ymd(2000, 1, 5), Locale::EnUs())
            .English(),
        "1 Year ROR: n/a");
}

// The inception label follows the engine's window, not the inception date: an investment
// from 15 June 2000 measured to 30 June 2001 has a twelve-month window from 30 June 2000,
// which is not annualised although the investment itself is more than a year old.
TEST(AuditDetailTest, InceptionLabelSaysAnnualizedOnlyForAWindowOverOneYear) {
    const Date performance_date = Date::Ymd(2001, 6, 30);
    const struct {
        int months;
        const char* expected;
    } cases[] = {
        {0, "From Inception of 6/15/2000 ROR: 7.25 %"},
        {12, "From Inception of 6/15/2000 ROR: 7.25 %"},
        {13, "From Inception of 6/15/2000 Annualized ROR: 7.25 %"},
    };
    for (const auto& c : cases) {
        Calculation calculation;
        calculation.figures[Figure::IncAnn] = 7.25f;
        const std::vector<Date> bounds = MonthlyBoundaries(performance_date, c.months);
        for (int k = 0; k < c.months; ++k) {
            calculation.audit_list(ReportingPeriod::Inception)
                .push_back({bounds[k], bounds[k + 1]});
        }
        EXPECT_EQ(AuditLabel(ReportingPeriod::Inception, calculation, Date::Ymd(2000, 6, 15),
                             Locale::EnUs())
                      .English(),
                  c.expected)
            << c.months << " months";
    }
}

TEST(AuditDetailTest, SavedFileHoldsTheHeaderAndPlainNumbers) {
    TempDir dir;
    const std::string path = dir.File("audit.csv");
    ASSERT_TRUE(SaveAuditDetail({kFebruary}, path).ok());
    EXPECT_EQ(ReadBytes(path),
              "Date1, Date2, BMV, EMV, SOC, EMV-.5 SOC / BMV+.5 SOC \r\n"
              "01/31/2001, 02/28/2001, 1234567.5, 1250000, -100, 1.012345\r\n");
}

TEST(AuditDetailTest, SaveToAMissingDirectoryFailsNamingThePath) {
    TempDir dir;
    const std::string path = dir.File("missing/audit.csv");
    const Status saved = SaveAuditDetail({kFebruary}, path);
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(saved.message(), "Could not write " + path + ": No such file or directory");
}

}  // namespace
}  // namespace brevanta
