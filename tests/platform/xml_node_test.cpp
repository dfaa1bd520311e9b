// Node operations: lifetime of removed and orphaned nodes, appending within
// and across documents, copies, text, attributes, and the null node.
#include "errorcore/error.h"
#include "expecterror.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <functional>
#include <tuple>
#include <gtest/gtest.h>

namespace {

XmlNode parse(const char *text)
{
    return XmlNode::parse(QString::fromUtf8(text));
}

XmlNode element(const XmlNode &document, const char *path)
{
    return document.selectSingleNode(QString::fromUtf8(path));
}

TEST(XmlNodeLifetime, NodesOutliveTheWrappersOfTheirDocument)
{
    XmlNode removed, inner, created, inTree;
    {
        const XmlNode document = parse("<r><a k=\"1\"><b>t</b></a><c><d>u</d></c><e/></r>");
        XmlNode root = document.documentElement();
        removed = root.removeChild(root.firstChild());
        inner = root.removeChild(root.firstChild()).firstChild();
        inTree = root.lastChild();
        created = XmlNode::newDocument().createElement(QStringLiteral("Documentation"));
    }
    // Only these refer to their documents now; each must still work,
    // including the calls that reach its owner document.
    EXPECT_TRUE(removed.parentNode().isNull());
    EXPECT_EQ(removed.ownerDocument().xml(), QStringLiteral("<r><e/></r>"));
    EXPECT_EQ(inner.xml(), QStringLiteral("<d>u</d>"));
    EXPECT_EQ(inner.ownerDocument().documentElement().nodeName(), QStringLiteral("r"));
    EXPECT_EQ(inTree.parentNode().xml(), QStringLiteral("<r><e/></r>"));
    EXPECT_EQ(inTree.selectSingleNode(QStringLiteral("/r/e")), inTree);
    removed.appendChild(removed.createElement(QStringLiteral("d"))).setText(QStringLiteral("new"));
    EXPECT_EQ(removed.xml(), QStringLiteral("<a k=\"1\"><b>t</b><d>new</d></a>"));
    created.appendChild(XmlNode::newDocument().createCDATASection(QStringLiteral("c")));
    created.setAttribute(QStringLiteral("v"), QStringLiteral("1"));
    EXPECT_EQ(created.xml(), QStringLiteral("<Documentation v=\"1\"><![CDATA[c]]></Documentation>"));
    EXPECT_TRUE(created.ownerDocument().documentElement().isNull());
}

TEST(XmlNodeAppend, SameDocumentMovesTheVeryNodeOtherDocumentImportsACopy)
{
    const XmlNode document = parse("<r><a><x k=\"1\"/></a><b/><c/></r>");
    const XmlNode x = element(document, "r/a/x");
    XmlNode b = element(document, "r/b");
    EXPECT_EQ(b.appendChild(x), x);
    EXPECT_EQ(x.parentNode(), b);
    XmlNode root = document.documentElement();
    const XmlNode a = root.removeChild(root.firstChild());
    EXPECT_EQ(root.appendChild(a), a);
    EXPECT_EQ(document.xml(), QStringLiteral("<r><b><x k=\"1\"/></b><c/><a/></r>"));

    const XmlNode target = parse("<r/>");
    XmlNode copy;
    {
        const XmlNode source = parse("<s><t k=\"v\"><u>1</u></t></s>");
        const XmlNode t = element(source, "s/t");
        copy = target.documentElement().appendChild(t);
        EXPECT_NE(copy, t);
        EXPECT_EQ(t.parentNode(), source.documentElement());
        copy.setText(QStringLiteral("changed"));
        EXPECT_EQ(source.xml(), QStringLiteral("<s><t k=\"v\"><u>1</u></t></s>"));
    }
    EXPECT_EQ(copy.ownerDocument(), target);
    EXPECT_EQ(copy.parentNode(), target.documentElement());
    EXPECT_EQ(target.xml(), QStringLiteral("<r><t k=\"v\">changed</t></r>"));

}

TEST(XmlNodeAppend, WhatCannotGoThereRaises)
{
    XmlNode document = parse("<a><b><c/></b>t</a>");
    XmlNode a = document.documentElement();
    XmlNode c = element(document, "a/b/c");
    XmlNode text = a.lastChild();
    const std::tuple<const char *, long, std::function<void()>> rows[] = {
        {"to_null", 91, [] { XmlNode().appendChild(parse("<a/>")); }},
        {"null_child", 91, [&] { a.appendChild(XmlNode()); }},
        {"itself", 5, [&] { a.appendChild(a); }},
        {"ancestor_under_descendant", 5, [&] { c.appendChild(a); }},
        {"under_a_text_node", 5, [&] { text.appendChild(text.createElement(QStringLiteral("x"))); }},
        {"second_document_element", 5, [&] { document.appendChild(document.createElement(QStringLiteral("b"))); }},
        {"text_under_document", 5, [&] { document.appendChild(document.createTextNode(QStringLiteral("t"))); }},
        {"a_document", 5, [&] { a.appendChild(parse("<b/>")); }},
        {"remove_not_a_child", 5, [&] { a.removeChild(c); }},
        {"text_of_a_document", 5, [&] { document.setText(QStringLiteral("x")); }},
        {"bad_attribute_name", 5, [&] { a.setAttribute(QStringLiteral("1bad"), {}); }},
        {"attribute_of_a_document", 5, [&] { document.setAttribute(QStringLiteral("k"), {}); }},
    };
    for (const auto &[name, number, body] : rows) {
        SCOPED_TRACE(name);
        expectError(number, body);
    }
    EXPECT_EQ(document.xml(), QStringLiteral("<a><b><c/></b>t</a>"));
    for (const char *name : {"", "1a", "a b", "<a>", "-a"})
        expectError(5, [&] { document.createElement(QString::fromUtf8(name)); });
    EXPECT_EQ(document.createElement(QString::fromUtf8("x:\xC3\xA9l\xC3\xA9ment-1.2")).nodeName(),
              QString::fromUtf8("x:\xC3\xA9l\xC3\xA9ment-1.2"));
}

TEST(XmlNodeClone, DeepCopiesTheSubtreeShallowOnlyTheElement)
{
    XmlNode deep, documentCopy;
    {
        const XmlNode document = parse("<?xml version=\"1.0\"?><r><a k=\"1\"><b>t</b><!--c--></a></r>");
        const XmlNode a = element(document, "r/a");
        deep = a.cloneNode(true);
        EXPECT_EQ(a.cloneNode(false).xml(), QStringLiteral("<a k=\"1\"/>"));
        EXPECT_EQ(deep.ownerDocument(), document);
        deep.setText(QStringLiteral("x"));
        EXPECT_EQ(a.xml(), QStringLiteral("<a k=\"1\"><b>t</b><!--c--></a>"));
        documentCopy = document.cloneNode(true);
        EXPECT_NE(documentCopy, document);
    }
    EXPECT_TRUE(deep.parentNode().isNull());
    EXPECT_EQ(deep.appendChild(deep.createElement(QStringLiteral("c"))).parentNode().xml(),
              QStringLiteral("<a k=\"1\">x<c/></a>"));
    EXPECT_EQ(documentCopy.ownerDocument(), documentCopy);
    EXPECT_EQ(documentCopy.xml(), QStringLiteral("<?xml version=\"1.0\"?>\n<r><a k=\"1\"><b>t</b><!--c--></a></r>"));
}

TEST(XmlNodeText, TextJoinsDescendantsAndSetTextReplacesThem)
{
    const XmlNode document = parse("<r>a<!--c--><![CDATA[b]]><?p x?><s>c<t>d</t></s><a><b/>x</a><e>old</e></r>");
    EXPECT_EQ(document.text(), QStringLiteral("abcdxold"));
    XmlNode a = element(document, "r/a");
    a.setText(QStringLiteral("<1 & 2>"));
    ASSERT_EQ(a.childNodes().size(), 1);
    EXPECT_EQ(a.firstChild().nodeType(), XmlNode::Text);
    XmlNode e = element(document, "r/e");
    e.setText(QString());
    EXPECT_FALSE(e.hasChildNodes());
    EXPECT_EQ(document.xml(),
              QStringLiteral("<r>a<!--c--><![CDATA[b]]><?p x?><s>c<t>d</t></s><a>&lt;1 &amp; 2&gt;</a><e/></r>"));

    XmlNode cdata = document.documentElement().childNodes()[2];
    XmlNode comment = document.documentElement().childNodes()[1];
    cdata.setText(QStringLiteral("new ]]> one"));
    comment.setText(QStringLiteral("new"));
    EXPECT_EQ(cdata.text(), QStringLiteral("new ]]> one"));
    EXPECT_TRUE(document.xml().startsWith(QStringLiteral("<r>a<!--new--><![CDATA[new ]]]]><![CDATA[> one]]><?p x?>")));
}

TEST(XmlNodeNavigate, SiblingsChildrenParentsAndAttributes)
{
    const XmlNode root = parse("<r k=\"v\"><a/><b/><c/></r>").documentElement();
    XmlNode b = root.firstChild().nextSibling();
    QStringList names;
    for (const XmlNode &node : {b, b.previousSibling(), b.nextSibling(), root.lastChild().nextSibling(),
                                root.firstChild().previousSibling(), b.parentNode(), root.parentNode(),
                                root.parentNode().parentNode(), b.firstChild()})
        names << (node.isNull() ? QStringLiteral("null") : node.nodeName());
    EXPECT_EQ(names.join(u' '), QStringLiteral("b a c null null r #document null null"));
    EXPECT_FALSE(b.hasChildNodes());
    EXPECT_EQ(root.childNodes().size(), 3);
    const XmlNode same = b;
    b.setAttribute(QStringLiteral("k"), QStringLiteral("w"));
    EXPECT_EQ(same.attribute(QStringLiteral("k")), QStringLiteral("w"));
    EXPECT_EQ(root.attribute(QStringLiteral("missing")), QString());
    EXPECT_EQ(root.xml(), QStringLiteral("<r k=\"v\"><a/><b k=\"w\"/><c/></r>"));
}

// Calls on a null node with the same arguments: each of them raises 91.
template <class... Args>
struct NullNodeCalls
{
    std::tuple<Args...> args;

