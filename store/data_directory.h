#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/status.h"

namespace brevanta {

// One list column the installed settings table offers, as its "VIEW" row holds it.
struct InstalledColumn {
    const char* name;
    bool shown;
    int width;  // pixels
};

// The columns of the main window's investment list, shown ones first; each row takes its
// index in this list as its position.
const std::vector<InstalledColumn>& InstalledColumns();

// The report images installed beside the tables.
inline constexpr const char* kPositiveBarImage = "1p.gif";
inline constexpr const char* kNegativeBarImage = "1n.gif";
inline constexpr const char* kSpacerImage = "1p-trans.gif";
inline constexpr const char* kRuleImage = "1y.gif";

// Whether `dir` holds any of the five tables.
bool HoldsAnyTable(const std::string& dir);

// Creates `dir` (and its parents) holding the five empty tables, sys.dbf with its settings
// and column rows, and the four report images (an image already there is kept); then `fill`,
// when given, writes into the tables in the directory it is handed. Everything is built in a
// temporary directory and put in place only once all of it was written: a new `dir` appears
// whole, an existing one (empty, or holding no table) receives the files and keeps its
// permissions and whatever else it holds. `made` receives the paths created. Fails with
// InvalidArgument, touching nothing, when `dir` already holds any of the tables; after any
// other failure nothing it made is left behind. Temporary directories that a killed install
// of `dir` left behind are removed first.
Status InstallDataDirectory(const std::string& dir, std::vector<std::string>* made = nullptr,
                            const std::function<Status(const std::string&)>& fill = {});

}  // namespace brevanta
