#include "store/table_engine.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <functional>

#include "core/clock.h"
#include "store/sample_table.h"
#include "store/table_format.h"
#include "store/temp_dir.h"
#include "store/unprivileged_user.h"

namespace brevanta {
namespace {

using testing::AppendSampleRow;
using testing::ReadAllRows;
using testing::ReadBytes;
using testing::SampleLayout;
using testing::SampleRow;
using testing::TempDir;
using testing::WriteBytes;
using testing::WriteSampleTable;

// The stored text of a sample row: identifier and amount right-aligned, name padded.
std::string Stored(std::string_view id, std::string_view name, std::string_view amount,
                   std::string_view day) {
    auto right = [](std::string_view text, size_t width) {
        return std::string(width - text.size(), ' ') + std::string(text);
    };
    std::string padded_name(name);
    padded_name.resize(20, ' ');
    return right(id, 10) + "|" + padded_name + "|" + right(amount, 16) + "|" + std::string(day);
}

const std::vector<SampleRow> kThreeRows = {
    {1, "Alpha", 1.5, "20240131"}, {2, "Beta", -2500.25, "19991231"}, {3, "Gamma", 0, "19000101"}};

class TableEngineTest : public ::testing::Test {
  protected:
    TempDir dir_;
    std::string path_ = dir_.File("t.dbf");
};

TEST_F(TableEngineTest, CreatedTableIsEmptyWithItsLayout) {
    ASSERT_TRUE(Table::Create(path_, SampleLayout()).ok());
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    EXPECT_EQ(table.RecordCount(), 0);
    ASSERT_EQ(table.fields().size(), 4u);
    EXPECT_EQ(table.fields()[2].name, "AMT");
    EXPECT_EQ(table.fields()[2].kind, FieldKind::Numeric);
    EXPECT_EQ(table.fields()[2].width, 16);
    EXPECT_EQ(table.fields()[2].decimals, 2);
    EXPECT_EQ(table.fields()[3].kind, FieldKind::Date);
    EXPECT_TRUE(table.Eof());
    EXPECT_TRUE(table.Top().ok());
    EXPECT_TRUE(table.Eof());
}

TEST_F(TableEngineTest, HeaderBytesFollowTheDbaseLayout) {
    const FixedClock clock(Date::Ymd(2024, 3, 5), {});
    ASSERT_TRUE(Table::Create(path_, SampleLayout(), &clock).ok());
    const std::string bytes = ReadBytes(path_);
    const size_t header_length = 32 + 4 * 32 + 1;
    ASSERT_EQ(bytes.size(), header_length + 1);
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_EQ(bytes.substr(1, 3), std::string("\x7c\x03\x05", 3));  // 2024 - 1900 = 124
    EXPECT_EQ(bytes.substr(4, 4), std::string("\0\0\0\0", 4));
    EXPECT_EQ(static_cast<uint8_t>(bytes[8]), header_length);
    EXPECT_EQ(bytes[29], 0x03);  // language driver: Windows ANSI
    EXPECT_EQ(bytes[9], 0);
    EXPECT_EQ(bytes[10], 1 + 10 + 20 + 16 + 8);
    EXPECT_EQ(bytes.substr(64, 11), std::string("NAME\0\0\0\0\0\0\0", 11));
    EXPECT_EQ(bytes[64 + 11], 'C');
    EXPECT_EQ(bytes[96 + 16], 16);
    EXPECT_EQ(bytes[96 + 17], 2);
    EXPECT_EQ(bytes[header_length - 1], 0x0D);
    EXPECT_EQ(bytes.back(), 0x1A);
}

TEST_F(TableEngineTest, RowsSurviveCloseAndReopen) {
    WriteSampleTable(path_, kThreeRows);
    EXPECT_EQ(ReadAllRows(path_),
              (std::vector<std::string>{Stored("1", "Alpha", "1.50", "20240131"),
                                        Stored("2", "Beta", "-2500.25", "19991231"),
                                        Stored("3", "Gamma", "0.00", "19000101")}));
    const std::string bytes = ReadBytes(path_);
    EXPECT_EQ(bytes.size(), 161u + 3 * 55 + 1);
    EXPECT_EQ(bytes.back(), 0x1A);
    EXPECT_EQ(bytes[4], 3);
}

TEST_F(TableEngineTest, RowsAcrossManyReadBlocksComeBackInOrder) {
    std::vector<SampleRow> rows;
    for (int i = 1; i <= 12000; ++i)
        rows.push_back({i, "n" + std::to_string(i), i / 100.0, "20000101"});
    WriteSampleTable(path_, rows);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_EQ(table.RecordCount(), 12000);
    int expected = 1;
    for (table.Top(); !table.Eof(); table.Skip(), ++expected) {
        ASSERT_EQ(std::stoi(table.FieldText(table.Field("ID"))), expected);
    }
    EXPECT_EQ(expected, 12001);
}

TEST_F(TableEngineTest, AssignNumberWritesTheFieldsWidthAndDecimals) {
    WriteSampleTable(path_, {{1, "A", 0, "20240101"}});
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.Top().ok());
    const FieldHandle id = table.Field("ID");
    const FieldHandle amount = table.Field("AMT");
    struct Case {
        double value;
        const char* text;
    };
    for (const Case& c : {Case{1234.5, "         1234.50"}, Case{0.005, "            0.01"},
                          Case{-0.001, "            0.00"}, Case{-9999999.99, "     -9999999.99"},
                          Case{1e12, "1000000000000.00"}}) {
        ASSERT_TRUE(table.AssignNumber(amount, c.value).ok()) << c.value;
        EXPECT_EQ(table.FieldText(amount), c.text);
    }
    ASSERT_TRUE(table.AssignNumber(id, 42).ok());
    EXPECT_EQ(table.FieldText(id), "        42");
    ASSERT_TRUE(table.AssignNumber(id, 9999999999).ok());

