#include "lang/LanguageFileText.h"

#include "lang/DefaultTexts.h"

namespace birch {

namespace {

constexpr std::string_view kPilcrow = "\xC2\xB6";

// Reading trims every character up to blank from both ends.
bool needsFrame(std::string_view text)
{
    return text.empty() || static_cast<unsigned char>(text.front()) <= 32 ||
           static_cast<unsigned char>(text.back()) <= 32;
}

void appendEntry(std::string& out, std::string_view prefix, int number, std::string_view text)
{
    out += prefix;
    out += std::to_string(number);
    out += " = ";
    if (needsFrame(text)) {
        out += kPilcrow;
        out += text;
        out += kPilcrow;
    } else {
        out += text;
    }
    out += '\n';
}

} // namespace

std::string languageFileText(const TextList& table, const ExtraTexts& extra)
{
    std::string out = "\xEF\xBB\xBF";
    out += "/#/ Language file of the Birch configurator. STR lines are the numbered texts, EXT lines the extra\n"
           "/#/ texts. Save it as UTF-8 with a byte-order mark. A text framed by \xC2\xB6 keeps the blanks at its\n"
           "/#/ ends. Check it with: birchcfg-cli lang-check FILE\n";
    for (const DefaultText& entry : kDefaultTexts)
        appendEntry(out, "STR", entry.number, table[entry.number]);
    for (const int number : ExtraTexts::numbers())
        appendEntry(out, "EXT", number, extra[number]);
    return out;
}

} // namespace birch
