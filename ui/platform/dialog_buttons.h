#pragma once

#include <QString>

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace brevanta {

struct DialogButtons {
    QDialogButtonBox* box;
    QPushButton* ok;
    QPushButton* cancel;
};

// A push button of parent, named `name`.
QPushButton* NamedButton(const QString& caption, const char* name, QWidget* parent);

// OK (captioned okCaption, the default button) and Cancel (which rejects the dialog) in a
// button box of the dialog, named okButton and cancelButton. The dialog connects OK itself.
DialogButtons MakeOkCancelButtons(QDialog* dialog, const QString& okCaption);

}  // namespace brevanta
