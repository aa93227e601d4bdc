#include "ui/detail/record_kind.h"

#include <QCoreApplication>

#include "exchange/import_export_engine.h"
#include "reports/investment_detail_rows.h"
#include "store/data_store.h"
#include "ui/detail/transaction_dialog.h"
#include "ui/detail/value_dialog.h"
#include "ui/platform/translated.h"

namespace brevanta {

namespace {

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
        QCoreApplication::translate("RecordListPanel", "Transactions"),
        QCoreApplication::translate(
            "RecordListPanel",
            "The investment's contributions, reinvested dividends and withdrawals. Modify... or a "
            "double-click changes the selected one, a click on a column's caption sorts by it."),
        {{QCoreApplication::translate("RecordListPanel", "Date"), Qt::AlignLeft},
         {QCoreApplication::translate("RecordListPanel", "Transaction"), Qt::AlignLeft},
         {QCoreApplication::translate("RecordListPanel", "Amount"), Qt::AlignRight},
         {QCoreApplication::translate("RecordListPanel", "Description"), Qt::AlignLeft}},
        {90, 230, 110},
        true,  // the description takes what is left
        3,
        QCoreApplication::translate("RecordListPanel", "Modify the selected transaction"),
        QCoreApplication::translate("RecordListPanel", "Remove the selected transaction"),
        QCoreApplication::translate("RecordListPanel", "Remove Transaction"),
        QCoreApplication::translate("RecordListPanel",
                                    "Are you sure you want to remove the selected transaction(s)?"),
        QCoreApplication::translate("RecordListPanel", "Import Transactions"),
        QCoreApplication::translate("RecordListPanel", "Export Transactions"),
        [](const DataStore& store, Hid holding, int column, bool descending, const Locale& locale) {
            std::vector<TextRow> rows = BuildTransactionRows(
                store, holding, TransactionOrderOf(column, descending), locale);
            for (TextRow& row : rows) {  // the type's text, as the dialog shows it
                row.cells[1] = TranslatedTypeText(row.cells[1]).toStdString();
            }
            return rows;
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
        QCoreApplication::translate("RecordListPanel", "Historical values"),
        QCoreApplication::translate(
            "RecordListPanel",
            "The investment's market values at the dates they were recorded. Modify... or a "
            "double-click changes the selected one, a click on a column's caption sorts by it."),
        {{QCoreApplication::translate("RecordListPanel", "Date"), Qt::AlignLeft},
         {QCoreApplication::translate("RecordListPanel", "Value"), Qt::AlignRight}},
        {90, 120},
        false,  // a value column that wide would part the value from its date
        2,
        QCoreApplication::translate("RecordListPanel", "Modify the selected value"),
        QCoreApplication::translate("RecordListPanel", "Remove the selected value"),
        QCoreApplication::translate("RecordListPanel", "Remove Historical Value"),
        QCoreApplication::translate("RecordListPanel",
                                    "Are you sure you want to remove the selected value(s)?"),
        QCoreApplication::translate("RecordListPanel", "Import Historical Values"),
        QCoreApplication::translate("RecordListPanel", "Export Historical Values"),
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
