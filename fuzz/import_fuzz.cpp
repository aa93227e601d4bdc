// Imports arbitrary bytes as transactions and as historical values of one investment: the
// engine must store what it can read or refuse it, never crash or read out of bounds.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>

#include "exchange/import_export_engine.h"
#include "store/data_directory.h"
#include "store/data_store.h"

namespace {

// An empty data directory with one portfolio and one investment, made once; every input is
// imported into a fresh copy of its tables, so the tables never grow from run to run.
struct Directory {
    std::filesystem::path pristine =
        "/tmp/brevanta-import-fuzz-" + std::to_string(getpid()) + "-pristine";
    std::filesystem::path work = "/tmp/brevanta-import-fuzz-" + std::to_string(getpid());

    Directory() {
        brevanta::InstallDataDirectory(pristine.string());
        std::unique_ptr<brevanta::DataStore> opened;
        brevanta::DataStore::Open(pristine.string(), brevanta::DataStore::Access::ReadWrite,
                                  &opened);
        brevanta::DataStore& store = *opened;
        store.portfolios().InsertPortfolio("Fuzz", "");
        brevanta::HoldingRecord holding;
        holding.PortfolioId = brevanta::Pid{1};
        holding.Name = "Fund";
        holding.InceptionDate = brevanta::Date::Ymd(2000, 1, 31);
        holding.InitialAmount = 1000;
        store.holdings().InsertHolding(holding);
    }
    ~Directory() {
        std::filesystem::remove_all(pristine);
        std::filesystem::remove_all(work);
    }
    void Reset() const {
        std::filesystem::remove_all(work);
        std::filesystem::copy(pristine, work);
    }
};

const Directory& Data() {
    static const Directory directory;
    return directory;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Directory& directory = Data();
    directory.Reset();
    std::unique_ptr<brevanta::DataStore> store;
    if (!brevanta::DataStore::Open(directory.work.string(), brevanta::DataStore::Access::ReadWrite,
                                   &store)
             .ok())
        return 0;
    const std::string text(reinterpret_cast<const char*>(data), size);
    brevanta::ImportExportEngine engine(*store);
    std::istringstream transactions(text);
    engine.ImportTransactions(brevanta::Pid{1}, brevanta::Hid{1}, transactions);
    std::istringstream values(text);
    engine.ImportHistoricalValues(brevanta::Pid{1}, brevanta::Hid{1}, values);
    return 0;
}
