#pragma once

#include "ui/wizards/file_wizard.h"

class QRadioButton;

namespace brevanta {

// Exports a portfolio's performance figures, or an investment's transactions or historical
// values, to a text file.
class ExportWizard : public FileWizard {
    Q_OBJECT

  public:
    explicit ExportWizard(UiContext& context, QWidget* parent = nullptr);

    // Runs the wizard on the store's portfolios; Accepted after an export (its message
    // shown), Rejected otherwise. REQUIRES: store outlives the call.
    int RunExport(DataStore& store) { return run(store); }

  private:
    QString chooseFile() override;
    void prepareHoldingPage() override;
    void finish() override;

    QRadioButton* performanceButton_;
    QRadioButton* transactionsButton_;
    QRadioButton* valuesButton_;
};

}  // namespace brevanta
