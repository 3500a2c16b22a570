// The DOM document through the members scripts and the engine call: loading
// and parse errors, serialisation that keeps the declaration, selections
// (including the XSL-pattern spelling), building, moving and removing nodes.
#include <gtest/gtest.h>

#include "platform/automation/com_error.h"
#include "platform/xml/xml_attribute.h"
#include "platform/xml/xml_classes.h"
#include "platform/xml/xml_errors.h"
#include "platform/xml/xml_node.h"
#include "platform/xml/xml_node_list.h"
#include "platform/xml/xml_parse_error.h"
#include "platform/xml/xml_path.h"

namespace corvela::xml {
namespace {

constexpr const char* kTree =
    "<?xml version=\"1.0\" encoding=\"gb2312\"?>"
    "<structure><News id=\"3\"><Sports id=\"12\"/><财经 id=\"14\"/></News><Blog id=\"20\"/></structure>";

std::shared_ptr<XmlNode> load(const char* text) {
  auto doc = XmlNode::newDocument();
  EXPECT_TRUE(doc->loadXML(text)) << doc->parseError()->reason();
  return doc;
}

std::string idOf(const std::shared_ptr<Object>& node) {
  auto element = std::dynamic_pointer_cast<XmlNode>(node);
  return element ? element->getAttribute("id").toString() : "(none)";
}

TEST(XmlDocument, SerialisationKeepsTheDeclarationAndTheText) {
  const char* texts[] = {
      kTree,
      "<?xml version=\"1.0\"?><structure/>",
      "<a t=\"it's &amp; 100%\">O'Brien &lt;b&gt; 中文 ' OR 1=1 --</a>",
  };
  for (const char* text : texts) EXPECT_EQ(load(text)->xml(), text);
}

TEST(XmlDocument, FailedLoadsReportAnErrorAndLeaveTheDocumentEmpty) {
  struct Case {
    const char* text;
    int32_t code;
  } cases[] = {
      {"", kMissingRootElement},
      {"<?xml version=\"1.0\"?>", kMissingRootElement},
      {"<a><b></a>", kMalformedDocument},
      {"<a/><b/>", kMultipleRoots},
  };
  for (const Case& c : cases) {
    auto doc = load(kTree);
    EXPECT_FALSE(doc->loadXML(c.text)) << c.text;
    EXPECT_EQ(doc->parseError()->errorCode(), c.code) << c.text;
    EXPECT_FALSE(doc->parseError()->reason().empty());
    EXPECT_EQ(doc->documentElement(), nullptr) << c.text;
    EXPECT_EQ(doc->xml(), "") << c.text;
    EXPECT_TRUE(doc->loadXML("<ok/>"));
    EXPECT_EQ(doc->parseError()->errorCode(), 0);
  }
}

TEST(XmlDocument, ParseErrorPointsAtTheLine) {
  auto doc = XmlNode::newDocument();
  EXPECT_FALSE(doc->loadXML("<a>\n<b>\n</a>"));
  EXPECT_EQ(doc->parseError()->line(), 3);
}

TEST(XmlSelect, PathsTheTreeClassesUse) {
  auto doc = load(kTree);
  struct Case {
    const char* path;
    const char* id;
  } cases[] = {
      {"/structure/News", "3"},
      {"/structure/News/Sports", "12"},
      {"/structure/News/财经", "14"},
      {"/structure//node()[@id=\"12\"]", "12"},
      {"/structure//node()[@id=\"20\"]", "20"},
      {"/structure//node()[@id=\"99\"]", "(none)"},
      {"/structure/*[nodeName()='Blog']", "20"},
      {"/structure/Nothing", "(none)"},
      {"/structure/*", "3"},
  };
  for (const Case& c : cases) EXPECT_EQ(idOf(doc->selectSingleNode(c.path)), c.id) << c.path;
  EXPECT_EQ(doc->selectNodes("/structure/News//node()")->length(), 2);
  EXPECT_EQ(doc->selectNodes("/structure/*")->length(), 2);
}

TEST(XmlSelect, AttributesAndRelativePaths) {
  auto doc = load(kTree);
  auto news = doc->selectElement("/structure/News");
  ASSERT_TRUE(news);
  auto attribute = std::dynamic_pointer_cast<XmlAttribute>(news->selectSingleNode("@id"));
  ASSERT_TRUE(attribute);
  EXPECT_EQ(attribute->value(), "3");
  EXPECT_EQ(news->selectNodes(".//node()")->length(), 2);
  EXPECT_EQ(idOf(news->selectSingleNode("Sports")), "12");
}

TEST(XmlSelect, AMalformedPathRaisesTheDomError) {
  auto doc = load(kTree);
  try {
    doc->selectSingleNode("/structure/[");
    FAIL() << "no error";
  } catch (const ComError& e) {
    EXPECT_EQ(e.number(), kXmlFailure);
    EXPECT_EQ(e.source(), kXmlErrorSource);
  }
}

TEST(XmlPattern, NodeNameIsRewrittenOutsideLiterals) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"/a/*[nodeName()='b']", "/a/*[name()='b']"},
      {"/a/*[nodeName()=\"nodeName()\"]", "/a/*[name()=\"nodeName()\"]"},
      {"/a/mynodeName()", "/a/mynodeName()"},
      {"/a/b", "/a/b"},
  };
  for (const Case& c : cases) EXPECT_EQ(xpathFromPattern(c.in), c.out);
}

