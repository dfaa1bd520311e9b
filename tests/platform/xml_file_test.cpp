// XML files as bytes: decoded as XML says, written back in the same encoding,
// byte for byte, and never a character silently replaced.
#include "errorcore/error.h"
#include "platform/xml/xmlfile.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

// A document as the writer lays it out, so that reading and writing it back
// must give the same bytes.
QString canonical(const QString &label, const QString &name = QStringLiteral("Señal"))
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n"
                          "<Job>\n"
                          "  <Name>%2</Name>\n"
                          "  <Code><![CDATA[If a < b Then\r\n\tx = \"%2\"]]></Code>\n"
                          "</Job>\n")
        .arg(label, name)
        .replace(QStringLiteral("\r"), QStringLiteral("]]>&#13;<![CDATA["));
}

struct RoundTrip
{
    const char *name;
    const char *encoding;            // what the bytes are in
    QByteArrayView mark;
    const char *label;               // the declaration's name
    const char *characters;          // in the name and the script
};

void PrintTo(const RoundTrip &row, std::ostream *out) { *out << row.name; }

class XmlFileRoundTrip : public ::testing::TestWithParam<RoundTrip>
{
};

TEST_P(XmlFileRoundTrip, ReadsTheCharactersAndWritesTheSameBytes)
{
    const RoundTrip &row = GetParam();
    const QString text = canonical(QString::fromLatin1(row.label), QString::fromUtf8(row.characters));
    QStringEncoder encoder(row.encoding);
    const QByteArray bytes = row.mark.toByteArray() + QByteArray(encoder(text));

    const xmlfile::Text file = xmlfile::decode(bytes);
    EXPECT_EQ(file.text, text);
    EXPECT_EQ(file.encoding.name, QString::fromLatin1(row.encoding));
    EXPECT_EQ(file.encoding.byteOrderMark, !row.mark.isEmpty());
    const XmlNode document = XmlNode::parse(file.text);
    EXPECT_EQ(document.selectSingleNode(QStringLiteral("Job/Name")).text(), QString::fromUtf8(row.characters));
    EXPECT_EQ(xmlfile::encode(document, file.encoding, true), bytes);
}

const RoundTrip roundTrips[] = {
    {"Utf8", "UTF-8", {}, "UTF-8", "Señal ✓"},
    {"Utf8Mark", "UTF-8", QByteArrayView("\xEF\xBB\xBF", 3), "UTF-8", "Señal ✓"},
    {"Latin1LowerCaseLabel", "ISO-8859-1", {}, "iso-8859-1", "Señal"},
    {"Windows1252", "windows-1252", {}, "windows-1252", "Señal €"},
    {"Utf16LeMark", "UTF-16LE", QByteArrayView("\xFF\xFE", 2), "UTF-16", "Señal ✓"},
    {"Utf16BeMark", "UTF-16BE", QByteArrayView("\xFE\xFF", 2), "UTF-16", "Señal ✓"},
    {"Utf16LeNoMark", "UTF-16LE", {}, "UTF-16", "Señal"},
    {"Utf32LeMark", "UTF-32LE", QByteArrayView("\xFF\xFE\x00\x00", 4), "UTF-32", "Señal"},
};

INSTANTIATE_TEST_SUITE_P(XmlFile, XmlFileRoundTrip, ::testing::ValuesIn(roundTrips),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(XmlFile, ADocumentWithoutADeclarationIsUtf8)
{
    const xmlfile::Text file = xmlfile::decode(QByteArray("<Job><Name>Se\xC3\xB1" "al</Name></Job>"));
    EXPECT_EQ(file.encoding, xmlfile::Encoding());
    EXPECT_EQ(file.text, QStringLiteral("<Job><Name>Señal</Name></Job>"));
}

// What ISO-8859-1 cannot hold is written as a reference where one may stand
// and reads back as the same text; where none may, the write is refused.
TEST(XmlFile, CharactersTheEncodingCannotHoldBecomeReferences)
{
    const XmlNode document = XmlNode::parse(canonical(QStringLiteral("ISO-8859-1"), QStringLiteral("€ 😀")));
    xmlfile::Encoding latin1;
    latin1.name = latin1.label = QStringLiteral("ISO-8859-1");
    const QByteArray bytes = xmlfile::encode(document, latin1, true);
    EXPECT_TRUE(bytes.contains("<Name>&#8364; &#128512;</Name>"));
    EXPECT_TRUE(bytes.contains("x = \"]]>&#8364;<![CDATA[ ]]>&#128512;<![CDATA[\"]]>"));
    const XmlNode back = XmlNode::parse(xmlfile::decode(bytes).text);
    for (const char *path : {"Job/Name", "Job/Code"})
        EXPECT_EQ(back.selectSingleNode(QString::fromLatin1(path)).text(),
                  document.selectSingleNode(QString::fromLatin1(path)).text());

    XmlNode name = document.selectSingleNode(QStringLiteral("Job/Name"));
    name.setAttribute(QStringLiteral("unit"), QStringLiteral("€"));
    try {
        xmlfile::encode(document, latin1, true);
        FAIL() << "an attribute value cannot hold a reference";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 5);
        EXPECT_TRUE(error.description.contains(QStringLiteral("U+20AC"))) << error.description.toStdString();
    }
}

struct Unreadable
{
    const char *name;
    QByteArrayView bytes;
    const char *message;
};

void PrintTo(const Unreadable &row, std::ostream *out) { *out << row.name; }

class XmlFileUnreadable : public ::testing::TestWithParam<Unreadable>
{
};

TEST_P(XmlFileUnreadable, IsAnErrorThatSaysWhereAndWhy)
{
    try {
        xmlfile::decode(GetParam().bytes.toByteArray(), QStringLiteral("job.xml"));
        FAIL() << "decoded";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 31003);
        EXPECT_EQ(error.description, QString::fromUtf8(GetParam().message));
    }
}

const Unreadable unreadables[] = {
    {"Latin1BytesInUtf8", "<?xml version=\"1.0\"?>\n<Job>Se\xF1" "al</Job>",
     "job.xml: byte 29 (line 2, column 8) is not valid UTF-8"},
    {"CountedAfterTheMark", "\xEF\xBB\xBF<Job>\xFF</Job>", "job.xml: byte 8 (line 1, column 6) is not valid UTF-8"},
    {"NotAscii", "<?xml version=\"1.0\" encoding=\"US-ASCII\"?><Job>\xE9</Job>",
     "job.xml: byte 46 (line 1, column 47) is not valid US-ASCII"},
    {"UnknownEncoding", "<?xml version='1.0' encoding='x-nothing'?><Job/>",
     "job.xml: unknown encoding \"x-nothing\" in the XML declaration"},
    {"Utf16WithoutIt", "<?xml version=\"1.0\" encoding=\"UTF-16\"?><Job/>",
     "job.xml: the XML declaration says \"UTF-16\" but the file is not written in it (no byte-order mark)"},
};

INSTANTIATE_TEST_SUITE_P(XmlFile, XmlFileUnreadable, ::testing::ValuesIn(unreadables),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
