// Reading XML text and files into documents: what survives a parse and a
// serialization, the white-space rule, and the errors a bad text gives.
#include "errorcore/error.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// ---------------------------------------------------------------- round trips

struct RoundTrip
{
    const char *name;
    const char *input;
    const char *expected;            // xml() of the parsed document
};

class XmlRoundTrip : public ::testing::TestWithParam<RoundTrip>
{
};

TEST_P(XmlRoundTrip, ParseThenXmlGivesExpectedText)
{
    const RoundTrip &row = GetParam();
    const XmlNode document = XmlNode::parse(utf8(row.input));
    EXPECT_EQ(document.xml(), utf8(row.expected));
    // What was written reads back as the same document.
    EXPECT_EQ(XmlNode::parse(document.xml()).xml(), utf8(row.expected));
}

const RoundTrip roundTrips[] = {
    {"plain_elements", R"(<a><b x="1">t</b><c/></a>)", R"(<a><b x="1">t</b><c/></a>)"},
    {"empty_element_pair_becomes_short", "<a></a>", "<a/>"},
    {"no_declaration_is_invented", "<JobDefinition/>", "<JobDefinition/>"},
    {"declaration_written_back", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r><a/></r>",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r><a/></r>"},
    {"declaration_keeps_its_quotes", "<?xml version='1.0' standalone='yes'?><r/>",
     "<?xml version='1.0' standalone='yes'?>\n<r/>"},
    {"comments_and_pis_everywhere",
     R"(<!--head--><?style href="x.css"?><r><!-- in --><?pi some data?></r><!--tail-->)",
     "<!--head-->\n<?style href=\"x.css\"?>\n<r><!-- in --><?pi some data?></r>\n<!--tail-->"},
    {"attributes_sorted_by_name", R"(<r z="1" a="2" m="3"/>)", R"(<r a="2" m="3" z="1"/>)"},
    {"unknown_attributes_kept", R"(<Sensor Version="2" x-extra="yes"><Status a="b">1</Status></Sensor>)",
     R"(<Sensor Version="2" x-extra="yes"><Status a="b">1</Status></Sensor>)"},
    {"namespaces_as_written", R"(<x:r xmlns:x="urn:x" xmlns="urn:d"><x:c x:k="v"/><d/></x:r>)",
     R"(<x:r xmlns="urn:d" xmlns:x="urn:x"><x:c x:k="v"/><d/></x:r>)"},
    {"entities_resolved_and_escaped_again", R"(<r a="&lt;&amp;&quot;&#10;">&lt;&amp;&gt;&#65;&apos;</r>)",
     R"(<r a="&lt;&amp;&quot;&#10;">&lt;&amp;&gt;A'</r>)"},
    {"accents_cjk_and_emoji", "<r \xC3\xA9t\xC3\xA9=\"\xC3\xBC\">Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80</r>",
     "<r \xC3\xA9t\xC3\xA9=\"\xC3\xBC\">Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x98\x80</r>"},
    {"cdata_kept_as_cdata", "<r><![CDATA[a<b&c]]></r>", "<r><![CDATA[a<b&c]]></r>"},
    {"empty_cdata_kept", "<r><![CDATA[]]></r>", "<r><![CDATA[]]></r>"},
    {"indentation_dropped", "<a>\n  <b>1</b>\n  <c/>\n</a>\n", "<a><b>1</b><c/></a>"},
    {"mixed_content_kept", "<p>a <b>b</b> c</p>", "<p>a <b>b</b> c</p>"},
    {"doctype_system", "<!DOCTYPE r SYSTEM \"r.dtd\">\n<r/>", "<!DOCTYPE r SYSTEM \"r.dtd\">\n<r/>"},
    {"doctype_public_after_declaration",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE r PUBLIC \"-//X//r\" \"r.dtd\">\n<r/>",
     "<?xml version=\"1.0\"?>\n<!DOCTYPE r PUBLIC \"-//X//r\" \"r.dtd\">\n<r/>"},
    {"internal_entity_expanded", "<!DOCTYPE r [<!ENTITY who \"world\">]><r>hello &who;</r>",
     "<!DOCTYPE r>\n<r>hello world</r>"},
    {"line_breaks_normalised", "<r>a\r\nb\rc</r>", "<r>a\nb\nc</r>"},
};

INSTANTIATE_TEST_SUITE_P(XmlParse, XmlRoundTrip, ::testing::ValuesIn(roundTrips),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlParse, EmojiIsOneCharacterOutsideTheBmp)
{
    const XmlNode document = XmlNode::parse(utf8("<r>\xF0\x9F\x98\x80</r>"));
    const QList<uint> codePoints = document.text().toUcs4();
    ASSERT_EQ(codePoints.size(), 1);
    EXPECT_EQ(codePoints.first(), 0x1F600u);
}

TEST(XmlParse, DeclarationIsTheFirstChildProcessingInstruction)
{
    const XmlNode document = XmlNode::parse(QStringLiteral("<?xml version=\"1.0\"?><r/>"));
    const XmlNode declaration = document.firstChild();
    EXPECT_EQ(declaration.nodeType(), XmlNode::ProcessingInstruction);
    EXPECT_EQ(declaration.nodeName(), QStringLiteral("xml"));
    EXPECT_EQ(declaration.text(), QStringLiteral("version=\"1.0\""));
    EXPECT_EQ(document.documentElement().nodeName(), QStringLiteral("r"));
}

TEST(XmlParse, DeclaredEncodingDoesNotApplyToText)
{
    // A QString is already decoded: the declaration is kept but not obeyed.
    const QString text = utf8("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<r>\xC3\xA9</r>");
    const XmlNode document = XmlNode::parse(text);
    EXPECT_EQ(document.documentElement().text(), utf8("\xC3\xA9"));
    EXPECT_EQ(document.xml(), text);
}

TEST(XmlParse, CommentAndPiAreNodesOfTheirKind)
{
    const XmlNode root = XmlNode::parse(QStringLiteral("<r><!--note--><?target data?></r>")).documentElement();
    ASSERT_EQ(root.childNodes().size(), 2);
    EXPECT_EQ(root.firstChild().nodeType(), XmlNode::Comment);
    EXPECT_EQ(root.firstChild().text(), QStringLiteral("note"));
    EXPECT_EQ(root.lastChild().nodeType(), XmlNode::ProcessingInstruction);
    EXPECT_EQ(root.lastChild().nodeName(), QStringLiteral("target"));
    EXPECT_EQ(root.lastChild().text(), QStringLiteral("data"));
    EXPECT_EQ(root.text(), QString());   // comments and PIs are not text
}

// --------------------------------------------------------------- white space

struct WhiteSpace
{
    const char *name;
    const char *input;
    const char *expected;            // xml() of the root element
    const char *children;            // node names of the root's children
};

class XmlWhiteSpace : public ::testing::TestWithParam<WhiteSpace>
{
};

TEST_P(XmlWhiteSpace, BlankTextIsDroppedOnlyBesideOtherNodes)
{
    const WhiteSpace &row = GetParam();
    const XmlNode root = XmlNode::parse(utf8(row.input)).documentElement();
    EXPECT_EQ(root.xml(), utf8(row.expected));
    QStringList names;
    for (const XmlNode &child : root.childNodes())
        names.append(child.nodeName());
    EXPECT_EQ(names.join(QLatin1Char(',')), utf8(row.children));
}

const WhiteSpace whiteSpaces[] = {
    {"only_child_kept", "<Events>\n  </Events>", "<Events>\n  </Events>", "#text"},
    {"beside_cdata_dropped", "<EvalCode>\n  <![CDATA[x]]>\n</EvalCode>", "<EvalCode><![CDATA[x]]></EvalCode>",
     "#cdata-section"},
    {"beside_element_dropped", "<a>\n  <b/>\n</a>", "<a><b/></a>", "b"},
    {"beside_comment_dropped", "<a> <!--c--> </a>", "<a><!--c--></a>", "#comment"},
    {"beside_pi_dropped", "<a>\t<?p?>\r\n</a>", "<a><?p?></a>", "p"},
    {"beside_text_kept_when_not_blank", "<a> x <b/> </a>", "<a> x <b/></a>", "#text,b"},
    {"blank_cdata_is_not_text", "<a> <![CDATA[ ]]> </a>", "<a><![CDATA[ ]]></a>", "#cdata-section"},
    {"text_with_blanks_around_kept", "<a> x </a>", "<a> x </a>", "#text"},
    {"only_child_line_break", "<a>\r\n\t</a>", "<a>\n\t</a>", "#text"},
    {"empty_element_has_no_child", "<a></a>", "<a/>", ""},
    {"between_siblings_dropped", "<a><b>1</b> <c>2</c>\n<d/></a>", "<a><b>1</b><c>2</c><d/></a>", "b,c,d"},
};

INSTANTIATE_TEST_SUITE_P(XmlParse, XmlWhiteSpace, ::testing::ValuesIn(whiteSpaces),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlParse, EventsHoldingOnlyBlankTextHasAChild)
{
    const XmlNode events =
        XmlNode::parse(QStringLiteral("<EvalData>\n  <Events>\n  </Events>\n</EvalData>")).selectSingleNode(
            QStringLiteral("EvalData/Events"));
    EXPECT_TRUE(events.hasChildNodes());
    EXPECT_EQ(events.firstChild().nodeType(), XmlNode::Text);
}

// -------------------------------------------------------------- parse errors

struct ParseFailure
{
    const char *name;
    const char *input;
    int code;
    int line;
    int column;
    const char *reason;
};

class XmlParseFailure : public ::testing::TestWithParam<ParseFailure>
{
};

TEST_P(XmlParseFailure, RaisesCodeReasonAndPosition)
{
    const ParseFailure &row = GetParam();
    try {
        XmlNode::parse(utf8(row.input));
        FAIL() << "no error raised";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, row.code);
        EXPECT_EQ(error.description, utf8(row.reason));
        EXPECT_EQ(error.source, QStringLiteral("line %1, column %2").arg(row.line).arg(row.column));
    }
}

