#pragma once

#include <QCoreApplication>
#include <QString>

namespace brevanta {

// The filter of every file dialog that opens or saves comma-separated text.
inline QString TextFilesFilter() {
    return QCoreApplication::translate("FileDialogs", "Text Files (*.csv *.txt);;All Files (*)");
}

}  // namespace brevanta
