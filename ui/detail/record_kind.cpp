#include "ui/detail/record_kind.h"

#include <QCoreApplication>

#include "exchange/import_export_engine.h"
#include "reports/investment_detail_rows.h"
#include "store/data_store.h"
#include "ui/detail/transaction_dialog.h"
#include "ui/detail/value_dialog.h"

namespace brevanta {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("RecordListPanel", text); }

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

// The identifiers of the rows, of the kind the history keeps.
template <typename Record>
std::vector<decltype(Record::Id)> IdsOf(const std::vector<RowId>& rows) {
    std::vector<decltype(Record::Id)> ids;
    for (const RowId& row : rows) {
        if (const auto* id = std::get_if<decltype(Record::Id)>(&row)) ids.push_back(*id);
    }
    return ids;
}

template <typename Record>
StoreResult<int> Remove(DataStore::History<Record>& history, const std::vector<RowId>& rows) {
    return history.Delete(IdsOf<Record>(rows));
}

// The entry dialog of a record kind, on a new entry or on the one with that identifier.
template <typename Dialog, typename Id>
void Enter(UiContext& context, DataStore& store, Hid holding, const RowId& row, QWidget* parent) {
    const Id* id = std::get_if<Id>(&row);
    Dialog dialog(context, store, holding, id ? std::optional(*id) : std::nullopt, parent);
    dialog.execIfStored(dialog.found());
}

}  // namespace

RecordKind TransactionKind() {
    return {
        "transactionsPanel",
        "transactionList",
        {{Tr("Date"), Qt::AlignLeft},
         {Tr("Transaction"), Qt::AlignLeft},
         {Tr("Amount"), Qt::AlignRight},
         {Tr("Description"), Qt::AlignLeft}},
        {90, 230, 110},
        true,  // the description takes what is left
        3,
        Tr("Modify the selected transaction"),
        Tr("Remove the selected transaction"),
        Tr("Remove Transaction"),
        Tr("Are you sure you want to remove the selected transaction(s)?"),
        Tr("Import Transactions"),
        Tr("Export Transactions"),
        [](const DataStore& store, Hid holding, int column, bool descending, const Locale& locale) {
            return BuildTransactionRows(store, holding, TransactionOrderOf(column, descending),
                                        locale);
        },
        &Enter<TransactionDialog, Tid>,
        [](DataStore& store, const std::vector<RowId>& rows) {
            return Remove(store.transactions(), rows);
        },
        &ImportExportEngine::ImportTransactions,
        &ImportExportEngine::ExportTransactions};
}

RecordKind ValueKind() {
    return {
        "valuesPanel",
        "valueList",
        {{Tr("Date"), Qt::AlignLeft}, {Tr("Value"), Qt::AlignRight}},
        {90, 120},
        false,  // a value column that wide would part the value from its date
        2,
        Tr("Modify the selected value"),
        Tr("Remove the selected value"),
        Tr("Remove Historical Value"),
        Tr("Are you sure you want to remove the selected value(s)?"),
        Tr("Import Historical Values"),
        Tr("Export Historical Values"),
        [](const DataStore& store, Hid holding, int column, bool descending, const Locale& locale) {
            return BuildValueRows(store, holding, ValueOrderOf(column, descending), locale);
        },
        &Enter<ValueDialog, Vid>,
        [](DataStore& store, const std::vector<RowId>& rows) {
            return Remove(store.values(), rows);
        },
        &ImportExportEngine::ImportHistoricalValues,
        &ImportExportEngine::ExportHistoricalValues};
}

}  // namespace brevanta
