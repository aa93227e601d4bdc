#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/locale.h"
#include "core/status.h"
#include "store/identifiers.h"

namespace brevanta {

class DataStore;

// Report codes. Portfolio reports: performance with both kinds of rows, dollar-weighted
// rows, time-weighted rows; market values and cash flows. Investment reports: the detail
// page with both return tables, the dollar-weighted or the time-weighted table, each with
// the transaction and value lists (3x) or without them (4x); the lists alone (50). Growth:
// returns by calendar year with the chart of market value against cost basis, of an
// investment (60) or a portfolio (70).
enum ReportCode : int {
    kPortfolioPerformanceReport = 10,
    kPortfolioDollarWeightedReport = 11,
    kPortfolioTimeWeightedReport = 12,
    kMarketValuesReport = 20,
    kInvestmentDetailReport = 30,
    kInvestmentDetailDollarWeightedReport = 31,
    kInvestmentDetailTimeWeightedReport = 32,
    kInvestmentReturnsReport = 40,
    kInvestmentDollarWeightedReport = 41,
    kInvestmentTimeWeightedReport = 42,
    kInvestmentListsReport = 50,
    kInvestmentGrowthReport = 60,
    kPortfolioGrowthReport = 70,
};

bool IsPortfolioReport(int code);
bool IsInvestmentReport(int code);

// Builds one HTML page line by line in memory and saves it in the report directory (the
// data directory, beside the four bar images the pages refer to). One writer per report
// command. A run saves nothing when building fails, and reports a failed save with the file
// and the reason; opening the saved page in a browser is the caller's business.
class ReportWriter {
  public:
    // REQUIRES: store outlives the writer.
    ReportWriter(DataStore& store, std::filesystem::path directory, Locale locale = Locale::EnUs());

    // Today's date, which a growth page of an investment or portfolio never calculated is as
    // of; the others are as of their performance date. REQUIRES before such a page: set.
    void SetToday(Date today) { today_ = today; }
    // The investment a growth page compares with (the portfolio's benchmark); none by default.
    void SetBenchmark(std::optional<Hid> benchmark) { benchmark_ = benchmark; }

    // A portfolio report (code 10, 11, 12, 20 or 70) saved as report<pid>_.html, the growth
    // page (70) as growth<pid>_.html so that it never replaces another report.
    Status RunPortfolioReport(Pid portfolio_id, int code);
    // An investment report (code 30, 31, 32, 40, 41, 42, 50 or 60) saved as
    // report<pid>_<hid>.html (the growth page, 60, as growth<pid>_<hid>.html). Fails when the
    // investment is not in the portfolio.
    Status RunInvestmentReport(Pid portfolio_id, Hid holding_id, int code);
    // Any report: a portfolio report ignores holding_id.
    Status RunReport(Pid portfolio_id, Hid holding_id, int code);
    // The full investment detail page, the same as code 30.
    Status RunInvestmentDetail(Pid portfolio_id, Hid holding_id);
    // The file the last successful run saved.
    const std::filesystem::path& SavedPath() const { return saved_path_; }

    static std::string PortfolioFileName(Pid portfolio_id);
    static std::string InvestmentFileName(Pid portfolio_id, Hid holding_id);
    static std::string GrowthFileName(Pid portfolio_id, std::optional<Hid> holding_id);

    // --- For the page builders ---
    DataStore& store() const { return store_; }
    const Locale& locale() const { return locale_; }
    const std::string& font_face() const { return font_face_; }
    // Clears the page and adds the comment block and the opening of the frame, up to <BODY>.
    void BeginPage();
    // A control character of a stored text in the line is dropped (a line break becomes a
    // blank), so no page carries one.
    void Add(std::string_view line);
    const std::vector<std::string>& PageLines() const { return lines_; }

    // Writes the page lines in Windows-1252, each ended by CR LF; a character the code page
    // lacks is written as a numeric character reference.
    Status WritePage(std::ostream& out) const;
    // Writes the page to the file, replacing it only when every byte was written.
    Status SavePage(const std::filesystem::path& file) const;

  private:
    Status Save(const std::string& file_name, const Status& built);
    // The growth page of a portfolio (no holding_id) or an investment, as of its default date.
    Status BuildGrowth(Pid portfolio_id, std::optional<Hid> holding_id);

    DataStore& store_;
    std::filesystem::path directory_;
    Locale locale_;
    std::string font_face_ = "Arial";
    std::vector<std::string> lines_;
    std::filesystem::path saved_path_;
    std::optional<Date> today_;
    std::optional<Hid> benchmark_;
};

}  // namespace brevanta
