// sensor-script evaluate as a monitoring agent runs it: one line, exit 0-3.
#include "runprogram.h"
#include "testsupport.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct Script
{
    const char *language;
    const char *code;
};

// A job whose sensor has the given general script and levels.
QString jobXml(const Script &general, bool evaluate, const Script &danger, const Script &warning, const Script &good)
{
    const auto level = [](int type, const Script &s) {
        return QStringLiteral("<EvalData><Type>%1</Type><Script><Language><![CDATA[%2]]></Language>"
                              "<EvalCode><![CDATA[%3]]></EvalCode></Script><Events/>"
                              "<ReferenceValue>0</ReferenceValue></EvalData>")
            .arg(type)
            .arg(QString::fromLatin1(s.language), QString::fromUtf8(s.code));
    };
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><JobDefinition><Definition>"
                          "<Type>SENSOR</Type><SubType>SCRIPT</SubType><ExecutionEngine>SENSOR</ExecutionEngine>"
                          "<Properties><Name>T</Name><Description><Languages><Language><Id>en</Id><Default>1</Default>"
                          "<Description>test</Description></Language></Languages></Description></Properties></Definition>"
                          "<FreeDefinition><Sensor><Script><Language><![CDATA[%1]]></Language>"
                          "<EvalCode><![CDATA[%2]]></EvalCode></Script><Status>1</Status><ViewInMarquee>0</ViewInMarquee><Quantity>1</Quantity>"
                          "<EvaluationData><Evaluation>%3</Evaluation><Values>%4%5%6</Values></EvaluationData>"
                          "</Sensor></FreeDefinition></JobDefinition>")
        .arg(QString::fromLatin1(general.language), QString::fromUtf8(general.code))
        .arg(evaluate ? 1 : 0)
        .arg(level(2, danger), level(1, warning), level(0, good));
}

const Script vbFortyTwo{"VBScript", "Function Main()\n\tMain = 42\nEnd Function"};
const Script vbTrue{"VBScript", "Function Main(pSsrValue)\n\tMain = True\nEnd Function"};
const Script vbFalse{"VBScript", "Function Main(pSsrValue)\n\tMain = False\nEnd Function"};
const Script vbOne{"VBScript", "Function Main(pSsrValue)\n\tMain = 1\nEnd Function"};
const Script jsAbove50{"JScript", "function Main(v) {\n\treturn v > 50;\n}"};
const Script jsAbove30{"JScript", "function Main(v) {\n\treturn v > 30;\n}"};
const Script broken{"VBScript", "Function Main(\n"};

struct EvaluateCase
{
    const char *name;
    QString job;
    QStringList options;
    int exitCode;
    const char *line;        // the whole first line of standard output
    const char *errContains; // on standard error, or null for nothing
};

void PrintTo(const EvaluateCase &c, std::ostream *out)
{
    *out << c.name;
}

class EvaluateCommand : public ::testing::TestWithParam<EvaluateCase>
{
};

