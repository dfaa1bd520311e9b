// sensor-script evaluate as a monitoring agent runs it: one line, exit 0-3.
#include "runprogram.h"
#include "testsupport.h"

#include <QDir>
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
    const QStringList timeout = {QStringLiteral("evaluate"), QStringLiteral("-t"), QStringLiteral("0.3"), QStringLiteral("@job.xml")};
    const QStringList verbose = {QStringLiteral("evaluate"), QStringLiteral("-v"), QStringLiteral("@job.xml")};
    const QStringList labelled = {QStringLiteral("evaluate"), QStringLiteral("--label=free 'space'"), QStringLiteral("--unit=MB"),
                                  QStringLiteral("@job.xml")};
    const QByteArray longValue = "SENSOR OK - value " + QByteArray(181, 'z') + "\u2026\nvalue " + QByteArray(300, 'z') + '\n';
    const std::pair<QString, RunRow> rows[] = {
        {jobXml(vb42, true, vbTrue, vbTrue, vbTrue), {run, 2, "SENSOR CRITICAL - value 42 | 'value'=42\n", ""}},
        {jobXml(vb42, true, "JScript:function Main(v) {\n\treturn v > 50;\n}",
                "JScript:function Main(v) {\n\treturn v > 30;\n}", broken),
         {run, 1, "SENSOR WARNING - value 42 | 'value'=42\n", ""}},
        {jobXml(vb42, true, vbFalse, vbFalse, vbTrue), {run, 0, "SENSOR OK - value 42 | 'value'=42\n", ""}},
        {jobXml(vb42, true, vbOne, vbOne, vbOne), {run, 3, "SENSOR UNKNOWN - no level matched value 42 | 'value'=42\n", ""}},
        {jobXml(vb42, false, broken, broken, broken), {run, 0, "SENSOR OK - value 42 | 'value'=42\n", ""}},
        {jobXml("JScript:function Main() { return 2.5 * 2; }", true, vbFalse, vbTrue, vbTrue),
         {run, 1, "SENSOR WARNING - value 5 | 'value'=5\n", ""}},
        {jobXml("VBScript:Function Main()\n\tMain = 1 / 0\nEnd Function", true, vbTrue, vbTrue, vbTrue),
         {verbose, 3, "SENSOR UNKNOWN - script error 11 in the general script: Division by zero\nError.\nNumber: 11\nDesc: "
          "Division by zero\nColumn: 1\nLine: 2\nText: \tMain = 1 / 0\nSource: VBScript runtime error\n", "Number: 11"}},
        {jobXml(vb42, true, vbFalse, broken, vbTrue),
         {run, 3, "SENSOR UNKNOWN - script error 1010 in the Warning script: Expected identifier\n", "Source: VBScript compilation error"}},
        // One time-out for the whole run, in seconds; the message names the script it stopped.
        {jobXml(vb42, true, vbFalse, "JScript:function Main(v) { for (;;) {} }", vbTrue),
         {timeout, 3, "SENSOR UNKNOWN - time-out: the Warning script was still running when the time-out of 0.3 s ended "
          "the check\n", "Number: 18"}},
        // What a script writes cannot break the first line: no '|', no line break, at most 200 characters.
        {jobXml("VBScript:Function Main()\n\tMain = \"a|b\" & vbLf & \"c\"\nEnd Function", false, "", "", ""),
         {run, 0, "SENSOR OK - value a\u00A6b\u2026\nvalue a\u00A6b\nc\n", ""}},
        {jobXml("VBScript:Function Main()\n\tMain = String(300, \"z\")\nEnd Function", false, "", "", ""),
         {run, 0, longValue.constData(), ""}},
        {jobXml(vb42, false, "", "", ""), {labelled, 0, "SENSOR OK - value 42 | 'free ''space'''=42MB\n", ""}},
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
    static const QRegularExpression line(
        QStringLiteral("^SENSOR (OK|WARNING|CRITICAL|UNKNOWN) - value (-?[0-9.]+) \\| 'value'=\\2\n$"));
    const QStringList states = {QStringLiteral("OK"), QStringLiteral("WARNING"), QStringLiteral("CRITICAL"), QStringLiteral("UNKNOWN")};
    // Run from another folder: the database job's file is found beside the job.
    for (const char *job : {"disk-space-jscript.xml", "log-activity-jscript.xml", "existing-job.xml", "database-job.xml"}) {
        const ProgramRun run = sensorScript({QStringLiteral("evaluate"), sourcePath(QStringLiteral("examples/jobs/") + job)});
        const QRegularExpressionMatch m = line.match(run.out);
        ASSERT_TRUE(m.hasMatch()) << job << ": " << run.out.toStdString() << run.err.toStdString();
        EXPECT_EQ(run.exitCode, states.indexOf(m.captured(1))) << job;
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
}

// A Conditions Wizard comparison as the wizard writes it.
QByteArray wizard(const char *comparison)
{
    return QByteArray("VBScript:Function Main(pSsrValue)\r\nIF cdbl(pSsrValue) ") + comparison +
           " THEN\r\n\t\tMain=TRUE\r\nELSE\r\n\t\tMain=FALSE\r\nEND IF\r\nEnd Function";
}

// Thresholds come only from the levels whose direction is certain: the
// wizard's own one-comparison scripts, nothing that merely looks like them.
TEST(EvaluateCommand, ThresholdsOnlyFromTheWizardsComparisons)
{
    const std::tuple<QByteArray, QByteArray, const char *> rows[] = {
        {wizard("> 90"), wizard("< 20"), ";20:;~:90"},
        {wizard(">= 9E1"), wizard("<= .5"), ";@~:0.5;@90:"},
        {wizard("= 7"), wizard("<> 50"), ";50:50;@7:7"},
        {wizard("> 90"), "JScript:function Main(v) { return v > 80; }", ";;~:90"},
        {wizard("> 90 And cdbl(pSsrValue) < 95"), wizard("> \"80\""), ""},
        {wizard("> 90").replace("IF ", "IF  "), wizard("> 80").replace("\t\tMain=TRUE", "\t\tMain=TRUE\r\n\t\tpSsrValue=0"), ""},
        {wizard("< x"), vbFalse, ""},
    };
    Inputs in;
    for (const auto &[danger, warning, thresholds] : rows) {
        in.write(QStringLiteral("job.xml"), jobXml("VBScript:Function Main()\n\tMain = 50\nEnd Function", true,
                                                    danger.constData(), warning.constData(), vbTrue).toUtf8());
        expectRun(in.run({QStringLiteral("evaluate"), QStringLiteral("@job.xml")}),
                  {{}, 0, qPrintable(QStringLiteral("SENSOR OK - value 50 | 'value'=50%1\n").arg(QLatin1String(thresholds))), ""});
    }
}

// Every failure to check is UNKNOWN on standard output for evaluate; the
// other commands keep their usage code.
TEST(EvaluateCommand, UsageErrorsAreUnknown)
{
    const std::pair<QStringList, int> rows[] = {
        {{"evaluate", "--timeout", "5s", "@job.xml"}, 3}, {{"evaluate", "-t", "-1", "@job.xml"}, 3},
        {{"evaluate", "--label", "a=b", "@job.xml"}, 3},  {{"evaluate", "--unit", "5;", "@job.xml"}, 3},
        {{"evaluate", "--bogus", "@job.xml"}, 3},         {{"evaluate"}, 3},
        {{"run", "--timeout", "5s", "@job.xml"}, 64},
    };
    Inputs in;
    for (const auto &[args, code] : rows) {
        const ProgramRun run = in.run(args);
        EXPECT_EQ(run.exitCode, code) << args.join(u' ').toStdString();
        if (code == 3) {
            EXPECT_TRUE(run.out.startsWith(QLatin1String("SENSOR UNKNOWN - ")) && run.out.count(u'\n') == 1)
                << run.out.toStdString();
        }
    }
    EXPECT_TRUE(sensorScript({QStringLiteral("evaluate"), QStringLiteral("-V")}).out.startsWith(QLatin1String("sensor-script 0.")));
}

// Numbers print one way whatever the locale; relative paths mean the job's
// folder, or --workdir.
TEST(EvaluateCommand, LocaleAndWorkingFolderDoNotChangeTheAnswer)
{
    Inputs in;
    QDir(in.dir.path()).mkdir(QStringLiteral("jobs"));
    in.write(QStringLiteral("jobs/n.txt"), "12.5");
    in.write(QStringLiteral("n.txt"), "-0.25");
    in.write(QStringLiteral("jobs/job.xml"), jobXml("JScript:function Main() { var f = new ActiveXObject("
                                                   "'Scripting.FileSystemObject').OpenTextFile('n.txt');"
                                                   " return parseFloat(f.ReadAll()); }", false, "", "", "").toUtf8());
    qputenv("LC_ALL", "de_DE.UTF-8");
    expectRun(in.run({QStringLiteral("evaluate"), QStringLiteral("@jobs/job.xml")}),
              {{}, 0, "SENSOR OK - value 12.5 | 'value'=12.5\n", ""});
    expectRun(in.run({QStringLiteral("evaluate"), QStringLiteral("--workdir=") + in.dir.path(), QStringLiteral("@jobs/job.xml")}),
              {{}, 0, "SENSOR OK - value -0.25 | 'value'=-0.25\n", ""});
    qunsetenv("LC_ALL");
}

} // namespace
