#include "nmea/CaptureLine.h"

#include "common/TextUtil.h"

namespace birch {

namespace {

constexpr std::size_t kMinAddress = 4;
constexpr std::size_t kMaxAddress = 15;

bool isAddressChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The length of the address after a start at `at`, or 0 when none follows.
std::size_t addressLength(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && isAddressChar(text[end]))
        ++end;
    const std::size_t length = end - at - 1;
    if (length < kMinAddress || length > kMaxAddress)
        return 0;
    if (end < text.size() && text[end] != ',' && text[end] != '*')
        return 0;
    return length;
}

CaptureSentence::Checksum checksumOf(std::string_view body, std::string_view written)
{
    if (written.size() != 2 || hexValue(written[0]) < 0 || hexValue(written[1]) < 0)
        return CaptureSentence::Checksum::Bad;
    unsigned sum = 0;
    for (const char c : body)
        sum ^= static_cast<unsigned char>(c);
    const unsigned expected = static_cast<unsigned>(hexValue(written[0]) * 16 + hexValue(written[1]));
    return sum == expected ? CaptureSentence::Checksum::Good : CaptureSentence::Checksum::Bad;
}

std::vector<std::string> splitFields(std::string_view data)
{
    std::vector<std::string> fields;
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = data.find(',', from);
        fields.emplace_back(data.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (comma == std::string_view::npos)
            return fields;
        from = comma + 1;
    }
}

} // namespace

CaptureLine parseCaptureLine(std::string_view line)
{
    CaptureLine result;
    const std::string_view text = trimControl(line);
    if (text.empty())
        return result;
    result.kind = CaptureLine::Kind::Garbage;
    std::size_t start = text.find_first_of("$!");
    std::size_t length = 0;
    while (start != std::string_view::npos && (length = addressLength(text, start)) == 0)
        start = text.find_first_of("$!", start + 1);
    if (start == std::string_view::npos)
        return result;

    result.kind = CaptureLine::Kind::Sentence;
    result.time = captureTimeIn(text.substr(0, start));
    CaptureSentence& sentence = result.sentence;
    sentence.start = text[start];
    sentence.address = std::string(text.substr(start + 1, length));
    const std::string_view rest = text.substr(start + 1);
    const std::size_t star = rest.find('*');
    const std::string_view body = rest.substr(0, star);
    if (star == std::string_view::npos)
        sentence.checksum = CaptureSentence::Checksum::Missing;
    else
        sentence.checksum = checksumOf(body, rest.substr(star + 1));
    if (body.size() > length)
        sentence.fields = splitFields(body.substr(length + 1));
    return result;
}

} // namespace birch
