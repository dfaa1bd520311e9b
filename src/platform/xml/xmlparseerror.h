#pragma once

#include <QString>

// Why a text or a file could not be read as XML, for callers that want the
// place of the fault. `code` is the number the parse raises: 31000 plus the
// stream reader's error kind (31003 not well-formed, 31004 premature end, ...),
// or 53 / 75 when a file is missing / cannot be read. `line` counts from 1;
// `column` is the number of characters read on that line when the fault was
// found, so it is the 1-based column of the offending character (0 before
// the first character of a line). Both are 0 for a file error.
struct XmlParseError
{
    int code = 0;
    int line = 0;
    int column = 0;
    QString reason;

    bool isError() const { return code != 0; }
    // "line 3, column 5", empty when there is no position.
    QString location() const;
};
