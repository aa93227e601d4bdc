#include "store/data_directory.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/file_system.h"
#include "fakes/failing_file_system.h"
#include "store/file_size_limit.h"
#include "store/run_command.h"
#include "store/sample_table.h"
#include "store/table_engine.h"
#include "store/table_layouts.h"
#include "store/temp_dir.h"

namespace brevanta {
namespace {

using testing::ReadAllRows;
using testing::ReadBytes;
using testing::RunCommand;
using testing::TempDir;

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

std::string TrimRight(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

class DataDirectoryTest : public ::testing::Test {
  protected:
    TempDir temp_;
    std::string dir_ = temp_.File("new/data");
};

TEST_F(DataDirectoryTest, InstallsTheFiveEmptyTablesAndTheFourImages) {
    std::vector<std::string> made;
    const Status status = InstallDataDirectory(dir_, &made);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(FilesIn(dir_),
              (std::vector<std::string>{"1n.gif", "1p-trans.gif", "1p.gif", "1y.gif", "Trans.dbf",
                                        "holding.dbf", "port.dbf", "sys.dbf", "value.dbf"}));
    EXPECT_EQ(made.size(), 9u);
    EXPECT_EQ(made.front(), dir_ + "/port.dbf");

    const std::vector<std::pair<const char*, std::vector<FieldSpec>>> tables = {
        {kPortfolioTableFile, PortfolioTableLayout()},
        {kHoldingTableFile, HoldingTableLayout()},
        {kTransactionTableFile, TransactionTableLayout()},
        {kValueTableFile, ValueTableLayout()}};
    for (const auto& [file, layout] : tables) {
        Table table;
        ASSERT_TRUE(table.Open(dir_ + "/" + file).ok()) << file;
        EXPECT_EQ(table.RecordCount(), 0) << file;
        ASSERT_EQ(table.fields().size(), layout.size()) << file;
        for (size_t i = 0; i < layout.size(); ++i) {
            EXPECT_EQ(table.fields()[i].name, layout[i].name) << file;
            EXPECT_EQ(table.fields()[i].width, layout[i].width) << file;
        }
    }
}

TEST_F(DataDirectoryTest, SettingsTableHoldsTheSettingsAndEveryKnownColumn) {
    ASSERT_TRUE(InstallDataDirectory(dir_).ok());
    Table table;
    ASSERT_TRUE(table.Open(dir_ + "/sys.dbf").ok());
    std::vector<std::vector<std::string>> rows;
    for (table.Top(); !table.Eof(); table.Skip()) {
        std::vector<std::string> row;
        for (const char* name : {"Key", "Val1", "Val2", "Val3", "Val4", "Date1"})
            row.push_back(TrimRight(table.FieldText(table.Field(name))));
        rows.push_back(row);
    }
    ASSERT_EQ(rows.size(), 18u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"NUM_DEC", "2", "", "", "", "19000101"}));
    EXPECT_EQ(rows[1], (std::vector<std::string>{"LOG_AUDIT", "0", "", "", "", "19000101"}));
    std::vector<std::string> names;
    int shown = 0;
    for (size_t i = 2; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i][0], "VIEW");
        names.push_back(rows[i][1]);
        EXPECT_TRUE(rows[i][2] == "1" || rows[i][2] == "0");
        shown += rows[i][2] == "1";
        EXPECT_GT(std::stoi(rows[i][3]), 0);
        EXPECT_EQ(rows[i][4], std::to_string(i - 2));
        EXPECT_EQ(rows[i][5], "19000101");
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"1 Year", "1 Year$", "10 Year", "10 Year$", "3 Year",
                                               "3 Year$", "5 Year", "5 Year$", "Inc", "Inception",
                                               "Inception Date", "Inception$", "Month", "QTR",
                                               "QTR$", "Recent Value"}));
    EXPECT_EQ(shown, 8);
}

TEST_F(DataDirectoryTest, ImagesAreOnePixelGifsInTheirColours) {
    ASSERT_TRUE(InstallDataDirectory(dir_).ok());
    for (const char* image : {kPositiveBarImage, kNegativeBarImage, kSpacerImage, kRuleImage}) {
        const std::string bytes = ReadBytes(dir_ + "/" + image);
        EXPECT_EQ(bytes.substr(0, 6), "GIF89a") << image;
        EXPECT_EQ(bytes.back(), 0x3B) << image;
    }
    int exit_code = 0;
    RunCommand("command -v convert", exit_code);
    if (exit_code != 0) GTEST_SKIP() << "ImageMagick is not installed";
    // An independent decoder reads each image's one pixel.
    auto pixel = [this](const char* image) {
        int code = 0;
        const std::string output = RunCommand("convert '" + dir_ + "/" + image + "' txt:-", code);
        EXPECT_EQ(code, 0) << output;
        return output.substr(output.find('\n') + 1);
    };
    EXPECT_NE(pixel(kNegativeBarImage).find("#CC0000"), std::string::npos);
    EXPECT_NE(pixel(kPositiveBarImage).find("#339933"), std::string::npos);
    EXPECT_NE(pixel(kRuleImage).find("#999999"), std::string::npos);
    EXPECT_NE(pixel(kSpacerImage).find("#FFFFFF00"), std::string::npos) << pixel(kSpacerImage);
}

