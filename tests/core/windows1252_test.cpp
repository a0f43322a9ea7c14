#include "common/Windows1252.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace birch
