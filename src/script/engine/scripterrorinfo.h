#pragma once

#include <QString>

// What the last operation of a script engine left: Number 0 after success.
struct ScriptErrorInfo
{
    long Number = 0;
    QString Description;
    QString Source;          // "VBScript compilation error", "JScript runtime error", ...
    QString Text;            // the source line at the error
    long Line = 0;
    long Column = 0;
};
