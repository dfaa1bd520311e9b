#include "errorcore/error.h"
#include "common/languagefiles.h"
#include "common/nodes.h"
#include "expecterror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <tuple>

namespace {

TEST(Paths, ValidPathAndLocalPath)
{
    const std::tuple<QString (*)(const QString &), const char *, const char *> rows[] = {
        {&GetValidPath, "C:/Program Files/Veltrano/Veltrano.xml", "C:\\Program Files\\Veltrano\\Veltrano.xml"},
        {&GetValidPath, "/srv/my:data/x.xml", "\\srv\\my:data\\x.xml"},
        {&GetValidPath, "\\\\server\\share/data/Veltrano.xml", "\\\\server\\share\\data\\Veltrano.xml"},
        {&GetValidPath, "data\\patterns\\Veltrano.xml", "data/patterns/Veltrano.xml"},
        {&GetValidPath, "\\data/x.xml", "/data/x.xml"},
        {&localFilePath, "C:\\tmp\\data\\Veltrano.xml", "/tmp/data/Veltrano.xml"},
        {&localFilePath, "C:", "/"},
        {&localFilePath, "/tmp/a:b/x.xml", "/tmp/a:b/x.xml"},
        {&localFilePath, "\\tmp\\a:b\\x.xml", "/tmp/a:b/x.xml"},
        {&localFilePath, "data\\x.xml", "data/x.xml"},
    };
    for (const auto &[convert, input, expected] : rows)
        EXPECT_EQ(convert(QString::fromUtf8(input)), QString::fromUtf8(expected)) << input;
}

TEST(GetNewNode, EachKindInADocumentOfItsOwn)
{
    const XmlNode element = GetNewNode(XmlNode::Element, QStringLiteral("  Documentation \t"));
    EXPECT_EQ(element.nodeName(), QStringLiteral("Documentation"));
    EXPECT_FALSE(element.hasChildNodes());
    EXPECT_TRUE(element.parentNode().isNull());
    XmlNode cdata = GetNewNode(XmlNode::CDATASection, QString());
    EXPECT_EQ(cdata.nodeType(), int(XmlNode::CDATASection));
    EXPECT_NE(element.ownerDocument(), cdata.ownerDocument());
    expectError(5, [] { GetNewNode(XmlNode::Document, QString()); }, QStringLiteral(" General.GetNewNode() "));
}

// A data folder holding a malformed pattern, en.lng, an empty es.lng and a
// folder named fr.lng, named with either separator or a drive letter.
TEST(DataFolder, PatternsAndLanguageFiles)
{
    QTemporaryDir dir;
    for (const char *name : {"en.lng", "es.lng", "Broken.xml"})
        ASSERT_TRUE(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    QDir(dir.path()).mkdir(QStringLiteral("fr.lng"));
    const QString backslashed = QStringLiteral("C:") + QString(dir.path()).replace(QLatin1Char('/'), QLatin1Char('\\'));
    const std::tuple<const char *, QString, bool> rows[] = {
        {"en", backslashed + QLatin1Char('\\'), true},
        {"es", dir.path(), true},
        {"de", dir.path(), false},
        {"fr", dir.path(), false},
    };
    for (const auto &[languageId, folder, exists] : rows)
        EXPECT_EQ(CheckLangInDisk(QString::fromLatin1(languageId), folder), exists) << languageId;

    // What the parser or the file layer reports comes as a DOM error.
    const QString twice = QStringLiteral(" General.GetPattern()  General.GetPattern() ");
    Error e = raisedBy([&] { GetPattern(QStringLiteral("Veltrano"), backslashed); });
    EXPECT_EQ(e.number, 53);
    EXPECT_TRUE(e.description.startsWith(QStringLiteral("DOM : File not found: "))) << e.description.toStdString();
    EXPECT_EQ(e.source, twice);
    e = raisedBy([&] { GetPattern(QStringLiteral("Broken"), dir.path()); });
    EXPECT_EQ(e.description, QStringLiteral("DOM : Premature end of document."));
    EXPECT_EQ(e.source, twice);
}

} // namespace
