#pragma once

#include <QString>
#include <string_view>

#include "core/message.h"

namespace brevanta {

// A message of the library in the user's language: each text as its translation says (the
// English where there is none), its arguments translated and filled in.
QString Translated(const Message& message);

// A transaction type's text (TransactionTypeText: "Cash Contribution") in the user's language.
QString TranslatedTypeText(std::string_view text);

}  // namespace brevanta
