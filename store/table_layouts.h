#pragma once

#include <array>
#include <string>
#include <vector>

#include "store/records.h"
#include "store/table_engine.h"

namespace brevanta {

// File names of the five tables in the data directory, with their exact capitalisation.
inline constexpr const char* kPortfolioTableFile = "port.dbf";
inline constexpr const char* kHoldingTableFile = "holding.dbf";
inline constexpr const char* kTransactionTableFile = "Trans.dbf";
inline constexpr const char* kValueTableFile = "value.dbf";
inline constexpr const char* kSettingsTableFile = "sys.dbf";

// Widths chosen for the stored forms (see doc/table_format.md).
inline constexpr int kIdWidth = 10;      // whole numbers, no decimals
inline constexpr int kAmountWidth = 16;  // two decimals
inline constexpr int kAmountDecimals = 2;
inline constexpr int kFigureWidth = 21;  // float-to-text, e.g. -1.40129846432482E-45
// Declared so that readers which keep only the declared decimals keep a figure's fraction;
// the store writes and reads the float-to-text form whatever a table declares.
inline constexpr int kFigureDecimals = 10;
inline constexpr int kNameWidth = 75;
inline constexpr int kDescriptionWidth = 201;
inline constexpr int kTypeWidth = 2;
inline constexpr int kSettingWidth = 20;  // Key and Val1..Val4

// The largest amount an amount field holds: nines in every place but the decimal point's.
constexpr double LargestAmount() {
    long long digits = 0;
    for (int place = 0; place < kAmountWidth - 1; ++place) digits = digits * 10 + 9;
    long long scale = 1;
    for (int place = 0; place < kAmountDecimals; ++place) scale *= 10;
    // One correctly rounded division: the double nearest to the decimal, as a typed one reads.
    return static_cast<double>(digits) / static_cast<double>(scale);
}

// The stored field of each figure, by Figure.
inline constexpr std::array<const char*, kFigureCount> kFigureFields = {
    "MONTH",  "QTR",  "YTD",  "THYR",  "FIYR",  "TEYR",  "INC",
    "INCANN", "QTRD", "YTDD", "THYRD", "FIYRD", "TEYRD", "INCANND"};
// port.dbf's figure that no calculation produces: NotCalculated from creation on.
inline constexpr const char* kInceptionDollarField = "INCD";

// Every figure field of holding.dbf and of port.dbf, in stored order: the figures, and in
// port.dbf INCD before INCANND.
inline const std::vector<std::string> kHoldingFigureFields(kFigureFields.begin(),
                                                           kFigureFields.end());
inline const std::vector<std::string> kPortfolioFigureFields = [] {
    std::vector<std::string> fields = kHoldingFigureFields;
    fields.insert(fields.end() - 1, kInceptionDollarField);
    return fields;
}();

std::vector<FieldSpec> PortfolioTableLayout();
std::vector<FieldSpec> HoldingTableLayout();
std::vector<FieldSpec> TransactionTableLayout();
std::vector<FieldSpec> ValueTableLayout();
std::vector<FieldSpec> SettingsTableLayout();

}  // namespace brevanta
