#include "ui/platform/file_dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace brevanta {

namespace {

QString SettingsKey(FileKind kind) {
    switch (kind) {
        case FileKind::Import:
            return QStringLiteral("folders/import");
        case FileKind::Export:
            return QStringLiteral("folders/export");
        case FileKind::AuditDetail:
            return QStringLiteral("folders/auditDetail");
        case FileKind::Report:
            return QStringLiteral("folders/report");
    }
    return {};
}

// A remembered folder that has gone since is no place to start.
QString StartFolder(const UiContext& context, FileKind kind) {
    const QString last = QSettings().value(SettingsKey(kind)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir()) return last;
    return QFile::decodeName(context.data_directory.string().c_str());
}

QString Remembered(FileKind kind, const QString& chosen) {
    if (!chosen.isEmpty())
        QSettings().setValue(SettingsKey(kind), QFileInfo(chosen).absolutePath());
    return chosen;
}

}  // namespace

QString ChooseFileToOpen(const UiContext& context, FileKind kind, const QString& caption,
                         const QString& filter) {
    return Remembered(kind,
                      context.platform.OpenFileName(caption, StartFolder(context, kind), filter));
}

QString ChooseFileToSave(const UiContext& context, FileKind kind, const QString& caption,
                         const QString& proposedName, const QString& filter) {
    const QString folder = StartFolder(context, kind);
    const QString proposedPath =
        proposedName.isEmpty() ? folder : QDir(folder).filePath(proposedName);
    return Remembered(kind, context.platform.SaveFileName(caption, proposedPath, filter));
}

}  // namespace brevanta
