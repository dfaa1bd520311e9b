#pragma once

#include <QString>

// Numbers as text under the current regional settings (QLocale()).

// The general decimal form of `value`: as short as possible, at most 15
// significant digits, the locale's decimal separator, no grouping, and an
// exponent written "E+20" / "E-05" where the general form needs one.
QString doubleToText(double value);

// The form a user reads in a box: the same number in plain decimals (the
// locale's separator, no grouping, at most 15 significant digits) whenever
// its magnitude lies between 1E-09 and 1E+15; the general form otherwise.
QString doubleToPlainText(double value);

// Reads a number written by doubleToText or typed by the user: the current
// locale's form first (leading and trailing blanks ignored, grouping
// accepted), then the C form ("1.5") so a document written elsewhere still
// reads. Returns false for anything that is not a finite number.
bool textToDouble(const QString &text, double *value);

// A double rounded to a 32-bit integer, halves to the even neighbour.
// Raises 6 "Overflow" outside the 32-bit range (or for NaN).
int roundToInt32(double value);
