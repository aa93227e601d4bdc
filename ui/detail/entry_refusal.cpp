#include "ui/detail/entry_refusal.h"

#include <QCoreApplication>
#include <cassert>

namespace brevanta {

QString RefusalMessage(const Refusal& refusal) {
    const QString message = QCoreApplication::translate("EntryChecks", refusal.message);
    return QString::fromStdString(FillArguments(message.toStdString(), refusal.arguments));
}

QWidget* FieldWidget(EntryField field, FieldWidgets widgets) {
    for (const auto& [named, widget] : widgets) {
        if (named == field) return widget;
    }
    assert(false && "no widget for the field");
    return nullptr;
}

}  // namespace brevanta
