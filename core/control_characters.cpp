#include "core/control_characters.h"

#include <algorithm>

#include "core/windows_1252.h"

namespace brevanta {

bool IsControlCharacter(char c) { return static_cast<unsigned char>(c) < 0x20 && c != '\t'; }

Status RefuseControlCharacters(std::string_view text) {
    const auto control = std::find_if(text.begin(), text.end(), IsControlCharacter);
    if (control == text.end()) return Status::Ok();
    return Status::InvalidArgument(
        Message(BREVANTA_TEXT("Core", "The control character %1 cannot be stored."),
                {CodePointName(static_cast<unsigned char>(*control))}));
}

std::string OneLine(std::string_view text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        if (text[i] == '\r' || text[i] == '\n') {
            line += ' ';
        } else if (!IsControlCharacter(text[i])) {
            line += text[i];
        }
    }
    return line;
}

}  // namespace brevanta
