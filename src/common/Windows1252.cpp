#include "common/Windows1252.h"

#include "common/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace birch {

namespace {
// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::optional<char> windows1252Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    const auto it = std::find(kHighControls.begin(), kHighControls.end(), cp);
    if (it == kHighControls.end())
        return std::nullopt;
    return static_cast<char>(0x80 + (it - kHighControls.begin()));
}

std::string hex(unsigned value, int digits)
{
    std::array<char, 16> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%0*X", digits, value);
    return buffer.data();
}

bool isControl(char32_t cp)
{
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}
} // namespace

std::string decodeWindows1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte <= 0x9F)
            appendUtf8(out, kHighControls[byte - 0x80]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

Windows1252Encoding encodeWindows1252(std::string_view utf8)
{
    Windows1252Encoding result;
    result.bytes.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const Utf8Step step = decodeUtf8At(utf8, at);
        const std::optional<char> byte = step.codePoint ? windows1252Byte(*step.codePoint) : std::nullopt;
        if (!byte) {
            result.bytes.clear();
            result.failure = Windows1252Failure{at, step.codePoint, std::string(utf8.substr(at, step.length))};
            return result;
        }
        result.bytes.push_back(*byte);
        at += step.length;
    }
    return result;
}

std::string describeFailure(const Windows1252Failure& failure)
{
    if (failure.codePoint) {
        const std::string name = "U+" + hex(*failure.codePoint, 4);
        return isControl(*failure.codePoint) ? name : name + " " + failure.text;
    }
    std::string bytes;
    for (const char c : failure.text)
        bytes += (bytes.empty() ? "0x" : " 0x") + hex(static_cast<unsigned char>(c), 2);
    return bytes;
}

} // namespace birch
