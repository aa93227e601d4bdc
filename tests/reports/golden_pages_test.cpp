#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "reports/sample_reports.h"

namespace brevanta::testing {
namespace {

// Compares the page with tests/data/golden/<name> byte for byte. With BREVANTA_UPDATE_GOLDEN
// set, writes the page there instead (review the difference before committing it).
void ExpectGolden(const std::string& page, const std::string& name) {
    const std::string path = std::string(BREVANTA_TEST_DATA_DIR) + "/golden/" + name;
    if (std::getenv("BREVANTA_UPDATE_GOLDEN") != nullptr) {
        WriteBytes(path, page);
        GTEST_SKIP() << "wrote " << path;
    }
    EXPECT_EQ(page, ReadBytes(path)) << "differs from " << path;
}

using GoldenPagesTest = SampleReportsTest;

TEST_F(GoldenPagesTest, InvestmentDetailPage) {
    ExpectGolden(Run(kInvestmentDetailReport), "investment_detail.html");
}

TEST_F(GoldenPagesTest, PortfolioPerformancePage) {
    ExpectGolden(Run(kPortfolioPerformanceReport), "portfolio_performance.html");
}

TEST_F(GoldenPagesTest, InvestmentGrowthPage) {
    ExpectGolden(Run(kInvestmentGrowthReport), "investment_growth.html");
}

// R&D Growth, from June 2009, gains 12 % in 2010 (5,000 to 5,600 in June; July's contribution
// of 1,000 is no return) and is younger than 2009 and than the fund's inception window.
TEST_F(GoldenPagesTest, InvestmentGrowthPageComparesWithTheBenchmark) {
    writer().SetBenchmark(Hid{2});
    const std::string page = Run(kInvestmentGrowthReport);
    for (const char* line : {
             "<TD ALIGN='RIGHT'><U>Benchmark %</U></TD>",
             "<TD ALIGN='CENTER'>2009</TD>\r\n<TD ALIGN='CENTER'>no</TD>\r\n<TD "
             "ALIGN='RIGHT'>21.95</TD>\r\n<TD ALIGN='RIGHT'>21.95</TD>\r\n<TD "
             "ALIGN='RIGHT'>11,950.75</TD>\r\n<TD ALIGN='RIGHT'>0.00</TD>\r\n<TD "
             "ALIGN='RIGHT'>n/a</TD>\r\n<TD ALIGN='RIGHT'>n/a</TD>",
             "<TD ALIGN='RIGHT'>12.00</TD>\r\n<TD ALIGN='RIGHT'>-12.00</TD>",
             "<TD ALIGN='RIGHT'><U>Benchmark: R&amp;D Growth</U></TD>",
             "Months</TD><TD ALIGN='RIGHT'>69</TD><TD ALIGN='RIGHT'>n/a</TD></TR>",
         }) {
        EXPECT_NE(page.find(line), std::string::npos) << line;
    }
}

TEST_F(GoldenPagesTest, MarketValuesPage) {
    ExpectGolden(Run(kMarketValuesReport), "market_values.html");
}

}  // namespace
}  // namespace brevanta::testing