TEST_F(DataDirectoryTest, RefusesADirectoryThatHoldsATableAndTouchesNothing) {
    std::filesystem::create_directories(dir_);
    EXPECT_FALSE(HoldsAnyTable(dir_));
    testing::WriteBytes(dir_ + "/Trans.dbf", "mine");
    EXPECT_TRUE(HoldsAnyTable(dir_));
    const Status status = InstallDataDirectory(dir_);
    EXPECT_TRUE(status.IsInvalidArgument());
    EXPECT_NE(status.message().find("Trans.dbf"), std::string::npos) << status.message();
    EXPECT_EQ(FilesIn(dir_), std::vector<std::string>{"Trans.dbf"});
    EXPECT_EQ(ReadBytes(dir_ + "/Trans.dbf"), "mine");
}

TEST_F(DataDirectoryTest, KeepsImagesAlreadyThere) {
    std::filesystem::create_directories(dir_);
    testing::WriteBytes(dir_ + "/1p.gif", "custom");
    std::vector<std::string> made;
    ASSERT_TRUE(InstallDataDirectory(dir_, &made).ok());
    EXPECT_EQ(ReadBytes(dir_ + "/1p.gif"), "custom");
    EXPECT_EQ(made.size(), 8u);
}

// A killed init or demo leaves its staging directory beside a new data directory, or inside
// an existing one; no process has the id in these names.
TEST_F(DataDirectoryTest, StagingLeftByAKilledInstallGoesAtTheNextInstall) {
    for (const std::string& staging :
         {dir_ + ".tmp-999999999-0", dir_ + "/.install.tmp-999999999-0"}) {
        std::filesystem::create_directories(staging);
        testing::WriteBytes(staging + "/Trans.dbf", "half");
        ASSERT_TRUE(InstallDataDirectory(dir_).ok()) << staging;
        EXPECT_FALSE(std::filesystem::exists(staging)) << staging;
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
}

TEST_F(DataDirectoryTest, CliInitReportsWhatItMadeAndRefusesASecondTime) {
    int exit_code = -1;
    const std::string first =
        RunCommand(std::string(BREVANTA_CLI_PATH) + " init '" + dir_ + "'", exit_code);
    EXPECT_EQ(exit_code, 0) << first;
    EXPECT_NE(first.find("Created " + dir_ + "/port.dbf\n"), std::string::npos) << first;
    EXPECT_NE(first.find("Created " + dir_ + "/1y.gif\n"), std::string::npos) << first;
    EXPECT_EQ(ReadAllRows(dir_ + "/sys.dbf").size(), 18u);

    const std::string second =
        RunCommand(std::string(BREVANTA_CLI_PATH) + " init '" + dir_ + "'", exit_code);
    EXPECT_NE(exit_code, 0);
    EXPECT_NE(second.find("already holds port.dbf; nothing was changed."), std::string::npos)
        << second;
}

TEST_F(DataDirectoryTest, InitAndDemoOnAFullDiskLeaveTheDirectoryAsItWas) {
    struct FullDisk {
        const char* command;
        uintmax_t file_size_limit;  // bytes
        bool directory_exists;
    };
    const FullDisk cases[] = {
        {"init", 700, false},    // before the third table is made
        {"init", 1500, true},    // while the settings rows are written
        {"demo", 6000, false},   // while the first investments are stored
        {"demo", 100000, true},  // near the end
    };
    for (const FullDisk& full : cases) {
        std::filesystem::remove_all(temp_.File("new"));
        if (full.directory_exists) std::filesystem::create_directories(dir_);
        int exit_code = 0;
        std::string output;
        {
            const testing::FileSizeLimit limit(full.file_size_limit);
            output = RunCommand(
                std::string(BREVANTA_CLI_PATH) + " " + full.command + " '" + dir_ + "'", exit_code);
        }
        const std::string name = std::string(full.command) + " within " +
                                 std::to_string(full.file_size_limit) + " bytes";
        EXPECT_NE(exit_code, 0) << name;
        EXPECT_NE(output.find("File too large"), std::string::npos) << name << ": " << output;
        if (full.directory_exists) {
            EXPECT_EQ(FilesIn(dir_), std::vector<std::string>{}) << name;
        } else {
            EXPECT_EQ(FilesIn(temp_.path()), std::vector<std::string>{}) << name;
        }
    }
}

TEST_F(DataDirectoryTest, AFailedWriteOrSyncLeavesNothingBehind) {
    for (const bool directory_exists : {false, true}) {
        std::filesystem::remove_all(temp_.File("new"));
        if (directory_exists) std::filesystem::create_directories(dir_);
        for (int step = 1;; ++step) {
            ASSERT_LT(step, 200);
            testing::FailingFileSystem fs(step);
            Status status;
            {
                const ScopedFileSystem failing(fs);
                status = InstallDataDirectory(dir_);
            }
            if (!fs.failed()) {
                ASSERT_TRUE(status.ok()) << status.message();
                break;
            }
            EXPECT_FALSE(status.ok()) << "step " << step;
            if (directory_exists) {
                EXPECT_EQ(FilesIn(dir_), std::vector<std::string>{}) << "step " << step;
            } else {
                EXPECT_EQ(FilesIn(temp_.path()), std::vector<std::string>{}) << "step " << step;
            }
        }
        EXPECT_EQ(FilesIn(dir_).size(), 9u);
    }
}

}  // namespace
}  // namespace brevanta
