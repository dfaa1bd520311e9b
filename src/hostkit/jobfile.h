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

// jobFileBytes written to `path`, replacing the file only once complete.
void writeJobFile(const QString &path, const QString &jobText, const xmlfile::Encoding &encoding);

} // namespace hostkit
