#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevanta {

// An English text a user reads, with the context a translation of it is filed under.
struct UserText {
    const char* context;
    const char* english;
};

// Marks a text for translation: lupdate collects `english` under `context`, and the desktop
// looks it up there; the library itself keeps and prints the English.
#define BREVANTA_TEXT(context, english) (::brevanta::UserText{context, english})
// Marks a caption in a table of plain strings, which report pages and files use as they stand,
// for the desktop to translate under `context`.
#define BREVANTA_CAPTION(context, english) english
// A text that says how many of something there are (Message::Counted): its translation has a
// form for each grammatical number.
#define BREVANTA_COUNTED_TEXT(context, english) BREVANTA_TEXT(context, english)

// What the library tells a user, kept in parts so that the desktop can translate it while the
// command line prints the English: a text whose "%1" to "%9" stand for its arguments in order,
// each itself a message, or words shown as they are (a name, a path, a number, the system's
// own words).
class Message {
  public:
    Message() = default;
    Message(std::string words) : words_(std::move(words)) {}     // NOLINT: words are a message
    Message(UserText text, std::vector<Message> arguments = {})  // NOLINT: so is a text
        : text_(text), arguments_(std::move(arguments)) {}
    // A text with forms for a count, such as "%1 records", which the count chooses among when
    // translated.
    static Message Counted(UserText text, int count, std::vector<Message> arguments) {
        Message message(text, std::move(arguments));
        message.count_ = count;
        return message;
    }

    // The message in English, its arguments filled in.
    std::string English() const;
    bool empty() const { return !text_ && words_.empty(); }

    // The parts, for a translation: the text (none for words shown as they are), the words,
    // the count that chooses a form and the arguments.
    const std::optional<UserText>& text() const { return text_; }
    const std::string& words() const { return words_; }
    const std::optional<int>& count() const { return count_; }
    const std::vector<Message>& arguments() const { return arguments_; }

  private:
    std::optional<UserText> text_;
    std::string words_;
    std::optional<int> count_;
    std::vector<Message> arguments_;
};

// The items as a list in a sentence: "a", "a or b", "a, b or c", with `last_pair` joining the
// last two (a text such as "%1 or %2").
Message Listed(std::vector<Message> items, UserText last_pair);

// `text` with "%1" to "%9" replaced by the arguments, in one pass (a "%2" inside an argument
// stays as it is).
std::string FillArguments(std::string_view text, const std::vector<std::string>& arguments);

}  // namespace brevanta