    // What does not fit is refused and the field keeps its contents.
    EXPECT_TRUE(table.AssignNumber(id, 10000000000).IsInvalidArgument());
    EXPECT_TRUE(table.AssignNumber(amount, 1e13).IsInvalidArgument());
    EXPECT_TRUE(table.AssignNumber(amount, std::nan("")).IsInvalidArgument());
    EXPECT_TRUE(table.AssignNumber(amount, INFINITY).IsInvalidArgument());
    EXPECT_TRUE(table.AssignNumber(table.Field("DAY"), 20240101).IsInvalidArgument());
    EXPECT_EQ(table.FieldText(id), "9999999999");
    EXPECT_EQ(table.FieldText(amount), "1000000000000.00");
    EXPECT_EQ(table.FieldText(table.Field("DAY")), "20240101");
}

TEST_F(TableEngineTest, AssignTextCutsOrPadsToTheWidth) {
    WriteSampleTable(path_, {{1, "A", 0, "20240101"}});
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.Top().ok());
    ASSERT_TRUE(table.AssignText(table.Field("NAME"), "A name longer than twenty").ok());
    EXPECT_EQ(table.FieldText(table.Field("NAME")), "A name longer than t");
    ASSERT_TRUE(table.AssignText(table.Field("NAME"), " x").ok());
    EXPECT_EQ(table.FieldText(table.Field("NAME")), " x                  ");
    // Figures are stored as text in numeric fields.
    ASSERT_TRUE(table.AssignText(table.Field("ID"), "NAN").ok());
    EXPECT_EQ(table.FieldText(table.Field("ID")), "NAN       ");
}

TEST_F(TableEngineTest, FieldNamesMatchWithoutLetterCase) {
    WriteSampleTable(path_, {{7, "A", 0, "20240101"}});
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.Top().ok());
    EXPECT_EQ(table.Field("name").index(), 1);
    EXPECT_EQ(table.Field("Amt").index(), 2);
    const FieldHandle unknown = table.Field("NAMES");
    EXPECT_FALSE(unknown.valid());
    EXPECT_EQ(table.FieldText(unknown), "");
    EXPECT_TRUE(table.AssignText(unknown, "x").IsInvalidArgument());
    EXPECT_TRUE(table.AssignNumber(unknown, 1).IsInvalidArgument());
}

