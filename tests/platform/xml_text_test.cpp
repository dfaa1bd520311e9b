// XML text in and out: what survives a parse and a serialization, the
// white-space rule, CDATA holding "]]>", indentation, the errors a bad text
// gives, and the limits on nesting and attributes.
#include "errorcore/error.h"
#include "expecterror.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <gtest/gtest.h>
#include <tuple>

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

TEST(XmlParse, ParseThenXmlGivesExpectedTextThatReadsBackTheSame)
{
    // Input, and what xml() gives (null: the input as it is).
    const std::pair<const char *, const char *> rows[] = {
        {R"(<a><b x="1">t</b><c/></a>)", nullptr},
        {"<a></a>", "<a/>"},
        {"<?xml version='1.0' standalone='yes'?><r/>", "<?xml version='1.0' standalone='yes'?>\n<r/>"},
        // A string is already decoded: the declared encoding is kept but not obeyed.
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<r>\xC3\xA9</r>", nullptr},
        {R"(<!--head--><?style href="x.css"?><r><!-- in --><?pi some data?></r><!--tail-->)",
         "<!--head-->\n<?style href=\"x.css\"?>\n<r><!-- in --><?pi some data?></r>\n<!--tail-->"},
        {R"(<r z="1" a="2" m="3"/>)", R"(<r a="2" m="3" z="1"/>)"},
        {R"(<x:r xmlns:x="urn:x" xmlns="urn:d"><x:c x:k="v"/><d/></x:r>)",
         R"(<x:r xmlns="urn:d" xmlns:x="urn:x"><x:c x:k="v"/><d/></x:r>)"},
        {R"(<r a="&lt;&quot;&#10;">&lt;&amp;&gt;&#65;&apos;</r>)", R"(<r a="&lt;&quot;&#10;">&lt;&amp;&gt;A'</r>)"},
        {"<r \xC3\xA9t\xC3\xA9=\"\xC3\xBC\">Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80</r>", nullptr},
        {"<r><![CDATA[a<b&c]]></r>", nullptr},
        {"<r><![CDATA[]]></r>", nullptr},
        {"<r>a<![CDATA[b]]>\nc</r>", nullptr},
        {"<!DOCTYPE r SYSTEM \"r.dtd\">\n<r/>", nullptr},
        {"<?xml version=\"1.0\"?>\n<!DOCTYPE r PUBLIC \"-//X//r\" \"r.dtd\">\n<r/>", nullptr},
        {"<!--a--><!DOCTYPE r [<!--b--><?c?><!ENTITY who \"world\">]><r>hello &who;</r>",
         "<!--a-->\n<!DOCTYPE r [<!--b--><?c?><!ENTITY who \"world\">]>\n<r>hello world</r>"},
        {"<r>a\r\nb\rc</r>", "<r>a\nb\nc</r>"},
        // Blank text is dropped between elements (and comments, instructions)
        // and kept as an only child and wherever an element holds text: beside
        // text or CDATA, or on one line between two elements.
        {"<Events>\n  </Events>", nullptr},
        {"<a>\n  <b>1</b>\n  <c>2</c>\n<d/></a>\n", "<a><b>1</b><c>2</c><d/></a>"},
        {"<a> <!--c--> \t<?p?>\r\n</a>", "<a><!--c--><?p?></a>"},
        {"<a> <b/> </a>", "<a><b/></a>"},
        {"<EvalCode>\n  <![CDATA[x]]>\n</EvalCode>", nullptr},
        {"<a> x <b/> </a>", nullptr},
        {"<a> <![CDATA[ ]]> </a>", nullptr},
        {"<d>\n  <b>collector</b> <i>service</i>\n</d>\n", "<d>\n  <b>collector</b> <i>service</i>\n</d>"},
        {"<d><p>The <b>collector</b>\n<i>service</i>\n</p>\n</d>", "<d><p>The <b>collector</b>\n<i>service</i>\n</p></d>"},
    };
    for (const auto &[input, output] : rows) {
        SCOPED_TRACE(input);
        const QString expected = utf8(output ? output : input);
        const XmlNode document = XmlNode::parse(utf8(input));
        EXPECT_EQ(document.xml(), expected);
        EXPECT_EQ(XmlNode::parse(document.xml()).xml(), expected);
    }
}

TEST(XmlParse, NodesOfEachKind)
{
    const XmlNode document = XmlNode::parse(utf8("<?xml version=\"1.0\"?><r><!--note--><?target data?>"
                                                 "<![CDATA[c]]><e k=\"v&#10;\">a&amp;b</e>\xF0\x9F\x98\x80</r>"));
    const XmlNode root = document.documentElement();
    const XmlNode e = root.childNodes()[3];
    const XmlNode k(e.domNode().toElement().attributeNode(QStringLiteral("k")));
    QStringList nodes;
    for (const XmlNode &node : QList<XmlNode>{document.firstChild(), e.firstChild(), k} + root.childNodes())
        nodes << QStringLiteral("%1 %2 '%3' %4").arg(node.nodeType()).arg(node.nodeName(), node.text(), node.xml());
    EXPECT_EQ(nodes, QStringList({"7 xml 'version=\"1.0\"' <?xml version=\"1.0\"?>", "3 #text 'a&b' a&amp;b",
                                  "2 k 'v\n' k=\"v&#10;\"", "8 #comment 'note' <!--note-->",
                                  "7 target 'data' <?target data?>", "4 #cdata-section 'c' <![CDATA[c]]>",
                                  "1 e 'a&b' <e k=\"v&#10;\">a&amp;b</e>", "3 #text '\U0001F600' \U0001F600"}));
}

// `depth` nested elements, one per line; or one element on the second line
// with `count` attributes.
QString nested(int depth)
{
    return QStringLiteral("<e>\n").repeated(depth) + QStringLiteral("x") + QStringLiteral("</e>").repeated(depth);
}

QString wide(int count)
{
    QString text = QStringLiteral("<r>\n<e");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral(" a%1=\"1\"").arg(i);
    return text + QStringLiteral("/></r>");
}

TEST(XmlParse, BadTextRaisesCodeReasonAndPosition)
{
    const std::tuple<QString, int, int, int, const char *> rows[] = {
        {"", 31004, 1, 0, "Premature end of document."},
        {"<a>\n  <b>\n  <c>", 31004, 3, 5, "Premature end of document."},
        {"<a>\n  <b>x</b>\n  <c></a>", 31003, 3, 9, "Opening and ending tag mismatch."},
        {"<a>\n  <b>x</b>\n  <c x=\"1\"\n</a>", 31003, 4, 1, "Expected '>' or '/', but got '<'."},
        {"<a>&foo;</a>", 31003, 1, 8, "Entity 'foo' not declared."},
        {"<a/><b/>", 31003, 1, 8, "Extra content at end of document."},
        {"<a x=\"1\" x=\"2\"/>", 31003, 1, 16, "Attribute 'x' redefined."},
        {nested(1001), 31002, 1001, 3, "Elements are nested deeper than 1000 levels."},
        {nested(200000), 31002, 1001, 3, "Elements are nested deeper than 1000 levels."},
        {wide(1001), 31002, 2, 1, "An element has more than 1000 attributes."},
        {wide(100000), 31002, 2, 1, "An element has more than 1000 attributes."},
    };
    for (const auto &[input, code, line, column, reason] : rows) {
        SCOPED_TRACE(input.left(40).toStdString());
        const Error error = raisedBy([&] { XmlNode::parse(input); });
        EXPECT_EQ(error.number, code);
        EXPECT_EQ(error.description, utf8(reason));
        EXPECT_EQ(error.source, QStringLiteral("line %1, column %2").arg(line).arg(column));
        XmlParseError filled;
        EXPECT_TRUE(XmlNode::parse(input, &filled).isNull());
        EXPECT_EQ(filled.location(), error.source);
        EXPECT_EQ(filled.code, code);
        EXPECT_EQ(filled.reason, utf8(reason));
    }
    // Up to the limits a document loads; a success clears the error.
    for (const QString &text : {nested(1000), wide(1000)})
        EXPECT_FALSE(XmlNode::parse(text).isNull());
    XmlParseError error{31003, 2, 3, QStringLiteral("old")};
    EXPECT_FALSE(XmlNode::parse(QStringLiteral("<a/>"), &error).isNull());
    EXPECT_FALSE(error.isError());
    EXPECT_EQ(error.location(), QString());
}

// The writer splits a section at each "]]>" and writes a carriage return as
// a reference between sections; the pieces read back as one node.
TEST(XmlWrite, CDataSectionReadsBackAsTheSameText)
{
    // Data, and xml() of <r> holding one CDATA section of it.
    const std::pair<const char *, const char *> rows[] = {
        {"If a < b Then", "<r><![CDATA[If a < b Then]]></r>"},
        {"]]>", "<r><![CDATA[]]]]><![CDATA[>]]></r>"},
        {"a]]>b]]>c", "<r><![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>c]]></r>"},
        {"]]]>", "<r><![CDATA[]]]]]><![CDATA[>]]></r>"},
        {"a]]b]", "<r><![CDATA[a]]b]]]></r>"},
        {"", "<r><![CDATA[]]></r>"},
        {"a\r\nb\r\n", "<r><![CDATA[a]]>&#13;<![CDATA[\nb]]>&#13;<![CDATA[\n]]></r>"},
        {"\r\r", "<r>&#13;&#13;</r>"},
        {"]]>\r\n", "<r><![CDATA[]]]]><![CDATA[>]]>&#13;<![CDATA[\n]]></r>"},
    };
    for (const auto &[raw, expected] : rows) {
        SCOPED_TRACE(raw);
        const QString data = utf8(raw);
        XmlNode document = XmlNode::newDocument();
        XmlNode root = document.appendChild(document.createElement(QStringLiteral("r")));
        root.appendChild(document.createCDATASection(data));
        EXPECT_EQ(root.xml(), utf8(expected));
        const XmlNode reread = XmlNode::parse(document.xml()).documentElement();
        EXPECT_EQ(reread.text(), data);
        if (!data.isEmpty()) {
            EXPECT_EQ(reread.childNodes().size(), 1);
            const bool onlyReturns = data.count(u'\r') == data.size();
            EXPECT_EQ(reread.firstChild().nodeType(), onlyReturns ? XmlNode::Text : XmlNode::CDATASection);
        }
    }
    XmlNode text = XmlNode::parse(QStringLiteral("<r/>")).documentElement();
    text.setText(QStringLiteral("one\r\ntwo\rthree"));
    EXPECT_EQ(text.xml(), QStringLiteral("<r>one&#13;\ntwo&#13;three</r>"));
    EXPECT_EQ(XmlNode::parse(text.xml()).documentElement().text(), QStringLiteral("one\r\ntwo\rthree"));
}

TEST(XmlWrite, IndentsBetweenElementsOnly)
{
    // Input, and xml(true) of the parsed document.
    const std::pair<const char *, const char *> rows[] = {
        {R"(<a><b><c>t</c><d/></b><!--k--><e x="1"> </e></a>)",
         "<a>\n  <b>\n    <c>t</c>\n    <d/>\n  </b>\n  <!--k-->\n  <e x=\"1\"> </e>\n</a>"},
        {"<a><p>x<b><c/></b>y</p></a>", "<a>\n  <p>x<b><c/></b>y</p>\n</a>"},
        {"<a><EvalCode><![CDATA[x]]></EvalCode></a>", "<a>\n  <EvalCode><![CDATA[x]]></EvalCode>\n</a>"},
        {"<?xml version=\"1.0\"?><!--c--><r><s/></r>", "<?xml version=\"1.0\"?>\n<!--c-->\n<r>\n  <s/>\n</r>"},
        {"<r/>", "<r/>"},
    };
    for (const auto &[input, expected] : rows) {
        SCOPED_TRACE(input);
        const XmlNode document = XmlNode::parse(utf8(input));
        EXPECT_EQ(document.xml(true), utf8(expected));
        EXPECT_EQ(XmlNode::parse(document.xml(true)).xml(), document.xml());
    }
    const XmlNode document = XmlNode::parse(QStringLiteral("<a><b><c/></b></a>"));
    EXPECT_EQ(document.selectSingleNode(QStringLiteral("a/b")).xml(true), QStringLiteral("<b>\n  <c/>\n</b>"));
}

TEST(XmlWrite, DocumentBuiltThroughTheApi)
{
    XmlNode document = XmlNode::newDocument();
    EXPECT_EQ(document.xml(), QString());
    XmlNode job = document.appendChild(document.createElement(QStringLiteral("JobDefinition")));
    EXPECT_EQ(document.documentElement(), job);
    XmlNode status = job.appendChild(document.createElement(QStringLiteral("Status")));
    status.setText(QStringLiteral("1 < 2 & \"3\""));
    status.setAttribute(QStringLiteral("b"), QStringLiteral("x\ty"));
    status.setAttribute(QStringLiteral("a"), QStringLiteral("'"));
    job.appendChild(document.createComment(QStringLiteral("a -- b-")));
    EXPECT_EQ(document.xml(), QStringLiteral("<JobDefinition><Status a=\"'\" b=\"x&#9;y\">1 &lt; 2 &amp; &quot;3&quot;"
                                             "</Status><!--a - - b- --></JobDefinition>"));
}

TEST(XmlWrite, CharactersXmlCannotCarryAreLeftOut)
{
    // A control character, U+FFFE and an unpaired surrogate around valid text
    // (a tab, an emoji written as a surrogate pair).
    const QString emoji = utf8("\xF0\x9F\x98\x80");
    const QString bad = QStringLiteral("a") + QChar(0x01) + QChar(0x0B) + QChar(0xFFFE) + QChar(0xD800)
        + QStringLiteral("\tb") + emoji;
    const QString good = QStringLiteral("a\tb") + emoji;
    const XmlNode root =
        XmlNode::parse(QStringLiteral("<r><t/><c><![CDATA[]]></c><!--x--><?p x?></r>")).documentElement();
    XmlNode t = root.firstChild();
    t.setAttribute(QStringLiteral("k"), bad);
    for (XmlNode node : {t, t.nextSibling().firstChild(), root.childNodes()[2], root.lastChild()})
        node.setText(bad);
    EXPECT_EQ(root.xml(), QStringLiteral("<r><t k=\"a&#9;b%1\">%2</t><c><![CDATA[%2]]></c><!--%2--><?p %2?></r>")
                              .arg(emoji, good));
    EXPECT_EQ(XmlNode::parse(root.xml()).documentElement().text(), good + good);
}

} // namespace
