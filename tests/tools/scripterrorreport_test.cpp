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

// The report repeats the failing source line: no password in it reaches the
// error box or standard error.
TEST(ScriptErrorReport, MasksPasswordsInTheSourceLineAndDescription)
{
    const struct
    {
        const char *text;
        const char *secret;
    } cases[] = {
        {R"(c.Open "Driver={PostgreSQL};Server=db;Uid=me;Password=s3cret;Database=x")", "s3cret"},
        {R"(c.Open "DSN=x;PWD={br;ace};")", "br;ace"},
        {R"(c.Open "postgresql://me:hunter2@db/x")", "hunter2"},
        {R"(c.Open "DSN=x", "me", "open-pw")", "open-pw"},
        {R"(conn.Open("DSN=x", "me", 'js-pw');)", "js-pw"},
    };
    for (const auto &c : cases) {
        ScriptErrorInfo error;
        error.Text = QString::fromUtf8(c.text);
        error.Description = QStringLiteral("failed: ") + error.Text;
        const QString report = scriptErrorReport(error);
        EXPECT_FALSE(report.contains(QString::fromUtf8(c.secret))) << report.toStdString();
        EXPECT_TRUE(report.contains(QLatin1String("****"))) << c.text;
        EXPECT_TRUE(report.contains(QLatin1String("Open"))) << c.text; // the rest of the line stays
    }
}

} // namespace
