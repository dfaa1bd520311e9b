#pragma once

#include "platform/xml/xmlfile.h"

#include <QByteArray>
#include <QString>

// Job files as the hosts read and write them: sensor-editor's File menu and
// sensor-script's resave use these, so that both write the same bytes.
namespace hostkit {

// A job file's text and how it was stored.
struct JobFileText
{
    QString text;
    xmlfile::Encoding encoding;
};

// Reads `path` (xmlfile::read: a regular file, decoded as XML says) and
// checks that it holds a job: well-formed, with the root element
// JobDefinition. Raises the file's and the decoding's errors (53, 75, 7,
// 31003), the parser's error with the path and position in front of the
// reason, and 5 "PATH is not a job definition: its root element is <X>".
JobFileText readJobFile(const QString &path);

// The job text an editor gave (Engine_GetData) as the bytes of its file:
// indented two blanks a level, one element per line (text and scripts as
// they are), in `encoding` (see xmlfile::encode). Raises the parser's error
// for a text that is not well-formed and 5 for a character the encoding
// cannot hold where no reference may stand.
QByteArray jobFileBytes(const QString &jobText, const xmlfile::Encoding &encoding);

// jobFileBytes written to `path` in one step (xmlfile::writeFileBytes): a
// failure, a path that is not a regular file and an output that could not be
// read back all raise, and leave the old file whole.
void writeJobFile(const QString &path, const QString &jobText, const xmlfile::Encoding &encoding);

// What a file looks like on disk, to tell whether someone changed it since:
// the file it is (device and inode), its size and the time of its last
// change, to the nanosecond. A path with nothing at it gives the stamp with
// `exists` false.
struct FileStamp
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedSeconds = 0;
    qint64 modifiedNanoseconds = 0;

    bool operator==(const FileStamp &) const = default;
};
FileStamp fileStamp(const QString &path);

} // namespace hostkit
