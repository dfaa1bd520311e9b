// Documents shaped to be slow: nesting and attributes beyond any job are
// refused with the place of the fault; up to the limits they load.
#include "platform/xml/xmlnode.h"

#include <gtest/gtest.h>

namespace {

// `depth` nested elements, one per line, the innermost holding text.
QString nested(int depth)
{
    QString text;
    text.reserve(depth * 8);
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("<e>\n");
    text += QStringLiteral("x");
    for (int i = 0; i < depth; ++i)
        text += QStringLiteral("</e>");
    return text;
}

// One element on the second line with `count` attributes.
QString wide(int count)
{
    QString text = QStringLiteral("<r>\n<e");
    for (int i = 0; i < count; ++i)
        text += QStringLiteral(" a%1=\"1\"").arg(i);
    return text + QStringLiteral("/></r>");
}

struct LimitRow
{
    const char *name;
    QString text;
    int line;             // of the refused element; 0: the document loads
};

class XmlLimits : public ::testing::TestWithParam<LimitRow>
{
};

TEST_P(XmlLimits, RefusedBeyondTheLimitWithItsPlace)
{
    const LimitRow &row = GetParam();
    XmlParseError error;
    const XmlNode document = XmlNode::parse(row.text, &error);
    if (row.line == 0) {
        ASSERT_FALSE(document.isNull()) << error.reason.toStdString();
        EXPECT_EQ(document.documentElement().nodeName().size(), 1);
        return;
    }
    ASSERT_TRUE(document.isNull());
    EXPECT_EQ(error.code, 31002);
    EXPECT_EQ(error.line, row.line);
    EXPECT_GT(error.column, 0);
    EXPECT_TRUE(error.reason.contains(QLatin1String("1000"))) << error.reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Xml, XmlLimits,
    ::testing::Values(LimitRow{"ThousandLevelsLoad", nested(1000), 0},
                      LimitRow{"OneLevelMoreIsRefused", nested(1001), 1001},
                      LimitRow{"FarDeeperIsRefusedAtTheFirstLevelTooMany", nested(200000), 1001},
                      LimitRow{"ThousandAttributesLoad", wide(1000), 0},
                      LimitRow{"OneAttributeMoreIsRefused", wide(1001), 2},
                      LimitRow{"FarWiderIsRefused", wide(100000), 2}),
    [](const ::testing::TestParamInfo<LimitRow> &info) { return std::string(info.param.name); });

} // namespace
