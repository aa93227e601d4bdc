#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "app/cli/commands.h"
#include "app/cli/subject_options.h"
#include "core/clock.h"
#include "reports/report_writer.h"
#include "store/benchmark_choice.h"
#include "store/data_store.h"

extern char** environ;

namespace brevanta::cli {

namespace {

// Hands the page to the desktop's default browser. Like the desktop shell, a refusal only
// leaves the page unopened.
void OpenInBrowser(const std::filesystem::path& page) {
    const std::string file = page.string();
    char program[] = "xdg-open";
    char* argv[] = {program, const_cast<char*>(file.c_str()), nullptr};
    pid_t child = 0;
    int status = 0;
    if (posix_spawnp(&child, program, nullptr, nullptr, argv, environ) != 0 ||
        waitpid(child, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::cerr << "The report could not be opened in a browser.\n";
    }
}

}  // namespace

void AddReportCommand(CLI::App& app, int& exit_code) {
    auto* command = app.add_subcommand(
        "report", "Write an HTML report into the data directory and print its path");
    static int code = 0;
    static SubjectOptions subject;
    static bool open = false;
    command
        ->add_option("CODE", code,
                     "10, 11, 12 portfolio performance (both, dollar-, time-weighted); 20 "
                     "market values and cash flows; 30, 31, 32 investment detail; 40, 41, "
                     "42 investment returns; 50 investment transactions and values; 60, 70 "
                     "growth of an investment, a portfolio")
        ->required();
    subject.AddTo(*command, "Investment identifier (codes 30-60)");
    command->add_flag("--open", open, "Open the report in the default browser");
    command->callback([&exit_code] {
        if (IsInvestmentReport(code) && !subject.NamesInvestment()) {
            exit_code = UsageError("Report " + std::to_string(code) + " needs --investment");
            return;
        }
        if (!subject.NamesAny()) {
            exit_code =
                UsageError("Report " + std::to_string(code) + " needs --portfolio or --investment");
            return;
        }
        exit_code = WithReadOnlyStore([](DataStore& store) {
            const std::optional<Subject> found = subject.Find(store);
            if (!found) return kRefused;
            ReportWriter writer(store, std::filesystem::current_path());
            writer.SetToday(SystemClock().Today());
            writer.SetBenchmark(BenchmarkOf(store, found->portfolio_id));
            const Status status =
                writer.RunReport(found->portfolio_id, found->holding_id.value_or(Hid{}), code);
            if (!status.ok()) return Refuse(status.message());
            std::cout << writer.SavedPath().string() << "\n";
            if (open) OpenInBrowser(writer.SavedPath());
            return kSucceeded;
        });
    });
}

}  // namespace brevanta::cli
