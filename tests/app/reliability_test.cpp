// sensor-script given input built to hang it or to escape its limits: every
// row ends, with the exit code and message that say why.
#include "runprogram.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(SensorScriptReliability, EndsWithAClearAnswer)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const auto write = [&](const char *name, const char *text) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return file.fileName();
    };
    const QString terminate = write("terminate.vbs", "Class C\n  Sub Class_Terminate\n    Do\n    Loop\n  End Sub\nEnd Class\n"
                                                     "Function Main()\n  Set o = New C\n  Main = 1\nEnd Function\n");
    const QString deleting = write("delete.vbs", "Function Main(f)\n  CreateObject(\"Scripting.FileSystemObject\").DeleteFile f\nEnd Function\n");
    const QString keep = write("keep.txt", "x");
    const QString passwords = write("pw.vbs", "Function Main()\n  Set c = CreateObject(\"ADODB.Connection\")\n"
                                              "  c.Open \"Driver={PostgreSQL};Server=127.0.0.1;Port=1;Uid=u;Pwd=s3cret;Database=x\"\nEnd Function\n");

    const struct
    {
        const char *name;
        QStringList args;
        int exitCode;
        const char *says; // in standard output or error
    } rows[] = {
        {"ScriptFromAFifo", {QStringLiteral("check"), fifo}, 66, "Not a regular file"},
        {"ScriptFromADevice", {QStringLiteral("run"), QStringLiteral("/dev/zero")}, 66, "Not a regular file"},
        {"JobFromADevice", {QStringLiteral("evaluate"), QStringLiteral("/dev/zero")}, 3, "Not a regular file"},
        {"JobFromAFifo", {QStringLiteral("show"), fifo}, 1, "Not a regular file"},
        {"NegativeTimeoutForRun", {QStringLiteral("run"), QStringLiteral("--timeout"), QStringLiteral("-5"), terminate}, 64, "--timeout"},
        {"NegativeTimeoutForEvaluate", {QStringLiteral("evaluate"), QStringLiteral("--timeout"), QStringLiteral("-5"), fifo}, 64, "--timeout"},
        {"NegativeMemory", {QStringLiteral("run"), QStringLiteral("--memory"), QStringLiteral("-1"), terminate}, 64, "--memory"},
        {"EndlessClassTerminate", {QStringLiteral("run"), QStringLiteral("--timeout"), QStringLiteral("500"), terminate}, 2, "Number: 18"},
        {"ReadOnlyDelete", {QStringLiteral("run"), QStringLiteral("--read-only"), deleting, keep}, 2, "Number: 70"},
        {"PasswordInTheFailingLine", {QStringLiteral("run"), QStringLiteral("--timeout"), QStringLiteral("5000"), passwords}, 2, "Pwd=****"},
    };
    for (const auto &row : rows) {
        const ProgramRun run = sensorScript(row.args, 30000);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.name << ": " << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QString::fromLatin1(row.says))) << row.name << ": " << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QLatin1String("s3cret"))) << row.name;
    }
    EXPECT_TRUE(QFile::exists(keep));
}

} // namespace
