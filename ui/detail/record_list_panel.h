#pragma once

#include <QWidget>
#include <vector>

#include "reports/text_row.h"
#include "ui/detail/record_kind.h"
#include "ui/platform/ui_context.h"

class QPushButton;
class QTreeView;

namespace brevanta {

class ObservedStore;
class TextTableModel;

// The list of an investment's transactions or historical values with its buttons. Every
// change is written to the store at once, and the list follows what the store says changed;
// the selection and the order chosen by a column click outlive each refill.
class RecordListPanel : public QWidget {
    Q_OBJECT

  public:
    // REQUIRES: directory outlives the panel.
    RecordListPanel(RecordKind kind, UiContext& context, ObservedStore& directory, Pid portfolioId,
                    Hid holdingId, QWidget* parent = nullptr);

    // Reads the rows from the store and selects the rows selected before.
    void refill();

  private slots:
    void onHistoryChanged(Hid holdingId);
    void onSelectionChanged();
    void onHeaderClicked(int column);
    void onAddClicked();
    void onModifyClicked();
    void onRemoveClicked();
    void onImportClicked();
    void onExportClicked();

  private:
    // The column the rows are sorted by, and which way.
    struct SortKey {
        int column = 0;
        bool descending = false;
    };

    void runEntryDialog(const RowId& id);
    // Runs an import or an export of this kind on the file and shows the engine's message.
    void runEngine(const QString& path, RecordKind::EngineRun run);
    void restoreSelection();
    void showSortIndicator();

    const RecordKind kind_;
    UiContext& context_;
    ObservedStore& directory_;
    const Pid portfolioId_;
    const Hid holdingId_;
    SortKey sortKey_;
    std::vector<RowId> selectedIds_;  // in list order
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
