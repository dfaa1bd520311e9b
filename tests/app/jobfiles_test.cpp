// sensor-script resave as a job repository's check runs it, and the other
// commands reading their files as the editor does: never a byte replaced.
#include "runprogram.h"
#include "testsupport.h"

#include <sys/stat.h>

namespace {

// The example job with `from` replaced by `to`, written as in.dir/job.xml in `encoding`.
void writeJob(Inputs &in, const QString &from = {}, const QString &to = {}, const char *encoding = "UTF-8")
{
    QString text = readTextFile(sourcePath(QStringLiteral("examples/jobs/existing-job.xml")));
    if (!from.isEmpty())
        text.replace(from, to);
    text.replace(QStringLiteral("encoding=\"UTF-8\""), QStringLiteral("encoding=\"%1\"").arg(QLatin1String(encoding)));
    in.write(QStringLiteral("job.xml"), QByteArrayView(encoding) == "UTF-8" ? text.toUtf8() : text.toLatin1());
}

TEST(Resave, SavesOrSaysWhyNot)
{
    const struct
    {
        const char *from, *to;
        int exitCode;
        const char *message; // on standard error
    } rows[] = {
        {"", "", 0, ""},
        {"Function Main(pSsrValue)\n\tMain = (pSsrValue >= 85 And pSsrValue < 95)\nEnd Function", "", 1,
         "job.xml: not saved\n  Warning Script Must Be Filled In.\n"},
        {"<JobDefinition>", "<Report><JobDefinition>", 2, "job.xml: line "},
        {"JobDefinition>", "Report>", 2, "job.xml is not a job definition: its root element is <Report>"},
        {"encoding=\"UTF-8\"?>", "encoding=\"US-ASCII\"?><!-- Señal -->", 2,
         "job.xml: byte 48 (line 1, column 49) is not valid US-ASCII"},
        {"<UnitTime>2</UnitTime>", "<UnitTime>7</UnitTime>", 2, "the editor cannot show the job"},
        {"<Status>1</Status>", "<Status>2</Status>", 1, "Status \"2\" will be saved as 1"},
    };
    for (const auto &row : rows) {
        Inputs in;
        writeJob(in, QString::fromUtf8(row.from), QString::fromUtf8(row.to));
        expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@job.xml"), QStringLiteral("@out.xml")}),
                  {{}, row.exitCode, nullptr, row.message});
        EXPECT_EQ(QFile::exists(in.dir.filePath(QStringLiteral("out.xml"))), row.exitCode == 0) << row.message;
    }
}

