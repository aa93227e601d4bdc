#pragma once

#include <string>

#include "core/date.h"
#include "core/status.h"

namespace brevanta::bench {

// The shape of a generated data directory: every investment starts on the same month end
// and has one historical value per month end and one transaction in the middle of each month
// (contributions, reinvested dividends and withdrawals in turn).
struct BenchStoreShape {
    int portfolios = 20;
    int holdings_per_portfolio = 50;
    int months = 360;
    Date last_month_end = Date::Ymd(2024, 12, 31);
};

// Creates the five tables of the shape in `directory`, which must exist and hold none of them.
// Portfolio p (1 first) holds investments (p - 1) * holdings_per_portfolio + 1 onwards.
Status WriteBenchTables(const std::string& directory, const BenchStoreShape& shape);

// The month end `months_before` months before `last`.
Date MonthEndBefore(Date last, int months_before);

// A generated data directory with the five tables (WriteBenchTables), removed when
// destroyed. Generation failures abort: a benchmark has no one to report them to.
class BenchStore {
  public:
    explicit BenchStore(BenchStoreShape shape = {});
    ~BenchStore();
    BenchStore(const BenchStore&) = delete;
    BenchStore& operator=(const BenchStore&) = delete;

    const std::string& directory() const { return directory_; }
    const BenchStoreShape& shape() const { return shape_; }
    int holdings() const { return shape_.portfolios * shape_.holdings_per_portfolio; }
    Date inception() const;

  private:
    BenchStoreShape shape_;
    std::string directory_;
};

// 1,000 investments in 20 portfolios with 360 values and 360 transactions each, built on
// first use and shared by every benchmark of the process.
const BenchStore& StandardBenchStore();

}  // namespace brevanta::bench
