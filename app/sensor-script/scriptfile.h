#pragma once

#include <QString>
#include <optional>

// A script file's text: UTF-8 unless a byte order mark says otherwise, the
// mark removed. Nothing, after a message on standard error naming `command`,
// when the file cannot be read or holds a byte that is not valid in its
// encoding (the message says where).
std::optional<QString> readScriptFile(const QString &path, const char *command);
