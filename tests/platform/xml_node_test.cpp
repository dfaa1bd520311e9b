// Node operations: lifetime of removed and orphaned nodes, appending within
// and across documents, copies, text, attributes, and the null node.
#include "errorcore/error.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

XmlNode parse(const char *text)
{
    return XmlNode::parse(QString::fromUtf8(text));
}

// Raises `number`, or fails the test.
template <class Body>
void expectError(long number, Body &&body)
{
    try {
        body();
        ADD_FAILURE() << "no error raised, expected " << number;
    } catch (const Error &error) {
        EXPECT_EQ(error.number, number) << error.description.toStdString();
    }
}

// ------------------------------------------------------------------ lifetime

TEST(XmlNodeLifetime, RemovedNodeOutlivesItsDocumentWrapper)
{
    XmlNode removed;
    {
        const XmlNode document = parse("<r><a k=\"1\"><b>t</b></a><c/></r>");
        XmlNode root = document.documentElement();
        removed = root.removeChild(root.firstChild());
        EXPECT_EQ(document.xml(), QStringLiteral("<r><c/></r>"));
    }
    // Only `removed` refers to the document now; the node must still work,
    // including the calls that reach its owner document.
    EXPECT_TRUE(removed.parentNode().isNull());
    EXPECT_EQ(removed.xml(), QStringLiteral("<a k=\"1\"><b>t</b></a>"));
    EXPECT_EQ(removed.ownerDocument().nodeType(), XmlNode::Document);
    EXPECT_EQ(removed.ownerDocument().xml(), QStringLiteral("<r><c/></r>"));
    XmlNode added = removed.appendChild(removed.createElement(QStringLiteral("d")));
    added.setText(QStringLiteral("new"));
    EXPECT_EQ(removed.xml(), QStringLiteral("<a k=\"1\"><b>t</b><d>new</d></a>"));
}

TEST(XmlNodeLifetime, ChildOfARemovedSubtreeOutlivesTheSubtree)
{
    XmlNode inner;
    {
        XmlNode root = parse("<r><a><b>t</b></a></r>").documentElement();
        const XmlNode removed = root.removeChild(root.firstChild());
        inner = removed.firstChild();
    }
    EXPECT_EQ(inner.xml(), QStringLiteral("<b>t</b>"));
    EXPECT_EQ(inner.text(), QStringLiteral("t"));
    EXPECT_EQ(inner.ownerDocument().documentElement().nodeName(), QStringLiteral("r"));
}

TEST(XmlNodeLifetime, NodeCreatedByADocumentGoneOutOfScope)
{
    XmlNode element;
    {
        const XmlNode document = XmlNode::newDocument();
        element = document.createElement(QStringLiteral("Documentation"));
    }
    element.appendChild(element.createElement(QStringLiteral("Languages")));
    element.appendChild(element.createCDATASection(QStringLiteral("c")));
    element.setAttribute(QStringLiteral("v"), QStringLiteral("1"));
    EXPECT_EQ(element.xml(), QStringLiteral("<Documentation v=\"1\"><Languages/><![CDATA[c]]></Documentation>"));
    EXPECT_TRUE(element.ownerDocument().documentElement().isNull());
}

TEST(XmlNodeLifetime, NodeInTheTreeOutlivesItsDocumentWrapper)
{
    XmlNode document = parse("<r><a><b>t</b></a></r>");
    const XmlNode b = document.selectSingleNode(QStringLiteral("r/a/b"));
    document = XmlNode();
    EXPECT_EQ(b.parentNode().parentNode().xml(), QStringLiteral("<r><a><b>t</b></a></r>"));
    EXPECT_EQ(b.selectSingleNode(QStringLiteral("/r/a")).xml(), QStringLiteral("<a><b>t</b></a>"));
}

