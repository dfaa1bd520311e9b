#include "errorcore/error.h"
#include "common/languagefiles.h"
#include "common/nodes.h"
#include "expecterror.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PathRow
{
    QString (*convert)(const QString &);
    const char *input;
    const char *expected;
};

TEST(Paths, ValidPathAndLocalPath)
{
    const PathRow rows[] = {
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
    for (const PathRow &row : rows)
        EXPECT_EQ(row.convert(QString::fromUtf8(row.input)), QString::fromUtf8(row.expected)) << row.input;
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
    expectError(5, [] { GetNewNode(XmlNode::Document, QStringLiteral("x")); }, QStringLiteral(" General.GetNewNode() "));
}

TEST(GetPattern, LoadsTheRootElementFromAnyFolderSpelling)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Veltrano.xml")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Sensor><Status>1</Status></Sensor>");
    file.close();
    const QString drive = QStringLiteral("C:") + dir.path();
    for (const QString &folder : {dir.path(), drive, QString(drive).replace(QLatin1Char('/'), QLatin1Char('\\'))}) {
        const XmlNode root = GetPattern(QStringLiteral("Veltrano"), folder);
        EXPECT_EQ(root.selectSingleNode(QStringLiteral("Status")).text(), QStringLiteral("1")) << folder.toStdString();
    }
}

TEST(GetPattern, UnreadableFileRaisesADomErrorTaggedTwice)
{
    QTemporaryDir dir;
    const QString twice = QStringLiteral(" General.GetPattern()  General.GetPattern() ");
    Error e = raisedBy([&] { GetPattern(QStringLiteral("Veltrano"), dir.path()); });
    EXPECT_EQ(e.number, 53);
    EXPECT_TRUE(e.description.startsWith(QStringLiteral("DOM : ")));
    EXPECT_TRUE(e.description.contains(QStringLiteral("Veltrano.xml")));
    EXPECT_EQ(e.source, twice);

    QFile file(dir.filePath(QStringLiteral("Veltrano.xml")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Sensor>\n  <Status>1</Statu>\n</Sensor>");
    file.close();
    e = raisedBy([&] { GetPattern(QStringLiteral("Veltrano"), dir.path()); });
    EXPECT_EQ(e.description, QStringLiteral("DOM : Opening and ending tag mismatch."));
    EXPECT_EQ(e.source, twice);
}

TEST(GetPattern, ShippedPatternHasAScriptForEachLevel)
{
    const XmlNode sensor = GetPattern(QStringLiteral("Veltrano"), QStringLiteral(VT_DATA_DIR));
    for (const char *type : {"", "EvaluationData/Values/EvalData[Type='2']/", "EvaluationData/Values/EvalData[Type='1']/",
                             "EvaluationData/Values/EvalData[Type='0']/"}) {
        const QString code = sensor.selectSingleNode(QString::fromLatin1(type) + QStringLiteral("Script/EvalCode")).text();
        EXPECT_TRUE(code.contains(QStringLiteral("Main"))) << type;
    }
}

// A data folder holding en.lng, an empty es.lng and a folder named fr.lng,
// named with either separator, a trailing one or a drive letter.
TEST(CheckLangInDisk, TestsTheFileOfTheLanguage)
{
    QTemporaryDir dir;
    for (const char *name : {"en.lng", "es.lng"})
        ASSERT_TRUE(QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
    QDir(dir.path()).mkdir(QStringLiteral("fr.lng"));
    const QString slashed = dir.path();
    const QString backslashed = QString(slashed).replace(QLatin1Char('/'), QLatin1Char('\\'));
    const struct
    {
        const char *languageId;
        QString folder;
        bool exists;
    } rows[] = {
        {"en", backslashed + QLatin1Char('\\'), true},
        {"en", QStringLiteral("C:") + backslashed, true},
        {"es", slashed, true},
        {"de", slashed, false},
        {"fr", slashed, false},
        {"es", sourcePath(QStringLiteral("data")), true},
    };
    for (const auto &row : rows)
        EXPECT_EQ(CheckLangInDisk(QString::fromLatin1(row.languageId), row.folder), row.exists)
            << row.languageId << " in " << row.folder.toStdString();
}

} // namespace
