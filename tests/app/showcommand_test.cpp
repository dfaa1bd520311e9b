#include "runprogram.h"
#include "testsupport.h"

#include <sys/stat.h>

namespace {

TEST(ShowCommand, PrintsTheSensorOfAnExistingJob)
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
TEST(ShowCommand, BadInputAndUsage)
{
    Inputs in;
    ASSERT_EQ(mkfifo(in.dir.filePath(QStringLiteral("fifo")).toLocal8Bit().constData(), 0600), 0);
    in.write(QStringLiteral("notxml.xml"), "this is not XML");
    in.write(QStringLiteral("nodefinition.xml"), "<JobDefinition/>");
    in.write(QStringLiteral("noscript.xml"), "<JobDefinition><Definition><Type>SENSOR</Type><SubType/><ExecutionEngine/>"
                                             "<Properties><Description><Languages><Language><Description>d</Description>"
                                             "</Language></Languages></Description></Properties></Definition>"
                                             "<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition></JobDefinition>");
    const RunRow rows[] = {
        {{"show", sourcePath(QStringLiteral("examples/jobs/new-job.xml"))}, 1, nullptr, "error 91"},
        {{"show", "@notxml.xml"}, 1, nullptr, "error 3100"},
        {{"show", "@nodefinition.xml"}, 1, nullptr, "error 91"},
        {{"show", "@noscript.xml"}, 1, nullptr, "error 91"},
        {{"show", "@missing.xml"}, 1, nullptr, "error 53"},
        {{"show", "@fifo"}, 1, nullptr, "Not a regular file"},
        {{}, 64, nullptr, nullptr},
        {{"frobnicate"}, 64, nullptr, nullptr},
        {{"show"}, 64, nullptr, nullptr},
    };
    for (const RunRow &row : rows)
        expectRun(in.run(row.args), row);
}

} // namespace
