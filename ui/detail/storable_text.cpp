#include "ui/detail/storable_text.h"

#include <QCoreApplication>
#include <QLineEdit>

#include "core/windows_1252.h"

namespace brevanta {

TextRefusal UnstorableText(std::initializer_list<QLineEdit*> edits) {
    for (QLineEdit* edit : edits) {
        const std::optional<char32_t> refused =
            EncodeWindows1252(edit->text().toStdString()).refused;
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
