#include "ui/detail/name_edits.h"

#include <QLineEdit>

#include "store/table_layouts.h"

namespace brevanta {

void SetUpNameEdits(QLineEdit* name, QLineEdit* description) {
    name->setObjectName("nameEdit");
    description->setObjectName("descriptionEdit");
    name->setMaxLength(kNameWidth);
    description->setMaxLength(kDescriptionWidth);
    description->setMinimumWidth(320);
}

}  // namespace brevanta
