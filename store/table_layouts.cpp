#include "store/table_layouts.h"

namespace brevanta {

namespace {

FieldSpec Id(const char* name) { return {name, FieldKind::Numeric, kIdWidth, 0}; }
FieldSpec Amount(const char* name) {
    return {name, FieldKind::Numeric, kAmountWidth, kAmountDecimals};
}
FieldSpec Text(const char* name, int width) { return {name, FieldKind::Character, width, 0}; }
FieldSpec DateField(const char* name) { return {name, FieldKind::Date, 8, 0}; }

void AddFigures(std::vector<FieldSpec>& layout, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        layout.push_back({name, FieldKind::Numeric, kFigureWidth, kFigureDecimals});
    }
}

}  // namespace

std::vector<FieldSpec> PortfolioTableLayout() {
    std::vector<FieldSpec> layout = {Id("PID"), Text("PNAME", kNameWidth),
                                     Text("PDESC", kDescriptionWidth), DateField("PERFDATE")};
    AddFigures(layout, kPortfolioFigureFields);
    return layout;
}

std::vector<FieldSpec> HoldingTableLayout() {
    std::vector<FieldSpec> layout = {Id("HID"),
                                     Id("PID"),
                                     Text("HNAME", kNameWidth),
                                     Text("HDESC", kDescriptionWidth),
                                     DateField("INCDATE"),
                                     Amount("INCAMT"),
                                     DateField("PERFDATE")};
    AddFigures(layout, kHoldingFigureFields);
    return layout;
}

std::vector<FieldSpec> TransactionTableLayout() {
    return {Id("TID"),
            Id("HID"),
            Id("PID"),
            DateField("TRANSDATE"),
            Text("TRANSTYPE", kTypeWidth),
            Amount("AMT"),
            Text("TDESC", kDescriptionWidth)};
}

std::vector<FieldSpec> ValueTableLayout() {
    return {Id("VID"), Id("HID"), Id("PID"), DateField("DATE"), Amount("VALUE")};
}

std::vector<FieldSpec> SettingsTableLayout() {
    return {Text("KEY", kSettingWidth),  Text("VAL1", kSettingWidth), Text("VAL2", kSettingWidth),
            Text("VAL3", kSettingWidth), Text("VAL4", kSettingWidth), DateField("DATE1")};
}

}  // namespace brevanta
