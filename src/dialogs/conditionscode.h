#pragma once

#include <QList>
#include <QString>

// The widget-free part of the Conditions Wizard: the check of its condition
// rows and the script it builds from them.

// One condition: the texts of its four cells, as the grid holds them.
struct ConditionRow
{
    QString join;         // "And" / "Or"; not used in the first row
    QString operand;      // the left side, "pSsrValue" as a row starts
    QString comparison;   // "=", ">", "<", ">=", "<=", "<>"
    QString value;        // the constant on the right, free text
};

// Whether a comparison value is written into the script as a number: digits
// with an optional sign, decimal point and exponent ("12", "-0.5", ".5",
// "1.5E+3"), blanks allowed around them, and finite as a double. Always the
// point, whatever the regional settings, because the number is copied into
// the script as typed and only that form compiles ("1,5" is not numeric).
bool isNumericValue(const QString &text);

// The first fault of the rows, in the order they are checked: no rows; the
// first row with an empty cell (blanks only count as empty; the first row's
// join is not checked); the later row of the first pair with the same
// comparison and value (both trimmed, case-sensitive).
struct ConditionsFault
{
    enum Kind { None, NoConditions, Incomplete, Duplicated };
    Kind kind = None;
    int row = -1;   // the row to select; -1 for None and NoConditions
};
ConditionsFault findConditionsFault(const QList<ConditionRow> &rows);

// The script of `rows` (which passed findConditionsFault): a VBScript
// function Main(pSsrValue) that sets Main to TRUE when the joined
// comparisons hold and to FALSE otherwise, lines joined by "\r\n". A numeric
// row compares "cdbl(operand)" with the value as typed; any other row
// compares the operand with the trimmed value in double quotes.
QString conditionsCode(const QList<ConditionRow> &rows);
