// XML files as bytes: decoded as XML says, written back in the same encoding,
// byte for byte, and never a character silently replaced.
#include "errorcore/error.h"
#include "expecterror.h"
#include "platform/xml/xmlfile.h"
#include "platform/xml/xmlnode.h"
#include "testsupport.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

// A document as the writer lays it out, so that reading and writing it back
// must give the same bytes.
QString canonical(const QString &label, const QString &name)
{
    return QStringLiteral("<?xml version=\"1.0\"%1?>\n"
                          "<Job>\n"
                          "  <Name>%2</Name>\n"
                          "  <Code><![CDATA[If a < b Then\r\n\tx = \"%2\"]]></Code>\n"
                          "</Job>\n")
        .arg(label.isEmpty() ? QString() : QStringLiteral(" encoding=\"%1\"").arg(label), name)
        .replace(QStringLiteral("\r"), QStringLiteral("]]>&#13;<![CDATA["));
}

TEST(XmlFile, ReadsTheCharactersAndWritesTheSameBytes)
{
    // What the bytes are in, their mark, the declaration's name, and the
    // characters in the name and the script.
    const std::tuple<const char *, QByteArrayView, const char *, const char *> rows[] = {
        {"UTF-8", {}, "UTF-8", "Señal ✓"},
        {"UTF-8", QByteArrayView("\xEF\xBB\xBF", 3), "UTF-8", "Señal ✓"},
        {"ISO-8859-1", {}, "iso-8859-1", "Señal"},
        {"windows-1252", {}, "windows-1252", "Señal €"},
        {"UTF-16LE", QByteArrayView("\xFF\xFE", 2), "UTF-16", "Señal ✓"},
        {"UTF-16BE", QByteArrayView("\xFE\xFF", 2), "UTF-16", "Señal ✓"},
        {"UTF-16LE", {}, "UTF-16", "Señal"},
        {"UTF-32LE", QByteArrayView("\xFF\xFE\x00\x00", 4), "UTF-32", "Señal 😀"},
        {"UTF-8", {}, "", "Señal"},   // where a reader needs no name, none is added
        {"UTF-16BE", QByteArrayView("\xFE\xFF", 2), "", "Señal"},
    };
    for (const auto &[encoding, mark, label, characters] : rows) {
        SCOPED_TRACE(encoding);
        const QString text = canonical(QString::fromLatin1(label), QString::fromUtf8(characters));
        QStringEncoder encoder(encoding);
        const QByteArray bytes = mark.toByteArray() + QByteArray(encoder(text));

        const xmlfile::Text file = xmlfile::decode(bytes);
        EXPECT_EQ(file.text, text);
        EXPECT_EQ(file.encoding.name, QString::fromLatin1(encoding));
        EXPECT_EQ(file.encoding.byteOrderMark, !mark.isEmpty());
        const XmlNode document = XmlNode::parse(file.text);
        EXPECT_EQ(document.selectSingleNode(QStringLiteral("Job/Name")).text(), QString::fromUtf8(characters));
        EXPECT_EQ(xmlfile::encode(document, file.encoding, true), bytes);
    }
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
    const Error error = raisedBy([&] { xmlfile::encode(document, latin1, true); });
    EXPECT_EQ(error.number, 5);
    EXPECT_TRUE(error.description.contains(QStringLiteral("U+20AC"))) << error.description.toStdString();
}

TEST(XmlFile, UnreadableBytesAreAnErrorThatSaysWhereAndWhy)
{
    const std::pair<QByteArrayView, const char *> rows[] = {
        {"<?xml version=\"1.0\"?>\n<Job>Se\xF1" "al</Job>", "job.xml: byte 29 (line 2, column 8) is not valid UTF-8"},
        {"\xEF\xBB\xBF<Job>\xFF</Job>", "job.xml: byte 8 (line 1, column 6) is not valid UTF-8"},
        {"<?xml version=\"1.0\" encoding=\"US-ASCII\"?><Job>\xE9</Job>",
         "job.xml: byte 46 (line 1, column 47) is not valid US-ASCII"},
        {"<?xml version='1.0' encoding='x-nothing'?><Job/>",
         "job.xml: unknown encoding \"x-nothing\" in the XML declaration"},
        {"<?xml version=\"1.0\" encoding=\"UTF-16\"?><Job/>",
         "job.xml: the XML declaration says \"UTF-16\" but the file is not written in it (no byte-order mark)"},
        // Unpaired surrogates, bytes left over, sequences past U+10FFFF or
        // cut off by the end: in UTF-16, UTF-32, UTF-8 and the others alike.
        {{"\xFF\xFE<\0J\0>\0\x00\xD8<\0/\0J\0>\0", 18}, "job.xml: byte 8 (line 1, column 4) is not valid UTF-16"},
        {{"\xFF\xFE<\0J\0>\0\x00\xDCx\0", 12}, "job.xml: byte 8 (line 1, column 4) is not valid UTF-16"},
        {{"\xFE\xFF\0<\0J\0>\xD8\x00\x00x", 12}, "job.xml: byte 8 (line 1, column 4) is not valid UTF-16"},
        {{"\xFF\xFE<\0J\0/\0>\0\n", 11}, "job.xml: byte 10 (line 1, column 5) is not valid UTF-16"},
        {{"\xFF\xFE\0\0<\0\0\0\x00\xD8\0\0", 12}, "job.xml: byte 8 (line 1, column 2) is not valid UTF-32"},
        {{"\xFF\xFE\0\0<\0\0\0\0\0\x11\0", 12}, "job.xml: byte 8 (line 1, column 2) is not valid UTF-32"},
        {{"\xFF\xFE\0\0<\0\0\0\0\0", 10}, "job.xml: byte 8 (line 1, column 2) is not valid UTF-32"},
        {"<J/>\xE2\x82", "job.xml: byte 4 (line 1, column 5) is not valid UTF-8"},
        {"<J>\n\xED\xA0\x80</J>", "job.xml: byte 4 (line 2, column 1) is not valid UTF-8"},
        {"<J>\xC0\xAF</J>", "job.xml: byte 3 (line 1, column 4) is not valid UTF-8"},
        {"<J>\xF4\x90\x80\x80</J>", "job.xml: byte 3 (line 1, column 4) is not valid UTF-8"},
        {"<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><J/>\x82", "job.xml: byte 46 (line 1, column 47) is not valid Shift_JIS"},
        {"<?xmlx encoding=\"ISO-8859-1\"?><J>\xE9</J>", "job.xml: byte 33 (line 1, column 34) is not valid UTF-8"},
        {"<?xml version=\"1.0\" encoding=\"CESU-8\"?><J>\xED\xA0\x80</J>",
         "job.xml: byte 42 (line 1, column 43) is not valid CESU-8"},
    };
    for (const auto &[bytes, message] : rows) {
        const Error error = raisedBy([&] { xmlfile::decode(bytes.toByteArray(), QStringLiteral("job.xml")); });
        EXPECT_EQ(error.number, 31003);
        EXPECT_EQ(error.description, QString::fromUtf8(message));
    }
}