TEST_P(XmlParseFailure, NonRaisingVariantFillsTheError)
{
    const ParseFailure &row = GetParam();
    XmlParseError error;
    const XmlNode document = XmlNode::parse(utf8(row.input), &error);
    EXPECT_TRUE(document.isNull());
    EXPECT_TRUE(error.isError());
    EXPECT_EQ(error.code, row.code);
    EXPECT_EQ(error.line, row.line);
    EXPECT_EQ(error.column, row.column);
    EXPECT_EQ(error.reason, utf8(row.reason));
}

const ParseFailure parseFailures[] = {
    {"empty_text", "", 31004, 1, 0, "Premature end of document."},
    {"blank_text", "  \n ", 31004, 2, 1, "Premature end of document."},
    {"comment_without_root", "<!--c-->", 31004, 1, 8, "Premature end of document."},
    {"unclosed_at_end", "<a>\n  <b>\n  <c>", 31004, 3, 5, "Premature end of document."},
    {"mismatched_tag_line_3", "<a>\n  <b>x</b>\n  <c></a>", 31003, 3, 9, "Opening and ending tag mismatch."},
    {"unclosed_start_tag_line_3", "<a>\n  <b>x</b>\n  <c x=\"1\"\n</a>", 31003, 4, 1,
     "Expected '>' or '/', but got '<'."},
    {"undeclared_entity", "<a>&foo;</a>", 31003, 1, 8, "Entity 'foo' not declared."},
    {"second_root", "<a/><b/>", 31003, 1, 8, "Extra content at end of document."},
    {"attribute_twice", "<a x=\"1\" x=\"2\"/>", 31003, 1, 16, "Attribute 'x' redefined."},
};

