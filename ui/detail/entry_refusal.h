#pragma once

#include <QString>
#include <initializer_list>
#include <utility>

#include "store/entry_checks.h"
#include "ui/platform/translated.h"

class QWidget;

namespace brevanta {

// A form's widget for each field its refusals may name.
using FieldWidgets = std::initializer_list<std::pair<EntryField, QWidget*>>;
// The widget named for `field`. REQUIRES: one is.
QWidget* FieldWidget(EntryField field, FieldWidgets widgets);

}  // namespace brevanta
