#include "ui/detail/record_list_panel.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "exchange/import_export_engine.h"
#include "store/data_store.h"
#include "ui/platform/dialog_buttons.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/file_filters.h"
#include "ui/platform/grid_line_delegate.h"
#include "ui/platform/observed_store.h"
#include "ui/platform/text_table_model.h"

namespace brevanta {

RecordListPanel::RecordListPanel(RecordKind kind, UiContext& context, ObservedStore& directory,
                                 Pid portfolioId, Hid holdingId, QWidget* parent)
    : QWidget(parent),
      kind_(std::move(kind)),
      context_(context),
      directory_(directory),
      portfolioId_(portfolioId),
      holdingId_(holdingId),
      model_(new TextTableModel(kind_.columns, this)),
      list_(new QTreeView(this)),
      addButton_(NamedButton(tr("Add..."), "addButton", this)),
      modifyButton_(NamedButton(tr("Modify..."), "modifyButton", this)),
      removeButton_(NamedButton(tr("Remove"), "removeButton", this)),
      importButton_(NamedButton(tr("Import..."), "importButton", this)),
      exportButton_(NamedButton(tr("Export..."), "exportButton", this)) {
    setObjectName(kind_.panelName);
    list_->setObjectName(kind_.listName);
    list_->setAccessibleName(kind_.listCaption);
    list_->setAccessibleDescription(kind_.listDescription);
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setItemDelegate(new GridLineDelegate(list_));
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSortIndicatorShown(true);
    list_->header()->setStretchLastSection(kind_.stretchLastColumn);
    for (size_t column = 0; column < kind_.columnWidths.size(); ++column) {
        list_->setColumnWidth(static_cast<int>(column), kind_.columnWidths[column]);
    }

    // Enter belongs to the window's default button, whichever of these has the focus.
    for (QPushButton* button :
         {addButton_, modifyButton_, removeButton_, importButton_, exportButton_}) {
        button->setAutoDefault(false);
    }
    modifyButton_->setEnabled(false);
    removeButton_->setEnabled(false);
    modifyButton_->setToolTip(kind_.modifyTip);
    removeButton_->setToolTip(kind_.removeTip);
    // A directory open for reading only shows its rows and exports them, nothing more.
    for (QPushButton* button : {addButton_, importButton_}) {
        button->setEnabled(!directory_.readOnly());
    }

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {addButton_, modifyButton_, removeButton_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(importButton_);
    buttons->addWidget(exportButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    connect(&directory_, &ObservedStore::historyChanged, this, &RecordListPanel::onHistoryChanged);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RecordListPanel::onSelectionChanged);
    connect(list_->header(), &QHeaderView::sectionClicked, this, &RecordListPanel::onHeaderClicked);
    connect(list_, &QTreeView::doubleClicked, this, &RecordListPanel::onModifyClicked);
    connect(addButton_, &QPushButton::clicked, this, &RecordListPanel::onAddClicked);
    connect(modifyButton_, &QPushButton::clicked, this, &RecordListPanel::onModifyClicked);
    connect(removeButton_, &QPushButton::clicked, this, &RecordListPanel::onRemoveClicked);
    connect(importButton_, &QPushButton::clicked, this, &RecordListPanel::onImportClicked);
    connect(exportButton_, &QPushButton::clicked, this, &RecordListPanel::onExportClicked);
}

void RecordListPanel::refill() {
    restoring_ = true;
    model_->setRows(kind_.rows(directory_.store(), holdingId_, sortKey_.column, sortKey_.descending,
                               context_.locale));
    showSortIndicator();
    restoreSelection();
    restoring_ = false;
}

void RecordListPanel::onHistoryChanged(Hid holdingId) {
    if (holdingId == Hid{} || holdingId == holdingId_) refill();
}

void RecordListPanel::showSortIndicator() {
    list_->header()->setSortIndicator(
        sortKey_.column, sortKey_.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void RecordListPanel::restoreSelection() {
    const bool writable = !directory_.readOnly();
    if (selectedIds_.empty()) {
        modifyButton_->setEnabled(false);
        removeButton_->setEnabled(false);
        return;
    }
    QItemSelection selection;
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (std::find(selectedIds_.begin(), selectedIds_.end(), model_->row(row).id) !=
            selectedIds_.end()) {
            selection.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
        }
    }
    list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    modifyButton_->setEnabled(writable);
    removeButton_->setEnabled(writable);
}

void RecordListPanel::onSelectionChanged() {
    if (restoring_) return;
    selectedIds_.clear();
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (list_->selectionModel()->isRowSelected(row))
            selectedIds_.push_back(model_->row(row).id);
    }
    const bool enabled = !selectedIds_.empty() && !directory_.readOnly();
    modifyButton_->setEnabled(enabled);
    removeButton_->setEnabled(enabled);
}

void RecordListPanel::onHeaderClicked(int column) {
    if (column >= kind_.sortableColumns) {
        // The header turned its indicator; put back the order the rows have.
        showSortIndicator();
        return;
    }
    // A second click on the column turns its order; a first click sorts ascending.
    sortKey_.descending = sortKey_.column == column && !sortKey_.descending;
    sortKey_.column = column;
    BusyCursor busy(context_.platform);
    refill();
}

void RecordListPanel::onAddClicked() { runEntryDialog({}); }

// With several rows selected, the first in the order shown is changed.
void RecordListPanel::onModifyClicked() {
    if (directory_.readOnly()) return;
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (list_->selectionModel()->isRowSelected(row)) {
            runEntryDialog(model_->row(row).id);
            return;
        }
    }
}

void RecordListPanel::runEntryDialog(const RowId& id) {
    DataStore& store = directory_.store();
    if (store.holdings().FindHoldingIn(portfolioId_, holdingId_)) {
        kind_.enter(context_, store, holdingId_, id, this);
    }
}

void RecordListPanel::onRemoveClicked() {
    if (selectedIds_.empty()) return;
    if (!context_.platform.AskYesNo(kind_.removeCaption, kind_.removeQuestion)) return;
    BusyCursor busy(context_.platform);
    const std::vector<RowId> removing = std::exchange(selectedIds_, {});
    const StoreResult<int> removed = kind_.remove(directory_.store(), removing);
    ShowIfFailed(context_.platform, removed.status(), tr("The selection could not be removed."));
}

void RecordListPanel::onImportClicked() {
    const QString path =
        ChooseFileToOpen(context_, FileKind::Import, kind_.importTitle, TextFilesFilter());
    if (path.isEmpty()) return;
    if (!QFileInfo::exists(path)) {
        context_.platform.ShowPlain(
            tr("A file named: %1 does not exist.\r\nPlease try again.").arg(path));
        return;
    }
    BusyCursor busy(context_.platform);
    runEngine(path, kind_.importRun);
}

void RecordListPanel::onExportClicked() {
    const QString path = ChooseFileToSave(context_, FileKind::Export, kind_.exportTitle, QString(),
                                          TextFilesFilter());
    if (path.isEmpty()) return;
    if (!ReplaceConfirmed(context_.platform, path)) return;
    BusyCursor busy(context_.platform);
    runEngine(path, kind_.exportRun);
}

void RecordListPanel::runEngine(const QString& path, RecordKind::EngineRun run) {
    ImportExportEngine engine(directory_.store());
    const Status status =
        (engine.*run)(portfolioId_, holdingId_, QFile::encodeName(path).toStdString());
    ShowOutcome(context_.platform, status, Translated(engine.ResultMessage()));
}

}  // namespace brevanta
