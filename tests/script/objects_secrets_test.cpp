// A password a script builds at run time is known to the run once a
// connection opens with it: what the evaluation shows afterwards (the error
// report, the description a status line and a monitor show, the value's
// text) masks it as a whole token.
#include "tools/testevaluation.h"

#include <gtest/gtest.h>

namespace {

EvaluationOutcome evaluate(const QString &body)
{
    ScriptControl control;
    SensorScripts scripts;
    scripts.general.code = QStringLiteral("Function Main()\r\n"
                                          "  pw = \"Hid\" & \"den\" & \"42\"\r\n"
                                          "  Set c = CreateObject(\"ADODB.Connection\")\r\n%1\r\n"
                                          "End Function")
                               .arg(body);
    return evaluateScripts(control, scripts);
}

TEST(RunSecrets, APasswordBuiltAtRunTimeIsMaskedAtEveryExitOfTheRun)
{
    const struct
    {
        const char *name, *body, *shown;   // shown: the description, or the value's text
    } rows[] = {
        {"InTheError", "  c.Open \"Data Source=:memory:;Password=\" & pw\r\n  Err.Raise 5, \"probe\", \"login \" & pw & \" refused\"",
         "login **** refused"},
        {"InTheValue", "  c.Open \"Data Source=:memory:\", \"sa\", pw\r\n  Main = \"token:\" & pw", "token:****"},
        {"UserNameLeftAlone", "  c.Open \"Data Source=:memory:;User ID=admin;Password=admin\"\r\n  Err.Raise 5, , \"no rights for admin\"",
         "no rights for admin"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const EvaluationOutcome outcome = evaluate(QString::fromUtf8(row.body));
        const QString shown = QString::fromUtf8(row.shown);
        if (outcome.failed()) {
            EXPECT_EQ(outcome.error.Description, shown);
            EXPECT_TRUE(outcome.errorReport.contains(QStringLiteral("Desc: ") + shown)) << outcome.errorReport.toStdString();
        } else {
            EXPECT_EQ(outcome.valueText, shown);
        }
        EXPECT_FALSE(outcome.errorReport.contains(QLatin1String("Hidden42")));
    }
}

} // namespace
