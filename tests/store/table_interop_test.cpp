// Tables written by the engine read the same in independent dBASE readers, and tables
// written by an independent writer read correctly through the engine.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "store/data_store_fixture.h"
#include "store/run_command.h"
#include "store/sample_table.h"
#include "store/table_engine.h"
#include "store/table_layouts.h"
#include "store/temp_dir.h"

namespace brevanta {
namespace {

using testing::ReadAllRows;
using testing::TempDir;
using testing::WriteSampleTable;

// Runs a command that must succeed.
std::string RunOrFail(const std::string& command) {
    int exit_code = -1;
    std::string output = testing::RunCommand(command, exit_code);
    EXPECT_EQ(exit_code, 0) << command << "\n" << output;
    return output;
}

// Runs a command that finds `script` in the environment variable SCRIPT.
std::string RunWithScript(const std::string& command, const char* script) {
    setenv("SCRIPT", script, 1);
    return RunOrFail(command);
}

// Prints, with Debian's python3-dbfread, the layout, then every live row twice: the raw
// field bytes joined by '|', and the parsed values as Python shows them.
std::string ReadWithDbfread(const std::string& path) {
    const char* script = R"(
import sys
from dbfread import DBF
table = DBF(sys.argv[1], raw=True)
print(' '.join('%s:%s:%d:%d' % (f.name, f.type, f.length, f.decimal_count) for f in table.fields))
print('deleted', len(list(table.deleted)))
for row in table:
    print('|'.join(v.decode('latin-1') for v in row.values()))
for row in DBF(sys.argv[1]):
    print(repr(list(row.values())))
)";
    return RunWithScript("/usr/bin/python3 -c \"$SCRIPT\" '" + path + "'", script);
}

class TableInteropTest : public ::testing::Test {
  protected:
    // A portfolio with its MONTH and INC figures stored through a store of the directory.
    Pid StoreFigures(float month, float inception) {
        const std::unique_ptr<DataStore> opened_store = testing::OpenStore(dir_.path());
        DataStore& store = *opened_store;
        const Pid id = store.portfolios().InsertPortfolio("Growth", "").value();
        PerformanceFigures figures;
        figures.PerformanceDate = Date::Ymd(2026, 3, 31);
        figures.Figures[Figure::Month] = month;
        figures.Figures[Figure::Inc] = inception;
        EXPECT_TRUE(store.portfolios().StorePortfolioFigures(id, figures).ok());
        return id;
    }

    TempDir dir_;
};

TEST_F(TableInteropTest, DbfreadReadsWhatTheEngineWrote) {
    const std::string path = dir_.File("sample.dbf");
    WriteSampleTable(path, {{1, "Alpha", 1.5, "20240131"},
                            {2, "Deleted", 3, "20240229"},
                            {12345, "Beta, with comma", -2500.25, "19991231"},
                            {7, "", 0, "19000101"}});
    {
        Table table;
        ASSERT_TRUE(table.Open(path).ok());
        ASSERT_TRUE(table.Top().ok());
        ASSERT_TRUE(table.Skip().ok());
        ASSERT_TRUE(table.Delete().ok());
    }
    std::ostringstream expected;
    expected << "ID:N:10:0 NAME:C:20:0 AMT:N:16:2 DAY:D:8:0\n"
             << "deleted 1\n";
    for (const std::string& row : ReadAllRows(path)) {
        if (row[0] != '*') expected << row << "\n";
    }
    expected << "[1, 'Alpha', 1.5, datetime.date(2024, 1, 31)]\n"
             << "[12345, 'Beta, with comma', -2500.25, datetime.date(1999, 12, 31)]\n"
             << "[7, '', 0.0, datetime.date(1900, 1, 1)]\n";
    EXPECT_EQ(ReadWithDbfread(path), expected.str());
}

TEST_F(TableInteropTest, DbfreadReadsTheFiveInstalledLayouts) {
    const std::vector<std::pair<const char*, std::vector<FieldSpec>>> tables = {
        {kPortfolioTableFile, PortfolioTableLayout()},
        {kHoldingTableFile, HoldingTableLayout()},
        {kTransactionTableFile, TransactionTableLayout()},
        {kValueTableFile, ValueTableLayout()},
        {kSettingsTableFile, SettingsTableLayout()}};
    for (const auto& [file, layout] : tables) {
        const std::string path = dir_.File(file);
        ASSERT_TRUE(Table::Create(path, layout).ok()) << file;
        Table table;
        ASSERT_TRUE(table.Open(path).ok());
        ASSERT_TRUE(table.AppendStart().ok());
        for (const FieldSpec& field : layout) {
            // The widest texts each kind of field must hold.
            const std::string text = field.kind == FieldKind::Date ? "19000101"
                                     : field.width == kFigureWidth ? "-1.40129846432482E-45"
                                     : field.kind == FieldKind::Numeric
                                         ? "1"
                                         : std::string(field.width, 'x');
            ASSERT_TRUE(table.AssignText(table.Field(field.name), text).ok());
        }
        ASSERT_TRUE(table.Append().ok());
        ASSERT_TRUE(table.Close().ok());

        std::string names;
        for (const FieldSpec& field : layout) {
            names += (names.empty() ? "" : " ") + field.name + ":" + static_cast<char>(field.kind) +
                     ":" + std::to_string(field.width) + ":" + std::to_string(field.decimals);
        }
        const std::string output = ReadWithDbfread(path);
        EXPECT_EQ(output.substr(0, output.find('\n')), names) << file;
        EXPECT_NE(output.find(ReadAllRows(path).front()), std::string::npos) << file;
    }
}

TEST_F(TableInteropTest, DbfreadDecodesTheStoresTextByItsLanguageDriver) {
    int exit_code = -1;
    testing::RunCommand("/usr/bin/python3 -c 'import dbfread'", exit_code);
    if (exit_code != 0) GTEST_SKIP() << "dbfread cannot be imported by /usr/bin/python3";
    testing::CreateEmptyTables(dir_);
    const std::unique_ptr<DataStore> opened_store = testing::OpenStore(dir_.path());
    ASSERT_TRUE(opened_store);
    DataStore& store = *opened_store;
    ASSERT_TRUE(store.portfolios().InsertPortfolio("Caf\u00e9 M\u00fcller \u2013 Fonds", "").ok());
    const char* script = R"(
import sys
from dbfread import DBF
table = DBF(sys.argv[1])
lines = [table.encoding] + [row['PNAME'] for row in table]
sys.stdout.buffer.write(('\n'.join(lines) + '\n').encode('utf-8'))
)";
    EXPECT_EQ(
        RunWithScript("/usr/bin/python3 -c \"$SCRIPT\" '" + dir_.File(kPortfolioTableFile) + "'",
                      script),
        "cp1252\nCaf\u00e9 M\u00fcller \u2013 Fonds\n");
}

