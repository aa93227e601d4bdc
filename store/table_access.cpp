#include "store/table_access.h"

#include <algorithm>

namespace brevanta {

Status OpenTable(Table& table, const TableFile& file) {
    return TableFailure(
        file, table.Open(file.path, file.mode, file.fs ? *file.fs : FileSystem::Default()));
}

Status TableFailure(const TableFile& file, const Status& status) {
    if (status.ok() || status.message().find(file.name) != std::string::npos) return status;
    return Prefixed(file.name, status);
}

bool SameIdentifier(RowReader& reader, FieldHandle field, IdNumber id) {
    return reader.IdentifierNumber(field) == id;
}

Status PrepareAppend(Table& table, const TableFile& file, AppendStart start) {
    Status status;
    if (start == AppendStart::FromTop) status = table.Top();
    if (status.ok()) status = table.AppendStart();
    if (status.ok() && start == AppendStart::FromTop) status = table.Recall();
    if (status.ok()) status = table.Blank();
    return TableFailure(file, status);
}

}  // namespace brevanta