TEST_P(EvaluateCommand, AnswersAsAMonitoringPlugin)
{
    const EvaluateCase &c = GetParam();
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("job.xml")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(c.job.toUtf8());
    file.close();

    const ProgramRun run = sensorScript(QStringList{QStringLiteral("evaluate")} + c.options + QStringList{file.fileName()});
    EXPECT_EQ(run.exitCode, c.exitCode) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.out, QString::fromUtf8(c.line) + QLatin1Char('\n'));
    if (c.errContains)
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.errContains))) << run.err.toStdString();
    else
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, EvaluateCommand,
    ::testing::Values(
        EvaluateCase{"DangerIsCritical", jobXml(vbFortyTwo, true, vbTrue, vbTrue, vbTrue), {}, 2,
                     "SENSOR CRITICAL - value 42", nullptr},
        EvaluateCase{"WarningAcrossLanguages", jobXml(vbFortyTwo, true, jsAbove50, jsAbove30, broken), {}, 1,
                     "SENSOR WARNING - value 42", nullptr},
        EvaluateCase{"GoodIsOk", jobXml(vbFortyTwo, true, vbFalse, vbFalse, vbTrue), {}, 0, "SENSOR OK - value 42", nullptr},
        EvaluateCase{"NoLevelTrueIsUnknown", jobXml(vbFortyTwo, true, vbOne, vbOne, vbOne), {}, 3,
                     "SENSOR UNKNOWN - value 42", nullptr},
        EvaluateCase{"NotEvaluatedIsOk", jobXml(vbFortyTwo, false, broken, broken, broken), {}, 0,
                     "SENSOR OK - value 42", nullptr},
        EvaluateCase{"JScriptGeneralScript",
                     jobXml({"JScript", "function Main() { return 2.5 * 2; }"}, true, vbFalse, vbTrue, vbTrue), {}, 1,
                     "SENSOR WARNING - value 5", nullptr},
        EvaluateCase{"ScriptErrorIsUnknownWithTheReport",
                     jobXml({"VBScript", "Function Main()\n\tMain = 1 / 0\nEnd Function"}, true, vbTrue, vbTrue, vbTrue), {}, 3,
                     "SENSOR UNKNOWN - script error 11: Division by zero",
                     "Error.\nNumber: 11\nDesc: Division by zero\nColumn: 1\nLine: 2\nText: \tMain = 1 / 0\nSource: VBScript runtime error"},
        EvaluateCase{"LevelSyntaxErrorIsUnknown", jobXml(vbFortyTwo, true, vbFalse, broken, vbTrue), {}, 3,
                     "SENSOR UNKNOWN - script error 1010: Expected identifier", "Source: VBScript compilation error"},
        EvaluateCase{"EndlessLoopStopsAtTheTimeout",
                     jobXml({"JScript", "function Main() { for (;;) {} }"}, true, vbTrue, vbTrue, vbTrue),
                     {QStringLiteral("--timeout"), QStringLiteral("300")}, 3,
                     "SENSOR UNKNOWN - script error 18: The script was stopped: it ran longer than the time-out of 300 ms",
                     "Number: 18"},
        // A value no level can judge is UNKNOWN, whatever the levels answer.
        EvaluateCase{"NoReturnIsEmpty", jobXml({"JScript", "function Main() { var v = 1; }"}, true, vbTrue, vbTrue, vbTrue),
                     {}, 3, "SENSOR UNKNOWN - the sensor value is Empty (does Main return a value?)", nullptr},
        EvaluateCase{"NullIsUnknown", jobXml({"VBScript", "Function Main()\n\tMain = Null\nEnd Function"}, false, vbTrue, vbTrue, vbTrue),
                     {}, 3, "SENSOR UNKNOWN - the sensor value is Null", nullptr},
        EvaluateCase{"NaNIsUnknown", jobXml({"JScript", "function Main() { return 0 / 0; }"}, true, vbTrue, vbTrue, vbTrue),
                     {}, 3, "SENSOR UNKNOWN - the sensor value is not a number (NaN)", nullptr},
        EvaluateCase{"ObjectIsUnknown", jobXml({"JScript", "function Main() { return {a: 1}; }"}, true, vbTrue, vbTrue, vbTrue),
                     {}, 3, "SENSOR UNKNOWN - the sensor value is an object, not a value", nullptr}),
    [](const ::testing::TestParamInfo<EvaluateCase> &info) { return std::string(info.param.name); });