// GDAL, like LibreOffice, keeps only the decimals a field declares.
TEST_F(TableInteropTest, GdalReadsTheFiguresWithTheirFractions) {
    int exit_code = -1;
    testing::RunCommand("ogrinfo --version", exit_code);
    if (exit_code != 0) GTEST_SKIP() << "GDAL's ogrinfo is not installed";
    testing::CreateEmptyTables(dir_);
    StoreFigures(5.25314712524414f, 1719.58f);
    const std::string output =
        RunOrFail("ogrinfo -ro -al -q '" + dir_.File(kPortfolioTableFile) + "'");
    EXPECT_NE(output.find("MONTH (Real) = 5.2531471252\n"), std::string::npos) << output;
    EXPECT_NE(output.find("INC (Real) = 1719.5799560547\n"), std::string::npos) << output;
}

// Tables made before figure fields declared decimals keep their layout and their figures.
TEST_F(TableInteropTest, FigureFieldsWithoutDecimalsStillLoad) {
    testing::CreateEmptyTables(dir_);
    std::vector<FieldSpec> earlier = PortfolioTableLayout();
    for (FieldSpec& field : earlier) {
        if (field.width == kFigureWidth) field.decimals = 0;
    }
    std::filesystem::remove(dir_.File(kPortfolioTableFile));
    ASSERT_TRUE(Table::Create(dir_.File(kPortfolioTableFile), earlier).ok());
    const Pid id = StoreFigures(5.23f, 1719.58f);
    const std::unique_ptr<DataStore> opened_store = testing::OpenStore(dir_.path());
    ASSERT_TRUE(opened_store);
    DataStore& store = *opened_store;
    EXPECT_EQ(store.portfolios().FindPortfolio(id)->Figures[Figure::Month], 5.23f);
    Table table;
    ASSERT_TRUE(table.Open(dir_.File(kPortfolioTableFile)).ok());
    EXPECT_EQ(table.fields()[static_cast<size_t>(table.Field("MONTH").index())].decimals, 0);
}

TEST_F(TableInteropTest, EngineReadsWhatShapelibWrote) {
    const std::string path = dir_.File("shape.dbf");
    RunOrFail("dbfcreate '" + path + "' -s NAME 20 -n ID 10 0 -n AMT 16 2");
    RunOrFail("dbfadd '" + path + "' 'Alpha' 1 1.5");
    RunOrFail("dbfadd '" + path + "' 'Beta Gamma' 12345 -2500.25");

    Table table;
    ASSERT_TRUE(table.Open(path).ok());
    ASSERT_EQ(table.fields().size(), 3u);
    EXPECT_EQ(table.fields()[0].kind, FieldKind::Character);
    EXPECT_EQ(table.fields()[2].width, 16);
    EXPECT_EQ(table.fields()[2].decimals, 2);
    ASSERT_EQ(table.RecordCount(), 2);
    ASSERT_TRUE(table.Top().ok());
    EXPECT_EQ(table.FieldText(table.Field("name")), "Alpha               ");
    EXPECT_EQ(std::stod(table.FieldText(table.Field("ID"))), 1);
    EXPECT_EQ(std::stod(table.FieldText(table.Field("AMT"))), 1.5);
    ASSERT_TRUE(table.Skip().ok());
    EXPECT_EQ(table.FieldText(table.Field("NAME")), "Beta Gamma          ");
    EXPECT_EQ(table.FieldText(table.Field("ID")), "     12345");
    EXPECT_EQ(table.FieldText(table.Field("AMT")), "        -2500.25");

    // A row the engine appends to shapelib's file reads back in shapelib's dump.
    ASSERT_TRUE(table.AppendStart().ok());
    ASSERT_TRUE(table.AssignText(table.Field("NAME"), "Delta").ok());
    ASSERT_TRUE(table.AssignNumber(table.Field("ID"), 4).ok());
    ASSERT_TRUE(table.AssignNumber(table.Field("AMT"), 0.25).ok());
    ASSERT_TRUE(table.Append().ok());
    ASSERT_TRUE(table.Close().ok());
    const std::string dump = RunOrFail("dbfdump '" + path + "'");
    EXPECT_NE(dump.find("Delta"), std::string::npos) << dump;
    EXPECT_NE(dump.find("0.25"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Beta Gamma"), std::string::npos) << dump;
}

}  // namespace
}  // namespace brevanta
