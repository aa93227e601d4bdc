#include "ui/main/directory_opening.h"

#include <QCoreApplication>

#include "store/data_store.h"

namespace brevanta {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::unique_ptr<ObservedStore> OpenForApplication(UiContext& context,
                                                  const std::filesystem::path& directory,
                                                  OpeningMoment moment, bool* declined) {
    Platform& platform = context.platform;
    const QString path = Text(directory.string());
    OpeningRequest request;
    request.directory = directory.string();
    request.purpose = OpeningRequest::Purpose::Application;
    request.create_tables = [&] {
        return platform.AskYesNo(
            kApplicationTitle,
            QCoreApplication::translate("MainWindow", "There is no Brevanta data in %1. Create it?")
                .arg(path));
    };
    OpenedDirectory opened;
    BusyCursor busy(platform);
    OpeningStage stage = OpeningStage::Tables;
    const Status status = OpenDataDirectory(request, &opened, &stage);
    if (status.ok()) {
        auto observed = std::make_unique<ObservedStore>(std::move(opened), directory);
        if (observed->readOnly()) platform.ShowPlain(observed->readOnlyReason());
        return observed;
    }
    // Declining the creation needs no word.
    if (stage == OpeningStage::Tables && status.IsNotFound()) {
        if (declined != nullptr) *declined = true;
        return nullptr;
    }
    if (stage != OpeningStage::Load) {
        platform.ShowError(Translated(status.text()));
    } else if (moment == OpeningMoment::AtStartUp) {
        platform.ShowPlain(Translated(DataUnavailableMessage), Translated(status.text()));
    } else {
        platform.ShowError(
            QCoreApplication::translate("MainWindow", "The data in %1 cannot be read.\n\n%2")
                .arg(path, Translated(status.text())));
    }
    return nullptr;
}

}  // namespace brevanta
