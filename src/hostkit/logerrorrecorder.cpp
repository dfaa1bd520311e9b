#include "logerrorrecorder.h"

#include "errorcore/error.h"
#include "tools/scripterrorreport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace hostkit {

LogErrorRecorder::LogErrorRecorder(QString logPath)
    : m_logPath(std::move(logPath))
{
}

QString LogErrorRecorder::defaultLogPath()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty())
        stateHome = QDir::homePath() + QLatin1String("/.local/state");
    return stateHome + QLatin1String("/veltrano/errors.log");
}

void LogErrorRecorder::record(long, const QString &description, const QString &title, const QString &source,
                              const Error &error, long flag, const QString &logText, double sizeLimit, long,
                              long, const QString &extraText, long)
{
    if (flag == 0) {
        QString entry = QStringLiteral("[%1] %2: error %3\n  Description: %4\n  Source: %5\n")
                            .arg(QDateTime::currentDateTime().toString(Qt::ISODate), maskedSecrets(title))
                            .arg(error.number)
                            .arg(maskedSecrets(description), maskedSecrets(source));
        if (!extraText.isEmpty())
            entry += QStringLiteral("  Extra: %1\n").arg(maskedSecrets(extraText));
        append(entry, sizeLimit, true);
    } else {
        append(logText.isEmpty() ? QStringLiteral("\n") : QStringLiteral("  Job: %1\n\n").arg(maskedSecrets(logText)),
               sizeLimit, false);
    }
}

void LogErrorRecorder::append(const QString &text, double sizeLimit, bool startsEntry)
{
    const QFileInfo info(m_logPath);
    if (!QDir().mkpath(info.absolutePath()))
        throw Error(76, QStringLiteral("Path not found: %1").arg(info.absolutePath()));
    if (startsEntry && sizeLimit > 0 && info.exists() && double(info.size()) > sizeLimit) {
        const QString rotated = m_logPath + QLatin1String(".1");
        QFile::remove(rotated);
        QFile::rename(m_logPath, rotated);
    }
    QFile file(m_logPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        throw Error(75, QStringLiteral("Path/File access error: %1").arg(m_logPath));
    file.write(text.toUtf8());
}

} // namespace hostkit
