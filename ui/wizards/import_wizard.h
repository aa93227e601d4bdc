#pragma once

#include "exchange/import_line_format.h"
#include "ui/wizards/file_wizard.h"

class QRadioButton;

namespace brevanta {

class MappingPage;

// Imports transactions or historical values from a text file into a chosen investment. A file
// in the program's own layout imports as it is; any other goes through a fourth page where
// its columns are mapped and previewed, and the mapping may be saved in the data directory.
class ImportWizard : public FileWizard {
    Q_OBJECT

  public:
    // REQUIRES: store outlives the wizard.
    ImportWizard(UiContext& context, DataStore& store, QWidget* parent = nullptr);

  private:
    QString chooseFile() override;
    int pageCount() const override;
    void finish() override;

    ImportKind kind() const;
    // Whether the file named is one to read through a mapping.
    bool needsMapping() const;
    // Imports through the mapping page's mapping, then saves it when the user named it.
    void finishMapped(const HoldingRecord& holding, const std::string& file);
    // Whether the mapping may be saved under the name given: a valid name, and one the user
    // agrees to replace.
    bool maySaveAs(const QString& name);

    QRadioButton* transactionsButton_;
    QRadioButton* valuesButton_;
    MappingPage* mappingPage_;
    int mappingPageNumber_;
};

// The entry operation: runs the wizard modally on the store's portfolios; Accepted after an
// import (its message shown), Rejected otherwise.
int RunImport(UiContext& context, DataStore& store, QWidget* parent);

}  // namespace brevanta
