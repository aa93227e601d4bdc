#pragma once

#include <memory>
#include <string>

#include "store/data_store.h"

namespace brevanta::testing {

// The store of the directory, loaded; null when it cannot be, with the reason in *status.
inline std::unique_ptr<DataStore> OpenStore(
    const std::string& directory, Status* status = nullptr,
    DataStore::Access access = DataStore::Access::ReadWrite) {
    std::unique_ptr<DataStore> store;
    const Status opened = DataStore::Open(directory, access, &store);
    if (status) *status = opened;
    return store;
}

}  // namespace brevanta::testing
