#include "ui/detail/name_edits.h"

#include <QLineEdit>

#include "store/table_layouts.h"
#include "ui/detail/entry_refusal.h"
#include "ui/platform/date_field.h"

namespace brevanta {

void SetUpNameEdits(QLineEdit* name, QLineEdit* description) {
    name->setObjectName("nameEdit");
    description->setObjectName("descriptionEdit");
    name->setMaxLength(kNameWidth);
    description->setMaxLength(kDescriptionWidth);
    description->setMinimumWidth(320);
}

InvestmentEntry InvestmentEdits::entry() const {
    return {.name = name->text().toStdString(),
            .description = description->text().toStdString(),
            .inception = inception->date(),
            .initial_amount = initialAmount->text().toStdString()};
}

QWidget* InvestmentEdits::field(EntryField field) const {
    return FieldWidget(field, {{EntryField::Name, name},
                               {EntryField::Description, description},
                               {EntryField::Date, inception},
                               {EntryField::Amount, initialAmount}});
}

}  // namespace brevanta
