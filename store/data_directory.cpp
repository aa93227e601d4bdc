#include "store/data_directory.h"

#include <optional>
#include <string_view>

#include "core/file_system.h"
#include "core/whole_file.h"
#include "store/change_journal.h"
#include "store/directory_lock.h"
#include "store/table_engine.h"
#include "store/table_layouts.h"

namespace brevanta {

namespace {

// Inside an existing data directory, the staging directories are named after it.
constexpr const char* kStagingName = ".install";

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

// Makes the files in `staging`; the report images only where `dir` has none of that name yet.
// `made` receives their paths in `dir`.
Status MakeFiles(const std::string& staging, const std::string& dir,
                 std::vector<std::string>& made) {
    for (const char* file : TableFiles()) {
        const std::string path = staging + "/" + file;
        if (Status status = Table::Create(path, LayoutOf(file)); !status.ok()) return status;
        made.push_back(dir + "/" + file);
    }
    if (Status status = FillSettings(staging + "/" + kSettingsTableFile); !status.ok())
        return status;
    FileSystem& fs = FileSystem::Default();
    WholeFileOptions new_file;
    new_file.replace = false;
    for (const Image& image : ReportImages()) {
        if (FileInfo kept; fs.Info(dir + "/" + image.file, &kept).ok()) continue;
        const Status status = WriteWholeFile(
            fs, staging + "/" + image.file,
            [&image](FileWriter& out) {
                out.Add(image.bytes);
                return Status::Ok();
            },
            new_file);
        if (!status.ok()) return status;
        made.push_back(dir + "/" + image.file);
    }
    return Status::Ok();
}

// `dir` (which exists) receives every file of `staging` under the same name, all or none: the
// journal names them as new files, so that a crash before it is gone takes them away again.
// Nothing needs hard links, so any file system will do.
Status MoveFilesInto(FileSystem& fs, const std::string& staging, const std::string& dir) {
    std::vector<std::string> names;
    Status status = fs.List(staging, &names);
    Journal journal{"creating the tables", {}};
    for (const std::string& name : names) journal.files.push_back({name, std::nullopt, {}});
    if (status.ok()) status = WriteJournal(fs, dir, journal);
    if (!status.ok()) return status;
    for (const std::string& name : names) {
        if (status.ok()) status = fs.Rename(staging + "/" + name, dir + "/" + name);
    }
    if (status.ok()) status = fs.SyncDirectory(dir);
    if (status.ok()) status = fs.Remove(dir + "/" + kJournalFile);
    if (status.ok()) status = fs.SyncDirectory(dir);
    if (!status.ok()) RollBack(fs, dir, journal);
    return status;
}

// Removes a directory that holds files only.
void RemoveWithFiles(FileSystem& fs, const std::string& dir) {
    std::vector<std::string> names;
    fs.List(dir, &names);
    for (const std::string& name : names) fs.Remove(dir + "/" + name);
    fs.RemoveDirectory(dir);
}

// Creates the missing directories above `dir`; `made` receives them, outermost first.
Status MakeParents(FileSystem& fs, const std::string& dir, std::vector<std::string>& made) {
    std::vector<std::string> missing;
    FileInfo info;
    for (std::string parent = DirectoryOf(dir); fs.Info(parent, &info).IsNotFound();
         parent = DirectoryOf(parent)) {
        missing.push_back(parent);
    }
    for (auto parent = missing.rbegin(); parent != missing.rend(); ++parent) {
        if (Status status = fs.CreateDirectory(*parent); !status.ok()) return status;
        made.push_back(*parent);
    }
    return Status::Ok();
}

// Builds the files in `staging`, lets `fill` write into them, and puts them into `dir`: a new
// directory is renamed into place, an existing one receives the files.
Status Install(FileSystem& fs, const std::string& dir, bool dir_exists, const std::string& staging,
               const std::function<Status(const std::string&)>& fill,
               std::vector<std::string>& made) {
    Status status = fs.CreateDirectory(staging);
    if (!status.ok()) return status;
    status = MakeFiles(staging, dir, made);
    if (status.ok() && fill) status = fill(staging);
    if (status.ok()) status = fs.SyncDirectory(staging);
    if (status.ok() && dir_exists) status = MoveFilesInto(fs, staging, dir);
    if (status.ok() && !dir_exists) {
        status = fs.Rename(staging, dir);
        if (status.ok()) {
            status = fs.SyncDirectory(DirectoryOf(dir));
            if (!status.ok()) fs.Rename(dir, staging);
        }
    }
    RemoveWithFiles(fs, staging);
    return status;
}

// The first of the five tables that `dir` holds (or whose presence cannot be told), or null.
const char* FirstTableIn(const std::string& dir) {
    for (const char* file : TableFiles()) {
        FileInfo info;
        if (!FileSystem::Default().Info(dir + "/" + file, &info).IsNotFound()) return file;
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

Status InstallDataDirectory(const std::string& directory, std::vector<std::string>* made,
                            const std::function<Status(const std::string&)>& fill) {
    std::string dir = directory;
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    FileSystem& fs = FileSystem::Default();
    // An existing directory is held against other writers throughout, and tables a crash
    // left half made there are taken away first.
    std::optional<DirectoryLock> lock;
    std::optional<DirectoryLock::Hold> hold;
    if (FileInfo existing; fs.Info(dir, &existing).ok()) {
        lock.emplace(dir);
        hold.emplace(*lock, DirectoryLock::Kind::Exclusive);
        Status undone = hold->status();
        if (undone.ok()) undone = RollBackInterruptedChange(fs, dir, true);
        if (!undone.ok()) return undone;
    }
    if (const char* file = FirstTableIn(dir)) {
        return Status::InvalidArgument(
            Message(BREVANTA_TEXT("Store", "%1 already holds %2; nothing was changed."),
                    {dir, std::string(file)}));
    }
    std::vector<std::string> parents;
    Status status = MakeParents(fs, dir, parents);
    FileInfo info;
    const Status found = fs.Info(dir, &info);
    if (status.ok() && found.ok() && info.kind != FileInfo::Kind::Directory) {
        status = Status::IoError(BREVANTA_TEXT("Store", "it is not a directory"));
    } else if (status.ok() && !found.ok() && !found.IsNotFound()) {
        status = found;
    }
    // An existing directory, whose parent may be closed to us, gets its files built in a
    // directory inside it; a new one is built beside its place. What a killed install left
    // there goes first.
    const std::string staging_beside = found.ok() ? dir + "/" + kStagingName : dir;
    if (status.ok()) RemoveAbandonedTemporaries(fs, staging_beside);
    const std::string staging = TemporaryPath(staging_beside);
    std::vector<std::string> created;
    if (status.ok()) status = Install(fs, dir, found.ok(), staging, fill, created);
    if (!status.ok()) {
        for (auto parent = parents.rbegin(); parent != parents.rend(); ++parent)
            fs.RemoveDirectory(*parent);
        // Table failures name their file already.
        if (status.message().find(dir) != std::string::npos) return status;
        return Status::IoError(
            Message(BREVANTA_TEXT("Store", "%1: cannot create the data directory: %2"),
                    {dir, status.text()}));
    }
    if (made) *made = std::move(created);
    return Status::Ok();
}

}  // namespace brevanta
