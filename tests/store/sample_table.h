#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "store/table_engine.h"

namespace brevanta::testing {

// A small layout with one field of each kind and a numeric field with decimals.
inline std::vector<FieldSpec> SampleLayout() {
    return {{"ID", FieldKind::Numeric, 10, 0},
            {"NAME", FieldKind::Character, 20, 0},
            {"AMT", FieldKind::Numeric, 16, 2},
            {"DAY", FieldKind::Date, 8, 0}};
}

struct SampleRow {
    int id;
    std::string name;
    double amount;
    std::string day;
};

inline void AppendSampleRow(Table& table, const SampleRow& row) {
    ASSERT_TRUE(table.AppendStart().ok());
    ASSERT_TRUE(table.Blank().ok());
    ASSERT_TRUE(table.AssignNumber(table.Field("ID"), row.id).ok());
    ASSERT_TRUE(table.AssignText(table.Field("NAME"), row.name).ok());
    ASSERT_TRUE(table.AssignNumber(table.Field("AMT"), row.amount).ok());
    ASSERT_TRUE(table.AssignText(table.Field("DAY"), row.day).ok());
    ASSERT_TRUE(table.Append().ok());
}

// The stored text of a sample row as ReadAllRows gives it.
inline std::string StoredRow(const SampleRow& row) {
    char text[128];
    std::snprintf(text, sizeof text, "%10d|%-20s|%16.2f|%s", row.id, row.name.c_str(), row.amount,
                  row.day.c_str());
    return text;
}

// Creates `path` with the sample layout holding `rows`.
inline void WriteSampleTable(const std::string& path, const std::vector<SampleRow>& rows) {
    ASSERT_TRUE(Table::Create(path, SampleLayout()).ok());
    Table table;
    ASSERT_TRUE(table.Open(path).ok());
    for (const SampleRow& row : rows) AppendSampleRow(table, row);
    ASSERT_TRUE(table.Close().ok());
}

// Every field's text of every row, a leading "*" marking a deleted row.
inline std::vector<std::string> ReadAllRows(Table& table) {
    std::vector<std::string> rows;
    for (Status status = table.Top(); status.ok() && !table.Eof(); status = table.Skip()) {
        std::string row = table.Deleted() ? "*" : "";
        for (const FieldSpec& field : table.fields()) {
            if (&field != &table.fields().front()) row += "|";
            row += table.FieldText(table.Field(field.name));
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::vector<std::string> ReadAllRows(const std::string& path) {
    Table table;
    const Status status = table.Open(path);
    EXPECT_TRUE(status.ok()) << status.message();
    return ReadAllRows(table);
}

}  // namespace brevanta::testing
