#include "ui/detail/storable_text.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>

#include "core/control_characters.h"
#include "core/windows_1252.h"

namespace brevanta {

TextRefusal UnstorableText(std::initializer_list<QLineEdit*> edits) {
    for (QLineEdit* edit : edits) {
        const std::string text = edit->text().toStdString();
        const auto control = std::find_if(text.begin(), text.end(), IsControlCharacter);
        if (control != text.end()) {
            return {edit, QCoreApplication::translate(
                              "Entry",
                              "The control character %1 cannot be stored.\nPlease "
                              "remove it.")
                              .arg(QString::fromStdString(
                                  CodePointName(static_cast<unsigned char>(*control))))};
        }
        const std::optional<char32_t> refused = EncodeWindows1252(text).refused;
        if (!refused) continue;
        return {edit,
                QCoreApplication::translate(
                    "Entry", "The character \"%1\" (%2) cannot be stored.\nPlease replace it.")
                    .arg(QString::fromStdString(Utf8Character(*refused)),
                         QString::fromStdString(CodePointName(*refused)))};
    }
    return {};
}

}  // namespace brevanta