TEST(XmlNodeLifetime, NodesOfManyShortLivedDocumentsAppendedOneByOne)
{
    // The way the model builds subtrees: each piece comes from a new document.
    XmlNode root = parse("<Events/>").documentElement();
    for (int i = 0; i < 3; ++i) {
        XmlNode event = XmlNode::newDocument().createElement(QStringLiteral("Event"));
        XmlNode name = XmlNode::newDocument().createElement(QStringLiteral("Name"));
        name.appendChild(XmlNode::newDocument().createCDATASection(QString::number(i)));
        event.appendChild(name);
        root.appendChild(event);
    }
    EXPECT_EQ(root.xml(), QStringLiteral("<Events><Event><Name><![CDATA[0]]></Name></Event>"
                                         "<Event><Name><![CDATA[1]]></Name></Event>"
                                         "<Event><Name><![CDATA[2]]></Name></Event></Events>"));
}

// ---------------------------------------------------------------- appending

TEST(XmlNodeAppend, SameDocumentMovesTheVeryNode)
{
    const XmlNode document = parse("<r><a><x k=\"1\"/></a><b/></r>");
    const XmlNode x = document.selectSingleNode(QStringLiteral("r/a/x"));
    XmlNode b = document.selectSingleNode(QStringLiteral("r/b"));

    const XmlNode moved = b.appendChild(x);
    EXPECT_EQ(moved, x);
    EXPECT_EQ(x.parentNode(), b);
    EXPECT_EQ(document.xml(), QStringLiteral("<r><a/><b><x k=\"1\"/></b></r>"));
}

TEST(XmlNodeAppend, RemovedNodeGoesBackIntoItsDocument)
{
    const XmlNode document = parse("<r><a/><b/></r>");
    XmlNode root = document.documentElement();
    const XmlNode a = root.removeChild(root.firstChild());
    EXPECT_EQ(root.appendChild(a), a);
    EXPECT_EQ(document.xml(), QStringLiteral("<r><b/><a/></r>"));
}

TEST(XmlNodeAppend, OtherDocumentImportsADeepCopy)
{
    const XmlNode target = parse("<r/>");
    const XmlNode source = parse("<s><t k=\"v\"><u>1</u></t></s>");
    const XmlNode t = source.selectSingleNode(QStringLiteral("s/t"));

    XmlNode copy = target.documentElement().appendChild(t);
    EXPECT_NE(copy, t);
    EXPECT_EQ(copy.ownerDocument(), target);
    EXPECT_EQ(copy.parentNode(), target.documentElement());
    EXPECT_EQ(target.xml(), QStringLiteral("<r><t k=\"v\"><u>1</u></t></r>"));
    // The original stays where it was, and the two are independent.
    EXPECT_EQ(t.parentNode(), source.documentElement());
    copy.setText(QStringLiteral("changed"));
    EXPECT_EQ(source.xml(), QStringLiteral("<s><t k=\"v\"><u>1</u></t></s>"));
    EXPECT_EQ(target.xml(), QStringLiteral("<r><t k=\"v\">changed</t></r>"));
}

TEST(XmlNodeAppend, CopyOutlivesTheSourceDocument)
{
    XmlNode root = parse("<r/>").documentElement();
    {
        const XmlNode other = parse("<n>1</n>");
        root.appendChild(other.documentElement());
    }
    EXPECT_EQ(root.ownerDocument().xml(), QStringLiteral("<r><n>1</n></r>"));
}

TEST(XmlNodeAppend, ElementAsDocumentElementOfAnEmptyDocument)
{
    XmlNode document = XmlNode::newDocument();
    const XmlNode root = document.appendChild(document.createElement(QStringLiteral("JobDefinition")));
    EXPECT_EQ(document.documentElement(), root);
    EXPECT_EQ(root.documentElement(), root);
}

struct BadAppend
{
    const char *name;
    std::function<void()> body;
    long number;
};

class XmlNodeBadAppend : public ::testing::TestWithParam<BadAppend>
{
};

TEST_P(XmlNodeBadAppend, Raises)
{
    expectError(GetParam().number, GetParam().body);
}

