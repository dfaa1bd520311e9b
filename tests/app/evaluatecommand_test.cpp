// sensor-script evaluate as a monitoring agent runs it: one line, exit 0-3.
#include "runprogram.h"
#include "testsupport.h"

#include <QRegularExpression>

namespace {

// A script as "Language:code".
QString jobXml(const char *general, bool evaluate, const char *danger, const char *warning, const char *good)
{
    const auto script = [](const char *s) {
        const QString text = QString::fromUtf8(s);
        return QStringLiteral("<Script><Language><![CDATA[%1]]></Language><EvalCode><![CDATA[%2]]></EvalCode></Script>")
            .arg(text.section(u':', 0, 0), text.section(u':', 1));
    };
    QString levels;
    for (const auto &[type, s] : {std::pair{2, danger}, {1, warning}, {0, good}})
        levels += QStringLiteral("<EvalData><Type>%1</Type>%2<Events/><ReferenceValue>0</ReferenceValue></EvalData>")
                      .arg(type)
                      .arg(script(s));
    return QStringLiteral("<JobDefinition><Definition><Type>SENSOR</Type><SubType>SCRIPT</SubType><ExecutionEngine>SENSOR"
                          "</ExecutionEngine><Properties><Name>T</Name><Description><Languages><Language><Id>en</Id><Default>1"
                          "</Default><Description>test</Description></Language></Languages></Description></Properties>"
                          "</Definition><FreeDefinition><Sensor>%1<Status>1</Status><ViewInMarquee>0</ViewInMarquee>"
                          "<Quantity>1</Quantity><EvaluationData><Evaluation>%2</Evaluation><Values>%3</Values>"
                          "</EvaluationData></Sensor></FreeDefinition></JobDefinition>")
        .arg(script(general))
        .arg(evaluate ? 1 : 0)
        .arg(levels);
}

const char *const vb42 = "VBScript:Function Main()\n\tMain = 42\nEnd Function";
const char *const vbTrue = "VBScript:Function Main(pSsrValue)\n\tMain = True\nEnd Function";
const char *const vbFalse = "VBScript:Function Main(pSsrValue)\n\tMain = False\nEnd Function";
const char *const vbOne = "VBScript:Function Main(pSsrValue)\n\tMain = 1\nEnd Function";
const char *const broken = "VBScript:Function Main(\n";

TEST(EvaluateCommand, AnswersAsAMonitoringPlugin)
{
    const QStringList run = {QStringLiteral("evaluate"), QStringLiteral("@job.xml")};
    const QStringList timeout = {QStringLiteral("evaluate"), QStringLiteral("--timeout=300"), QStringLiteral("@job.xml")};
    const std::pair<QString, RunRow> rows[] = {
        {jobXml(vb42, true, vbTrue, vbTrue, vbTrue), {run, 2, "SENSOR CRITICAL - value 42\n", ""}},
        {jobXml(vb42, true, "JScript:function Main(v) {\n\treturn v > 50;\n}",
                "JScript:function Main(v) {\n\treturn v > 30;\n}", broken),
         {run, 1, "SENSOR WARNING - value 42\n", ""}},
        {jobXml(vb42, true, vbFalse, vbFalse, vbTrue), {run, 0, "SENSOR OK - value 42\n", ""}},
        {jobXml(vb42, true, vbOne, vbOne, vbOne), {run, 3, "SENSOR UNKNOWN - value 42\n", ""}},
        {jobXml(vb42, false, broken, broken, broken), {run, 0, "SENSOR OK - value 42\n", ""}},
        {jobXml("JScript:function Main() { return 2.5 * 2; }", true, vbFalse, vbTrue, vbTrue),
         {run, 1, "SENSOR WARNING - value 5\n", ""}},
        {jobXml("VBScript:Function Main()\n\tMain = 1 / 0\nEnd Function", true, vbTrue, vbTrue, vbTrue),
         {run, 3, "SENSOR UNKNOWN - script error 11: Division by zero\n",
          "Error.\nNumber: 11\nDesc: Division by zero\nColumn: 1\nLine: 2\nText: \tMain = 1 / 0\nSource: VBScript runtime error"}},
        {jobXml(vb42, true, vbFalse, broken, vbTrue),
         {run, 3, "SENSOR UNKNOWN - script error 1010: Expected identifier\n", "Source: VBScript compilation error"}},
        {jobXml("JScript:function Main() { for (;;) {} }", true, vbTrue, vbTrue, vbTrue),
         {timeout, 3, "SENSOR UNKNOWN - script error 18: The script was stopped: it ran longer than the time-out of 300 ms\n",
          "Number: 18"}},
        // A value no level can judge is UNKNOWN, whatever the levels answer.
        {jobXml("JScript:function Main() { var v = 1; }", true, vbTrue, vbTrue, vbTrue),
         {run, 3, "SENSOR UNKNOWN - the sensor value is Empty (does Main return a value?)\n", ""}},
        {jobXml("VBScript:Function Main()\n\tMain = Null\nEnd Function", false, vbTrue, vbTrue, vbTrue),
         {run, 3, "SENSOR UNKNOWN - the sensor value is Null\n", ""}},
        {jobXml("JScript:function Main() { return 0 / 0; }", true, vbTrue, vbTrue, vbTrue),
         {run, 3, "SENSOR UNKNOWN - the sensor value is not a number (NaN)\n", ""}},
        {jobXml("JScript:function Main() { return {a: 1}; }", true, vbTrue, vbTrue, vbTrue),
         {run, 3, "SENSOR UNKNOWN - the sensor value is an object (Object), not a value\n", ""}},
        // A level that hands back an object through its parameter judges nothing.
        {jobXml(vb42, true, "VBScript:Function Main(v)\n\tSet v = CreateObject(\"Scripting.Dictionary\")\nEnd Function",
                vbTrue, vbTrue),
         {run, 3, "SENSOR UNKNOWN - the Danger script handed back an object (Dictionary) as the sensor value\n", ""}},
    };
    Inputs in;
    for (const auto &[job, row] : rows) {
        in.write(QStringLiteral("job.xml"), job.toUtf8());
        expectRun(in.run(row.args), row);
    }
}

// show and evaluate read a job as the editor does (readSensorValues, whose
// refusals the model's tests go through): refused with the same words, the
// element named.
TEST(EvaluateCommand, ShowAndEvaluateRefuseTheSameValues)
{
    const QString job = jobXml(vb42, true, vbTrue, vbTrue, vbTrue);
    const std::tuple<const char *, const char *, const char *> rows[] = {
        {"<ReferenceValue>0</ReferenceValue>", "<ReferenceValue>ten</ReferenceValue>",
         "error 13: Type mismatch: JobDefinition/FreeDefinition/Sensor/EvaluationData/Values/EvalData[Type='2']/"
         "ReferenceValue \"ten\" is not a number"},
    };
    Inputs in;
    for (const auto &[from, to, error] : rows) {
        QString text = job;
        text.replace(text.indexOf(QString::fromUtf8(from)), int(qstrlen(from)), QString::fromUtf8(to));
        in.write(QStringLiteral("job.xml"), text.toUtf8());
        expectRun(in.run({QStringLiteral("show"), QStringLiteral("@job.xml")}), {{}, 1, nullptr, error});
        expectRun(in.run({QStringLiteral("evaluate"), QStringLiteral("@job.xml")}), {{}, 3, nullptr, error});
    }
}

TEST(EvaluateCommand, ExamplesStateAndExitCodeAgree)
{
    static const QRegularExpression line(QStringLiteral("^SENSOR (OK|WARNING|CRITICAL|UNKNOWN) - value (-?[0-9.]+)\n$"));
    const QStringList states = {QStringLiteral("OK"), QStringLiteral("WARNING"), QStringLiteral("CRITICAL"), QStringLiteral("UNKNOWN")};
    for (const char *job : {"disk-space-jscript.xml", "log-activity-jscript.xml", "existing-job.xml"}) {
        const ProgramRun run = sensorScript({QStringLiteral("evaluate"), sourcePath(QStringLiteral("examples/jobs/") + job)});
        const QRegularExpressionMatch m = line.match(run.out);
        ASSERT_TRUE(m.hasMatch()) << job << ": " << run.out.toStdString() << run.err.toStdString();
        EXPECT_EQ(run.exitCode, states.indexOf(m.captured(1))) << job;
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

} // namespace