TEST(XmlBuild, CreatedElementsJoinTheTreeWhereAppended) {
  auto doc = load("<?xml version=\"1.0\"?><structure/>");
  auto channel = doc->createElement("新闻");
  channel->setAttribute("id", Variant(7));
  EXPECT_EQ(doc->selectElement("/structure//node()[@id=\"7\"]"), nullptr) << "not yet appended";
  doc->documentElement()->appendChild(channel);
  EXPECT_EQ(doc->xml(), "<?xml version=\"1.0\"?><structure><新闻 id=\"7\"/></structure>");
  EXPECT_EQ(idOf(doc->selectSingleNode("/structure/新闻")), "7");
}

TEST(XmlBuild, InvalidNamesAreRefused) {
  auto doc = XmlNode::newDocument();
  for (const char* name : {"", "1abc", "a b", "a'b", "a/b"}) {
    EXPECT_THROW(doc->createElement(name), ComError) << name;
    EXPECT_THROW(doc->createAttribute(name), ComError) << name;
  }
  EXPECT_NO_THROW(doc->createElement("_a-1.b"));
}

TEST(XmlBuild, MovingAnElementKeepsItsBranchAndPutsItLast) {
  // What a rename does: a new element takes over the old one's children and
  // attributes, goes to the end of the parent, and the old one leaves.
  auto doc = load(kTree);
  auto old = doc->selectElement("/structure/News");
  auto renamed = doc->createElement("World");
  renamed->setAttribute("id", old->getAttribute("id"));
  while (auto child = old->firstChild()) renamed->appendChild(child);
  auto parent = old->parentNode();
  parent->appendChild(renamed);
  parent->removeChild(old);
  EXPECT_EQ(doc->xml(),
            "<?xml version=\"1.0\" encoding=\"gb2312\"?>"
            "<structure><Blog id=\"20\"/><World id=\"3\"><Sports id=\"12\"/><财经 id=\"14\"/></World></structure>");
  EXPECT_EQ(idOf(doc->selectSingleNode("/structure/World/Sports")), "12");
}

TEST(XmlBuild, RemovedNodesLeaveEveryViewButStayUsable) {
  auto doc = load(kTree);
  auto news = doc->selectElement("/structure/News");
  doc->documentElement()->removeChild(news);
  EXPECT_EQ(doc->selectElement("/structure//node()[@id=\"12\"]"), nullptr);
  EXPECT_EQ(doc->documentElement()->childNodes()->length(), 1);
  EXPECT_EQ(doc->getElementsByTagName("*")->length(), 2);
  EXPECT_EQ(news->parentNode(), nullptr);
  EXPECT_EQ(news->selectNodes(".//node()")->length(), 2) << "the branch is whole";
  doc->documentElement()->appendChild(news);
  EXPECT_EQ(idOf(doc->selectSingleNode("/structure/News/Sports")), "12");
}

