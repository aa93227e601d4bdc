#pragma once

#include "ui/wizards/file_wizard.h"

class QRadioButton;

namespace brevanta {

// Exports a portfolio's performance figures, or an investment's transactions or historical
// values, to a text file.
class ExportWizard : public FileWizard {
    Q_OBJECT

  public:
    // REQUIRES: store outlives the wizard.
    ExportWizard(UiContext& context, DataStore& store, QWidget* parent = nullptr);

  private:
    QString chooseFile() override;
    void prepareHoldingPage() override;
    void finish() override;

    QRadioButton* performanceButton_;
    QRadioButton* transactionsButton_;
    QRadioButton* valuesButton_;
};

// The entry operation: runs the wizard modally on the store's portfolios; Accepted after an
// export (its message shown), Rejected otherwise.
int RunExport(UiContext& context, DataStore& store, QWidget* parent);

}  // namespace brevanta
