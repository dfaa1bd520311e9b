// Writing nodes back as XML text: CDATA holding "]]>", indentation, nodes
// built through the API, and the text of single nodes.
#include "errorcore/error.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

// ---------------------------------------------------------- CDATA and "]]>"

struct CDataCase
{
    const char *name;
    const char *data;
    const char *expected;            // xml() of <r> holding one CDATA section
};

class XmlCData : public ::testing::TestWithParam<CDataCase>
{
};

TEST_P(XmlCData, SplitSectionReadsBackAsTheSameText)
{
    const CDataCase &row = GetParam();
    const QString data = QString::fromUtf8(row.data);
    XmlNode document = XmlNode::newDocument();
    XmlNode root = document.appendChild(document.createElement(QStringLiteral("r")));
    root.appendChild(document.createCDATASection(data));

    EXPECT_EQ(root.xml(), QString::fromUtf8(row.expected));
    const XmlNode reread = XmlNode::parse(document.xml());
    EXPECT_EQ(reread.documentElement().text(), data);
    // The pieces the writer split the section into read back as one node, so
    // a later rewrite of the element's first child replaces the whole text.
    if (!data.isEmpty()) {
        EXPECT_EQ(reread.documentElement().childNodes().size(), 1);
        if (data.count(QLatin1Char('\r')) < data.size()) {
            EXPECT_EQ(reread.documentElement().firstChild().nodeType(), int(XmlNode::CDATASection));
        }
    }
}

const CDataCase cdataCases[] = {
    {"plain", "If a < b Then", "<r><![CDATA[If a < b Then]]></r>"},
    {"terminator_alone", "]]>", "<r><![CDATA[]]]]><![CDATA[>]]></r>"},
    {"terminator_inside", "x = a(b(1)]]>0", "<r><![CDATA[x = a(b(1)]]]]><![CDATA[>0]]></r>"},
    {"terminator_twice", "a]]>b]]>c", "<r><![CDATA[a]]]]><![CDATA[>b]]]]><![CDATA[>c]]></r>"},
    {"three_brackets", "]]]>", "<r><![CDATA[]]]]]><![CDATA[>]]></r>"},
    {"brackets_without_terminator", "a]]b]", "<r><![CDATA[a]]b]]]></r>"},
    {"empty", "", "<r><![CDATA[]]></r>"},
    {"crlf_line_ends", "a\r\nb\r\n", "<r><![CDATA[a]]>&#13;<![CDATA[\nb]]>&#13;<![CDATA[\n]]></r>"},
    {"leading_cr", "\rx", "<r>&#13;<![CDATA[x]]></r>"},
    {"two_crs", "x\r\ry", "<r><![CDATA[x]]>&#13;&#13;<![CDATA[y]]></r>"},
    {"only_crs", "\r\r", "<r>&#13;&#13;</r>"},
    {"cr_after_terminator", "]]>\r\n", "<r><![CDATA[]]]]><![CDATA[>]]>&#13;<![CDATA[\n]]></r>"},
};

