#pragma once

#include <QObject>
#include <QString>
#include <filesystem>

#include "store/data_directory_opening.h"
#include "ui/platform/translated.h"

namespace brevanta {

// An opened data directory for the windows: it owns the store and the directory's claim, and
// says what each write changed, so that models and windows follow the store instead of
// refilling after each call.
class ObservedStore : public QObject, private StoreObserver {
    Q_OBJECT

  public:
    ObservedStore(OpenedDirectory opened, std::filesystem::path path, QObject* parent = nullptr);
    ~ObservedStore() override;

    DataStore& store() { return *opened_.store; }
    const DataStore& store() const { return *opened_.store; }
    const std::filesystem::path& path() const { return path_; }
    bool readOnly() const { return opened_.store->read_only(); }
    // Why the directory is open for reading only; empty when it may be written.
    QString readOnlyReason() const { return Translated(opened_.read_only_reason); }

  signals:
    void portfoliosChanged();
    void holdingsChanged();
    // The investment's transactions or values changed; for every investment when holdingId
    // is 0.
    void historyChanged(Hid holdingId);
    void figuresChanged();
    void settingsChanged();

  private:
    void StoreChanged(const StoreChanges& changes) override;

    OpenedDirectory opened_;
    std::filesystem::path path_;
};

}  // namespace brevanta
