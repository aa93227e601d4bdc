#pragma once

#include <filesystem>

#include "core/clock.h"
#include "core/locale.h"
#include "ui/platform/platform.h"

namespace brevanta {

// What every form is given by its creator: the desktop services, the regional settings its
// texts follow, the clock that says what "today" is, and the data directory (the tables,
// the audit log, the reports). Both references outlive the forms.
struct UiContext {
    Platform& platform;
    Locale locale;
    const Clock& clock;
    std::filesystem::path data_directory;
};

}  // namespace brevanta
