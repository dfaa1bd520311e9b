#pragma once

#include <QList>
#include <QLocale>
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

// How a comparison value reads. It is a number when it is written in the
// script form (digits with an optional sign, decimal point and exponent:
// "12", "-0.5", ".5", "1.5E+3") or in the user's regional form
// (regionalTextToDouble: "1,5" and "1.500" under Spanish settings), blanks
// allowed around it. Where the two read it as different numbers ("1.500"
// under Spanish settings: 1.5 or 1500) the regional reading counts and the
// value is ambiguous.
struct ConditionValue
{
    bool numeric = false;
    double number = 0;
    bool ambiguous = false;
    // The number as the script holds it: the value as typed when it is in
    // the script form and means that, else the number with a point and the
    // blanks that were typed around it; whatever the machine that runs it.
    QString scriptText;
};
ConditionValue readConditionValue(const QString &text, const QLocale &locale = QLocale());

// Whether a value is a number in the script form alone ("12", "-0.5", ".5",
// "1.5E+3", blanks around it), as a generated script holds it.
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
// row compares "cdbl(operand)" with the value's scriptText; any other row
// compares the operand with the trimmed value in double quotes. Values are
// read under `locale`: the user's, or the C locale for a script's own.
QString conditionsCode(const QList<ConditionRow> &rows, const QLocale &locale = QLocale());
