#pragma once

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Runs sensor-script as a user does and collects what it printed.
struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline ProgramRun sensorScript(const QStringList &args, int timeoutMs = 60000)
{
    QProcess process;
    process.start(QStringLiteral(SENSOR_SCRIPT_PATH), args);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(), QStringLiteral("sensor-script did not finish")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// Input files in a folder of their own; an argument "@name" stands for the
// path of the file `name` there.
struct Inputs
{
    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }
    ProgramRun run(QStringList args, int timeoutMs = 60000) const
    {
        for (QString &arg : args)
            if (arg.startsWith(u'@'))
                arg = dir.filePath(arg.mid(1));
        return sensorScript(args, timeoutMs);
    }

    QTemporaryDir dir;
};

// One run of the program and what it must answer: `out` the whole standard
// output, `says` a piece of what it printed ("" for nothing at all on standard
// error); nullptr is not checked.
struct RunRow
{
    QStringList args;
    int exitCode;
    const char *out;
    const char *says;
};

inline void expectRun(const ProgramRun &run, const RunRow &row)
{
    const std::string what = row.args.join(u' ').toStdString() + ": " + (run.out + run.err).toStdString();
    EXPECT_EQ(run.exitCode, row.exitCode) << what;
    EXPECT_TRUE(!row.out || run.out == QString::fromUtf8(row.out)) << what;
    EXPECT_TRUE(!row.says || (*row.says ? (run.out + run.err).contains(QString::fromUtf8(row.says)) : run.err.isEmpty()))
        << what;
}
