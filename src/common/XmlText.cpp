#include "common/XmlText.h"

#include "common/Utf8.h"

namespace birch {

namespace {

bool allowedInXml(char32_t code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

} // namespace

std::string xmlLineText(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Step step = decodeUtf8At(text, at);
        if (!step.codePoint || !allowedInXml(*step.codePoint))
            appendUtf8(result, kReplacementCharacter);
        else if (*step.codePoint == 0x9 || *step.codePoint == 0xA || *step.codePoint == 0xD)
            result += ' ';
        else
            result += text.substr(at, step.length);
        at += step.length;
    }
    return result;
}

} // namespace birch
