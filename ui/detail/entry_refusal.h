#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

#include "store/entry_checks.h"

class QWidget;

namespace brevanta {

// The refusal's message as the desktop shows it, translated, with its arguments filled in.
QString RefusalMessage(const Refusal& refusal);

// A form's widget for each field its refusals may name.
using FieldWidgets = std::initializer_list<std::pair<EntryField, QWidget*>>;
// The widget named for `field`. REQUIRES: one is.
QWidget* FieldWidget(EntryField field, FieldWidgets widgets);

}  // namespace brevanta
