#pragma once

#include <QStringList>

// sensor-script run [--language VBScript|JScript] [-t SECONDS] FILE [ARG...]
// Runs FILE on the script host the editor uses: compiles it, runs its global
// code, then Main with the arguments (as strings), and prints Main's result
// as the editor's test evaluation writes a value ("True"/"False", numbers,
// text, an empty line for Empty or undefined, "Null", an array's items
// joined by ", ", an object's default value or else its type name). The
// automation objects are reachable (CreateObject, new ActiveXObject) and a
// script stops after the time-out. Exit codes: ExitOk, ExitCompileError or
// ExitRuntimeError after the script error report on standard error,
// ExitUsage, ExitNoInput.
int runScriptCommand(const QStringList &args);

// sensor-script check [--language VBScript|JScript] FILE
// Compiles only, running nothing: ExitOk silently, or ExitCompileError
// with the report.
int checkScriptCommand(const QStringList &args);