// A document past the reading limits is refused while it is read, naming the
// limit, and a save whose file would be refused when read is not made.
TEST(XmlFile, DocumentsPastTheReadingLimitsAreNeitherReadNorWritten)
{
    const auto many = [](const char *element, qsizetype count) {
        return QStringLiteral("<r>") + QString::fromLatin1(element).repeated(count) + QStringLiteral("</r>");
    };
    const QString elements = QStringLiteral("more than 1,000,000 elements");
    const QString memory = QStringLiteral("more than 20 bytes of memory per byte of its file");
    const struct
    {
        const char *name;
        QString text;
        qint64 fileBytes;            // -1: not from a file
        QString readError;           // empty: it reads
        QString writeError;          // empty: it is written
    } rows[] = {
        {"MillionElements", many("<a/>", 999'999), -1, {}, memory},
        {"OneElementTooMany", many("<a/>", 1'000'000), -1, elements, {}},
        {"AttributesFromAFile", many("<a k='v'/>", 4'000), 40'007, memory, {}},
        {"AttributesInALargerFile", many("<a k='v'/>", 4'000), 600'000, {}, memory},
        {"AttributesFromElsewhere", many("<a k='v'/>", 4'000), -1, {}, memory},
        {"FewAttributes", many("<a k='v'/>", 2'000), 20'007, {}, {}},
        {"TooLargeToReadBack", many("x", 17'000'000), -1, {}, QStringLiteral("more than the 16,777,216 a file may have")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        XmlParseError error;
        const XmlNode document = XmlNode::parse(row.text, &error, row.fileBytes);
        EXPECT_TRUE(error.reason.contains(row.readError)) << error.reason.toStdString();
        EXPECT_EQ(error.code, row.readError.isEmpty() ? 0 : 31002);
        if (document.isNull())
            continue;
        QString written;
        try {
            xmlfile::encode(document, xmlfile::Encoding(), true);
        } catch (const Error &failure) {
            EXPECT_EQ(failure.number, 7);
            written = failure.description;
        }
        EXPECT_EQ(written.isEmpty(), row.writeError.isEmpty()) << written.toStdString();
        EXPECT_TRUE(written.contains(row.writeError)) << written.toStdString();
    }
}

TEST(XmlLoad, ReadsAFileInItsEncodingOrSaysWhyNot)
{
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    EXPECT_EQ(XmlNode::load(write("latin1.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>caf\xE9</r>")).xml(),
              QString::fromUtf8("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<r>caf\xC3\xA9</r>"));
    EXPECT_EQ(XmlNode::load(write("bom.xml", "\xEF\xBB\xBF<?xml version=\"1.0\"?><r>\xC3\xA9</r>")).xml(),
              QString::fromUtf8("<?xml version=\"1.0\"?>\n<r>\xC3\xA9</r>"));

    const QString bad = write("bad.xml", "<Sensor>\n  <Status>\n</Sensor>");
    expectError(31003, [&] { XmlNode::load(bad); }, bad + QStringLiteral(": line 3, column 9"));
    const QString missing = dir.filePath(QStringLiteral("missing.xml"));
    EXPECT_EQ(raisedBy([&] { XmlNode::load(missing); }).description, QStringLiteral("File not found: ") + missing);
    XmlParseError error;
    EXPECT_TRUE(XmlNode::load(missing, &error).isNull());
    EXPECT_EQ(error.code, 53);
    EXPECT_EQ(error.line, 0);
    const Error directory = raisedBy([&] { XmlNode::load(dir.path()); });
    EXPECT_EQ(directory.number, 75);
    EXPECT_TRUE(directory.description.endsWith(dir.path())) << directory.description.toStdString();
}

} // namespace
