#include "reports/report_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "exchange/failing_stream.h"
#include "reports/report_fixture.h"

namespace brevanta::testing {
namespace {

class ReportWriterTest : public ReportTest {
  protected:
    void SetUp() override {
        ReportTest::SetUp();
        growth_ = AddPortfolio("Growth");
        alpha_ = AddHolding(growth_, "Alpha Fund", D(2000, 1, 15), 1000);
    }

    Pid growth_{};
    Hid alpha_{};
};

TEST_F(ReportWriterTest, FileNamesCarryTheIdentifiers) {
    EXPECT_EQ(ReportWriter::PortfolioFileName(Pid{3}), "report3_.html");
    EXPECT_EQ(ReportWriter::InvestmentFileName(Pid{3}, Hid{17}), "report3_17.html");
    EXPECT_EQ(ReportWriter::GrowthFileName(Pid{3}, Hid{17}), "growth3_17.html");
    EXPECT_EQ(ReportWriter::GrowthFileName(Pid{3}, std::nullopt), "growth3_.html");
}

TEST_F(ReportWriterTest, PageIsSavedWithCrLfLinesInsideItsFrame) {
    ASSERT_TRUE(writer().RunInvestmentDetail(growth_, alpha_).ok());
    EXPECT_EQ(writer().SavedPath(), std::filesystem::path(File("report1_1.html")));
    const std::string page = ReadBytes(File("report1_1.html"));
    EXPECT_EQ(
        page.substr(0, 81),
        "<!-----------------------------------------------------------------------------\r\n");
    EXPECT_NE(page.find("\r\n------------------------------------------------------------------"
                        "------------>\r\n<HTML>\r\n<HEAD><META http-equiv=\"Content-Type\" "
                        "content=\"text/html; charset=windows-1252\"><TITLE>Brevanta</TITLE>"
                        "</HEAD>\r\n"
                        "<BODY>\r\n<TABLE WIDTH='640'>\r\n"),
              std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 18), "</BODY>\r\n</HTML>\r\n");
}

TEST_F(ReportWriterTest, PortfolioReportsShareOneFileAndTheLastOneStays) {
    ASSERT_TRUE(writer().RunPortfolioReport(growth_, kPortfolioPerformanceReport).ok());
    ASSERT_TRUE(writer().RunPortfolioReport(growth_, kMarketValuesReport).ok());
    EXPECT_EQ(writer().SavedPath(), std::filesystem::path(File("report1_.html")));
    const std::string page = ReadBytes(File("report1_.html"));
    EXPECT_NE(page.find("Market Values and Cash Flows"), std::string::npos);
    EXPECT_EQ(page.find("Portfolio Performance"), std::string::npos);
    EXPECT_EQ(page.substr(page.size() - 16), "</BODY></HTML>\r\n");
}

TEST_F(ReportWriterTest, RunReportPicksTheFileByTheKindOfCode) {
    ASSERT_TRUE(writer().RunReport(growth_, alpha_, kMarketValuesReport).ok());
    EXPECT_EQ(writer().SavedPath(), std::filesystem::path(File("report1_.html")));
    ASSERT_TRUE(writer().RunReport(growth_, alpha_, kInvestmentListsReport).ok());
    EXPECT_EQ(writer().SavedPath(), std::filesystem::path(File("report1_1.html")));
    EXPECT_TRUE(writer().RunReport(growth_, alpha_, 33).IsInvalidArgument());
}

// Never calculated, the portfolio's growth is as of today; once calculated, as of that date.
TEST_F(ReportWriterTest, GrowthPagesAreAsOfThePerformanceDateOrToday) {
    writer().SetToday(D(2001, 6, 30));
    ASSERT_TRUE(writer().RunReport(growth_, alpha_, kPortfolioGrowthReport).ok());
    EXPECT_EQ(writer().SavedPath(), std::filesystem::path(File("growth1_.html")));
    EXPECT_NE(ReadBytes(File("growth1_.html")).find("as of 6/30/2001"), std::string::npos);
    StorePortfolioDate(growth_, D(2000, 12, 31));
    ASSERT_TRUE(writer().RunReport(growth_, alpha_, kPortfolioGrowthReport).ok());
    EXPECT_NE(ReadBytes(File("growth1_.html")).find("as of 12/31/2000"), std::string::npos);
    ASSERT_TRUE(writer().RunReport(growth_, alpha_, kInvestmentGrowthReport).ok());
    EXPECT_EQ(writer().SavedPath(), std::filesystem::path(File("growth1_1.html")));
    // Never over the pages of the other reports.
    EXPECT_FALSE(std::filesystem::exists(File("report1_.html")));
    EXPECT_FALSE(std::filesystem::exists(File("report1_1.html")));
    EXPECT_EQ(writer().RunInvestmentReport(growth_, Hid{7}, kInvestmentGrowthReport).message(),
              "Investment 7 is not in portfolio 1.");
}

TEST_F(ReportWriterTest, CodesOfTheOtherKindAreRefused) {
    const Status portfolio = writer().RunPortfolioReport(growth_, kInvestmentDetailReport);
    EXPECT_TRUE(portfolio.IsInvalidArgument());
    EXPECT_EQ(portfolio.message(), "There is no report with the code 30.");
    EXPECT_TRUE(
        writer().RunInvestmentReport(growth_, alpha_, kMarketValuesReport).IsInvalidArgument());
    EXPECT_TRUE(writer().RunInvestmentReport(growth_, alpha_, 33).IsInvalidArgument());
    EXPECT_FALSE(std::filesystem::exists(File("report1_.html")));
    EXPECT_FALSE(std::filesystem::exists(File("report1_1.html")));
}

TEST_F(ReportWriterTest, MissingRecordsSaveNothing) {
    const Status investment = writer().RunInvestmentReport(growth_, Hid{7}, kInvestmentListsReport);
    EXPECT_TRUE(investment.IsNotFound());
    EXPECT_EQ(investment.message(), "Investment 7 is not in portfolio 1.");
    EXPECT_TRUE(writer().RunPortfolioReport(Pid{9}, kMarketValuesReport).IsNotFound());
    EXPECT_FALSE(std::filesystem::exists(File("report1_7.html")));
    EXPECT_FALSE(std::filesystem::exists(File("report9_.html")));
    EXPECT_TRUE(writer().SavedPath().empty());
}

TEST_F(ReportWriterTest, UnwritableFileIsReportedWithPathAndReason) {
    ReportWriter writer(store(), File("missing"));
    const Status status = writer.RunPortfolioReport(growth_, kPortfolioTimeWeightedReport);
    EXPECT_TRUE(status.IsIoError());
    EXPECT_EQ(status.message(),
              "Could not write " + File("missing") + "/report1_.html: No such file or directory");
    EXPECT_TRUE(writer.SavedPath().empty());
}

TEST_F(ReportWriterTest, PageIsWrittenInWindows1252) {
    const Hid cafe = AddHolding(growth_, "Caf\u00e9 M\u00fcller \u2013 Fonds", D(2000, 1, 15), 10);
    ASSERT_TRUE(writer().RunInvestmentDetail(growth_, cafe).ok());
    EXPECT_NE(ReadBytes(File("report1_2.html")).find("Caf\xE9 M\xFCller \x96 Fonds"),
              std::string::npos);
    // A character the code page lacks, which no table can hold, still reaches the browser.
    writer().Add("\u2713");
    std::ostringstream out;
    ASSERT_TRUE(writer().WritePage(out).ok());
    EXPECT_EQ(out.str().substr(out.str().size() - 10), "&#10003;\r\n");
}

// A table written elsewhere may hold them; no page line carries one.
TEST_F(ReportWriterTest, ControlCharactersNeverReachAPage) {
    writer().Add(std::string("<TD>Gro\x1b[2Jwth\r\nFund\0</TD>", 26));
    EXPECT_EQ(writer().PageLines().back(), "<TD>Gro[2Jwth Fund</TD>");
}

TEST_F(ReportWriterTest, FailedStreamIsReported) {
    ASSERT_TRUE(writer().RunInvestmentDetail(growth_, alpha_).ok());
    FailingStream out(100);
    EXPECT_TRUE(writer().WritePage(out).IsIoError());
    EXPECT_EQ(out.written().size(), 100u);
}

}  // namespace
}  // namespace brevanta::testing
