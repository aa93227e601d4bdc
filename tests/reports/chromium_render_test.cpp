#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

#include "reports/sample_reports.h"

namespace brevanta::testing {
namespace {

constexpr const char* kChromium = "/usr/bin/chromium";

// A page that loads the report in a frame and, once it has loaded, lists into #result how
// many images the report has and which of them did not load.
constexpr const char* kInspector = R"html(<html><body><pre id="result">not loaded</pre>
<iframe id="page" src="REPORT" onload="inspect()"></iframe>
<script>
function inspect() {
  var lines = [];
  try {
    var images = document.getElementById('page').contentDocument.images;
    lines.push('images ' + images.length);
    for (var i = 0; i < images.length; i++) {
      if (!images[i].complete || images[i].naturalWidth === 0) {
        lines.push('broken ' + images[i].getAttribute('src'));
      }
    }
  } catch (e) {
    lines.push('error ' + e);
  }
  document.getElementById('result').textContent = lines.join('\n');
}
</script></body></html>
)html";

struct Rendering {
    int exit_code = -1;
    std::string dom;  // the inspector page after loading
    std::string log;  // the browser's log, console messages included
};

Rendering Render(const std::filesystem::path& report, const std::string& scratch) {
    const std::filesystem::path inspector = report.parent_path() / "inspect.html";
    std::string page = kInspector;
    page.replace(page.find("REPORT"), 6, report.filename().string());
    WriteBytes(inspector.string(), page);
    const std::string profile = scratch + "/profile";
    std::filesystem::create_directory(profile);
    const std::string command =
        std::string("timeout 120 ") + kChromium +
        " --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
        " --disable-background-networking --disable-component-update --disable-sync"
        " --allow-file-access-from-files --user-data-dir=" +
        profile + " --enable-logging=stderr --v=0 --dump-dom file://" + inspector.string() + " > " +
        scratch + "/dom.html 2> " + scratch + "/log.txt";
    Rendering rendering;
    rendering.exit_code = std::system(command.c_str());
    rendering.dom = ReadBytes(scratch + "/dom.html");
    rendering.log = ReadBytes(scratch + "/log.txt");
    std::filesystem::remove_all(profile);
    return rendering;
}

int ImageTags(const std::string& page) {
    const std::regex tag("<img ", std::regex::icase);
    return static_cast<int>(
        std::distance(std::sregex_iterator(page.begin(), page.end(), tag), std::sregex_iterator()));
}

using ChromiumRenderTest = SampleReportsTest;

TEST_F(ChromiumRenderTest, EveryKindOfPageLoadsWithItsImagesAndNoConsoleMessages) {
    if (!std::filesystem::exists(kChromium)) GTEST_SKIP() << kChromium << " is not installed";
    TempDir scratch;
    for (int code :
         {kInvestmentDetailReport, kInvestmentDollarWeightedReport, kPortfolioPerformanceReport,
          kMarketValuesReport, kInvestmentGrowthReport, kPortfolioGrowthReport}) {
        SCOPED_TRACE("report " + std::to_string(code));
        const std::string page = Run(code);
        const Rendering rendering = Render(writer().SavedPath(), scratch.path());
        ASSERT_EQ(rendering.exit_code, 0) << rendering.log;
        EXPECT_NE(rendering.dom.find("<pre id=\"result\">images " +
                                     std::to_string(ImageTags(page)) + "</pre>"),
                  std::string::npos)
            << rendering.dom;
        EXPECT_EQ(rendering.log.find(":CONSOLE"), std::string::npos) << rendering.log;
    }
}

}  // namespace
}  // namespace brevanta::testing
