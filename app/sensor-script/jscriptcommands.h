#pragma once

#include <QStringList>

// sensor-script run|check with a language choice: `--language JScript` runs
// on the script host's JScript engine (with ActiveXObject and the automation
// objects); any other language goes to the VBScript commands (scriptcommands.h).
//
// JScript: run prints Main's result ("True"/"False", numbers, text, an empty
// line for undefined); check compiles without running anything. Exit codes
// as for VBScript: 0, 1 for a compile error, 2 for a runtime error (the
// seven-line script error report on standard error), 64 bad usage, 66 an
// unreadable file.
int runCommand(const QStringList &args);
int checkCommand(const QStringList &args);
