#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "store/data_store.h"
#include "store/open_store.h"
#include "store/table_engine.h"
#include "store/table_layouts.h"
#include "store/temp_dir.h"

namespace brevanta {

// Failed expectations show an identifier as its number.
inline void PrintTo(Pid id, std::ostream* out) { *out << Number(id); }
inline void PrintTo(Hid id, std::ostream* out) { *out << Number(id); }
inline void PrintTo(Tid id, std::ostream* out) { *out << Number(id); }
inline void PrintTo(Vid id, std::ostream* out) { *out << Number(id); }

}  // namespace brevanta

namespace brevanta::testing {

// The five tables, empty, in the directory.
inline void CreateEmptyTables(const TempDir& dir) {
    const std::pair<const char*, std::vector<FieldSpec>> tables[] = {
        {kPortfolioTableFile, PortfolioTableLayout()},
        {kHoldingTableFile, HoldingTableLayout()},
        {kTransactionTableFile, TransactionTableLayout()},
        {kValueTableFile, ValueTableLayout()},
        {kSettingsTableFile, SettingsTableLayout()}};
    for (const auto& [name, layout] : tables) {
        ASSERT_TRUE(Table::Create(dir.File(name), layout).ok()) << name;
    }
}

// A data directory with the five empty tables and a loaded store on it.
class DataStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CreateEmptyTables(dir_);
        Reopen();
    }

    void CreateTable(const char* name, const std::vector<FieldSpec>& layout) {
        ASSERT_TRUE(Table::Create(dir_.File(name), layout).ok()) << name;
    }

    // A new store on the same directory, loaded: what the next start of the program sees.
    void Reopen() {
        store_.reset();
        const Status loaded = DataStore::Open(dir_.path(), DataStore::Access::ReadWrite, &store_);
        ASSERT_TRUE(loaded.ok()) << loaded.message();
    }

    virtual DataStore& store() { return *store_; }
    std::string File(const char* name) const { return dir_.File(name); }

    // The trimmed text of one field in every row of a table, deleted rows marked "*" first.
    std::vector<std::string> Column(const char* table_name, const char* field) const {
        Table table;
        EXPECT_TRUE(table.Open(dir_.File(table_name)).ok());
        std::vector<std::string> texts;
        const FieldHandle handle = table.Field(field);
        for (Status s = table.Top(); s.ok() && !table.Eof(); s = table.Skip()) {
            std::string text = table.FieldText(handle);
            text.erase(0, text.find_first_not_of(' '));
            text.erase(text.find_last_not_of(' ') + 1);
            texts.push_back((table.Deleted() ? "*" : "") + text);
        }
        return texts;
    }

    int32_t RowsInFile(const char* table_name) const {
        Table table;
        EXPECT_TRUE(table.Open(dir_.File(table_name)).ok());
        return table.RecordCount();
    }

    // Appends a row given as field texts, bypassing the store (for damaged or odd rows).
    void AppendRawRow(const char* table_name,
                      const std::vector<std::pair<std::string, std::string>>& fields) {
        Table table;
        ASSERT_TRUE(table.Open(dir_.File(table_name)).ok());
        ASSERT_TRUE(table.AppendStart().ok());
        ASSERT_TRUE(table.Blank().ok());
        for (const auto& [name, text] : fields) {
            ASSERT_TRUE(table.AssignText(table.Field(name), text).ok()) << name;
        }
        ASSERT_TRUE(table.Append().ok());
        ASSERT_TRUE(table.Close().ok());
    }

    // Overwrites fields of the table's first row with texts, bypassing the store.
    void SetFirstRow(const char* table_name,
                     const std::vector<std::pair<std::string, std::string>>& fields) {
        Table table;
        ASSERT_TRUE(table.Open(dir_.File(table_name)).ok());
        ASSERT_TRUE(table.Top().ok());
        for (const auto& [name, text] : fields) {
            ASSERT_TRUE(table.AssignText(table.Field(name), text).ok()) << name;
        }
        ASSERT_TRUE(table.Close().ok());
    }

    // A settings row, or a list-column row when key is "VIEW".
    void AddSettingRow(const std::string& key, const std::string& val1,
                       const std::string& val2 = "", const std::string& val3 = "",
                       const std::string& val4 = "") {
        AppendRawRow(kSettingsTableFile, {{"KEY", key},
                                          {"VAL1", val1},
                                          {"VAL2", val2},
                                          {"VAL3", val3},
                                          {"VAL4", val4},
                                          {"DATE1", "19000101"}});
    }

    // Portfolio and investment shortcuts.
    Pid AddPortfolio(const std::string& name) {
        const StoreResult<Pid> id = store().portfolios().InsertPortfolio(name, "");
        EXPECT_TRUE(id.ok()) << id.status().message();
        return id.value();
    }
    Hid AddHolding(Pid portfolio_id, const std::string& name, Date inception, double amount) {
        HoldingRecord holding;
        holding.PortfolioId = portfolio_id;
        holding.Name = name;
        holding.InceptionDate = inception;
        holding.InitialAmount = amount;
        const StoreResult<Hid> id = store().holdings().InsertHolding(holding);
        EXPECT_TRUE(id.ok()) << id.status().message();
        return id.value();
    }
    void AddTransaction(Hid holding_id, Date date, const char* type, double amount,
                        const std::string& description = "") {
        const std::optional<HoldingRecord> holding = store().holdings().FindHolding(holding_id);
        ASSERT_TRUE(holding.has_value());
        TransactionRecord transaction;
        transaction.HoldingId = holding_id;
        transaction.PortfolioId = holding->PortfolioId;
        transaction.Date = date;
        transaction.Type = type;
        transaction.Amount = amount;
        transaction.Description = description;
        const Status status = store().transactions().InsertTransaction(transaction);
        ASSERT_TRUE(status.ok()) << status.message();
    }
    void AddValue(Hid holding_id, Date date, double value) {
        const std::optional<HoldingRecord> holding = store().holdings().FindHolding(holding_id);
        ASSERT_TRUE(holding.has_value());
        ValueRecord record;
        record.HoldingId = holding_id;
        record.PortfolioId = holding->PortfolioId;
        record.Date = date;
        record.Value = value;
        const Status status = store().values().InsertValue(record);
        ASSERT_TRUE(status.ok()) << status.message();
    }

    TempDir dir_;
    std::unique_ptr<DataStore> store_;
};

using Texts = std::vector<std::string>;

inline Date D(int year, int month, int day) { return Date::Ymd(year, month, day); }

inline Texts ColumnNames(const std::vector<ColumnRecord>& columns) {
    Texts names;
    for (const ColumnRecord& column : columns) names.push_back(column.Name);
    return names;
}

}  // namespace brevanta::testing
