#include "errorcore/error.h"
#include "common/nodes.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct PathRow
{
    const char *name;
    const char *input;
    const char *expected;
};

class ValidPath : public ::testing::TestWithParam<PathRow> {};

TEST_P(ValidPath, MakesSeparatorsUniform)
{
    EXPECT_EQ(GetValidPath(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(General, ValidPath, ::testing::Values(
    PathRow{"DriveWithSlashes", "C:/Program Files/Veltrano/Veltrano.xml", "C:\\Program Files\\Veltrano\\Veltrano.xml"},
    PathRow{"DriveMixed", "D:\\data/lang\\es.lng", "D:\\data\\lang\\es.lng"},
    PathRow{"ColonAnywhere", "/srv/my:data/x.xml", "\\srv\\my:data\\x.xml"},
    PathRow{"NetworkPath", "\\\\server\\share/data/Veltrano.xml", "\\\\server\\share\\data\\Veltrano.xml"},
    PathRow{"RelativeBackslashes", "data\\patterns\\Veltrano.xml", "data/patterns/Veltrano.xml"},
    PathRow{"OneLeadingBackslash", "\\data/x.xml", "/data/x.xml"},
    PathRow{"PlainUnix", "/usr/share/veltrano/Veltrano.xml", "/usr/share/veltrano/Veltrano.xml"},
    PathRow{"Empty", "", ""}),
    [](const auto &info) { return std::string(info.param.name); });

class LocalPath : public ::testing::TestWithParam<PathRow> {};

TEST_P(LocalPath, NamesTheSameFileOnThisSystem)
{
    EXPECT_EQ(localFilePath(QString::fromUtf8(GetParam().input)), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(General, LocalPath, ::testing::Values(
    PathRow{"DriveBackslashes", "C:\\tmp\\data\\Veltrano.xml", "/tmp/data/Veltrano.xml"},
    PathRow{"DriveOnly", "C:", "/"},
    PathRow{"Unix", "/tmp/a:b/x.xml", "/tmp/a:b/x.xml"},
    PathRow{"BackslashedUnix", "\\tmp\\a:b\\x.xml", "/tmp/a:b/x.xml"},
    PathRow{"Relative", "data\\x.xml", "data/x.xml"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GetNewNode, TrimsTheName)
{
    const XmlNode node = GetNewNode(XmlNode::Element, QStringLiteral("  Documentation \t"));
    EXPECT_EQ(node.nodeType(), int(XmlNode::Element));
    EXPECT_EQ(node.nodeName(), QStringLiteral("Documentation"));
    EXPECT_FALSE(node.hasChildNodes());
    EXPECT_TRUE(node.parentNode().isNull());
}

TEST(GetNewNode, CDataSectionWithoutName)
{
    QString name;
    XmlNode node = GetNewNode(XmlNode::CDATASection, name);
    EXPECT_EQ(node.nodeType(), int(XmlNode::CDATASection));
    node.setText(QStringLiteral("a]]>b"));
    EXPECT_EQ(node.text(), QStringLiteral("a]]>b"));
}

TEST(GetNewNode, EachNodeHasItsOwnDocument)
{
    QString a = QStringLiteral("A"), b = QStringLiteral("B");
    const XmlNode first = GetNewNode(XmlNode::Element, a);
    const XmlNode second = GetNewNode(XmlNode::Element, b);
    EXPECT_NE(first.ownerDocument(), second.ownerDocument());
}

TEST(GetNewNode, UnknownTypeRaisesWithTag)
{
    QString name = QStringLiteral("x");
    try {
        GetNewNode(XmlNode::Document, name);
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.number, 5);
        EXPECT_TRUE(e.source.endsWith(QStringLiteral(" General.GetNewNode() ")));
    }
}

class Pattern : public ::testing::Test
{
protected:
    void write(const QString &name, const QByteArray &content)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTemporaryDir dir;
};

TEST_F(Pattern, LoadsTheRootElement)
{
    write(QStringLiteral("Veltrano.xml"), "<Sensor><Status>1</Status></Sensor>");
    QString folder = dir.path();
    const XmlNode root = GetPattern(QStringLiteral("Veltrano"), folder);
    EXPECT_EQ(root.nodeName(), QStringLiteral("Sensor"));
    EXPECT_EQ(root.selectSingleNode(QStringLiteral("Status")).text(), QStringLiteral("1"));
}

TEST_F(Pattern, DriveLetterFolderWithEitherSeparator)
{
    write(QStringLiteral("Veltrano.xml"), "<Sensor/>");
    QString withSlashes = QStringLiteral("C:") + dir.path();
    QString withBackslashes = withSlashes;
    withBackslashes.replace(QLatin1Char('/'), QLatin1Char('\\'));
    EXPECT_EQ(GetPattern(QStringLiteral("Veltrano"), withSlashes).nodeName(), QStringLiteral("Sensor"));
    EXPECT_EQ(GetPattern(QStringLiteral("Veltrano"), withBackslashes).nodeName(), QStringLiteral("Sensor"));
}

TEST_F(Pattern, MalformedFileRaisesDomErrorWithTagTwice)
{
    write(QStringLiteral("Veltrano.xml"), "<Sensor>\n  <Status>1</Statu>\n</Sensor>");
    QString folder = dir.path();
    try {
        GetPattern(QStringLiteral("Veltrano"), folder);
        FAIL();
    } catch (const Error &e) {
        EXPECT_NE(e.number, 0);
        EXPECT_TRUE(e.description.startsWith(QStringLiteral("DOM : "))) << e.description.toStdString();
        EXPECT_GT(e.description.size(), 6);
        EXPECT_EQ(e.source, QStringLiteral(" General.GetPattern()  General.GetPattern() "));
    }
}

TEST_F(Pattern, MissingFileRaisesDomError)
{
    QString folder = dir.path();
    try {
        GetPattern(QStringLiteral("Veltrano"), folder);
        FAIL();
    } catch (const Error &e) {
        EXPECT_EQ(e.number, 53);
        EXPECT_TRUE(e.description.startsWith(QStringLiteral("DOM : ")));
        EXPECT_TRUE(e.description.contains(QStringLiteral("Veltrano.xml")));
        EXPECT_EQ(e.source, QStringLiteral(" General.GetPattern()  General.GetPattern() "));
    }
}

TEST(PatternFile, ShippedPatternHasEveryRequiredElement)
{
    QString folder = QStringLiteral(VT_DATA_DIR);
    const XmlNode sensor = GetPattern(QStringLiteral("Veltrano"), folder);
    EXPECT_EQ(sensor.nodeName(), QStringLiteral("Sensor"));
    for (const char *path : {"Script/Language", "Script/EvalCode", "Status", "ViewInMarquee", "Quantity",
                             "DataPersistence/Quantity", "DataPersistence/UnitTime", "EvaluationData/Evaluation",
                             "EvaluationData/Values"})
        EXPECT_FALSE(sensor.selectSingleNode(QString::fromLatin1(path)).isNull()) << path;
    for (const char *type : {"2", "1", "0"}) {
        const XmlNode level = sensor.selectSingleNode(
            QStringLiteral("EvaluationData/Values/EvalData[Type='%1']").arg(QLatin1String(type)));
        ASSERT_FALSE(level.isNull()) << type;
        for (const char *path : {"Script/Language", "Script/EvalCode", "Events", "ReferenceValue"})
            EXPECT_FALSE(level.selectSingleNode(QString::fromLatin1(path)).isNull()) << type << path;
        EXPECT_TRUE(level.selectSingleNode(QStringLiteral("Script/EvalCode")).text().contains(QStringLiteral("Main")));
    }
}

} // namespace
