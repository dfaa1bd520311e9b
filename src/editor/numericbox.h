#pragma once

#include <QLineEdit>

// A numeric box: a line edit that takes exactly the numbers its field can
// store. A decimal number is written with an optional sign, digits, one
// decimal separator (the locale's, or "." / "," typed either way) and an
// optional exponent; a whole number with a sign and digits only, within the
// 32-bit range. No group separators. The box shows its number in the
// locale's plain form once the user leaves it (or on setValue).
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
    // complete number (an empty box, a lone sign).
    double value() const;
    // Shows `number` in the locale's plain form.
    void setValue(double number);

private:
    Kind m_kind;
};

// Reads a number as a numeric box of `kind` takes it; false for anything
// else (also for a text the box would only take as the start of a number).
bool numberFromBoxText(const QString &text, NumericBox::Kind kind, double *value);
