#include "runprogram.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(ShowCommand, PrintsTheSensorOfAnExistingJob)
{
    const ProgramRun run = sensorScript({QStringLiteral("show"), sourcePath(QStringLiteral("examples/jobs/existing-job.xml"))});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    for (const char *line : {"  Type: SENSOR  SubType: SCRIPT  ExecutionEngine: SENSOR",
                             "  Description: Used space of the file system that holds /var, in percent",
                             "  Active: yes  In marquee: yes  Numeric values: yes",
                             "  Data persistence: 3 Month(s)",
                             "  Evaluation: by levels (Danger, Warning, Good)",
                             "Warning (Type 1)", "  Reference value: 85.5", "    OnRepeat (JScript)"})
        EXPECT_TRUE(run.out.contains(QString::fromUtf8(line))) << line;
}

TEST(ShowCommand, NewJobHasNoSensorYet)
{
    const ProgramRun run = sensorScript({QStringLiteral("show"), sourcePath(QStringLiteral("examples/jobs/new-job.xml"))});
    EXPECT_EQ(run.exitCode, 1) << "a new job has no description to show";
    EXPECT_TRUE(run.err.contains(QStringLiteral("error 91"))) << run.err.toStdString();
}

TEST(ShowCommand, BadInputEndsWithAnErrorNotACrash)
{
    QTemporaryDir dir;
    const auto write = [&](const char *name, const char *content) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return file.fileName();
    };
    struct Case
    {
        QString path;
        const char *expected;
    };
    const Case cases[] = {
        {write("notxml.xml", "this is not XML"), "error 3100"},
        {write("nodefinition.xml", "<JobDefinition/>"), "error 91"},
        {write("noscript.xml", "<JobDefinition><Definition><Type>SENSOR</Type><SubType/><ExecutionEngine/>"
                               "<Properties><Description><Languages><Language><Description>d</Description>"
                               "</Language></Languages></Description></Properties></Definition>"
                               "<FreeDefinition><Sensor><Status>1</Status></Sensor></FreeDefinition></JobDefinition>"),
         "error 91"},
        {dir.filePath(QStringLiteral("missing.xml")), "error 53"},
    };
    for (const Case &c : cases) {
        const ProgramRun run = sensorScript({QStringLiteral("show"), c.path});
        EXPECT_EQ(run.exitCode, 1) << c.path.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromLatin1(c.expected))) << run.err.toStdString();
    }
}

TEST(ShowCommand, UsageErrors)
{
    EXPECT_EQ(sensorScript({}).exitCode, 64);
    EXPECT_EQ(sensorScript({QStringLiteral("frobnicate")}).exitCode, 64);
    EXPECT_EQ(sensorScript({QStringLiteral("show")}).exitCode, 64);
}

} // namespace
