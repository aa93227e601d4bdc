#pragma once

#include "store/entry_checks.h"

class QLineEdit;
class QWidget;

namespace brevanta {

class DateField;

// Readies the name and description edits of a portfolio or investment: named nameEdit and
// descriptionEdit, and no longer than their table fields hold.
void SetUpNameEdits(QLineEdit* name, QLineEdit* description);

// An investment's own edits, in the new-investment dialog and the detail window alike.
struct InvestmentEdits {
    QLineEdit* name;
    QLineEdit* description;
    DateField* inception;
    QLineEdit* initialAmount;

    // What they hold.
    InvestmentEntry entry() const;
    // The edit a refusal names.
    QWidget* field(EntryField field) const;
};

}  // namespace brevanta