TEST_F(TableEngineTest, ChangedRowIsSavedWhenMovingOffAndOnClose) {
    WriteSampleTable(path_, kThreeRows);
    {
        Table table;
        ASSERT_TRUE(table.Open(path_).ok());
        ASSERT_TRUE(table.LockAll().ok());
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.AssignText(table.Field("NAME"), "First").ok());
        ASSERT_TRUE(table.Skip().ok());
        ASSERT_TRUE(table.Skip().ok());
        ASSERT_TRUE(table.AssignNumber(table.Field("AMT"), 99.99).ok());
        // Reading back the first row before closing sees the saved change.
        ASSERT_TRUE(table.Top().ok());
        EXPECT_EQ(table.FieldText(table.Field("NAME")).substr(0, 5), "First");
        ASSERT_TRUE(table.Skip().ok());
        ASSERT_TRUE(table.Skip().ok());
        ASSERT_TRUE(table.AssignText(table.Field("NAME"), "Last").ok());
    }  // the destructor closes
    EXPECT_EQ(ReadAllRows(path_),
              (std::vector<std::string>{Stored("1", "First", "1.50", "20240131"),
                                        Stored("2", "Beta", "-2500.25", "19991231"),
                                        Stored("3", "Last", "99.99", "19000101")}));
}

TEST_F(TableEngineTest, DeletedRowsStayUntilPackRemovesThem) {
    WriteSampleTable(path_, kThreeRows);
    {
        Table table;
        ASSERT_TRUE(table.Open(path_).ok());
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.Skip().ok());
        ASSERT_TRUE(table.Delete().ok());
        EXPECT_TRUE(table.Deleted());
    }
    {
        Table table;
        ASSERT_TRUE(table.Open(path_).ok());
        EXPECT_EQ(table.RecordCount(), 3);
        EXPECT_EQ(ReadAllRows(table)[1], "*" + Stored("2", "Beta", "-2500.25", "19991231"));
        ASSERT_TRUE(table.Pack().ok());
        EXPECT_TRUE(table.Eof());
        EXPECT_EQ(table.RecordCount(), 2);
        EXPECT_EQ(ReadAllRows(table),
                  (std::vector<std::string>{Stored("1", "Alpha", "1.50", "20240131"),
                                            Stored("3", "Gamma", "0.00", "19000101")}));
    }
    EXPECT_EQ(ReadAllRows(path_).size(), 2u);
    EXPECT_EQ(ReadBytes(path_).size(), 161u + 2 * 55 + 1);
}

TEST_F(TableEngineTest, PackingEveryRowAwayLeavesAnEmptyTable) {
    WriteSampleTable(path_, kThreeRows);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    for (table.Top(); !table.Eof(); table.Skip()) ASSERT_TRUE(table.Delete().ok());
    ASSERT_TRUE(table.Pack().ok());
    EXPECT_EQ(table.RecordCount(), 0);
    ASSERT_TRUE(table.Close().ok());
    EXPECT_TRUE(ReadAllRows(path_).empty());
}

TEST_F(TableEngineTest, PackWithoutDeletedRowsLeavesTheFileAlone) {
    WriteSampleTable(path_, kThreeRows);
    struct stat before {};
    ASSERT_EQ(stat(path_.c_str(), &before), 0);
    const std::string bytes = ReadBytes(path_);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.Pack().ok());
    ASSERT_TRUE(table.Close().ok());
    struct stat after {};
    ASSERT_EQ(stat(path_.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);
    EXPECT_EQ(ReadBytes(path_), bytes);
}

TEST_F(TableEngineTest, PackKeepsTheFilesPermissionsAndLeavesNoTempFile) {
    WriteSampleTable(path_, kThreeRows);
    ASSERT_EQ(chmod(path_.c_str(), 0640), 0);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.Top().ok());
    ASSERT_TRUE(table.Delete().ok());
    ASSERT_TRUE(table.Pack().ok());
    ASSERT_TRUE(table.Close().ok());
    struct stat info {};
    ASSERT_EQ(stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                            std::filesystem::directory_iterator()),
              1);
}

