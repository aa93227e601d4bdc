#include "ui/platform/platform.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace brevanta {

bool ReplaceConfirmed(Platform& platform, const QString& path) {
    if (!QFileInfo::exists(path)) return true;
    return platform.AskYesNo(
        QCoreApplication::translate("Platform", "Confirm"),
        QCoreApplication::translate("Platform", "%1 already exists.\r\nDo you want to replace it?")
            .arg(path));
}

}  // namespace brevanta
