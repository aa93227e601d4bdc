#include "ui/wizards/import_wizard.h"

#include <QFile>
#include <QFileInfo>
#include <QRadioButton>

#include "exchange/fixed_line_format.h"
#include "exchange/import_export_engine.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/file_filters.h"
#include "ui/platform/holding_picker.h"
#include "ui/wizards/mapping_page.h"

namespace brevanta {

ImportWizard::ImportWizard(UiContext& context, DataStore& store, QWidget* parent)
    : FileWizard(context, store, tr("Import Wizard - %1 of %2"), "IMPORT",
                 tr("Select the type of data the you would like to Import."), tr("File to import:"),
                 parent),
      transactionsButton_(addKind(tr("Transactions"), "transactionsButton")),
      valuesButton_(addKind(tr("Historical Values"), "valuesButton")),
      mappingPage_(new MappingPage(context, store, this)),
      mappingPageNumber_(addPage(mappingPage_, QSize(940, 680))) {
    setObjectName("ImportWizard");
    transactionsButton_->setChecked(true);
    setHoldingPrompt(
        tr("Select the Portfolio and Investment that you would like to Import data to."));
    connect(mappingPage_, &MappingPage::readyChanged, this, [this](bool ready) {
        if (currentPage() == mappingPageNumber_) setNextEnabled(ready);
    });
}

QString ImportWizard::chooseFile() {
    return ChooseFileToOpen(context(), FileKind::Import, tr("Import Files"), TextFilesFilter());
}

ImportKind ImportWizard::kind() const {
    return valuesButton_->isChecked() ? ImportKind::HistoricalValues : ImportKind::Transactions;
}

bool ImportWizard::needsMapping() const {
    const QString path = fileName();
    return !path.isEmpty() && QFileInfo(path).isFile() &&
           !FixedLineFormat::Recognises(QFile::encodeName(path).toStdString(), kind());
}

int ImportWizard::pageCount() const {
    return needsMapping() ? mappingPageNumber_ + 1 : FileWizard::pageCount();
}

void ImportWizard::finish() {
    const std::optional<HoldingRecord> holding = holdingPicker().selectedHolding();
    const QString path = fileName();
    if (!holdingPicker().selectedPortfolio() || !holding) {
        refuse(HoldingPage, tr("You must select a Portfolio and Investment\r\nto import."));
        return;
    }
    if (path.isEmpty()) {
        refuse(FilePage, tr("You must enter a file name\r\nto import."));
        return;
    }
    if (!QFileInfo(path).isFile()) {
        refuse(FilePage, tr("The file name you entered does not exist.\r\nPlease try again."));
        return;
    }
    const std::string file = QFile::encodeName(path).toStdString();
    if (!needsMapping()) {
        finishWith([&](ImportExportEngine& engine) {
            return valuesButton_->isChecked()
                       ? engine.ImportHistoricalValues(holding->PortfolioId, holding->Id, file)
                       : engine.ImportTransactions(holding->PortfolioId, holding->Id, file);
        });
    } else if (currentPage() == FilePage) {
        mappingPage_->load(file, kind(), holding->PortfolioId, holding->Id);
        showPage(mappingPageNumber_);
        setNextEnabled(mappingPage_->isReady());
    } else {
        finishMapped(*holding, file);
    }
}

void ImportWizard::finishMapped(const HoldingRecord& holding, const std::string& file) {
    const std::optional<ImportMapping>& mapping = mappingPage_->importMapping();
    const QString name = mappingPage_->saveName();
    if (!mapping || (!name.isEmpty() && !maySaveAs(name))) return;
    const std::filesystem::path saveAs =
        SavedMappingPath(context().data_directory, name.toStdString());
    finishWith(
        [&](ImportExportEngine& engine) {
            return engine.Import({kind(), holding.PortfolioId, holding.Id, mapping}, file);
        },
        [&]() -> QString {
            if (name.isEmpty()) return {};
            const Status saved = SaveImportMapping(saveAs, mappingPage_->mappingToSave());
            return saved.ok()
                       ? tr("\r\nThe mapping was saved as %1.").arg(name)
                       : tr("\r\nThe mapping was not saved: %1").arg(Translated(saved.text()));
        });
}

bool ImportWizard::maySaveAs(const QString& name) {
    if (const std::optional<Message> refusal = MappingNameRefusal(name.toStdString())) {
        refuse(mappingPageNumber_, Translated(*refusal));
        return false;
    }
    const std::filesystem::path path =
        SavedMappingPath(context().data_directory, name.toStdString());
    return !std::filesystem::exists(path) ||
           context().platform.AskYesNo(
               windowTitle(),
               tr("A mapping named %1 already exists.\r\nDo you want to replace it?").arg(name));
}

int RunImport(UiContext& context, DataStore& store, QWidget* parent) {
    ImportWizard wizard(context, store, parent);
    return wizard.exec();
}

}  // namespace brevanta
