#include "lang/LanguageLocale.h"

#include "common/TextUtil.h"

#include <array>
#include <utility>

namespace birch {

namespace {

// One row per language file in data/languages.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kShippedLocales = {{
    {"English", "en"},
    {"Deutsch", "de"},
    {"Italiano", "it"},
    {"Francais", "fr"},
    {"Espanol", "es"},
}};

} // namespace

std::optional<std::string> languageLocale(std::string_view languageName)
{
    for (const auto& [name, locale] : kShippedLocales)
        if (equalsIgnoringAsciiCase(name, languageName))
            return std::string(locale);
    return std::nullopt;
}

} // namespace birch
