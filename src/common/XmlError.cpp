#include "common/XmlError.h"

#include "common/Utf8.h"

namespace birch {

namespace {

std::string plainReason(const pugi::xml_parse_result& parsed)
{
    switch (parsed.status) {
    case pugi::status_unrecognized_tag:
        return "a tag cannot be read";
    case pugi::status_bad_pi:
        return "a processing instruction (<?...?>) is broken or not closed";
    case pugi::status_bad_comment:
        return "a comment (<!--...-->) is broken or not closed";
    case pugi::status_bad_cdata:
        return "a CDATA section is broken or not closed";
    case pugi::status_bad_doctype:
        return "the document type declaration is broken";
    case pugi::status_bad_pcdata:
        return "the text between the tags is broken";
    case pugi::status_bad_start_element:
        return "a start tag is broken or not closed";
    case pugi::status_bad_attribute:
        return "an attribute is broken (its value must stand in quotes)";
    case pugi::status_bad_end_element:
        return "an end tag is broken";
    case pugi::status_end_element_mismatch:
        return "an end tag does not match its start tag, or an element is never closed";
    case pugi::status_no_document_element:
        return "the file holds no element";
    default:
        return parsed.description();
    }
}

// One character of the document: its code point (U+FFFD for bytes that decode to none), the
// bytes it takes in the file, and the bytes it takes once the parser has made the text UTF-8.
struct Character {
    char32_t value = kReplacementCharacter;
    std::size_t fileBytes = 1;
    std::size_t utf8Bytes = 1;
};

std::size_t utf8Length(char32_t value)
{
    return value < 0x80 ? 1 : value < 0x800 ? 2 : value < 0x10000 ? 3 : 4;
}

Character decoded(char32_t value, std::size_t fileBytes)
{
    return {value, fileBytes, utf8Length(value)};
}

char32_t unit(std::string_view bytes, std::size_t at, std::size_t size, bool bigEndian)
{
    char32_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[at + (bigEndian ? i : size - 1 - i)]);
        value = value << 8 | byte;
    }
    return value;
}

Character utf16At(std::string_view bytes, std::size_t at, bool bigEndian)
{
    if (at + 2 > bytes.size())
        return {kReplacementCharacter, bytes.size() - at, 0};
    const char32_t first = unit(bytes, at, 2, bigEndian);
    if (first >= 0xD800 && first < 0xDC00 && at + 4 <= bytes.size()) {
        const char32_t second = unit(bytes, at + 2, 2, bigEndian);
        if (second >= 0xDC00 && second < 0xE000)
            return decoded(0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00), 4);
    }
    return decoded(first, 2);
}

Character characterAt(std::string_view bytes, std::size_t at, pugi::xml_encoding encoding)
{
    switch (encoding) {
    case pugi::encoding_utf16_le:
    case pugi::encoding_utf16_be:
        return utf16At(bytes, at, encoding == pugi::encoding_utf16_be);
    case pugi::encoding_utf32_le:
    case pugi::encoding_utf32_be:
        if (at + 4 > bytes.size())
            return {kReplacementCharacter, bytes.size() - at, 0};
        return decoded(unit(bytes, at, 4, encoding == pugi::encoding_utf32_be), 4);
    case pugi::encoding_latin1:
        return decoded(static_cast<unsigned char>(bytes[at]), 1);
    default: {
        // UTF-8 is parsed as it is: bytes that are no UTF-8 keep their length.
        const Utf8Step step = decodeUtf8At(bytes, at);
        return step.codePoint ? decoded(*step.codePoint, step.length)
                              : Character{kReplacementCharacter, step.length, step.length};
    }
    }
}

// The parser's offset counts bytes of the UTF-8 form it made of the file; walk the file's own
// characters to that point. CR LF, LF and CR each end a line; a byte-order mark is no column.
TextPosition positionOf(std::string_view bytes, pugi::xml_encoding encoding, std::size_t offset)
{
    TextPosition at{1, 1};
    std::size_t utf8 = 0;
    bool afterCarriageReturn = false;
    for (std::size_t i = 0; i < bytes.size() && utf8 < offset;) {
        const Character c = characterAt(bytes, i, encoding);
        const bool byteOrderMark = i == 0 && c.value == 0xFEFF;
        i += c.fileBytes;
        utf8 += c.utf8Bytes;
        if (c.value == '\n' && afterCarriageReturn) {
            afterCarriageReturn = false;
            continue;
        }
        afterCarriageReturn = c.value == '\r';
        if (c.value == '\n' || c.value == '\r') {
            ++at.line;
            at.column = 1;
        } else if (!byteOrderMark) {
            ++at.column;
        }
    }
    return at;
}

} // namespace

XmlError describeXmlError(std::string_view bytes, const pugi::xml_parse_result& parsed)
{
    return {plainReason(parsed),
            positionOf(bytes, parsed.encoding, parsed.offset > 0 ? static_cast<std::size_t>(parsed.offset) : 0)};
}

} // namespace birch
