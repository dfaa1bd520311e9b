#pragma once

#include <QString>

// JScript's error numbers and descriptions for what Qt's engine raises.
//
// Qt's engine names its errors by kind (TypeError, ...) and words them its
// own way; a JScript author reads `e.number & 0xFFFF` and `e.description`.
// jscriptError reads the kind and the engine's message and gives the JScript
// number (5009, 1006, ...) and description ("'x' is undefined", "Expected
// ')'"); the number is 0 for an Error whose kind says nothing (a script's
// own `new Error('text')`).
struct JsErrorText
{
    long number = 0;
    QString description;
};

JsErrorText jscriptError(const QString &name, const QString &message);

// The description JScript gives a number of its own (5009 takes the name in
// `detail`); empty for a number it does not know.
QString jscriptDescription(long number, const QString &detail = QString());

// The number a JScript error object carries: its own number in facility 10
// (0x800A0000 | number, a negative 32-bit value), as `e.number` shows it.
double jscriptErrorCode(long number);
