#pragma once

#include <QList>
#include <QString>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "core/locale.h"
#include "core/status.h"
#include "reports/text_row.h"
#include "store/store_result.h"
#include "ui/platform/text_table_model.h"
#include "ui/platform/ui_context.h"

class QWidget;

namespace brevanta {

class DataStore;
class ImportExportEngine;

// What a record list panel shows and does for one kind of history row: transactions or
// historical values. The panel itself is the same for both.
struct RecordKind {
    const char* panelName;    // objectName of the panel
    const char* listName;     // and of its list
    QString listCaption;      // what a screen reader calls the list
    QString listDescription;  // and what it says the list holds and does
    QList<TextTableModel::Column> columns;
    std::vector<int> columnWidths;  // of the first columns
    bool stretchLastColumn;
    int sortableColumns;  // the first ones; the rest do not sort
    QString modifyTip;
    QString removeTip;
    QString removeCaption;
    QString removeQuestion;
    QString importTitle;
    QString exportTitle;

    // The investment's rows sorted by a column, either way.
    std::function<std::vector<TextRow>(const DataStore&, Hid, int column, bool descending,
                                       const Locale&)>
        rows;
    // Runs the entry dialog on the row with that identifier, or on a new one.
    std::function<void(UiContext&, DataStore&, Hid holding, const RowId& id, QWidget* parent)>
        enter;
    // Deletes the rows; returns how many.
    std::function<StoreResult<int>(DataStore&, const std::vector<RowId>&)> remove;
    using EngineRun = Status (ImportExportEngine::*)(Pid, Hid, const std::filesystem::path&);
    EngineRun importRun;
    EngineRun exportRun;
};

RecordKind TransactionKind();
RecordKind ValueKind();

}  // namespace brevanta