// Marks the first row deleted, then packs the table when asked to.
Status DeleteTheFirstRow(const std::string& path, bool pack) {
    Table table;
    Status status = table.Open(path);
    if (status.ok()) status = table.Top();
    if (status.ok()) status = table.Delete();
    if (status.ok() && pack) status = table.Pack();
    const Status closed = table.Close();
    return status.ok() ? closed : status;
}

TEST_F(TableEngineTest, PackWritesThroughALinkAndKeepsIt) {
    const std::string target = dir_.File("real.dbf");
    WriteSampleTable(target, kThreeRows);
    ASSERT_EQ(chmod(target.c_str(), 0640), 0);
    std::filesystem::create_symlink("real.dbf", path_);
    ASSERT_TRUE(DeleteTheFirstRow(path_, true).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    EXPECT_EQ(ReadAllRows(target).size(), 2u);
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

// In a directory open to all, a packed copy could take the place of a read-only table.
TEST_F(TableEngineTest, PackRefusesATableItMayNotWriteAndLeavesIt) {
    WriteSampleTable(path_, kThreeRows);
    ASSERT_TRUE(DeleteTheFirstRow(path_, false).ok());
    const std::string bytes = ReadBytes(path_);
    ASSERT_EQ(chmod(path_.c_str(), 0444), 0);
    ASSERT_EQ(chmod(dir_.path().c_str(), 0777), 0);
    EXPECT_TRUE(testing::HoldsForAnUnprivilegedUser([this] {
        Table table;
        return table.Open(path_).ok() &&
               table.Pack().message() == path_ + ": cannot pack: Permission denied";
    }));
    EXPECT_EQ(ReadBytes(path_), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(TableEngineTest, AppendAfterDeleteAndPackGoesToTheEnd) {
    WriteSampleTable(path_, kThreeRows);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.Top().ok());
    ASSERT_TRUE(table.Delete().ok());
    AppendSampleRow(table, {4, "Delta", 4, "20240404"});
    EXPECT_EQ(table.RecordCount(), 4);
    EXPECT_EQ(table.FieldText(table.Field("NAME")).substr(0, 5), "Delta");  // now current
    ASSERT_TRUE(table.Pack().ok());
    AppendSampleRow(table, {5, "Epsilon", 5, "20240505"});
    ASSERT_TRUE(table.Close().ok());
    std::vector<std::string> ids;
    for (const std::string& row : ReadAllRows(path_)) ids.push_back(row.substr(9, 1));
    EXPECT_EQ(ids, (std::vector<std::string>{"2", "3", "4", "5"}));
}

TEST_F(TableEngineTest, AppendStartPreparesABlankLiveRowWhateverIsCurrent) {
    WriteSampleTable(path_, kThreeRows);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.Top().ok());
    ASSERT_TRUE(table.Delete().ok());
    ASSERT_TRUE(table.AppendStart().ok());
    EXPECT_FALSE(table.Deleted());
    EXPECT_EQ(table.FieldText(table.Field("ID")), std::string(10, ' '));
    ASSERT_TRUE(table.Append().ok());
    ASSERT_TRUE(table.Close().ok());
    const std::vector<std::string> rows = ReadAllRows(path_);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][0], '*');
    EXPECT_EQ(rows[3], Stored("", "", "", "        "));
}

TEST_F(TableEngineTest, PreparedRowIsDiscardedWithoutAppend) {
    WriteSampleTable(path_, kThreeRows);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.AppendStart().ok());
    EXPECT_EQ(table.FieldText(table.Field("NAME")), std::string(20, ' '));
    ASSERT_TRUE(table.AssignText(table.Field("NAME"), "Dropped").ok());
    ASSERT_TRUE(table.Close().ok());
    EXPECT_EQ(ReadAllRows(path_).size(), 3u);
}

TEST_F(TableEngineTest, BlankAndMalformedFieldsReadBackAsStored) {
    ASSERT_TRUE(Table::Create(path_, SampleLayout()).ok());
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    ASSERT_TRUE(table.AppendStart().ok());
    ASSERT_TRUE(table.Blank().ok());
    ASSERT_TRUE(table.Append().ok());
    ASSERT_TRUE(table.AppendStart().ok());
    ASSERT_TRUE(table.AssignText(table.Field("ID"), "12a").ok());
    ASSERT_TRUE(table.AssignText(table.Field("DAY"), "2024-1-1").ok());
    ASSERT_TRUE(table.Append().ok());
    ASSERT_TRUE(table.Close().ok());
    EXPECT_EQ(ReadAllRows(path_),
              (std::vector<std::string>{Stored("", "", "", "        "),
                                        "12a       |" + std::string(20, ' ') + "|" +
                                            std::string(16, ' ') + "|2024-1-1"}));
}

