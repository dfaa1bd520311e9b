#pragma once

#include <QByteArray>
#include <QString>

// The largest job or script file the commands read; real ones are a few
// kilobytes.
inline constexpr qint64 kMaxInputBytes = 16 << 20;

// Reads a job or script file named on the command line. Only a regular file
// of at most kMaxInputBytes is read: a FIFO would block and a device such as
// /dev/zero never ends. Raises 53 for a missing file, 75 for anything that is
// not a regular file or cannot be read, 7 for a file over the limit; the
// description names the path.
QByteArray readInputFile(const QString &path);
