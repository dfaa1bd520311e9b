#pragma once

#include "host/errorrecorder.h"

#include <QString>

namespace hostkit {

// The reference error recorder: appends each report to a log file, by
// default errors.log in the user's state directory
// ($XDG_STATE_HOME/veltrano, or ~/.local/state/veltrano). The first call of a
// report (flag 0) writes the error; the second (flag 1) writes the job's log
// text and closes the entry. When the file has grown past the size limit it
// is moved to errors.log.1 before a new entry starts. Passwords in the
// texts (connection strings, addresses, an Open call's password) are written
// as "****", as in the script error report.
class LogErrorRecorder : public host::ErrorRecorder
{
public:
    explicit LogErrorRecorder(QString logPath = defaultLogPath());

    void record(long code, const QString &description, const QString &title, const QString &source,
                const Error &error, long flag, const QString &logText, double sizeLimit,
                long reserved1, long reserved2, const QString &extraText, long reserved3) override;

    QString logPath() const { return m_logPath; }
    static QString defaultLogPath();

private:
    void append(const QString &text, double sizeLimit, bool startsEntry);

    QString m_logPath;
};

} // namespace hostkit
