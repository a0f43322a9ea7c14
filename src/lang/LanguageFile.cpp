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

// The number field runs from the fourth character up to the second character before the first
// "="; the character right before "=" (a multi-byte one whole) is never part of it.
struct NumberField {
    std::string_view digits;
    std::string_view unread;
};

NumberField numberField(std::string_view line, std::size_t equals)
{
    std::size_t before = equals - 1;
    while (before > 0 && (static_cast<unsigned char>(line[before]) & 0xC0) == 0x80)
        --before;
    NumberField field;
    if (before >= 3)
        field.unread = line.substr(before, equals - before);
    if (before > 3)
        field.digits = line.substr(3, before - 3);
    return field;
}

bool isBlankCharacter(std::string_view character)
{
    return character.size() == 1 && static_cast<unsigned char>(character[0]) <= 32;
}

// "str13 = x", "Ext 4 = y": the prefix in another letter case, then a number.
bool looksLikeEntry(std::string_view line)
{
    const std::string prefix = upperAscii(line.substr(0, 3));
    if (prefix != "STR" && prefix != "EXT")
        return false;
    const std::size_t digit = line.find_first_not_of(" \t", 3);
    return digit != std::string_view::npos && line[digit] >= '0' && line[digit] <= '9';
}

} // namespace

LanguageEncoding detectLanguageEncoding(std::string_view bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return LanguageEncoding::Utf8;
    if (startsWith(bytes, "\xFF\xFE"))
        return LanguageEncoding::Utf16LittleEndian;
    if (startsWith(bytes, "\xFE\xFF"))
        return LanguageEncoding::Utf16BigEndian;
    return LanguageEncoding::Windows1252;
}

std::string_view encodingName(LanguageEncoding encoding)
{
    switch (encoding) {
    case LanguageEncoding::Utf8:
        return "UTF-8 with byte-order mark";
    case LanguageEncoding::Utf16LittleEndian:
        return "UTF-16 little-endian with byte-order mark";
    case LanguageEncoding::Utf16BigEndian:
        return "UTF-16 big-endian with byte-order mark";
    case LanguageEncoding::Windows1252:
        break;
    }
    return "Windows-1252 (no byte-order mark)";
}

std::string decodeLanguageBytes(std::string_view bytes)
{
    switch (detectLanguageEncoding(bytes)) {
    case LanguageEncoding::Utf8:
        return sanitizeUtf8(bytes.substr(3));
    case LanguageEncoding::Utf16LittleEndian:
        return decodeUtf16(bytes.substr(2), false);
    case LanguageEncoding::Utf16BigEndian:
        return decodeUtf16(bytes.substr(2), true);
    case LanguageEncoding::Windows1252:
        break;
    }
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

LineReading readLanguageLine(std::string_view line)
{
    line = trimControl(line);
    LineReading reading;
    LanguageLine entry;
    if (startsWith(line, "STR")) {
        entry.table = LanguageLine::Table::Texts;
    } else if (startsWith(line, "EXT")) {
        entry.table = LanguageLine::Table::Extra;
    } else {
        reading.outcome = looksLikeEntry(line) ? LineReading::Outcome::PrefixCase : LineReading::Outcome::Other;
        return reading;
    }

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        reading.outcome = LineReading::Outcome::NoEquals;
        return reading;
    }
    const NumberField field = numberField(line, equals);
    if (!field.unread.empty() && !isBlankCharacter(field.unread))
        reading.unreadBeforeEquals = std::string(field.unread);
    const auto number = parseDecimal(trimControl(field.digits));
    if (!number) {
        reading.outcome = LineReading::Outcome::NotANumber;
        return reading;
    }
    if (*number < 0 || (entry.table == LanguageLine::Table::Texts && *number >= TextList::kSize)) {
        reading.outcome = LineReading::Outcome::OutOfRange;
        return reading;
    }
    entry.number = *number;

    std::string_view text = trimControl(line.substr(equals + 1));
    if (const std::size_t comment = text.find(kComment); comment != std::string_view::npos)
        text = trimControl(text.substr(0, comment));
    if (text.empty()) {
        reading.outcome = LineReading::Outcome::EmptyText;
        return reading;
    }
    if (startsWith(text, kPilcrow))
        text.remove_prefix(kPilcrow.size());
    if (const std::size_t pilcrow = text.find(kPilcrow); pilcrow != std::string_view::npos)
        text = text.substr(0, pilcrow);
    entry.text = std::string(text);
    reading.outcome = LineReading::Outcome::Entry;
    reading.entry = std::move(entry);
    return reading;
}

std::optional<LanguageLine> parseLanguageLine(std::string_view line)
{
    return readLanguageLine(line).entry;
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
