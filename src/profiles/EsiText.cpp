#include "profiles/EsiText.h"

#include <cstdint>
#include <cstdio>
#include <utility>

namespace birch {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point of the UTF-8 sequence at `at` and its length in bytes; an invalid sequence
// (bad lead or continuation byte, overlong form, surrogate, beyond U+10FFFF) gives U+FFFD for
// its first byte alone.
std::pair<char32_t, std::size_t> decodeAt(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        minimum = 0x10000;
    } else {
        return {kReplacement, 1};
    }
    if (at + length > text.size())
        return {kReplacement, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return {kReplacement, 1};
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {kReplacement, 1};
    return {code, length};
}

// Characters an XML 1.0 document may hold (as themselves or as a reference).
bool allowedInXml(char32_t code)
{
    return code == 0x9 || code == 0xA || code == 0xD || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

void appendReference(std::string& out, char32_t code)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&#x%X;", static_cast<unsigned>(code));
    out += buffer;
}

} // namespace

std::string esiText(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const auto [code, length] = decodeAt(utf8, at);
        at += length;
        if (code == '&')
            out += "&amp;";
        else if (code == '<')
            out += "&lt;";
        else if (code == '>')
            out += "&gt;";
        else if (code >= 0x20 && code < 0x7F)
            out.push_back(static_cast<char>(code));
        else
            appendReference(out, allowedInXml(code) ? code : kReplacement);
    }
    return out;
}

} // namespace birch
