#include "tools/scripterrorreport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

TEST(ScriptErrorReport, SevenLinesJoinedByCrLfWithoutATrailingBreak)
{
    ScriptErrorInfo error;
    error.Number = 1002;
    error.Description = QStringLiteral("Syntax error");
    error.Column = 9;
    error.Line = 2;
    error.Text = QStringLiteral("var b = (;");
    error.Source = QStringLiteral("JScript compilation error");
    EXPECT_EQ(scriptErrorReport(error),
              QStringLiteral("Error.\r\nNumber: 1002\r\nDesc: Syntax error\r\nColumn: 9\r\nLine: 2\r\n"
                             "Text: var b = (;\r\nSource: JScript compilation error"));
}

TEST(ScriptErrorReport, EmptyFieldsStillGiveAllLines)
{
    const QString report = scriptErrorReport(ScriptErrorInfo());
    EXPECT_EQ(report.split(QStringLiteral("\r\n")).size(), 7);
    EXPECT_TRUE(report.endsWith(QLatin1String("Source: ")));
    EXPECT_TRUE(report.contains(QLatin1String("\r\nNumber: 0\r\n")));
}

} // namespace