const BadAppend badAppends[] = {
    {"to_null", [] { XmlNode().appendChild(parse("<a/>")); }, 91},
    {"null_child",
     [] {
         XmlNode root = parse("<a/>").documentElement();
         root.appendChild(XmlNode());
     },
     91},
    {"itself",
     [] {
         XmlNode root = parse("<a/>").documentElement();
         root.appendChild(root);
     },
     5},
    {"ancestor_under_descendant",
     [] {
         const XmlNode document = parse("<a><b><c/></b></a>");
         XmlNode c = document.selectSingleNode(QStringLiteral("a/b/c"));
         c.appendChild(document.documentElement());
     },
     5},
    {"under_a_text_node",
     [] {
         XmlNode text = parse("<a>t</a>").documentElement().firstChild();
         text.appendChild(text.createElement(QStringLiteral("x")));
     },
     5},
    {"second_document_element",
     [] {
         XmlNode document = parse("<a/>");
         document.appendChild(document.createElement(QStringLiteral("b")));
     },
     5},
    {"text_under_document",
     [] {
         XmlNode document = parse("<a/>");
         document.appendChild(document.createTextNode(QStringLiteral("t")));
     },
     5},
    {"a_document",
     [] {
         XmlNode root = parse("<a/>").documentElement();
         root.appendChild(parse("<b/>"));
     },
     5},
};

INSTANTIATE_TEST_SUITE_P(Rows, XmlNodeBadAppend, ::testing::ValuesIn(badAppends),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlNodeRemove, NotAChildRaises5)
{
    const XmlNode document = parse("<a><b><c/></b></a>");
    XmlNode root = document.documentElement();
    const XmlNode c = document.selectSingleNode(QStringLiteral("a/b/c"));
    expectError(5, [&] { root.removeChild(c); });
    EXPECT_EQ(document.xml(), QStringLiteral("<a><b><c/></b></a>"));
}

// ------------------------------------------------------------------- copies

TEST(XmlNodeClone, DeepCopiesTheSubtreeShallowOnlyTheElement)
{
    const XmlNode document = parse("<r><a k=\"1\"><b>t</b><!--c--></a></r>");
    const XmlNode a = document.selectSingleNode(QStringLiteral("r/a"));

    XmlNode deep = a.cloneNode(true);
    const XmlNode shallow = a.cloneNode(false);
    EXPECT_EQ(deep.xml(), QStringLiteral("<a k=\"1\"><b>t</b><!--c--></a>"));
    EXPECT_EQ(shallow.xml(), QStringLiteral("<a k=\"1\"/>"));
    EXPECT_NE(deep, a);
    EXPECT_TRUE(deep.parentNode().isNull());
    EXPECT_EQ(deep.ownerDocument(), document);

    deep.setText(QStringLiteral("x"));
    EXPECT_EQ(a.xml(), QStringLiteral("<a k=\"1\"><b>t</b><!--c--></a>"));
}

TEST(XmlNodeClone, CopyOfADocumentIsANewDocument)
{
    XmlNode copy;
    {
        const XmlNode document = parse("<?xml version=\"1.0\"?><r><a/></r>");
        copy = document.cloneNode(true);
        EXPECT_NE(copy, document);
    }
    EXPECT_EQ(copy.nodeType(), XmlNode::Document);
    EXPECT_EQ(copy.ownerDocument(), copy);
    EXPECT_EQ(copy.xml(), QStringLiteral("<?xml version=\"1.0\"?>\n<r><a/></r>"));
}

TEST(XmlNodeClone, CopyOutlivesTheOriginalDocument)
{
    XmlNode copy;
    {
        copy = parse("<r><a><b/></a></r>").documentElement().firstChild().cloneNode(true);
    }
    copy.appendChild(copy.createElement(QStringLiteral("c")));
    EXPECT_EQ(copy.xml(), QStringLiteral("<a><b/><c/></a>"));
}

// ---------------------------------------------------------------------- text

TEST(XmlNodeText, ElementTextJoinsTextAndCdataOfAllDescendants)
{
    const XmlNode root = parse("<r>a<!--c--><![CDATA[b]]><?p x?><s>c<t>d</t></s></r>").documentElement();
    EXPECT_EQ(root.text(), QStringLiteral("abcd"));
    EXPECT_EQ(root.ownerDocument().text(), QStringLiteral("abcd"));
}

