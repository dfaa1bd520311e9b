#pragma once

#include <QLocale>
#include <QString>

// Numbers as text: as a user reads them, under the current regional
// settings (QLocale()), and as a job document holds them.

// The general decimal form of `value`: as short as possible, at most 15
// significant digits, the locale's decimal separator, no grouping, and an
// exponent written "E+20" / "E-05" where the general form needs one.
QString doubleToText(double value);

// The form a user reads in a box: the same number in plain decimals (the
// locale's separator, no grouping, at most 15 significant digits) whenever
// its magnitude lies between 1E-09 and 1E+15; the general form otherwise.
QString doubleToPlainText(double value);

// Reads a number as a user writes it under `locale` (the current one by
// default): an optional sign, digits (not grouped, or grouped in threes by
// the locale's group separator after a first group of one to three; where
// that is a no-break space, a blank or either no-break space stands for it),
// the locale's decimal separator with digits, an optional exponent; blanks
// around it ignored. A group separator is only ever read as
// one: "1,5" under English settings is no number, never one and a half.
// False, `value` untouched, for anything else.
bool regionalTextToDouble(const QString &text, double *value, const QLocale &locale = QLocale());

// Numbers as a job document holds them, whatever the regional settings: the
// invariant form, so that a file reads the same on every machine and a
// monitor in the C locale reads what the editor wrote.

// The general form with a point: as short as possible, at most 15
// significant digits, no grouping, an exponent written "E+20" / "E-05".
QString doubleToDocumentText(double value);

// How a document's number text reads.
enum class DocumentNumber {
    NotANumber,
    Invariant,   // "86.25", "-1E+20": the form doubleToDocumentText writes
    Regional,    // "86,25": one decimal comma between digits, no point, as
                 // earlier versions wrote under a comma locale
};
// Reads the invariant form or, where it is unambiguous (one comma, no
// point, digits on both sides, an optional exponent after them), a decimal
// comma; leading and trailing blanks ignored. Never a group separator:
// "1,500" is one and a half. NotANumber (and `value` untouched) for
// anything else, or a number a double cannot hold.
DocumentNumber documentTextToDouble(const QString &text, double *value);

// A double rounded to a 32-bit integer, halves to the even neighbour.
// Raises 6 "Overflow" outside the 32-bit range (or for NaN).
int roundToInt32(double value);
