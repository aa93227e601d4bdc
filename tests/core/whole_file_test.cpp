// The one routine that writes every file the program replaces: whatever stands at the path is
// never replaced by something else, and temporaries a killed writer left do not outlive the
// next write.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/text_file.h"
#include "store/temp_dir.h"

namespace brevanta::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPage = "<HTML>";

Status WritePage(const std::string& path) {
    return ReplaceFile(path, [](std::ostream& out) { return WriteLines({kPage}, out); });
}

// What a path is, not following a link.
fs::file_type TypeOf(const std::string& path) { return fs::symlink_status(path).type(); }

class WholeFileTest : public ::testing::Test {
  protected:
    TempDir dir_;
};

TEST_F(WholeFileTest, WhatStandsAtThePathIsWrittenThroughOrRefusedButNeverReplaced) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> make;
        fs::file_type stays;
        std::string refusal;  // empty: written
    };
    const std::string target = dir_.File("target.html");
    const Case cases[] = {
        {"a regular file", [](const std::string& path) { WriteBytes(path, "old"); },
         fs::file_type::regular, ""},
        {"a link to a file",
         [&](const std::string& path) {
             WriteBytes(target, "old");
             fs::create_symlink(target, path);
         },
         fs::file_type::symlink, ""},
        {"a link to nothing",
         [&](const std::string& path) { fs::create_symlink(dir_.File("missing"), path); },
         fs::file_type::symlink, "it is a symbolic link to a file that does not exist"},
        {"a directory", [](const std::string& path) { fs::create_directory(path); },
         fs::file_type::directory, "Is a directory"},
        {"a named pipe nobody reads",
         [](const std::string& path) { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },
         fs::file_type::fifo, "no program is reading from it"},
    };
    for (const Case& c : cases) {
        const std::string path = dir_.File(std::string(c.name) + ".html");
        c.make(path);
        const Status status = WritePage(path);
        EXPECT_EQ(TypeOf(path), c.stays) << c.name;
        if (c.refusal.empty()) {
            EXPECT_TRUE(status.ok()) << c.name << ": " << status.message();
            EXPECT_EQ(ReadBytes(path), "<HTML>\r\n") << c.name;
        } else {
            EXPECT_EQ(status.message(), "Could not write " + path + ": " + c.refusal) << c.name;
        }
    }
    EXPECT_EQ(ReadBytes(target), "<HTML>\r\n");
    for (const auto& entry : fs::directory_iterator(dir_.path())) {
        EXPECT_EQ(entry.path().string().find(".tmp-"), std::string::npos) << entry.path();
    }
}

// The reader opens first and without waiting, so the test never waits for the writer. The
// pipe is written directly, then through a link, as /dev/stdout leads to one.
TEST_F(WholeFileTest, ANamedPipeIsWrittenThroughToItsReader) {
    const std::string pipe = dir_.File("pipe");
    const std::string link = dir_.File("stdout");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    fs::create_symlink(pipe, link);
    const int reader = open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(WritePage(pipe).ok());
    EXPECT_TRUE(WritePage(link).ok());
    char bytes[64] = {};
    EXPECT_EQ(read(reader, bytes, sizeof bytes), 16);
    EXPECT_EQ(std::string(bytes), "<HTML>\r\n<HTML>\r\n");
    close(reader);
    EXPECT_EQ(TypeOf(pipe), fs::file_type::fifo);
    EXPECT_EQ(TypeOf(link), fs::file_type::symlink);
}

TEST_F(WholeFileTest, ADeviceIsWrittenThroughAndStays) {
    const std::string device = dir_.File("null");
    if (mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "mknod is refused here";
    EXPECT_TRUE(WritePage(device).ok());
    EXPECT_EQ(TypeOf(device), fs::file_type::character);
}

TEST_F(WholeFileTest, AReplacedFileKeepsItsPermissions) {
    const std::string path = dir_.File("report.html");
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WritePage(path).ok());
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(WholeFileTest, TemporariesOfEndedProcessesGoAtTheNextWrite) {
    const std::string path = dir_.File("export.csv");
    // No process has this id: pids stay far below it.
    const std::string ended = dir_.File("export.csv.tmp-999999999-0");
    const std::string ended_staging = dir_.File("export.csv.tmp-999999999-1");
    const std::string running = dir_.File("export.csv.tmp-1-0");
    const std::string ours = dir_.File("export.csv.tmp-" + std::to_string(getpid()) + "-999");
    const std::string other_file = dir_.File("other.csv.tmp-999999999-0");
    for (const std::string& leftover : {ended, running, ours, other_file}) WriteBytes(leftover, "");
    fs::create_directory(ended_staging);
    WriteBytes(ended_staging + "/Trans.dbf", "");
    // A link of such a name goes; the directory it leads to keeps its files.
    const std::string ended_link = dir_.File("export.csv.tmp-999999999-2");
    fs::create_directory(dir_.File("mine"));
    WriteBytes(dir_.File("mine/kept"), "");
    fs::create_symlink(dir_.File("mine"), ended_link);
    ASSERT_TRUE(WritePage(path).ok());
    EXPECT_FALSE(fs::exists(ended));
    EXPECT_FALSE(fs::exists(ended_staging));
    EXPECT_FALSE(fs::is_symlink(ended_link));
    EXPECT_TRUE(fs::exists(dir_.File("mine/kept")));
    for (const std::string& kept : {running, ours, other_file})
        EXPECT_TRUE(fs::exists(kept)) << kept;
}

}  // namespace
}  // namespace brevanta::testing
