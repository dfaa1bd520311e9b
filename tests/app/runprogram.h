#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

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
