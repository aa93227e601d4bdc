#include "ui/wizards/export_wizard.h"

#include <QFile>
#include <QRadioButton>

#include "exchange/import_export_engine.h"
#include "ui/platform/file_dialogs.h"
#include "ui/platform/file_filters.h"
#include "ui/platform/holding_picker.h"

namespace brevanta {

ExportWizard::ExportWizard(UiContext& context, DataStore& store, QWidget* parent)
    : FileWizard(context, store, tr("Export Wizard - %1 of %2"), "EXPORT",
                 tr("Select the type of data you would like to Export."), tr("File to export:"),
                 parent),
      performanceButton_(addKind(tr("Performance Numbers"), "performanceButton")),
      transactionsButton_(addKind(tr("Transactions"), "transactionsButton")),
      valuesButton_(addKind(tr("Historical Values"), "valuesButton")) {
    setObjectName("ExportWizard");
    performanceButton_->setChecked(true);
    holdingPicker().showPortfolioOnly();
}

QString ExportWizard::chooseFile() {
    return ChooseFileToSave(context(), FileKind::Export, tr("Export File"), fileName(),
                            TextFilesFilter());
}

void ExportWizard::prepareHoldingPage() {
    if (performanceButton_->isChecked()) {
        setHoldingPrompt(
            tr("Select the portfolio that you would like to Export performance numbers from."));
        holdingPicker().showPortfolioOnly();
    } else {
        setHoldingPrompt(
            tr("Select the Portfolio and Investment that you would like to Export data from."));
        holdingPicker().showInvestments();
    }
}

void ExportWizard::finish() {
    const std::optional<PortfolioRecord> portfolio = holdingPicker().selectedPortfolio();
    const std::optional<HoldingRecord> holding = holdingPicker().selectedHolding();
    const bool performance = performanceButton_->isChecked();
    const QString path = fileName();
    if (!portfolio) {
        refuse(HoldingPage, tr("You must select a Portfolio to Export."));
    } else if (!performance && !holding) {
        // A portfolio without investments has none to export from.
        refuse(HoldingPage, tr("You must select an Investment to Export."));
    } else if (path.isEmpty()) {
        refuse(FilePage, tr("You must enter a file name\r\nto Export."));
    } else if (ReplaceConfirmed(context().platform, path)) {
        const std::string file = QFile::encodeName(path).toStdString();
        finishWith([&](ImportExportEngine& engine) {
            if (performance) return engine.ExportPerformance(portfolio->Id, file);
            return valuesButton_->isChecked()
                       ? engine.ExportHistoricalValues(portfolio->Id, holding->Id, file)
                       : engine.ExportTransactions(portfolio->Id, holding->Id, file);
        });
    }
}

int RunExport(UiContext& context, DataStore& store, QWidget* parent) {
    ExportWizard wizard(context, store, parent);
    return wizard.exec();
}

}  // namespace brevanta
