#include "ui/detail/entry_refusal.h"

#include <cassert>

namespace brevanta {

QWidget* FieldWidget(EntryField field, FieldWidgets widgets) {
    for (const auto& [named, widget] : widgets) {
        if (named == field) return widget;
    }
    assert(false && "no widget for the field");
    return nullptr;
}

}  // namespace brevanta
