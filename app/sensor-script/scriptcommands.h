#pragma once

#include <QStringList>

// sensor-script run [--language VBScript] FILE [ARG...]
// Compiles FILE, runs its global code and then Main with the arguments (as
// strings), and prints Main's result as CStr writes it (an empty line for
// Empty, the TypeName for an array or object, "Null" for Null). Exit 0; a
// compile error exits 1 and a runtime error 2, after the seven-line script
// error report on standard error. 64 for bad usage, 66 for an unreadable file.
int runScriptCommand(const QStringList &args);

// sensor-script check [--language VBScript] FILE
// Compiles only: exit 0 silently, or 1 with the report.
int checkScriptCommand(const QStringList &args);
