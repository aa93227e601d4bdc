#pragma once

#include <QString>

#include "ui/platform/ui_context.h"

namespace brevanta {

// The kinds of file the user picks, each remembering the folder it was last picked in.
enum class FileKind { Import, Export, AuditDetail, Report };

// The file dialogs of the forms, through the platform: each starts in the folder last used
// for its kind of file, or in the data directory, and remembers the folder of the file
// chosen. An empty string when the dialog was cancelled.
QString ChooseFileToOpen(const UiContext& context, FileKind kind, const QString& caption,
                         const QString& filter);
QString ChooseFileToSave(const UiContext& context, FileKind kind, const QString& caption,
                         const QString& proposedName, const QString& filter);

}  // namespace brevanta
