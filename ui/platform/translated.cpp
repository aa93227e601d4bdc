#include "ui/platform/translated.h"

#include <QCoreApplication>

namespace brevanta {

QString Translated(const Message& message) {
    if (!message.text()) return QString::fromStdString(message.words());
    const UserText& text = *message.text();
    const QString translation = QCoreApplication::translate(text.context, text.english, nullptr,
                                                            message.count().value_or(-1));
    std::vector<std::string> arguments;
    for (const Message& argument : message.arguments()) {
        arguments.push_back(Translated(argument).toStdString());
    }
    return QString::fromStdString(FillArguments(translation.toStdString(), arguments));
}

QString TranslatedTypeText(std::string_view text) {
    return QCoreApplication::translate("Store", std::string(text).c_str());
}

}  // namespace brevanta
