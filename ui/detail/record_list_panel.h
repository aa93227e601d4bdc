#pragma once

#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "reports/investment_detail_rows.h"
#include "ui/platform/ui_context.h"

class QPushButton;
class QTreeView;

namespace brevanta {

class DataStore;
class ImportExportEngine;
class TextTableModel;

// The list of an investment's transactions or historical values with its buttons. Every
// change is written to the store at once; the selection and the order chosen by a column
// click outlive each refill.
class RecordListPanel : public QWidget {
    Q_OBJECT

  public:
    enum class Kind { Transactions, Values };

    // REQUIRES: store outlives the panel.
    RecordListPanel(Kind kind, UiContext& context, DataStore& store, Pid portfolioId, Hid holdingId,
                    QWidget* parent = nullptr);

    // Reads the rows from the store and selects the rows selected before.
    void refill();

  signals:
    // Rows were added, changed or removed: the totals are out of date.
    void recordsChanged();

  private slots:
    void onSelectionChanged();
    void onHeaderClicked(int column);
    void onAddClicked();
    void onModifyClicked();
    // Refills the list and tells the owner that the totals are out of date.
    void showChangedRecords();
    void onRemoveClicked();
    void onImportClicked();
    void onExportClicked();

  private:
    // The column the rows are sorted by, and which way.
    struct SortKey {
        int column = 0;
        bool descending = false;
    };

    // An import or export of this kind of record on the file, with the engine's message.
    struct Outcome {
        Status status;
        QString message;
    };
    using EngineRun = Status (ImportExportEngine::*)(Pid, Hid, const std::filesystem::path&);
    Outcome run(const QString& path, EngineRun forTransactions, EngineRun forValues);

    // Runs the entry dialog of this kind on the entry whose identifier has that number, or on
    // a new one.
    void runEntryDialog(std::optional<IdNumber> id);
    std::vector<TextRow> rows() const;
    std::vector<std::string> selectedIdTexts() const;
    void restoreSelection();
    // Reloads the rows, refills and tells the owner.
    void reloadAfterChange();

    const Kind kind_;
    UiContext& context_;
    DataStore& store_;
    const Pid portfolioId_;
    const Hid holdingId_;
    SortKey sortKey_;
    std::vector<IdNumber> selectedIds_;  // identifier numbers, in list order
    bool restoring_ = false;

    TextTableModel* model_;
    QTreeView* list_;
    QPushButton* addButton_;
    QPushButton* modifyButton_;
    QPushButton* removeButton_;
    QPushButton* importButton_;
    QPushButton* exportButton_;
};

}  // namespace brevanta