INSTANTIATE_TEST_SUITE_P(XmlWrite, XmlCData, ::testing::ValuesIn(cdataCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlWrite, ScriptWithTerminatorSurvivesSaveAndReload)
{
    const QString script = QStringLiteral("Function Main()\n\tx = \"]]>\"\n\tMain = (a(b(1)]]>0)\nEnd Function");
    const XmlNode document = XmlNode::parse(
        QStringLiteral("<Sensor><Script><Language><![CDATA[VBScript]]></Language><EvalCode/></Script></Sensor>"));
    XmlNode code = document.selectSingleNode(QStringLiteral("Sensor/Script/EvalCode"));
    code.appendChild(code.createCDATASection(script));

    const XmlNode reloaded = XmlNode::parse(document.xml());
    const XmlNode reloadedCode = reloaded.selectSingleNode(QStringLiteral("Sensor/Script/EvalCode"));
    EXPECT_EQ(reloadedCode.text(), script);
    // Saved and loaded once more, nothing changes.
    EXPECT_EQ(XmlNode::parse(reloaded.xml()).xml(), reloaded.xml());
}

TEST(XmlWrite, CarriageReturnsInTextSurvive)
{
    XmlNode document = XmlNode::newDocument();
    XmlNode root = document.appendChild(document.createElement(QStringLiteral("r")));
    root.setText(QStringLiteral("one\r\ntwo\rthree"));
    EXPECT_EQ(root.xml(), QStringLiteral("<r>one&#13;\ntwo&#13;three</r>"));
    EXPECT_EQ(XmlNode::parse(document.xml()).documentElement().text(), QStringLiteral("one\r\ntwo\rthree"));
}

TEST(XmlParse, TextBesideCDataStaysItsOwnNode)
{
    const XmlNode root = XmlNode::parse(QStringLiteral("<r>a<![CDATA[b]]>\nc</r>")).documentElement();
    ASSERT_EQ(root.childNodes().size(), 3);
    EXPECT_EQ(root.childNodes()[1].nodeType(), int(XmlNode::CDATASection));
    EXPECT_EQ(root.text(), QStringLiteral("ab\nc"));
}

// -------------------------------------------------------------- indentation

struct IndentCase
{
    const char *name;
    const char *input;
    const char *expected;            // xml(true) of the parsed document
};

class XmlIndent : public ::testing::TestWithParam<IndentCase>
{
};

TEST_P(XmlIndent, IndentsBetweenElementsOnly)
{
    const IndentCase &row = GetParam();
    const XmlNode document = XmlNode::parse(QString::fromUtf8(row.input));
    const QString indented = document.xml(true);
    EXPECT_EQ(indented, QString::fromUtf8(row.expected));
    // The added white space is insignificant: it reads back as the same document.
    EXPECT_EQ(XmlNode::parse(indented).xml(), document.xml());
}

const IndentCase indentCases[] = {
    {"nested_elements", R"(<a><b><c>t</c><d/></b><!--k--><e x="1"> </e></a>)",
     "<a>\n"
     "  <b>\n"
     "    <c>t</c>\n"
     "    <d/>\n"
     "  </b>\n"
     "  <!--k-->\n"
     "  <e x=\"1\"> </e>\n"
     "</a>"},
    {"mixed_content_untouched_below", "<a><p>x<b><c/></b>y</p></a>", "<a>\n  <p>x<b><c/></b>y</p>\n</a>"},
    {"cdata_content_untouched", "<a><EvalCode><![CDATA[x]]></EvalCode></a>",
     "<a>\n  <EvalCode><![CDATA[x]]></EvalCode>\n</a>"},
    {"document_level", "<?xml version=\"1.0\"?><!--c--><r><s/></r>", "<?xml version=\"1.0\"?>\n<!--c-->\n<r>\n  <s/>\n</r>"},
    {"single_empty_element", "<r/>", "<r/>"},
};

INSTANTIATE_TEST_SUITE_P(XmlWrite, XmlIndent, ::testing::ValuesIn(indentCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlWrite, IndentOfAnInnerElementStartsAtItsOwnLevel)
{
    const XmlNode document = XmlNode::parse(QStringLiteral("<a><b><c/></b></a>"));
    EXPECT_EQ(document.selectSingleNode(QStringLiteral("a/b")).xml(true), QStringLiteral("<b>\n  <c/>\n</b>"));
}

// --------------------------------------------------------- nodes of each kind

TEST(XmlWrite, EachKindOfNodeAlone)
{
    const XmlNode root = XmlNode::parse(
        QStringLiteral("<r><e k=\"v\">a&amp;b</e><![CDATA[c]]><!--d--><?p q?></r>")).documentElement();
    const QList<XmlNode> children = root.childNodes();
    ASSERT_EQ(children.size(), 4);
    EXPECT_EQ(children[0].xml(), QStringLiteral("<e k=\"v\">a&amp;b</e>"));
    EXPECT_EQ(children[0].firstChild().xml(), QStringLiteral("a&amp;b"));
    EXPECT_EQ(children[1].xml(), QStringLiteral("<![CDATA[c]]>"));
    EXPECT_EQ(children[2].xml(), QStringLiteral("<!--d-->"));
    EXPECT_EQ(children[3].xml(), QStringLiteral("<?p q?>"));
}

TEST(XmlWrite, DocumentBuiltThroughTheApi)
{
    XmlNode document = XmlNode::newDocument();
    EXPECT_EQ(document.xml(), QString());
    XmlNode job = document.appendChild(document.createElement(QStringLiteral("JobDefinition")));
    XmlNode type = job.appendChild(document.createElement(QStringLiteral("Type")));
    type.appendChild(document.createCDATASection(QStringLiteral("SENSOR")));
    XmlNode status = job.appendChild(document.createElement(QStringLiteral("Status")));
    status.setText(QStringLiteral("1 < 2 & \"3\""));
    status.setAttribute(QStringLiteral("b"), QStringLiteral("x\ty"));
    status.setAttribute(QStringLiteral("a"), QStringLiteral("'"));
    job.appendChild(document.createComment(QStringLiteral("a -- b-")));

    EXPECT_EQ(document.xml(), QStringLiteral("<JobDefinition><Type><![CDATA[SENSOR]]></Type>"
                                             "<Status a=\"'\" b=\"x&#9;y\">1 &lt; 2 &amp; &quot;3&quot;</Status>"
                                             "<!--a - - b- --></JobDefinition>"));
    EXPECT_EQ(XmlNode::parse(document.xml()).selectSingleNode(QStringLiteral("JobDefinition/Status")).attribute(
                  QStringLiteral("b")),
              QStringLiteral("x\ty"));
}

TEST(XmlWrite, NonAsciiTextIsWrittenAsCharacters)
{
    XmlNode document = XmlNode::newDocument();
    XmlNode root = document.appendChild(document.createElement(QStringLiteral("r")));
    const QString text = QString::fromUtf8("\xC3\xA0 \xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x9A\x80");
    root.setText(text);
    EXPECT_EQ(document.xml(), QStringLiteral("<r>") + text + QStringLiteral("</r>"));
    EXPECT_EQ(XmlNode::parse(document.xml()).documentElement().text(), text);
}

TEST(XmlWrite, CharactersXmlCannotCarryAreLeftOut)
{
    // A control character, U+FFFE and an unpaired surrogate around valid text
    // (a tab, an emoji written as a surrogate pair).
    const QString bad = QStringLiteral("a") + QChar(0x01) + QChar(0x0B) + QChar(0xFFFE) + QChar(0xD800)
        + QStringLiteral("\tb") + QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString good = QStringLiteral("a\tb") + QString::fromUtf8("\xF0\x9F\x98\x80");
    const XmlNode document = XmlNode::parse(QStringLiteral("<r><t/><c/><!--x--><?p x?></r>"));
    const XmlNode root = document.documentElement();
    XmlNode t = root.firstChild();
    t.setText(bad);
    t.setAttribute(QStringLiteral("k"), bad);
    XmlNode c = t.nextSibling();
    c.appendChild(c.createCDATASection(bad));
    XmlNode comment = c.nextSibling();
    comment.setText(bad);
    XmlNode pi = root.lastChild();
    pi.setText(bad);

    EXPECT_EQ(document.xml(), QStringLiteral("<r><t k=\"a&#9;b%1\">%2</t><c><![CDATA[%2]]></c><!--%2--><?p %2?></r>")
                                  .arg(QString::fromUtf8("\xF0\x9F\x98\x80"), good));
    const XmlNode reread = XmlNode::parse(document.xml());
    EXPECT_EQ(reread.selectSingleNode(QStringLiteral("r/t")).text(), good);
    EXPECT_EQ(reread.selectSingleNode(QStringLiteral("r/c")).text(), good);
}

} // namespace
