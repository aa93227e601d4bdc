#include "ui/platform/observed_store.h"

namespace brevanta {

ObservedStore::ObservedStore(OpenedDirectory opened, std::filesystem::path path, QObject* parent)
    : QObject(parent), opened_(std::move(opened)), path_(std::move(path)) {
    opened_.store->SetObserver(this);
}

ObservedStore::~ObservedStore() { opened_.store->SetObserver(nullptr); }

void ObservedStore::StoreChanged(const StoreChanges& changes) {
    if (changes.portfolios) emit portfoliosChanged();
    if (changes.holdings) emit holdingsChanged();
    if (changes.all_histories) {
        emit historyChanged(Hid{});
    } else {
        for (const Hid holding : changes.histories) emit historyChanged(holding);
    }
    if (changes.figures) emit figuresChanged();
    if (changes.settings) emit settingsChanged();
}

}  // namespace brevanta
