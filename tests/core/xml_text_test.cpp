#include "common/XmlText.h"

#include <gtest/gtest.h>

#include <string>

namespace birch {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(XmlText, KeepsWhatXmlCarriesAndReplacesTheRest)
{
    struct Case {
        std::string text;
        std::string safe;
    };
    const Case cases[] = {
        {"Temp <&\"'>", "Temp <&\"'>"},
        {"\xC3\x9C"
         "ber \xE2\x82\xAC \xF0\x9F\x9A\xA2",
         "\xC3\x9C"
         "ber \xE2\x82\xAC \xF0\x9F\x9A\xA2"},
        {"a\tb\nc\rd", "a b c d"},
        {std::string("a\0b", 3), "a" + kReplacement + "b"},
        {"a\x01\x1F"
         "b",
         "a" + kReplacement + kReplacement + "b"},
        {"\xFF"
         "x",
         kReplacement + "x"},                                                            // not UTF-8
        {"\xC3", kReplacement},                                                          // cut short
        {"\xC0\xAF", kReplacement + kReplacement},                                       // overlong "/"
        {"\xED\xA0\x80", kReplacement + kReplacement + kReplacement},                    // a surrogate
        {"\xEF\xBF\xBE", kReplacement},                                                  // U+FFFE is no XML character
        {"\xF4\x90\x80\x80", kReplacement + kReplacement + kReplacement + kReplacement}, // past U+10FFFF
    };
    for (const Case& c : cases)
        EXPECT_EQ(xmlLineText(c.text), c.safe);
}

} // namespace
} // namespace birch
