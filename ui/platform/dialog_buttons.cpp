#include "ui/platform/dialog_buttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace brevanta {

QPushButton* NamedButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

DialogButtons MakeOkCancelButtons(QDialog* dialog, const QString& okCaption) {
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(okCaption, QDialogButtonBox::AcceptRole);
    QPushButton* cancel = box->addButton(QDialog::tr("Cancel"), QDialogButtonBox::RejectRole);
    ok->setObjectName("okButton");
    cancel->setObjectName("cancelButton");
    ok->setDefault(true);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return {box, ok, cancel};
}

}  // namespace brevanta
