#include "ui/main/starting_directory.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <optional>
#include <string_view>

#include "store/data_directory.h"

namespace brevanta {

namespace {

// Bytes, not text: a file name need not be valid in any encoding.
constexpr char kDataDirectoryKey[] = "dataDirectory";

// The first argument that is no option, as the system passed it.
std::optional<std::filesystem::path> DirectoryArgument(int argc, char** argv) {
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!options_ended && argument == "--") {
            options_ended = true;
        } else if (options_ended || !argument.starts_with('-')) {
            return std::filesystem::path(argument);
        }
    }
    return std::nullopt;
}

}  // namespace

std::filesystem::path StartingDirectory(int argc, char** argv, Platform& platform) {
    if (const std::optional<std::filesystem::path> named = DirectoryArgument(argc, argv)) {
        return std::filesystem::absolute(*named);
    }
    const QByteArray last = QSettings().value(kDataDirectoryKey).toByteArray();
    if (!last.isEmpty()) return last.toStdString();
    const std::string first =
        QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
            .toStdString();
    if (!HoldsAnyTable(first)) {
        const Status installed = InstallDataDirectory(first);
        if (!installed.ok()) platform.ShowError(Translated(installed.text()));
    }
    return first;
}

void RememberDataDirectory(const std::filesystem::path& directory) {
    QSettings().setValue(kDataDirectoryKey, QByteArray::fromStdString(directory.string()));
}

}  // namespace brevanta
