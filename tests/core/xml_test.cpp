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

TEST(Xml, ParseErrorGivesDescriptionAndOffset)
{
    const auto parsed = parseXml("<r><a></r>");
    EXPECT_FALSE(parsed.ok());
    EXPECT_NE(parsed.error.find("offset"), std::string::npos) << parsed.error;
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
