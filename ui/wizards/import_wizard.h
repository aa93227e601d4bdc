#pragma once

#include "ui/wizards/file_wizard.h"

class QRadioButton;

namespace brevanta {

// Imports transactions or historical values from a text file into a chosen investment.
class ImportWizard : public FileWizard {
    Q_OBJECT

  public:
    explicit ImportWizard(UiContext& context, QWidget* parent = nullptr);

    // Runs the wizard on the store's portfolios; Accepted after an import (its message
    // shown), Rejected otherwise. REQUIRES: store outlives the call.
    int RunImport(DataStore& store) { return run(store); }

  private:
    QString chooseFile() override;
    void finish() override;

    QRadioButton* transactionsButton_;
    QRadioButton* valuesButton_;
};

}  // namespace brevanta
