#pragma once

#include <QString>
#include <optional>

// A script file's text, the byte-order mark removed: the encoding the mark
// names, else UTF-8, else (a file that is not valid UTF-8, as scripts saved
// in the classic ANSI code page are) windows-1252, so such a script runs with
// its accents instead of being refused. Nothing, after a message on standard
// error naming `command`, when the file cannot be read, or when a file with a
// mark holds a byte that is not valid in its encoding (the message says where).
std::optional<QString> readScriptFile(const QString &path, const char *command);
