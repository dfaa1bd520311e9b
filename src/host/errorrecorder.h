#pragma once

#include <QString>

class Error;

namespace host {

// The host's error recorder. The error report calls `record` twice per error,
// first with flag 0 and then with flag 1, before any message is shown.
class ErrorRecorder
{
public:
    virtual ~ErrorRecorder() = default;

    // Arguments in the order the error report passes them: a code (0), the
    // description, the title, the source trail, the error itself, the flag (0,
    // then 1), the log text of the loaded job, the log size limit (1000000),
    // two reserved zeros, the caller's extra text and a last reserved zero.
    virtual void record(long code, const QString &description, const QString &title,
                        const QString &source, const Error &error, long flag,
                        const QString &logText, double sizeLimit, long reserved1,
                        long reserved2, const QString &extraText, long reserved3) = 0;
};

} // namespace host
