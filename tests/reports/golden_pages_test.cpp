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

TEST_F(GoldenPagesTest, MarketValuesPage) {
    ExpectGolden(Run(kMarketValuesReport), "market_values.html");
}

}  // namespace
}  // namespace brevanta::testing