    template <class... Member>
    void eachRaises91(Member... members) const
    {
        const auto call = [&](auto member) { std::apply([&](const Args &...a) { (XmlNode().*member)(a...); }, args); };
        (expectError(91, [&] { call(members); }), ...);
    }
};

TEST(XmlNullNode, EveryUseRaises91)
{
    const QString a = QStringLiteral("a");
    NullNodeCalls<>{}.eachRaises91(&XmlNode::nodeType, &XmlNode::nodeName, &XmlNode::text, &XmlNode::firstChild,
                                   &XmlNode::lastChild, &XmlNode::nextSibling, &XmlNode::previousSibling,
                                   &XmlNode::parentNode, &XmlNode::childNodes, &XmlNode::hasChildNodes,
                                   &XmlNode::ownerDocument, &XmlNode::documentElement);
    NullNodeCalls<QString>{{a}}.eachRaises91(&XmlNode::selectSingleNode, &XmlNode::selectNodes, &XmlNode::setText,
                                             &XmlNode::createElement, &XmlNode::createCDATASection,
                                             &XmlNode::createTextNode, &XmlNode::createComment, &XmlNode::attribute);
    NullNodeCalls<bool>{{true}}.eachRaises91(&XmlNode::cloneNode, &XmlNode::xml);
    NullNodeCalls<XmlNode>{{XmlNode::newDocument().createElement(a)}}.eachRaises91(&XmlNode::appendChild,
                                                                                   &XmlNode::removeChild);
    NullNodeCalls<QString, QString>{{a, a}}.eachRaises91(&XmlNode::setAttribute);
    expectError(91, [] { parse("<r/>").selectSingleNode(QStringLiteral("r/Missing")).text(); });
    const XmlNode nothing;
    EXPECT_FALSE(static_cast<bool>(nothing));
    EXPECT_EQ(nothing, XmlNode());
    EXPECT_NE(nothing, XmlNode::newDocument());
    EXPECT_TRUE(static_cast<bool>(XmlNode::newDocument()));
    EXPECT_TRUE(XmlNode(QDomNode()).isNull());
}

} // namespace
