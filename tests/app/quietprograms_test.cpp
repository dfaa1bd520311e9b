#include "runprogram.h"
#include "testsupport.h"

namespace {

// Both programs as installed ones run: without a display for --help,
// --version and a refused data folder, without a usable runtime folder.
TEST(Programs, QuietWithoutDisplayOrRuntimeFolderAndRefuseAFolderWithoutPattern)
{
    Inputs in;
    const QString job = sourcePath(QStringLiteral("examples/jobs/existing-job.xml"));
    struct Row { const char *program; QStringList args; const char *runtimeDir; int exitCode; const char *says; };
    const Row rows[] = {
        {SENSOR_EDITOR_PATH, {"--version"}, nullptr, 0, ""},
        {SENSOR_EDITOR_PATH, {"--data", "@", "--screenshot", "@x.png"}, "", 2, "holds no sensor pattern"},
        {SENSOR_EDITOR_PATH, {"--data", "@none", job}, nullptr, 2, "does not exist"},
        {SENSOR_EDITOR_PATH, {job, "--screenshot", "@shot.png"}, "/proc", 0, ""},
        {SENSOR_SCRIPT_PATH, {"--version"}, nullptr, 0, ""},
        {SENSOR_SCRIPT_PATH, {"resave", "--data", "@", job, "@out.xml"}, "", 64, "holds no sensor pattern"},
        {SENSOR_SCRIPT_PATH, {"resave", job, "@out.xml"}, nullptr, 0, ""},
        {SENSOR_SCRIPT_PATH, {"resave", job, "@out.xml"}, "/tmp", 0, ""},
    };
    for (const Row &row : rows) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
            env.remove(QString::fromLatin1(name));
        row.runtimeDir ? env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromLatin1(row.runtimeDir)) : void();
        if (row.exitCode || !row.args.contains(QStringLiteral("--screenshot")))
            env.remove(QStringLiteral("QT_QPA_PLATFORM")); // no screen at all
        QStringList args = row.args;
        for (QString &arg : args)
            if (arg.startsWith(u'@'))
                arg = in.dir.filePath(arg.mid(1));
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(QString::fromUtf8(row.program), args);
        ASSERT_TRUE(process.waitForFinished(60000)) << row.program;
        const ProgramRun run{process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                             QString::fromUtf8(process.readAllStandardError())};
        expectRun(run, {row.args, row.exitCode, nullptr, row.says});
        EXPECT_TRUE(row.exitCode || !run.out.isEmpty() || args.size() > 1) << row.program;
    }
}

} // namespace