TEST(XmlNodeText, SetTextReplacesAllChildren)
{
    const XmlNode document = parse("<r><a><b/>x<![CDATA[y]]></a></r>");
    XmlNode a = document.selectSingleNode(QStringLiteral("r/a"));
    a.setText(QStringLiteral("<1 & 2>"));
    EXPECT_EQ(document.xml(), QStringLiteral("<r><a>&lt;1 &amp; 2&gt;</a></r>"));
    ASSERT_EQ(a.childNodes().size(), 1);
    EXPECT_EQ(a.firstChild().nodeType(), XmlNode::Text);
    EXPECT_EQ(a.text(), QStringLiteral("<1 & 2>"));
}

TEST(XmlNodeText, EmptyTextLeavesNoChild)
{
    const XmlNode document = parse("<r><a>old</a></r>");
    XmlNode a = document.selectSingleNode(QStringLiteral("r/a"));
    a.setText(QString());
    EXPECT_FALSE(a.hasChildNodes());
    EXPECT_EQ(document.xml(), QStringLiteral("<r><a/></r>"));
}

TEST(XmlNodeText, SetTextOfCharacterDataKeepsTheNode)
{
    const XmlNode document = parse("<r><a><![CDATA[old]]></a><b>old</b><!--old--></r>");
    XmlNode cdata = document.selectSingleNode(QStringLiteral("r/a")).firstChild();
    XmlNode text = document.selectSingleNode(QStringLiteral("r/b")).firstChild();
    XmlNode comment = document.documentElement().lastChild();
    cdata.setText(QStringLiteral("new ]]> one"));
    text.setText(QStringLiteral("new"));
    comment.setText(QStringLiteral("new"));
    EXPECT_EQ(cdata.text(), QStringLiteral("new ]]> one"));
    EXPECT_EQ(document.xml(),
              QStringLiteral("<r><a><![CDATA[new ]]]]><![CDATA[> one]]></a><b>new</b><!--new--></r>"));
}

TEST(XmlNodeText, SetTextOfADocumentRaises5)
{
    XmlNode document = parse("<r/>");
    expectError(5, [&] { document.setText(QStringLiteral("x")); });
}

// ---------------------------------------------------------------- navigation

TEST(XmlNodeNavigate, SiblingsChildrenAndParents)
{
    const XmlNode root = parse("<r><a/><b/><c/></r>").documentElement();
    const XmlNode b = root.firstChild().nextSibling();
    EXPECT_EQ(b.nodeName(), QStringLiteral("b"));
    EXPECT_EQ(b.previousSibling(), root.firstChild());
    EXPECT_EQ(b.nextSibling(), root.lastChild());
    EXPECT_TRUE(root.lastChild().nextSibling().isNull());
    EXPECT_TRUE(root.firstChild().previousSibling().isNull());
    EXPECT_EQ(b.parentNode(), root);
    EXPECT_EQ(root.parentNode().nodeType(), XmlNode::Document);
    EXPECT_TRUE(root.parentNode().parentNode().isNull());
    EXPECT_TRUE(b.firstChild().isNull());
    EXPECT_FALSE(b.hasChildNodes());
    EXPECT_EQ(root.childNodes().size(), 3);
}

TEST(XmlNodeNavigate, CopiesReferToTheSameNode)
{
    const XmlNode document = parse("<r><a/></r>");
    XmlNode first = document.selectSingleNode(QStringLiteral("r/a"));
    const XmlNode second = first;
    first.setText(QStringLiteral("v"));
    EXPECT_EQ(second.text(), QStringLiteral("v"));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, document.selectSingleNode(QStringLiteral("r/a")));
}

// ---------------------------------------------------------------- attributes

TEST(XmlNodeAttributes, ReadWriteAndMissing)
{
    XmlNode root = parse("<r k=\"v\"/>").documentElement();
    EXPECT_EQ(root.attribute(QStringLiteral("k")), QStringLiteral("v"));
    EXPECT_EQ(root.attribute(QStringLiteral("missing")), QString());
    root.setAttribute(QStringLiteral("k"), QStringLiteral("w"));
    EXPECT_EQ(root.xml(), QStringLiteral("<r k=\"w\"/>"));
    expectError(5, [&] { root.setAttribute(QStringLiteral("1bad"), QStringLiteral("x")); });
    XmlNode document = root.ownerDocument();
    expectError(5, [&] { document.setAttribute(QStringLiteral("k"), QStringLiteral("x")); });
}

