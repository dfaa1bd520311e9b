#pragma once

#include <QStringList>

// sensor-script run [--language VBScript|JScript] [--timeout MS] FILE [ARG...]
// Compiles FILE, runs its global code and then Main with the arguments (as
// strings), and prints Main's result: for VBScript as CStr writes it (an
// empty line for Empty, the TypeName for an array or object, "Null" for
// Null); for JScript "True"/"False", numbers, text, an empty line for
// undefined. Both languages reach the automation objects (CreateObject, new
// ActiveXObject) and stop after the time-out (10000 ms unless given; 0 for
// none). Exit 0; a compile error exits 1 and a runtime error 2, after the
// seven-line script error report on standard error. 64 for bad usage, 66 for
// an unreadable file.
int runScriptCommand(const QStringList &args);

// sensor-script check [--language VBScript|JScript] FILE
// Compiles only, running nothing: exit 0 silently, or 1 with the report.
int checkScriptCommand(const QStringList &args);
