#pragma once

#include <QLineEdit>

#include <optional>

// A numeric box: a line edit for the numbers its field can store, written
// in the user's regional form. A decimal number is an optional sign, digits
// (grouped by the locale's group separator in threes, or not grouped), the
// locale's decimal separator with digits, and an optional exponent; a whole
// number is digits (grouped or not) from 1 to 2147483647, an optional "+".
// A group separator is only ever read as one: "1,5" under English settings
// is no number, never one and a half.
//
// The box takes whatever is typed and changes none of it: a text that is not
// a number of its kind stays as typed, is reported (numberRefused) when the
// user leaves the box, and the box's value() refuses it, so the value never
// changes behind the user's back. A number is shown in the locale's plain
// form once the user leaves the box (or on setValue).
class NumericBox : public QLineEdit
{
    Q_OBJECT

public:
    enum Kind { Decimal, Whole };

    explicit NumericBox(Kind kind = Decimal, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }

    // Whether the text is a complete number of the box's kind.
    bool hasNumber() const;
    // The number shown; raises 13 "Type mismatch" when the text is not a
    // number of the box's kind (an empty box, a lone sign, "2.5" in a whole box).
    double value() const;
    // Shows `number` in the locale's plain form.
    void setValue(double number);

signals:
    // The user left the box (or pressed Enter) with a text that is not a
    // number of its kind; once for each such text.
    void numberRefused();

private:
    Kind m_kind;
    std::optional<QString> m_refused;   // the text last reported
};

// Reads a number as a numeric box of `kind` takes it under the current
// locale; false for anything else.
bool numberFromBoxText(const QString &text, NumericBox::Kind kind, double *value);

// What a box of `kind` expects, for a message: "a number such as 12,345.5"
// in the user's form, or "a whole number from 1 to 2147483647".
QString expectedNumber(NumericBox::Kind kind);
