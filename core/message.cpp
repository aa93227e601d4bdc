#include "core/message.h"

namespace brevanta {

std::string Message::English() const {
    if (!text_) return words_;
    std::vector<std::string> filled;
    filled.reserve(arguments_.size());
    for (const Message& argument : arguments_) filled.push_back(argument.English());
    return FillArguments(text_->english, filled);
}

Message Listed(std::vector<Message> items, UserText last_pair) {
    if (items.empty()) return {};
    Message listed = std::move(items.back());
    for (std::size_t i = items.size() - 1; i-- > 0;) {
        const UserText joint = i + 2 == items.size() ? last_pair : BREVANTA_TEXT("Core", "%1, %2");
        listed = Message(joint, {std::move(items[i]), std::move(listed)});
    }
    return listed;
}

std::string FillArguments(std::string_view text, const std::vector<std::string>& arguments) {
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t index =
            i + 1 < text.size() && text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9'
                ? static_cast<size_t>(text[i + 1] - '1')
                : arguments.size();
        if (index < arguments.size()) {
            filled += arguments[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace brevanta
