#pragma once

#include <QObject>

namespace brevanta {

// Gives a new control its form's name (btnOk, edtName, ...), the name tests find it by.
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace brevanta
