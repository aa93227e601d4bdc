#pragma once

#include <QWidget>
#include <filesystem>
#include <memory>

#include "ui/platform/observed_store.h"
#include "ui/platform/ui_context.h"

namespace brevanta {

// How the application met a directory that could not be opened: at start-up it cannot run
// without one and says so in the words of DataUnavailableMessage; a switch keeps the one shown.
enum class OpeningMoment { AtStartUp, Switch };

// Opens the data directory for the application, asking whether to create the tables where there
// are none, and says what stands in the way (another program, a damaged table) or that the
// directory is open for reading only. Null, having said why, when it is not opened.
std::unique_ptr<ObservedStore> OpenForApplication(UiContext& context,
                                                  const std::filesystem::path& directory,
                                                  OpeningMoment moment);

}  // namespace brevanta