TEST_F(TableEngineTest, OperationsWithoutAnOpenTableFailCleanly) {
    Table table;
    EXPECT_FALSE(table.is_open());
    EXPECT_FALSE(table.Top().ok());
    EXPECT_FALSE(table.Skip().ok());
    EXPECT_FALSE(table.Pack().ok());
    EXPECT_FALSE(table.AppendStart().ok());
    EXPECT_FALSE(table.Append().ok());
    EXPECT_FALSE(table.Delete().ok());
    EXPECT_FALSE(table.Recall().ok());
    EXPECT_FALSE(table.Blank().ok());
    EXPECT_FALSE(table.LockAll().ok());
    EXPECT_FALSE(table.Close().ok());
    EXPECT_FALSE(table.AssignText(FieldHandle(), "x").ok());
    EXPECT_TRUE(table.Eof());
    EXPECT_FALSE(table.Deleted());
    EXPECT_EQ(table.RecordCount(), 0);
    EXPECT_EQ(table.FieldText(FieldHandle()), "");
    EXPECT_FALSE(table.Field("ID").valid());
}

TEST_F(TableEngineTest, RowOperationsAtEofAreRefused) {
    WriteSampleTable(path_, kThreeRows);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    EXPECT_TRUE(table.Delete().IsInvalidArgument());
    EXPECT_TRUE(table.AssignText(table.Field("NAME"), "x").IsInvalidArgument());
    EXPECT_TRUE(table.Append().IsInvalidArgument());
    EXPECT_EQ(table.FieldText(table.Field("NAME")), std::string(20, ' '));
    EXPECT_TRUE(table.Skip().ok());
    EXPECT_TRUE(table.Eof());
}

