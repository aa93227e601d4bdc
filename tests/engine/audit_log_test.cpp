#include "engine/audit_log.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "store/temp_dir.h"

namespace brevanta {
namespace {

using testing::ReadBytes;
using testing::TempDir;

const std::string kDashes80(80, '-');
const std::string kRule = "   " + std::string(60, '-');

// The legend, typed out line by line.
const std::string kLegend =
    "\r\n" + kDashes80 + "\r\n\r\n" +
    "  Brevanta - Performance Calculation Audit Log\r\n"
    "\r\n"
    "     Time 1    Starting date for the compounding period.\r\n"
    "     Time 2    Ending date for the compounding period.\r\n"
    "     BMV       Beginning Market Value for the time period.\r\n"
    "     EMV       Ending Market Value for the time period.\r\n"
    "     SOC       Sum Of Cash flows (total dollars contributed and withdrawn) for the\r\n"
    "               time period.\r\n"
    "     ROR*      Rate Of Return for the period.\r\n"
    "\r\n"
    "     * These Rates Of Return are geometrically linked to calculate the final ROR \r\n"
    "       for the entire time period. 3 Year, 5 Year and 10 Year returns are annualized.\r\n"
    "       From inception returns are annualized only if they are older than 1 Year.\r\n"
    "\r\n"
    "\r\n" +
    kDashes80 + "\r\n";

std::string Repeat(const std::string& first, const std::string& rest, int count) {
    std::string text = first;
    for (int i = 1; i < count; ++i) text += ", " + rest;
    return text;
}

class AuditLogTest : public ::testing::Test {
  protected:
    AuditLogTest() {
        auto& inception = calculation_.audit_list(ReportingPeriod::Inception);
        inception.push_back(
            {Date::Ymd(2001, 4, 30), Date::Ymd(2001, 5, 31), 1000, 1020.5f, 0, 1.0205f});
        inception.push_back(
            {Date::Ymd(2001, 5, 31), Date::Ymd(2001, 6, 30), 1020.5f, 1234567.5f, -12.345f, 1.25f});
        calculation_.audit_list(ReportingPeriod::Month)
            .push_back({Date::Ymd(2001, 5, 31), Date::Ymd(2001, 6, 30), 1, 2, 3, 4});
        calculation_.figures[Figure::IncAnn] = static_cast<float>(4.761904716491699);
        flows_.socs[0] = 100;
        flows_.pwrs[0] = 0.5;
        flows_.bmv = 1000;
        flows_.emv = 1150.25;
        flows_.nummonths = 2;
    }

    std::string path() const { return dir_.File("calclog.txt"); }

