#include "lang/LanguageFile.h"

#include "common/DecimalNumber.h"
#include "common/TextUtil.h"
#include "common/Utf8.h"
#include "common/Windows1252.h"

namespace birch {

namespace {

constexpr std::string_view kPilcrow = "\xC2\xB6";
constexpr std::string_view kComment = "/#/";

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string decodeUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t first = unit(i);
        if (first >= 0xD800 && first <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t second = unit(i + 2);
            if (second >= 0xDC00 && second <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(out, (first >= 0xD800 && first <= 0xDFFF) ? kReplacementCharacter : first);
    }
    if (i < bytes.size())
        appendUtf8(out, kReplacementCharacter);
    return out;
}

// The number field: from the fourth character up to the second character before the first
// "=". The character right before "=" may be a multi-byte one; it is never part of the field.
std::string_view numberField(std::string_view line, std::size_t equals)
{
    std::size_t before = equals - 1;
    while (before > 0 && (static_cast<unsigned char>(line[before]) & 0xC0) == 0x80)
        --before;
    if (before <= 3)
        return {};
    return line.substr(3, before - 3);
}

} // namespace

std::string decodeLanguageBytes(std::string_view bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return sanitizeUtf8(bytes.substr(3));
    if (startsWith(bytes, "\xFF\xFE"))
        return decodeUtf16(bytes.substr(2), false);
    if (startsWith(bytes, "\xFE\xFF"))
        return decodeUtf16(bytes.substr(2), true);
    return decodeWindows1252(bytes);
}

std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

std::optional<LanguageLine> parseLanguageLine(std::string_view line)
{
    line = trimControl(line);
    LanguageLine entry;
    if (startsWith(line, "STR"))
        entry.table = LanguageLine::Table::Texts;
    else if (startsWith(line, "EXT"))
        entry.table = LanguageLine::Table::Extra;
    else
        return std::nullopt;

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const auto number = parseDecimal(trimControl(numberField(line, equals)));
    if (!number || *number < 0)
        return std::nullopt;
    if (entry.table == LanguageLine::Table::Texts && *number >= TextList::kSize)
        return std::nullopt;
    entry.number = *number;

    std::string_view text = trimControl(line.substr(equals + 1));
    if (text.empty())
        return std::nullopt;
    if (const std::size_t comment = text.find(kComment); comment != std::string_view::npos) {
        text = trimControl(text.substr(0, comment));
        if (text.empty())
            return std::nullopt;
    }
    if (startsWith(text, kPilcrow))
        text.remove_prefix(kPilcrow.size());
    if (const std::size_t pilcrow = text.find(kPilcrow); pilcrow != std::string_view::npos)
        text = text.substr(0, pilcrow);
    entry.text = std::string(text);
    return entry;
}

void overlayLanguageText(std::string_view text, TextList& table, ExtraTexts& extra)
{
    for (const std::string_view line : splitLines(text)) {
        auto entry = parseLanguageLine(line);
        if (!entry)
            continue;
        if (entry->table == LanguageLine::Table::Texts)
            table.set(entry->number, std::move(entry->text));
        else
            extra.set(entry->number, std::move(entry->text));
    }
}

} // namespace birch
