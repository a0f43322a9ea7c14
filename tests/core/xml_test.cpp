#include "common/Xml.h"

#include "TempDir.h"

#include <gtest/gtest.h>

namespace birch {
namespace {

using test::TempDir;
using test::writeFixture;

TEST(Xml, FirstNodeMayBeADeclarationOrComment)
{
    const auto declared = parseXml("<?xml version=\"1.0\"?><root/>");
    ASSERT_TRUE(declared.ok());
    EXPECT_EQ(firstNode(*declared.document).type(), pugi::node_declaration);

    const auto commented = parseXml("<!-- c --><root/>");
    ASSERT_TRUE(commented.ok());
    EXPECT_EQ(firstNode(*commented.document).type(), pugi::node_comment);

    const auto plain = parseXml("<root><a/></root>");
    EXPECT_STREQ(firstNode(*plain.document).name(), "root");
}

TEST(Xml, ChildrenByPositionIncludeComments)
{
    const auto parsed = parseXml("<list><a/><!-- note --><b>t</b></list>");
    const auto children = childrenByPosition(firstNode(*parsed.document));
    ASSERT_EQ(children.size(), 3u);
    EXPECT_EQ(children[1].type(), pugi::node_comment);
    EXPECT_STREQ(children[2].name(), "b");
}

TEST(Xml, ChildTextTellsMissingFromEmpty)
{
    const auto parsed = parseXml("<r><e/><f></f><g> x </g><G>y</G></r>");
    const auto root = firstNode(*parsed.document);
    EXPECT_EQ(childText(root, "e"), std::string());
    EXPECT_EQ(childText(root, "f"), std::string());
    EXPECT_EQ(childText(root, "g"), std::string(" x "));
    EXPECT_EQ(childText(root, "missing"), std::nullopt);
    EXPECT_EQ(childText(root, "G"), std::string("y")) << "names are case-sensitive";
}

TEST(Xml, SerialisesRawWithoutDeclarationAndPinnedEmptyElements)
{
    pugi::xml_document document;
    auto root = document.append_child("Root");
    root.append_child("empty");
    root.append_child("text").text().set("a & <b> \xC3\xA8");
    document.append_child(pugi::node_comment).set_value("SW_VERSION = 1.101");
    EXPECT_EQ(serializeXml(document),
              "<Root><empty/><text>a &amp; &lt;b&gt; \xC3\xA8</text></Root><!--SW_VERSION = 1.101-->");
}

std::string utf16(std::string_view ascii, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii)
        out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
}

// The parser stops at a byte of its own UTF-8 copy of the file; the user is told the line and
// the column, in characters, of the file as an editor shows it.
TEST(Xml, ParseErrorGivesPlainWordsWithLineAndColumn)
{
    struct Case {
        const char* label;
        std::string bytes;
        TextPosition at;
        std::string reason;
    };
    const std::string mismatch = "an end tag does not match its start tag, or an element is never closed";
    const Case cases[] = {
        {"first line", "<r><a></r>", {1, 9}, mismatch},
        {"line feeds", "<r>\n  <a>\n  </b>\n</r>", {3, 5}, mismatch},
        {"CR LF", "<r>\r\n  <a>\r\n  </b>\r\n</r>", {3, 5}, mismatch},
        {"CR alone", "<r>\r<a>\r</b></r>", {3, 3}, mismatch},
        {"byte-order mark", "\xEF\xBB\xBF<r>\n</b>", {2, 3}, mismatch},
        {"characters, not bytes", "<r>\xC3\xA8\xC3\xA8\xE2\x82\xAC</b>", {1, 9}, mismatch},
        {"UTF-16 LE", utf16("<r>\n</b>", false), {2, 3}, mismatch},
        {"UTF-16 BE", utf16("<r>\n</b>", true), {2, 3}, mismatch},
        {"Latin-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<r>\xE8\xE8</b>", {2, 8}, mismatch},
        {"unclosed at the end", "<r>\n<a>", {2, 3}, mismatch},
        {"attribute without quotes",
         "<r>\n<a b=c/></r>",
         {2, 6},
         "an attribute is broken (its value must stand in quotes)"},
        {"empty", "", {1, 1}, "the file holds no element"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const auto parsed = parseXml(c.bytes);
        ASSERT_FALSE(parsed.ok());
        EXPECT_EQ(parsed.error, c.reason);
        EXPECT_EQ(parsed.errorAt.line, c.at.line);
        EXPECT_EQ(parsed.errorAt.column, c.at.column);
    }
}

TEST(Xml, LoadFileStatuses)
{
    TempDir dir;
    writeFixture(dir / "good.xml", "<r/>");
    writeFixture(dir / "bad.xml", "<r>");
    EXPECT_EQ(loadXmlFile(dir / "none.xml").status, XmlFileResult::Status::Missing);
    EXPECT_EQ(loadXmlFile(dir / "good.xml").status, XmlFileResult::Status::Ok);
    const auto bad = loadXmlFile(dir / "bad.xml");
    EXPECT_EQ(bad.status, XmlFileResult::Status::Malformed);
    EXPECT_FALSE(bad.reason.empty());
    const auto folder = loadXmlFile(dir.path());
    EXPECT_EQ(folder.status, XmlFileResult::Status::Unreadable);
    EXPECT_FALSE(folder.reason.empty());
}

} // namespace
} // namespace birch
