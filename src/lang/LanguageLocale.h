#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace birch {

// The locale of a shipped language ("Deutsch" -> "de"), ignoring letter case; nothing for a
// language the product does not ship. Qt's own dialogs follow it where Qt has texts for it.
std::optional<std::string> languageLocale(std::string_view languageName);

} // namespace birch
