#pragma once

class QLineEdit;

namespace brevanta {

// Readies the name and description edits of a portfolio or investment: named nameEdit and
// descriptionEdit, and no longer than their table fields hold.
void SetUpNameEdits(QLineEdit* name, QLineEdit* description);

}  // namespace brevanta