// show and evaluate read a job as the editor does: the same values are
// refused with the same words, the element named.
TEST(OneReading, ShowAndEvaluateRefuseTheSameValues)
{
    const QString job = jobXml(vbFortyTwo, true, vbTrue, vbTrue, vbTrue);
    const struct
    {
        const char *from;
        const char *to;
        const char *error;
    } rows[] = {
        {"<ReferenceValue>0</ReferenceValue>", "<ReferenceValue>ten</ReferenceValue>",
         "error 13: Type mismatch: JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData[Type='2']/"
         "ReferenceValue \"ten\" is not a number"},
        {"<Quantity>1</Quantity>", "<Quantity>1e20</Quantity>",
         "error 6: Overflow: JobDefinition/FreeDefinition/Sensor/Quantity \"1e20\" is outside the 32-bit range"},
        {"<Type>2</Type>", "<Type>3</Type>",
         "error 91: JobDefinition/FreeDefinition/Sensor/EvaluationData/Values has no EvalData for Danger"},
    };
    for (const auto &row : rows) {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("job.xml")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        QString text = job;
        text.replace(text.indexOf(QString::fromUtf8(row.from)), int(qstrlen(row.from)), QString::fromUtf8(row.to));
        file.write(text.toUtf8());
        file.close();
        for (const char *command : {"show", "evaluate"}) {
            const ProgramRun run = sensorScript({QString::fromLatin1(command), file.fileName()});
            EXPECT_NE(run.exitCode, 0) << command;
            EXPECT_TRUE(run.err.contains(QString::fromUtf8(row.error))) << command << ": " << run.err.toStdString();
        }
    }
}

TEST(EvaluateCommandExamples, StateAndExitCodeAgree)
{
    static const QRegularExpression line(QStringLiteral("^SENSOR (OK|WARNING|CRITICAL|UNKNOWN) - value (-?[0-9.]+)\n$"));
    const QStringList states = {QStringLiteral("OK"), QStringLiteral("WARNING"), QStringLiteral("CRITICAL"), QStringLiteral("UNKNOWN")};
    for (const char *job : {"examples/jobs/disk-space-jscript.xml", "examples/jobs/log-activity-jscript.xml",
                            "examples/jobs/existing-job.xml"}) {
        const ProgramRun run = sensorScript({QStringLiteral("evaluate"), sourcePath(QString::fromLatin1(job))});
        const QRegularExpressionMatch m = line.match(run.out);
        ASSERT_TRUE(m.hasMatch()) << job << ": " << run.out.toStdString() << run.err.toStdString();
        EXPECT_EQ(run.exitCode, states.indexOf(m.captured(1))) << job;
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

TEST(EvaluateCommandExamples, DiskSpaceIsAPercentage)
{
    const ProgramRun run = sensorScript({QStringLiteral("evaluate"), sourcePath(QStringLiteral("examples/jobs/disk-space-jscript.xml"))});
    const double percent = run.out.section(QLatin1Char(' '), -1).trimmed().toDouble();
    EXPECT_GE(percent, 0.0);
    EXPECT_LE(percent, 100.0);
}

TEST(EvaluateCommandBadInput, UnreadableJobsAndUsage)
{
    QTemporaryDir dir;
    const ProgramRun missing = sensorScript({QStringLiteral("evaluate"), dir.filePath(QStringLiteral("none.xml"))});
    EXPECT_EQ(missing.exitCode, 3);
    EXPECT_TRUE(missing.out.startsWith(QLatin1String("SENSOR UNKNOWN - cannot read the job"))) << missing.out.toStdString();

    const ProgramRun newJob = sensorScript({QStringLiteral("evaluate"), sourcePath(QStringLiteral("examples/jobs/new-job.xml"))});
    EXPECT_EQ(newJob.exitCode, 3);
    EXPECT_TRUE(newJob.err.contains(QLatin1String("error 91"))) << newJob.err.toStdString();

    EXPECT_EQ(sensorScript({QStringLiteral("evaluate")}).exitCode, 64);
    EXPECT_EQ(sensorScript({QStringLiteral("evaluate"), QStringLiteral("--timeout"), QStringLiteral("soon"), QStringLiteral("x.xml")}).exitCode, 64);
}

} // namespace