// --force saves a job whose values the editor cannot all keep; without an
// output the job is rewritten in its own encoding.
TEST(Resave, ForceAndRewriteInPlace)
{
    Inputs in;
    writeJob(in, QStringLiteral("<Status>1</Status>"), QStringLiteral("<Status>2</Status>"));
    expectRun(in.run({QStringLiteral("resave"), QStringLiteral("--force"), QStringLiteral("@job.xml"), QStringLiteral("@out.xml")}),
              {{}, 0, nullptr, nullptr});
    EXPECT_TRUE(readTextFile(in.dir.filePath(QStringLiteral("out.xml"))).contains(QLatin1String("<Status>1</Status>")));

    writeJob(in, QStringLiteral("<Name>DISK-VAR</Name>"), QStringLiteral("<Name>Señal</Name>"), "ISO-8859-1");
    expectRun(in.run({QStringLiteral("resave"), QStringLiteral("@job.xml")}), {{}, 0, nullptr, nullptr});
    QFile file(in.dir.filePath(QStringLiteral("job.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<JobDefinition>\n  <Definition>\n"));
    EXPECT_TRUE(bytes.contains("<Name>Se\xF1" "al</Name>"));
}

// Every command reads a file as its text says: a job as XML declares, a script
// saved in the ANSI code page with its accents, while behind a UTF-8
// byte-order mark the same byte is an error with its place.
TEST(Resave, CommandsReadTheDeclaredEncoding)
{
    Inputs in;
    writeJob(in, QStringLiteral("Used space"), QStringLiteral("Señal: used space"), "ISO-8859-1");
    const ProgramRun show = in.run({QStringLiteral("show"), QStringLiteral("@job.xml")});
    EXPECT_EQ(show.exitCode, 0) << show.err.toStdString();
    EXPECT_TRUE(show.out.contains(QStringLiteral("Description: Señal: used space"))) << show.out.toStdString();

    const QByteArray script = "Function Main()\n\tMain = \"Se\xF1" "al\"\nEnd Function\n";
    in.write(QStringLiteral("ansi.vbs"), script);
    in.write(QStringLiteral("marked.vbs"), "\xEF\xBB\xBF" + script);
    expectRun(in.run({QStringLiteral("run"), QStringLiteral("@ansi.vbs")}), {{}, 0, "Señal\n", ""});
    expectRun(in.run({QStringLiteral("run"), QStringLiteral("@marked.vbs")}),
              {{}, 66, nullptr, "byte 30 (line 2, column 12) is not valid UTF-8"});
}

TEST(JobCommands, ShowPrintsTheSensorOfAnExistingJob)
{
    const ProgramRun run = sensorScript({QStringLiteral("show"), sourcePath(QStringLiteral("examples/jobs/existing-job.xml"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char *line : {"  Type: SENSOR  SubType: SCRIPT  ExecutionEngine: SENSOR",
                             "  Description: Used space of the file system that holds /var, in percent",
                             "  Active: yes  In marquee: yes  Numeric values: yes", "  Data persistence: 3 Month(s)",
                             "  Evaluation: by levels (Danger, Warning, Good)", "Warning (Type 1)",
                             "  Reference value: 85.5", "    OnRepeat (JScript)"})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(line))) << line;
}

// Bad input ends with an error, not a crash.
TEST(JobCommands, BadInputAndUsage)
{
    Inputs in;
    ASSERT_EQ(mkfifo(in.dir.filePath(QStringLiteral("fifo")).toLocal8Bit().constData(), 0600), 0);
    in.write(QStringLiteral("notxml.xml"), "this is not XML");
    in.write(QStringLiteral("nodefinition.xml"), "<JobDefinition/>");
    in.write(QStringLiteral("noscript.xml"), "<JobDefinition><Definition><Type>SENSOR</Type><SubType/><ExecutionEngine/>"
                                             "<Properties><Description><Languages><Language><Description>d</Description>"
                                             "</Language></Languages></Description></Properties></Definition>"
                                             "<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition></JobDefinition>");
    const QString newJob = sourcePath(QStringLiteral("examples/jobs/new-job.xml"));
    const RunRow rows[] = {
        {{"show", newJob}, 1, nullptr, "error 91"},
        {{"show", "@notxml.xml"}, 1, nullptr, "error 3100"},
        {{"show", "@nodefinition.xml"}, 1, nullptr, "error 91"},
        {{"show", "@noscript.xml"}, 1, nullptr, "error 91"},
        {{"show", "@missing.xml"}, 1, nullptr, "error 53"},
        {{"show", "@fifo"}, 1, nullptr, "Not a regular file"},
        {{"evaluate", "@none.xml"}, 3, nullptr, "SENSOR UNKNOWN - cannot read the job"},
        {{"evaluate", newJob}, 3, nullptr, "error 91"},
        {{"evaluate", "/dev/zero"}, 3, nullptr, "Not a regular file"},
        {{"evaluate", "--timeout", "-5", "@fifo"}, 64, nullptr, "--timeout"},
        {{"evaluate", "--timeout", "soon", "x.xml"}, 64, nullptr, nullptr},
        {{"evaluate"}, 64, nullptr, nullptr},
        {{"show"}, 64, nullptr, nullptr},
        {{}, 64, nullptr, nullptr},
        {{"frobnicate"}, 64, nullptr, nullptr},
    };
    for (const RunRow &row : rows)
        expectRun(in.run(row.args), row);
}

} // namespace
