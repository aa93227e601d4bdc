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
#include "ui/detail/transaction_dialog.h"
#include "ui/detail/value_dialog.h"
#include "ui/platform/dialog_buttons.h"
#include "ui/platform/file_filters.h"
#include "ui/platform/text_table_model.h"

namespace brevanta {

namespace {

QList<TextTableModel::Column> ColumnsOf(RecordListPanel::Kind kind) {
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment right = Qt::AlignRight;
    if (kind == RecordListPanel::Kind::Transactions) {
        return {{RecordListPanel::tr("Date"), left},
                {RecordListPanel::tr("Transaction"), left},
                {RecordListPanel::tr("Amount"), right},
                {RecordListPanel::tr("Description"), left}};
    }
    return {{RecordListPanel::tr("Date"), left}, {RecordListPanel::tr("Value"), right}};
}

// Date, then type and amount for transactions, value for values; the rest do not sort.
int SortableColumns(RecordListPanel::Kind kind) {
    return kind == RecordListPanel::Kind::Transactions ? 3 : 2;
}

TransactionOrder TransactionOrderOf(int column, bool descending) {
    switch (column) {
        case 1:
            return descending ? TransactionOrder::TypeDescending : TransactionOrder::TypeAscending;
        case 2:
            return descending ? TransactionOrder::AmountDescending
                              : TransactionOrder::AmountAscending;
        default:
            return descending ? TransactionOrder::DateDescending : TransactionOrder::DateAscending;
    }
}

ValueOrder ValueOrderOf(int column, bool descending) {
    if (column == 1) return descending ? ValueOrder::ValueDescending : ValueOrder::ValueAscending;
    return descending ? ValueOrder::DateDescending : ValueOrder::DateAscending;
}

}  // namespace

RecordListPanel::RecordListPanel(Kind kind, UiContext& context, DataStore& store, Pid portfolioId,
                                 Hid holdingId, QWidget* parent)
    : QWidget(parent),
      kind_(kind),
      context_(context),
      store_(store),
      portfolioId_(portfolioId),
      holdingId_(holdingId),
      model_(new TextTableModel(ColumnsOf(kind), this)),
      list_(new QTreeView(this)),
      addButton_(NamedButton(tr("Add..."), "addButton", this)),
      modifyButton_(NamedButton(tr("Modify..."), "modifyButton", this)),
      removeButton_(NamedButton(tr("Remove"), "removeButton", this)),
      importButton_(NamedButton(tr("Import..."), "importButton", this)),
      exportButton_(NamedButton(tr("Export..."), "exportButton", this)) {
    const bool transactions = kind == Kind::Transactions;
    setObjectName(transactions ? "transactionsPanel" : "valuesPanel");
    list_->setObjectName(transactions ? "transactionList" : "valueList");
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSortIndicatorShown(true);
    // The description takes what is left; a value column that wide would part the value
    // from its date.
    list_->header()->setStretchLastSection(transactions);
    list_->setColumnWidth(0, 90);
    list_->setColumnWidth(1, transactions ? 230 : 120);
    if (transactions) list_->setColumnWidth(2, 110);

    // Enter belongs to the window's default button, whichever of these has the focus.
    for (QPushButton* button :
         {addButton_, modifyButton_, removeButton_, importButton_, exportButton_}) {
        button->setAutoDefault(false);
    }
    modifyButton_->setEnabled(false);
    removeButton_->setEnabled(false);
    modifyButton_->setToolTip(transactions ? tr("Modify the selected transaction")
                                           : tr("Modify the selected value"));
    removeButton_->setToolTip(transactions ? tr("Remove the selected transaction")
                                           : tr("Remove the selected value"));

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

std::vector<TextRow> RecordListPanel::rows() const {
    if (kind_ == Kind::Transactions) {
        return BuildTransactionRows(store_, holdingId_,
                                    TransactionOrderOf(sortKey_.column, sortKey_.descending),
                                    context_.locale);
    }
    return BuildValueRows(store_, holdingId_, ValueOrderOf(sortKey_.column, sortKey_.descending),
                          context_.locale);
}

void RecordListPanel::refill() {
    restoring_ = true;
    model_->setRows(rows());
    list_->header()->setSortIndicator(
        sortKey_.column, sortKey_.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    restoreSelection();
    restoring_ = false;
}

void RecordListPanel::restoreSelection() {
    if (selectedIds_.empty()) {
        modifyButton_->setEnabled(false);
        removeButton_->setEnabled(false);
        return;
    }
    QItemSelection selection;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const QModelIndex index = model_->index(row, 0);
        const IdNumber id = index.data(TextTableModel::IdRole).toLongLong();
        if (std::find(selectedIds_.begin(), selectedIds_.end(), id) != selectedIds_.end()) {
            selection.select(index, model_->index(row, model_->columnCount() - 1));
        }
    }
    list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void RecordListPanel::onSelectionChanged() {
    if (restoring_) return;
    selectedIds_.clear();
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (list_->selectionModel()->isRowSelected(row)) {
            selectedIds_.push_back(model_->index(row, 0).data(TextTableModel::IdRole).toLongLong());
        }
    }
    modifyButton_->setEnabled(!selectedIds_.empty());
    removeButton_->setEnabled(!selectedIds_.empty());
}

void RecordListPanel::onHeaderClicked(int column) {
    if (column >= SortableColumns(kind_)) {
        // The header turned its indicator; put back the order the rows have.
        list_->header()->setSortIndicator(
            sortKey_.column, sortKey_.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
        return;
    }
    // A second click on the column turns its order; a first click sorts ascending.
    sortKey_.descending = sortKey_.column == column && !sortKey_.descending;
    sortKey_.column = column;
    BusyCursor busy(context_.platform);
    refill();
}

void RecordListPanel::onAddClicked() { runEntryDialog(std::nullopt); }

// With several rows selected, the first in list order is changed.
void RecordListPanel::onModifyClicked() {
    if (!selectedIds_.empty()) runEntryDialog(selectedIds_.front());
}

void RecordListPanel::runEntryDialog(std::optional<IdNumber> id) {
    const std::optional<HoldingRecord> holding = store_.FindHoldingIn(portfolioId_, holdingId_);
    if (!holding) return;
    if (kind_ == Kind::Transactions) {
        TransactionDialog dialog(context_, this);
        connect(&dialog, &EntryDialog::saved, this, &RecordListPanel::showChangedRecords);
        if (id) {
            dialog.ModifyTransaction(store_, *holding, static_cast<Tid>(*id));
        } else {
            dialog.AddTransaction(store_, *holding);
        }
    } else {
        ValueDialog dialog(context_, this);
        connect(&dialog, &EntryDialog::saved, this, &RecordListPanel::showChangedRecords);
        if (id) {
            dialog.ModifyValue(store_, *holding, static_cast<Vid>(*id));
        } else {
            dialog.AddValue(store_, *holding);
        }
    }
}

// Every save of an entry dialog, by Apply or OK, comes here whatever the dialog returns.
void RecordListPanel::showChangedRecords() {
    refill();
    emit recordsChanged();
}

std::vector<std::string> RecordListPanel::selectedIdTexts() const {
    std::vector<std::string> ids;
    for (IdNumber id : selectedIds_) ids.push_back(std::to_string(id));
    return ids;
}

void RecordListPanel::onRemoveClicked() {
    if (selectedIds_.empty()) return;
    const bool transactions = kind_ == Kind::Transactions;
    const QString caption = transactions ? tr("Remove Transaction") : tr("Remove Historical Value");
    const QString question =
        transactions ? tr("Are you sure you want to remove the selected transaction(s)?")
                     : tr("Are you sure you want to remove the selected value(s)?");
    if (!context_.platform.AskYesNo(caption, question)) return;
    BusyCursor busy(context_.platform);
    const StoreResult<int> removed = transactions
                                         ? store_.DeleteTransactions(selectedIdTexts())
                                         : store_.DeleteHistoricalValues(selectedIdTexts());
    selectedIds_.clear();
    reloadAfterChange();
    ShowIfFailed(context_.platform, removed.status(), tr("The selection could not be removed."));
}

void RecordListPanel::reloadAfterChange() {
    const Status reloaded =
        kind_ == Kind::Transactions ? store_.LoadTransactions() : store_.LoadValues();
    showChangedRecords();
    ShowIfFailed(context_.platform, reloaded);
}

void RecordListPanel::onImportClicked() {
    const bool transactions = kind_ == Kind::Transactions;
    const QString path = context_.platform.OpenFileName(
        transactions ? tr("Import Transactions") : tr("Import Historical Values"),
        TextFilesFilter());
    if (path.isEmpty()) return;
    if (!QFileInfo::exists(path)) {
        context_.platform.ShowPlain(
            tr("A file named: %1 does not exist.\r\nPlease try again.").arg(path));
        return;
    }
    BusyCursor busy(context_.platform);
    const Outcome imported = run(path, &ImportExportEngine::ImportTransactions,
                                 &ImportExportEngine::ImportHistoricalValues);
    showChangedRecords();
    ShowOutcome(context_.platform, imported.status, imported.message);
}

void RecordListPanel::onExportClicked() {
    const bool transactions = kind_ == Kind::Transactions;
    const QString path = context_.platform.SaveFileName(
        transactions ? tr("Export Transactions") : tr("Export Historical Values"), QString(),
        TextFilesFilter());
    if (path.isEmpty()) return;
    if (!ReplaceConfirmed(context_.platform, path)) return;
    BusyCursor busy(context_.platform);
    const Outcome exported = run(path, &ImportExportEngine::ExportTransactions,
                                 &ImportExportEngine::ExportHistoricalValues);
    ShowOutcome(context_.platform, exported.status, exported.message);
}

RecordListPanel::Outcome RecordListPanel::run(const QString& path, EngineRun forTransactions,
                                              EngineRun forValues) {
    ImportExportEngine engine(store_);
    const EngineRun operation = kind_ == Kind::Transactions ? forTransactions : forValues;
    const Status status =
        (engine.*operation)(portfolioId_, holdingId_, QFile::encodeName(path).toStdString());
    return {status, QString::fromStdString(engine.ResultMessage())};
}

}  // namespace brevanta