INSTANTIATE_TEST_SUITE_P(XmlParse, XmlParseFailure, ::testing::ValuesIn(parseFailures),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlParse, SuccessClearsAPreviousError)
{
    XmlParseError error{31003, 2, 3, QStringLiteral("old")};
    const XmlNode document = XmlNode::parse(QStringLiteral("<a/>"), &error);
    EXPECT_FALSE(document.isNull());
    EXPECT_FALSE(error.isError());
    EXPECT_EQ(error.location(), QString());
}

// --------------------------------------------------------------------- files

class XmlLoad : public ::testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(XmlLoad, ReadsAFile)
{
    const QString path = write(QStringLiteral("Veltrano.xml"),
                               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Sensor><Status>0</Status></Sensor>\n");
    const XmlNode document = XmlNode::load(path);
    EXPECT_EQ(document.xml(), QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                             "<Sensor><Status>0</Status></Sensor>"));
}

TEST_F(XmlLoad, HonoursTheDeclaredEncoding)
{
    const QString path = write(QStringLiteral("latin1.xml"),
                               "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xE9</r>");
    EXPECT_EQ(XmlNode::load(path).text(), utf8("caf\xC3\xA9"));
}

TEST_F(XmlLoad, Utf8ByteOrderMarkIsSkipped)
{
    const QString path = write(QStringLiteral("bom.xml"), "\xEF\xBB\xBF<?xml version=\"1.0\"?><r>\xC3\xA9</r>");
    EXPECT_EQ(XmlNode::load(path).xml(), utf8("<?xml version=\"1.0\"?>\n<r>\xC3\xA9</r>"));
}

