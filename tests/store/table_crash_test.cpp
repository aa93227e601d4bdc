// A process killed in the middle of appends or of a pack leaves a table that opens with
// every committed row intact.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "store/sample_table.h"
#include "store/table_engine.h"
#include "store/temp_dir.h"

namespace brevanta {
namespace {

using testing::AppendSampleRow;
using testing::ReadAllRows;
using testing::SampleRow;
using testing::StoredRow;
using testing::TempDir;

SampleRow RowNumber(int id) { return {id, "row " + std::to_string(id), id * 0.25, "20240131"}; }

// Runs `work` in a child process that reports progress as ints on a pipe, kills it
// `delay` after its first report, and returns every int it reported.
template <typename Work>
std::vector<int> KillMidway(Work work, std::chrono::milliseconds delay) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        auto report = [fd = fds[1]](int value) {
            if (write(fd, &value, sizeof value) != sizeof value) _exit(2);
        };
        work(report);
        _exit(0);
    }
    close(fds[1]);
    std::vector<int> reports;
    int value = 0;
    if (read(fds[0], &value, sizeof value) == sizeof value) reports.push_back(value);
    std::this_thread::sleep_for(delay);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    while (read(fds[0], &value, sizeof value) == sizeof value) reports.push_back(value);
    close(fds[0]);
    return reports;
}

class TableCrashTest : public ::testing::Test {
  protected:
    TempDir dir_;
    std::string path_ = dir_.File("t.dbf");
};

TEST_F(TableCrashTest, KilledAppendsLeaveEveryCommittedRow) {
    for (int delay : {0, 1, 3, 7, 15, 30}) {
        std::filesystem::remove(path_);
        testing::WriteSampleTable(path_, {});
        const std::vector<int> committed = KillMidway(
            [this](auto report) {
                Table table;
                if (!table.Open(path_).ok()) _exit(1);
                for (int id = 1;; ++id) {
                    AppendSampleRow(table, RowNumber(id));
                    if (::testing::Test::HasFatalFailure()) _exit(1);
                    report(id);
                }
            },
            std::chrono::milliseconds(delay));
        ASSERT_FALSE(committed.empty());

        Table table;
        const Status status = table.Open(path_);
        ASSERT_TRUE(status.ok()) << status.message();
        // The row in flight at the kill may or may not have been counted.
        const int rows = table.RecordCount();
        EXPECT_GE(rows, committed.back()) << "delay " << delay;
        EXPECT_LE(rows, committed.back() + 1) << "delay " << delay;
        int id = 0;
        for (const std::string& row : ReadAllRows(table))
            ASSERT_EQ(row, StoredRow(RowNumber(++id)));
        EXPECT_EQ(id, rows);
    }
}

TEST_F(TableCrashTest, KilledPackLeavesTheOldTableOrTheNewOne) {
    // Every third row deleted, in a table big enough for the pack to take a while.
    const std::string original = dir_.File("original.dbf");
    std::vector<SampleRow> rows;
    std::vector<std::string> live;
    for (int id = 1; id <= 60000; ++id) {
        rows.push_back(RowNumber(id));
        if (id % 3 != 0) live.push_back(StoredRow(rows.back()));
    }
    testing::WriteSampleTable(original, rows);
    {
        Table table;
        ASSERT_TRUE(table.Open(original).ok());
        for (table.Top(); !table.Eof(); table.Skip()) {
            if (std::stoi(table.FieldText(table.Field("ID"))) % 3 == 0) {
                ASSERT_TRUE(table.Delete().ok());
            }
        }
    }

    for (int delay : {0, 1, 2, 4, 8, 16, 40}) {
        std::filesystem::copy_file(original, path_,
                                   std::filesystem::copy_options::overwrite_existing);
        KillMidway(
            [this](auto report) {
                Table table;
                if (!table.Open(path_).ok()) _exit(1);
                report(0);
                if (!table.Pack().ok()) _exit(1);
                report(1);
            },
            std::chrono::milliseconds(delay));

        Table table;
        const Status status = table.Open(path_);
        ASSERT_TRUE(status.ok()) << status.message();
        EXPECT_TRUE(table.RecordCount() == 60000 || table.RecordCount() == 40000) << delay;
        std::vector<std::string> live_after;
        for (const std::string& row : ReadAllRows(table)) {
            if (row[0] != '*') {
                live_after.push_back(row);
            }
        }
        EXPECT_EQ(live_after, live) << "delay " << delay;
    }
}

}  // namespace
}  // namespace brevanta