    TempDir dir_;
    FixedClock clock_{Date::Ymd(2001, 7, 5), TimeOfDay{15, 7, 9}};
    Calculation calculation_;
    YearlyFlows flows_;
};

// A two-month-old investment: only the From Inception section; the Month list is never
// logged.
const std::string kInvestmentBlock =
    "*** Starting calculation on 7/05/2001 at 3:7:9 pm....\r\n"
    "\r\n"
    "   Portfolio: Growth\r\n"
    "   Investment: Fund A\r\n"
    "\r\n" +
    kRule + "\r\n" + "      Numbers used to calculate From Inception Performance\r\n" + kRule +
    "\r\n" +
    "\r\n"
    "   Time1, Time2, BMV, EMV, SOC, EMV-.5 SOC / BMV+.5 SOC\r\n" +
    kRule + "\r\n" +
    "   04/30/2001, 05/31/2001, 1000, 1020.5, 0, 1.0205\r\n"
    "   05/31/2001, 06/30/2001, 1020.5, 1234567.5, -12.35, 1.25\r\n"
    "\r\n"
    "   From Inception ROR = 4.7619%\r\n"
    "\r\n"
    "\r\n"
    "bmv, emv, nummonths\r\n"
    "1000, 1150.25, 2\r\n"
    "socs[50]\r\n" +
    Repeat("100", "0", 50) + "\r\n" + "pwrs[50]\r\n" + Repeat("0.5", "0", 50) + "\r\n" +
    "\r\n"
    "*** Finished calculation on 7/05/2001 at 3:7:9 pm....\r\n" +
    kDashes80 + "\r\n";

TEST_F(AuditLogTest, FirstBlockCreatesTheFileWithTheLegend) {
    const AuditLog log(path(), clock_, Locale::EnUs());
    ASSERT_TRUE(log.Append({"Growth", "Fund A"}, calculation_, flows_).ok());
    EXPECT_EQ(ReadBytes(path()), kLegend + kInvestmentBlock);
}

TEST_F(AuditLogTest, LaterBlocksAreAppendedWithoutTheLegend) {
    const AuditLog log(path(), clock_, Locale::EnUs());
    ASSERT_TRUE(log.Append({"Growth", "Fund A"}, calculation_, flows_).ok());
    ASSERT_TRUE(log.Append({"Growth", "Fund A"}, calculation_, flows_).ok());
    EXPECT_EQ(ReadBytes(path()), kLegend + kInvestmentBlock + kInvestmentBlock);
}

TEST_F(AuditLogTest, AnExistingFileIsOnlyAppendedTo) {
    testing::WriteBytes(path(), "kept by the user\r\n");
    const AuditLog log(path(), clock_, Locale::EnUs());
    ASSERT_TRUE(log.Append({"Growth", "Fund A"}, calculation_, flows_).ok());
    EXPECT_EQ(ReadBytes(path()), "kept by the user\r\n" + kInvestmentBlock);
}

TEST_F(AuditLogTest, PortfolioBlockNamesNoInvestmentInWindows1252) {
    const AuditLog log(path(), clock_, Locale::EnUs());
    ASSERT_TRUE(log.Append({"Caf\u00e9 \u2013 Growth", std::nullopt}, calculation_, flows_).ok());
    EXPECT_NE(ReadBytes(path()).find("   Portfolio: Caf\xE9 \x96 Growth\r\n"
                                     "   Investment: n/a (Calculating for the entire portfolio)\r\n"
                                     "\r\n"),
              std::string::npos);
}

TEST_F(AuditLogTest, SectionsFollowPeriodOrderWithTheirFigures) {
    calculation_.audit_list(ReportingPeriod::Quarter)
        .assign(3, {Date::Ymd(2001, 3, 31), Date::Ymd(2001, 4, 30), 1, 1, 0, 1});
    calculation_.figures[Figure::Qtr] = -0.25f;
    const AuditLog log(path(), clock_, Locale::EnUs());
    ASSERT_TRUE(log.Append({"Growth", "Fund A"}, calculation_, flows_).ok());
    const std::string text = ReadBytes(path());
    const size_t quarter =
        text.find(kRule + "\r\n      Numbers used to calculate Quarter Performance\r\n");
    const size_t inception =
        text.find("      Numbers used to calculate From Inception Performance");
    ASSERT_NE(quarter, std::string::npos);
    EXPECT_LT(quarter, inception);
    EXPECT_NE(text.find("   03/31/2001, 04/30/2001, 1, 1, 0, 1\r\n"
                        "   03/31/2001, 04/30/2001, 1, 1, 0, 1\r\n"
                        "   03/31/2001, 04/30/2001, 1, 1, 0, 1\r\n"
                        "\r\n"
                        "   Quarter ROR = -0.2500%\r\n\r\n"),
              std::string::npos);
}

TEST_F(AuditLogTest, ControlCharactersOfANameAreNotLogged) {
    const AuditLog log(path(), clock_, Locale::EnUs());
    ASSERT_TRUE(log.Append({"Gro\x1b[2Jwth", "Fund\r\nA\x01"}, calculation_, flows_).ok());
    EXPECT_NE(ReadBytes(path()).find("   Portfolio: Gro[2Jwth\r\n   Investment: Fund A\r\n"),
              std::string::npos);
}

TEST_F(AuditLogTest, ALinkInPlaceOfTheLogIsNeverFollowed) {
    testing::WriteBytes(dir_.File("somefile"), "the user's\n");
    for (const char* target : {"somefile", "created-through-the-link"}) {
        std::filesystem::remove(path());
        std::filesystem::create_symlink(target, path());
        const AuditLog log(path(), clock_, Locale::EnUs());
        EXPECT_FALSE(log.Append({"Growth", "Fund A"}, calculation_, flows_).ok()) << target;
    }
    EXPECT_EQ(ReadBytes(dir_.File("somefile")), "the user's\n");
    EXPECT_FALSE(std::filesystem::exists(dir_.File("created-through-the-link")));
}

TEST_F(AuditLogTest, UnopenableFileWritesNothing) {
    const AuditLog log(dir_.File("missing/calclog.txt"), clock_, Locale::EnUs());
    EXPECT_FALSE(log.Append({"Growth", "Fund A"}, calculation_, flows_).ok());
    EXPECT_FALSE(std::filesystem::exists(dir_.File("missing")));
}

}  // namespace
}  // namespace brevanta
