#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "reports/report_writer.h"
#include "store/data_store_fixture.h"

namespace brevanta::testing {

// A data store in a temporary directory and a report writer saving there.
class ReportTest : public DataStoreTest {
  protected:
    void SetUp() override {
        DataStoreTest::SetUp();
        writer_ = std::make_unique<ReportWriter>(store(), dir_.path());
    }

    ReportWriter& writer() { return *writer_; }
    const std::vector<std::string>& Lines() const { return writer_->PageLines(); }

    void StorePortfolioDate(Pid portfolio_id, Date date) {
        PerformanceFigures figures;
        figures.PerformanceDate = date;
        ASSERT_TRUE(store().portfolios().StorePortfolioFigures(portfolio_id, figures).ok());
    }

    std::unique_ptr<ReportWriter> writer_;
};

// Whether `run` appears in `lines` as consecutive lines.
inline bool HasRun(const std::vector<std::string>& lines, const std::vector<std::string>& run) {
    return std::search(lines.begin(), lines.end(), run.begin(), run.end()) != lines.end();
}

inline int CountOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

inline std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace brevanta::testing
