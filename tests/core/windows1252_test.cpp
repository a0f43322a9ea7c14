#include "common/Windows1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace birch {
namespace {

TEST(Windows1252, DecodesToUtf8)
{
    EXPECT_EQ(decodeWindows1252("abc\t\r\n"), "abc\t\r\n");
    EXPECT_EQ(decodeWindows1252("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(decodeWindows1252("\x85"), "\xE2\x80\xA6");
    EXPECT_EQ(decodeWindows1252("\x9F"), "\xC5\xB8");
    EXPECT_EQ(decodeWindows1252("\xA0\xB6\xE8\xFF"), "\xC2\xA0\xC2\xB6\xC3\xA8\xC3\xBF");
    EXPECT_EQ(decodeWindows1252(std::string(1, '\0')), std::string(1, '\0'));
}

TEST(Windows1252, UndefinedBytesMapToC1CodePoints)
{
    EXPECT_EQ(decodeWindows1252("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

TEST(Windows1252, EveryByteSurvivesDecodingAndEncodingBack)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all.push_back(static_cast<char>(byte));
    const Windows1252Encoding encoded = encodeWindows1252(decodeWindows1252(all));
    ASSERT_TRUE(encoded.ok()) << describeFailure(*encoded.failure);
    EXPECT_EQ(encoded.bytes, all);
}

TEST(Windows1252, EncodesWhatTheCodePageHolds)
{
    struct Case {
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"", ""},
        {"Temp;RS232;\r\n", "Temp;RS232;\r\n"},
        {"\xC2\xB0", "\xB0"},             // degree sign
        {"\xC3\xA9", "\xE9"},             // e acute
        {"\xE2\x82\xAC", "\x80"},         // euro sign, from the 0x80..0x9F block
        {"\xC5\xB8\xC3\xBF", "\x9F\xFF"}, // Y and y with diaeresis
        {"\xC2\x81\xC2\x9D", "\x81\x9D"}, // C1 code points of undefined bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        const Windows1252Encoding encoded = encodeWindows1252(c.utf8);
        ASSERT_TRUE(encoded.ok());
        EXPECT_EQ(encoded.bytes, c.bytes);
        EXPECT_EQ(decodeWindows1252(encoded.bytes), c.utf8);
    }
}

TEST(Windows1252, StopsAtTheFirstCharacterItCannotHold)
{
    struct Case {
        std::string utf8;
        std::size_t offset;
        std::optional<char32_t> codePoint;
        std::string text;
        std::string description;
    };
    const Case cases[] = {
        {"a\xE2\x86\x92"
         "b\xE2\x86\x92",
         1, 0x2192, "\xE2\x86\x92", "U+2192 \xE2\x86\x92"},
        {"\xC4\x80", 0, 0x0100, "\xC4\x80", "U+0100 \xC4\x80"},
        {"ok \xF0\x9F\x98\x80", 3, 0x1F600, "\xF0\x9F\x98\x80", "U+1F600 \xF0\x9F\x98\x80"},
        // A C1 code point other than the five undefined bytes: 0x80 holds the euro sign.
        {"\xC2\x80", 0, 0x0080, "\xC2\x80", "U+0080"},
        // Not UTF-8: the bytes as found.
        {"caf\xE9", 3, std::nullopt, "\xE9", "0xE9"},
        {"\x80", 0, std::nullopt, "\x80", "0x80"},
        {"x\xE2\x82", 1, std::nullopt, "\xE2\x82", "0xE2 0x82"},
        {"\xE2\x82"
         "A",
         0, std::nullopt, "\xE2\x82", "0xE2 0x82"},
        {"\xC0\xAF", 0, std::nullopt, "\xC0", "0xC0"},         // overlong "/"
        {"\xE0\x80\xAF", 0, std::nullopt, "\xE0", "0xE0"},     // overlong "/"
        {"\xED\xA0\x80", 0, std::nullopt, "\xED", "0xED"},     // surrogate
        {"\xF4\x90\x80\x80", 0, std::nullopt, "\xF4", "0xF4"}, // beyond U+10FFFF
        {"\xF5\x80", 0, std::nullopt, "\xF5", "0xF5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.description);
        const Windows1252Encoding encoded = encodeWindows1252(c.utf8);
        ASSERT_FALSE(encoded.ok());
        EXPECT_TRUE(encoded.bytes.empty());
        EXPECT_EQ(encoded.failure->offset, c.offset);
        EXPECT_EQ(encoded.failure->codePoint, c.codePoint);
        EXPECT_EQ(encoded.failure->text, c.text);
        EXPECT_EQ(describeFailure(*encoded.failure), c.description);
    }
}

} // namespace
} // namespace birch