TEST_F(TableEngineTest, CreateRefusesAnExistingFileAndBadLayouts) {
    WriteSampleTable(path_, kThreeRows);
    const std::string bytes = ReadBytes(path_);
    EXPECT_TRUE(Table::Create(path_, SampleLayout()).IsIoError());
    EXPECT_EQ(ReadBytes(path_), bytes);

    const std::vector<std::vector<FieldSpec>> bad = {
        {},
        {{"", FieldKind::Character, 5, 0}},
        {{"ELEVENCHARS", FieldKind::Character, 5, 0}},
        {{"A", FieldKind::Character, 0, 0}},
        {{"A", FieldKind::Character, 255, 0}},
        {{"A", FieldKind::Date, 10, 0}},
        {{"A", FieldKind::Numeric, 3, 2}},
        {{"A", FieldKind::Character, 5, 0}, {"a", FieldKind::Numeric, 5, 0}},
    };
    for (const std::vector<FieldSpec>& layout : bad) {
        const std::string path = dir_.File("bad.dbf");
        EXPECT_TRUE(Table::Create(path, layout).IsInvalidArgument());
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST_F(TableEngineTest, MissingFileIsNotFound) {
    Table table;
    EXPECT_TRUE(table.Open(dir_.File("none.dbf")).IsNotFound());
    EXPECT_FALSE(table.is_open());
    EXPECT_FALSE(table.Open(dir_.path()).ok());
}

TEST_F(TableEngineTest, APipeOrADirectoryInPlaceOfATableIsRefusedAtOnce) {
    const std::string pipe = dir_.File("pipe.dbf");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(dir_.File("dir.dbf"));
    for (const std::string& path : {pipe, dir_.File("dir.dbf")}) {
        for (const Table::Mode mode : {Table::Mode::ReadWrite, Table::Mode::ReadOnly}) {
            Table table;
            const Status status = table.Open(path, mode);
            EXPECT_EQ(status.message(), path + ": cannot open: not a regular file");
            EXPECT_FALSE(table.is_open());
        }
    }
}

TEST_F(TableEngineTest, TruncatedFileFailsToOpen) {
    WriteSampleTable(path_, kThreeRows);
    std::string bytes = ReadBytes(path_);
    bytes.resize(bytes.size() - 2);  // the end-of-file marker and the last row's last byte
    WriteBytes(path_, bytes);
    Table table;
    const Status status = table.Open(path_);
    EXPECT_TRUE(status.IsCorruption()) << status.message();
    EXPECT_FALSE(table.is_open());
}

TEST_F(TableEngineTest, BytesAfterTheLastCountedRowAreIgnored) {
    WriteSampleTable(path_, kThreeRows);
    // A torn append: half a row written, the count never raised.
    WriteBytes(path_, ReadBytes(path_) + " 99999  half a row");
    EXPECT_EQ(ReadAllRows(path_).size(), 3u);
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    AppendSampleRow(table, {4, "Delta", 4, "20240404"});
    ASSERT_TRUE(table.Close().ok());
    EXPECT_EQ(ReadAllRows(path_).back(), Stored("4", "Delta", "4.00", "20240404"));
}

TEST_F(TableEngineTest, AFileWithoutEndMarkerOpens) {
    WriteSampleTable(path_, kThreeRows);
    std::string bytes = ReadBytes(path_);
    bytes.pop_back();
    WriteBytes(path_, bytes);
    EXPECT_EQ(ReadAllRows(path_).size(), 3u);
}

// Each case breaks one thing in a valid three-row file.
struct Damage {
    const char* name;
    size_t offset;
    std::string bytes;
};

TEST_F(TableEngineTest, CorruptedHeadersAreRefused) {
    const std::vector<Damage> damages = {
        {"version", 0, "\x83"},
        {"count beyond the rows", 4, "\x04"},
        {"huge count", 4, "\xff\xff\xff\x7f"},
        {"negative count", 4, "\xff\xff\xff\xff"},
        {"header length too small", 8, std::string("\x20\x00", 2)},
        {"header length beyond the file", 8, "\xff\xff"},
        {"header length cutting a descriptor", 8, std::string("\x50\x00", 2)},
        {"record length", 10, "\x36"},
        {"field type", 32 + 11, "L"},
        {"field width zero", 32 + 16, std::string("\x00", 1)},
        {"date width", 128 + 16, "\x07"},
        {"decimals in a text field", 64 + 17, "\x01"},
        {"empty field name", 32, std::string("\x00", 1)},
        {"duplicate field name", 64, std::string("ID\0\0", 4)},
        {"missing terminator", 160, " "},
    };
    for (const Damage& damage : damages) {
        WriteSampleTable(path_, kThreeRows);
        std::string bytes = ReadBytes(path_);
        bytes.replace(damage.offset, damage.bytes.size(), damage.bytes);
        WriteBytes(path_, bytes);
        Table table;
        const Status status = table.Open(path_);
        EXPECT_TRUE(status.IsCorruption()) << damage.name << ": " << status.message();
        EXPECT_TRUE(status.message().starts_with(path_ + ": ")) << damage.name;
        EXPECT_FALSE(table.is_open()) << damage.name;
        std::filesystem::remove(path_);
    }
}

TEST_F(TableEngineTest, ShrunkFilesAreRefused) {
    WriteSampleTable(path_, kThreeRows);
    const std::string bytes = ReadBytes(path_);
    for (size_t size : {0, 1, 10, 31, 32, 64, 160, 161, 200}) {
        WriteBytes(path_, bytes.substr(0, size));
        Table table;
        EXPECT_TRUE(table.Open(path_).IsCorruption()) << size;
    }
}

TEST_F(TableEngineTest, EveryFlippedHeaderByteOpensCleanlyOrFails) {
    WriteSampleTable(path_, kThreeRows);
    const std::string bytes = ReadBytes(path_);
    for (size_t offset = 0; offset < 161; ++offset) {
        for (int bit = 0; bit < 8; ++bit) {
            std::string damaged = bytes;
            damaged[offset] = static_cast<char>(damaged[offset] ^ (1 << bit));
            WriteBytes(path_, damaged);
            Table table;
            if (table.Open(path_).ok()) {
                EXPECT_LE(ReadAllRows(table).size(), 3u);
            }
        }
    }
}

TEST_F(TableEngineTest, WriteToAReadOnlyTableSaysPermissionDenied) {
    WriteSampleTable(path_, kThreeRows);
    ASSERT_EQ(chmod(path_.c_str(), 0444), 0);
    ASSERT_EQ(chmod(dir_.path().c_str(), 0755), 0);
    EXPECT_TRUE(testing::HoldsForAnUnprivilegedUser([this] {
        Table table;
        if (!table.Open(path_).ok() || !table.AppendStart().ok() || !table.Blank().ok())
            return false;
        return table.Append().message() == path_ + ": cannot append a row: Permission denied";
    }));
}

TEST_F(TableEngineTest, LockAllKeepsOtherProcessesOutUntilClose) {
    WriteSampleTable(path_, kThreeRows);
    auto other_process_can_lock = [this] {
        const pid_t child = fork();
        if (child == 0) {
            const int fd = open(path_.c_str(), O_RDONLY);
            _exit(flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    };
    Table table;
    ASSERT_TRUE(table.Open(path_).ok());
    EXPECT_TRUE(other_process_can_lock());
    ASSERT_TRUE(table.LockAll().ok());
    EXPECT_FALSE(other_process_can_lock());
    // The lock follows the table through a pack, which replaces the file.
    ASSERT_TRUE(table.Top().ok());
    ASSERT_TRUE(table.Delete().ok());
    ASSERT_TRUE(table.Pack().ok());
    EXPECT_FALSE(other_process_can_lock());
    ASSERT_TRUE(table.Close().ok());
    EXPECT_TRUE(other_process_can_lock());
}

TEST_F(TableEngineTest, WritesStampTheHeaderWithTodaysDate) {
    const FixedClock created(Date::Ymd(2001, 2, 3), {});
    const FixedClock changed(Date::Ymd(2025, 12, 31), {});
    ASSERT_TRUE(Table::Create(path_, SampleLayout(), &created).ok());
    {
        Table table(&changed);
        ASSERT_TRUE(table.Open(path_).ok());
        ASSERT_TRUE(table.Close().ok());
    }
    EXPECT_EQ(ReadBytes(path_).substr(1, 3), "\x65\x02\x03");  // untouched by a read
    {
        Table table(&changed);
        ASSERT_TRUE(table.Open(path_).ok());
        AppendSampleRow(table, kThreeRows[0]);
    }
    EXPECT_EQ(ReadBytes(path_).substr(1, 3), "\x7d\x0c\x1f");
    const FixedClock rewritten(Date::Ymd(2026, 1, 2), {});
    {
        Table table(&rewritten);
        ASSERT_TRUE(table.Open(path_).ok());
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.AssignText(table.Field("NAME"), "Changed").ok());
    }
    EXPECT_EQ(ReadBytes(path_).substr(1, 3), "\x7e\x01\x02");
}

TEST_F(TableEngineTest, EveryWriteMarksTheTableWindows1252) {
    WriteSampleTable(path_, kThreeRows);
    const auto unmark = [this] {
        std::string bytes = ReadBytes(path_);
        bytes[29] = 0;
        WriteBytes(path_, bytes);
    };
    const auto write = [this](const std::function<void(Table&)>& change) {
        Table table;
        ASSERT_TRUE(table.Open(path_).ok());
        change(table);
        ASSERT_TRUE(table.Close().ok());
    };
    unmark();
    write([](Table& table) { ASSERT_TRUE(table.Top().ok()); });
    EXPECT_EQ(ReadBytes(path_)[29], 0);  // untouched by a read
    write([](Table& table) {
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.AssignText(table.Field("NAME"), "Changed").ok());
    });
    EXPECT_EQ(ReadBytes(path_)[29], 0x03);
    unmark();
    write([](Table& table) {
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.Delete().ok());
        ASSERT_TRUE(table.Pack().ok());
    });
    EXPECT_EQ(ReadBytes(path_)[29], 0x03);
}

}  // namespace
}  // namespace brevanta