TEST(XmlBuild, RemovingANodeThatIsNotAChildRaises) {
  auto doc = load(kTree);
  auto sports = doc->selectElement("/structure/News/Sports");
  EXPECT_THROW(doc->documentElement()->removeChild(sports), ComError);
  EXPECT_THROW(sports->appendChild(doc->selectElement("/structure/News")), ComError) << "ancestor under itself";
  EXPECT_THROW(doc->appendChild(doc->createElement("second")), ComError) << "one root only";
}

TEST(XmlBuild, NodesOfAnotherDocumentAreCopiedIn) {
  auto target = load("<r/>");
  auto source = load("<s><x a=\"1\"/></s>");
  auto x = source->selectElement("/s/x");
  target->documentElement()->appendChild(x);
  EXPECT_EQ(target->xml(), "<r><x a=\"1\"/></r>");
  EXPECT_EQ(source->xml(), "<s><x a=\"1\"/></s>");
}

TEST(XmlBuild, ANodeAskedForTwiceIsTheSameObject) {
  auto doc = load(kTree);
  auto news = doc->selectElement("/structure/News");
  EXPECT_EQ(news, doc->documentElement()->firstChild());
  EXPECT_EQ(news->ownerDocument(), doc);
  EXPECT_EQ(news->parentNode(), doc->documentElement());
  doc->loadXML("<other/>");
  EXPECT_EQ(doc->documentElement()->ownerDocument(), doc) << "a reloaded document is still the same object";
}

TEST(XmlText, ReadsDescendantTextAndReplacesChildren) {
  auto doc = load("<a>one<b>two</b><![CDATA[<3>]]></a>");
  auto a = doc->documentElement();
  EXPECT_EQ(a->text(), "onetwo<3>");
  a->setText("x & y");
  EXPECT_EQ(a->xml(), "<a>x &amp; y</a>");
  EXPECT_EQ(a->childNodes()->length(), 1);
}

TEST(XmlAttributes, MapListsGetsAndRemoves) {
  auto doc = load("<a id=\"1\" name=\"n\"/>");
  auto a = doc->documentElement();
  auto map = a->attributes();
  ASSERT_EQ(map->length(), 2);
  EXPECT_EQ(std::dynamic_pointer_cast<XmlAttribute>(map->item(1))->name(), "name");
  EXPECT_EQ(map->item(2), nullptr);
  EXPECT_TRUE(a->getAttribute("missing").isNull());
  auto removed = map->removeNamedItem("id");
  ASSERT_TRUE(removed);
  EXPECT_EQ(std::dynamic_pointer_cast<XmlAttribute>(removed)->value(), "1");
  EXPECT_EQ(a->xml(), "<a name=\"n\"/>");
  auto created = std::dynamic_pointer_cast<XmlAttribute>(doc->createAttribute("k"));
  created->setValue(Variant("v'1"));
  a->setAttributeNode(created);
  EXPECT_EQ(a->getAttribute("k").toString(), "v'1");
}

TEST(XmlClasses, ScriptsCreateTheDocumentByEitherProgId) {
  registerXmlClasses();
  for (const char* progId : {"Microsoft.XMLDOM", "MSXML2.DOMDocument"}) {
    std::shared_ptr<Object> doc = createObject(progId);
    EXPECT_EQ(doc->className(), "DOMDocument");
    Variant text("<a><b id='1'/></a>");
    EXPECT_TRUE(doc->call("loadXML", std::span<Variant>(&text, 1)).toBool());
    Variant errorCode = doc->get("parseError").toObject()->get("errorCode");
    EXPECT_EQ(errorCode.toLong(), 0);
    Variant path("/a/b");
    std::shared_ptr<Object> b = doc->call("selectSingleNode", std::span<Variant>(&path, 1)).toObject();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->className(), "IXMLDOMElement");
    Variant name("id");
    EXPECT_EQ(b->call("getAttribute", std::span<Variant>(&name, 1)).toString(), "1");
  }
}

}  // namespace
}  // namespace corvela::xml
