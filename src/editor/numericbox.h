#pragma once

#include <QLineEdit>

// A numeric box: a line edit that takes only numbers written under the
// current regional settings (sign, decimal separator, grouping, exponent).
class NumericBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumericBox(QWidget *parent = nullptr);

    // The number shown; raises 13 "Type mismatch" when the text is not a
    // number (an empty box, a lone sign).
    double value() const;
    // Shows `number` in the regional general form.
    void setValue(double number);
};
