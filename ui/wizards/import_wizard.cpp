#include "ui/wizards/import_wizard.h"

#include <QFile>
#include <QFileInfo>
#include <QRadioButton>

#include "exchange/import_export_engine.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/file_filters.h"
#include "ui/platform/holding_picker.h"

namespace brevanta {

ImportWizard::ImportWizard(UiContext& context, QWidget* parent)
    : FileWizard(context, tr("Import Wizard - %1 of 3"), "IMPORT",
                 tr("Select the type of data the you would like to Import."), tr("File to import:"),
                 parent),
      transactionsButton_(addKind(tr("Transactions"), "transactionsButton")),
      valuesButton_(addKind(tr("Historical Values"), "valuesButton")) {
    setObjectName("ImportWizard");
    transactionsButton_->setChecked(true);
    setHoldingPrompt(
        tr("Select the Portfolio and Investment that you would like to Import data to."));
}

QString ImportWizard::chooseFile() {
    return ChooseFileToOpen(context(), FileKind::Import, tr("Import Files"), TextFilesFilter());
}

void ImportWizard::finish() {
    const std::optional<HoldingRecord> holding = holdingPicker().selectedHolding();
    const QString path = fileName();
    if (!holdingPicker().selectedPortfolio() || !holding) {
        refuse(HoldingPage, tr("You must select a Portfolio and Investment\r\nto import."));
    } else if (path.isEmpty()) {
        refuse(FilePage, tr("You must enter a file name\r\nto import."));
    } else if (!QFileInfo(path).isFile()) {
        refuse(FilePage, tr("The file name you entered does not exist.\r\nPlease try again."));
    } else {
        const std::string file = QFile::encodeName(path).toStdString();
        finishWith([&](ImportExportEngine& engine) {
            return valuesButton_->isChecked()
                       ? engine.ImportHistoricalValues(holding->PortfolioId, holding->Id, file)
                       : engine.ImportTransactions(holding->PortfolioId, holding->Id, file);
        });
    }
}

}  // namespace brevanta
