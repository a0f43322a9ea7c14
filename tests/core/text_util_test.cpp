#include "common/TextUtil.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

TEST(TextUtil, TrimControlRemovesEveryCodeUpToBlank)
{
    EXPECT_EQ(trimControl("\x01\t\r\n a b \x1F\x20"), "a b");
    EXPECT_EQ(trimControl(std::string("\0x\0", 3)), "x");
    // DEL and a UTF-8 no-break space are above 32 and stay.
    EXPECT_EQ(trimControl("\x7F"
                          "a\xC2\xA0"),
              "\x7F"
              "a\xC2\xA0");
    EXPECT_EQ(trimControl(" \t "), "");
}

TEST(TextUtil, TrimBlanksRemovesOnlyBlanks)
{
    EXPECT_EQ(trimBlanks("  \ta\t  "), "\ta\t");
    EXPECT_EQ(trimBlanks("   "), "");
}

TEST(TextUtil, AsciiCaseOnly)
{
    EXPECT_EQ(upperAscii("gga \xC3\xA8z"), "GGA \xC3\xA8Z");
    EXPECT_TRUE(equalsIgnoringAsciiCase("RS485 / rs422", "rs485 / RS422"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("\xC3\xA8", "\xC3\x88"));
    EXPECT_FALSE(equalsIgnoringAsciiCase("ab", "abc"));
    EXPECT_TRUE(lessIgnoringAsciiCase("abc", "ABD"));
    EXPECT_FALSE(lessIgnoringAsciiCase("ABC", "abc"));
    EXPECT_TRUE(lessIgnoringAsciiCase("ab", "ABC"));
}

} // namespace
} // namespace birch
