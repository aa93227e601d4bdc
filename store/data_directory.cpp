#include "store/data_directory.h"

#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "store/table_engine.h"
#include "store/table_layouts.h"

namespace brevanta {

namespace {

struct Rgb {
    unsigned char red, green, blue;
};

// A 1 x 1 GIF89a image of one colour, or a transparent one; pages stretch it to size.
std::string OnePixelGif(Rgb colour, bool transparent) {
    std::string gif = "GIF89a";
    gif += std::string("\x01\x00\x01\x00", 4);  // logical screen 1 x 1
    gif += std::string("\x80\x00\x00", 3);      // global colour table of 2 entries
    gif += {static_cast<char>(colour.red), static_cast<char>(colour.green),
            static_cast<char>(colour.blue)};
    gif += std::string("\x00\x00\x00", 3);
    if (transparent) gif += std::string("\x21\xF9\x04\x01\x00\x00\x00\x00", 8);  // index 0 clear
    gif += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);          // image 1 x 1
    gif += std::string("\x02\x02\x44\x01\x00", 5);  // LZW: clear, pixel 0, end
    gif += '\x3B';
    return gif;
}

struct Image {
    const char* file;
    std::string bytes;
};

std::vector<Image> ReportImages() {
    return {{kPositiveBarImage, OnePixelGif({0x33, 0x99, 0x33}, false)},  // green: a gain
            {kNegativeBarImage, OnePixelGif({0xCC, 0x00, 0x00}, false)},  // the losses' dark red
            {kSpacerImage, OnePixelGif({0xFF, 0xFF, 0xFF}, true)},
            {kRuleImage, OnePixelGif({0x99, 0x99, 0x99}, false)}};  // grey rule
}

const std::vector<const char*>& TableFiles() {
    static const std::vector<const char*> files = {kPortfolioTableFile, kHoldingTableFile,
                                                   kTransactionTableFile, kValueTableFile,
                                                   kSettingsTableFile};
    return files;
}

std::vector<FieldSpec> LayoutOf(std::string_view file) {
    if (file == kPortfolioTableFile) return PortfolioTableLayout();
    if (file == kHoldingTableFile) return HoldingTableLayout();
    if (file == kTransactionTableFile) return TransactionTableLayout();
    if (file == kValueTableFile) return ValueTableLayout();
    return SettingsTableLayout();
}

Status AddSettingsRow(Table& table, std::string_view key, std::string_view val1,
                      std::string_view val2, std::string_view val3, std::string_view val4) {
    const std::pair<const char*, std::string_view> fields[] = {
        {"KEY", key},   {"VAL1", val1}, {"VAL2", val2},
        {"VAL3", val3}, {"VAL4", val4}, {"DATE1", "19000101"}};
    Status status = table.AppendStart();
    for (const auto& [name, text] : fields) {
        if (status.ok()) status = table.AssignText(table.Field(name), text);
    }
    return status.ok() ? table.Append() : status;
}

Status FillSettings(const std::string& path) {
    Table table;
    Status status = table.Open(path);
    if (status.ok()) status = AddSettingsRow(table, "NUM_DEC", "2", "", "", "");
    if (status.ok()) status = AddSettingsRow(table, "LOG_AUDIT", "0", "", "", "");
    int position = 0;
    for (const InstalledColumn& column : InstalledColumns()) {
        if (!status.ok()) break;
        status = AddSettingsRow(table, "VIEW", column.name, column.shown ? "1" : "0",
                                std::to_string(column.width), std::to_string(position++));
    }
    const Status closed = table.Close();
    return status.ok() ? closed : status;
}

Status WriteNewFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wbx");  // never replaces a file
    if (!file) return Status::IoError(path + ": cannot create.");
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) != 0 || !written) {
        std::remove(path.c_str());
        return Status::IoError(path + ": cannot write.");
    }
    return Status::Ok();
}

Status MakeFiles(const std::string& dir, std::vector<std::string>& made) {
    for (const char* file : TableFiles()) {
        const std::string path = dir + "/" + file;
        if (Status status = Table::Create(path, LayoutOf(file)); !status.ok()) return status;
        made.push_back(path);
    }
    if (Status status = FillSettings(dir + "/" + kSettingsTableFile); !status.ok()) return status;
    for (const Image& image : ReportImages()) {
        const std::string path = dir + "/" + image.file;
        if (std::filesystem::exists(path)) continue;
        if (Status status = WriteNewFile(path, image.bytes); !status.ok()) return status;
        made.push_back(path);
    }
    return Status::Ok();
}

// The first of the five tables that `dir` holds (or whose presence cannot be told), or null.
const char* FirstTableIn(const std::string& dir) {
    for (const char* file : TableFiles()) {
        std::error_code error;
        if (std::filesystem::exists(dir + "/" + file, error) || error) return file;
    }
    return nullptr;
}

}  // namespace

const std::vector<InstalledColumn>& InstalledColumns() {
    static const std::vector<InstalledColumn> columns = {
        {"Recent Value", true, 100},  {"Month", true, 60},     {"QTR", true, 60},
        {"1 Year", true, 60},         {"3 Year", true, 60},    {"5 Year", true, 60},
        {"10 Year", true, 60},        {"Inception", true, 70}, {"Inc", false, 60},
        {"QTR$", false, 60},          {"1 Year$", false, 60},  {"3 Year$", false, 60},
        {"5 Year$", false, 60},       {"10 Year$", false, 60}, {"Inception$", false, 70},
        {"Inception Date", false, 90}};
    return columns;
}

bool HoldsAnyTable(const std::string& dir) { return FirstTableIn(dir) != nullptr; }

Status InstallDataDirectory(const std::string& dir, std::vector<std::string>* made) {
    if (const char* file = FirstTableIn(dir)) {
        return Status::InvalidArgument(dir + " already holds " + file + "; nothing was changed.");
    }
    std::error_code error;
    const bool made_directory = std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir)) {
        return Status::IoError(dir + ": cannot create the directory" +
                               (error ? ": " + error.message() : std::string()) + ".");
    }
    std::vector<std::string> created;
    const Status status = MakeFiles(dir, created);
    if (!status.ok()) {
        for (const std::string& path : created) std::remove(path.c_str());
        if (made_directory) std::filesystem::remove(dir, error);
        return status;
    }
    if (made) *made = std::move(created);
    return Status::Ok();
}

}  // namespace brevanta