TEST(XmlNodeCreate, InvalidElementNamesRaise5)
{
    const XmlNode document = XmlNode::newDocument();
    for (const char *name : {"", "1a", "a b", "<a>", "-a"})
        expectError(5, [&] { document.createElement(QString::fromUtf8(name)); });
    EXPECT_EQ(document.createElement(QString::fromUtf8("x:\xC3\xA9l\xC3\xA9ment-1.2")).nodeName(),
              QString::fromUtf8("x:\xC3\xA9l\xC3\xA9ment-1.2"));
}

// ----------------------------------------------------------------- null node

struct NullUse
{
    const char *name;
    std::function<void(XmlNode &)> use;
};

class XmlNullNode : public ::testing::TestWithParam<NullUse>
{
};

TEST_P(XmlNullNode, Raises91)
{
    XmlNode nothing;
    try {
        GetParam().use(nothing);
        FAIL() << "no error raised";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 91);
        EXPECT_EQ(error.description, QStringLiteral("Object variable or With block variable not set"));
    }
}

const NullUse nullUses[] = {
    {"nodeType", [](XmlNode &n) { n.nodeType(); }},
    {"nodeName", [](XmlNode &n) { n.nodeName(); }},
    {"selectSingleNode", [](XmlNode &n) { n.selectSingleNode(QStringLiteral("a")); }},
    {"selectNodes", [](XmlNode &n) { n.selectNodes(QStringLiteral("a")); }},
    {"text", [](XmlNode &n) { n.text(); }},
    {"setText", [](XmlNode &n) { n.setText(QStringLiteral("a")); }},
    {"appendChild", [](XmlNode &n) { n.appendChild(XmlNode::newDocument().createElement(QStringLiteral("a"))); }},
    {"removeChild", [](XmlNode &n) { n.removeChild(XmlNode::newDocument()); }},
    {"cloneNode", [](XmlNode &n) { n.cloneNode(true); }},
    {"firstChild", [](XmlNode &n) { n.firstChild(); }},
    {"lastChild", [](XmlNode &n) { n.lastChild(); }},
    {"nextSibling", [](XmlNode &n) { n.nextSibling(); }},
    {"previousSibling", [](XmlNode &n) { n.previousSibling(); }},
    {"parentNode", [](XmlNode &n) { n.parentNode(); }},
    {"childNodes", [](XmlNode &n) { n.childNodes(); }},
    {"hasChildNodes", [](XmlNode &n) { n.hasChildNodes(); }},
    {"ownerDocument", [](XmlNode &n) { n.ownerDocument(); }},
    {"documentElement", [](XmlNode &n) { n.documentElement(); }},
    {"createElement", [](XmlNode &n) { n.createElement(QStringLiteral("a")); }},
    {"createCDATASection", [](XmlNode &n) { n.createCDATASection(QStringLiteral("a")); }},
    {"createTextNode", [](XmlNode &n) { n.createTextNode(QStringLiteral("a")); }},
    {"createComment", [](XmlNode &n) { n.createComment(QStringLiteral("a")); }},
    {"attribute", [](XmlNode &n) { n.attribute(QStringLiteral("a")); }},
    {"setAttribute", [](XmlNode &n) { n.setAttribute(QStringLiteral("a"), QStringLiteral("b")); }},
    {"xml", [](XmlNode &n) { n.xml(); }},
    {"missingNodeUsedAsElement",
     [](XmlNode &) { parse("<r/>").selectSingleNode(QStringLiteral("r/Missing")).text(); }},
};

INSTANTIATE_TEST_SUITE_P(Rows, XmlNullNode, ::testing::ValuesIn(nullUses),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlNullNode, TestsAndComparisonsDoNotRaise)
{
    const XmlNode nothing;
    const XmlNode other;
    EXPECT_TRUE(nothing.isNull());
    EXPECT_FALSE(static_cast<bool>(nothing));
    EXPECT_EQ(nothing, other);
    const XmlNode document = XmlNode::newDocument();
    EXPECT_NE(nothing, document);
    EXPECT_TRUE(static_cast<bool>(document));
    EXPECT_TRUE(XmlNode(QDomNode()).isNull());
}

} // namespace