TEST_F(XmlLoad, MissingFileIs53WithThePath)
{
    const QString path = m_dir.filePath(QStringLiteral("missing.xml"));
    try {
        XmlNode::load(path);
        FAIL() << "no error raised";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 53);
        EXPECT_EQ(error.description, QStringLiteral("File not found: ") + path);
    }
    XmlParseError error;
    EXPECT_TRUE(XmlNode::load(path, &error).isNull());
    EXPECT_EQ(error.code, 53);
    EXPECT_EQ(error.line, 0);
}

TEST_F(XmlLoad, DirectoryIs75)
{
    try {
        XmlNode::load(m_dir.path());
        FAIL() << "no error raised";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 75);
        EXPECT_TRUE(error.description.endsWith(m_dir.path())) << error.description.toStdString();
    }
}

TEST_F(XmlLoad, MalformedFileGivesThePositionAfterThePath)
{
    const QString path = write(QStringLiteral("bad.xml"), "<Sensor>\n  <Status>\n</Sensor>");
    try {
        XmlNode::load(path);
        FAIL() << "no error raised";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 31003);
        EXPECT_EQ(error.description, QStringLiteral("Opening and ending tag mismatch."));
        EXPECT_EQ(error.source, path + QStringLiteral(": line 3, column 9"));
    }
}

// The job documents and the sensor pattern the system ships: each one reads,
// writes and reads back to the same text, indented or not.
class XmlShippedFile : public ::testing::TestWithParam<const char *>
{
};

TEST_P(XmlShippedFile, SaveAndReloadIsStable)
{
    const XmlNode document = XmlNode::load(QString::fromUtf8(GetParam()));
    const QString saved = document.xml();
    EXPECT_EQ(XmlNode::parse(saved).xml(), saved);
    EXPECT_EQ(XmlNode::parse(document.xml(true)).xml(), saved);
    EXPECT_TRUE(saved.startsWith(QStringLiteral("<?xml version=\"1.0\"")));
}

INSTANTIATE_TEST_SUITE_P(XmlLoad, XmlShippedFile,
                         ::testing::Values(VT_DATA_DIR "/Veltrano.xml", VT_EXAMPLES_DIR "/jobs/new-job.xml",
                                           VT_EXAMPLES_DIR "/jobs/existing-job.xml",
                                           VT_EXAMPLES_DIR "/jobs/foreign-tool-job.xml"));

TEST(XmlLoadFile, MarkerInAShippedScriptReadsAsTerminator)
{
    const XmlNode document = XmlNode::load(QStringLiteral(VT_EXAMPLES_DIR "/jobs/foreign-tool-job.xml"));
    const XmlNode code = document.selectSingleNode(
        QStringLiteral("JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData[Type='2']/Script/EvalCode"));
    EXPECT_TRUE(code.text().contains(QStringLiteral("marker = \"]]>\""))) << code.text().toStdString();
    EXPECT_EQ(XmlNode::parse(document.xml()).selectSingleNode(
                  QStringLiteral("JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData[Type='2']/Script/EvalCode"))
                  .text(),
              code.text());
}

} // namespace
