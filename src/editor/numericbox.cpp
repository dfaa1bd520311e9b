#include "numericbox.h"

#include "errorcore/error.h"
#include "common/regional.h"

#include <QDoubleValidator>
#include <QLocale>

NumericBox::NumericBox(QWidget *parent) : QLineEdit(parent)
{
    auto *validator = new QDoubleValidator(this);
    validator->setNotation(QDoubleValidator::ScientificNotation);
    validator->setLocale(QLocale());
    setValidator(validator);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

double NumericBox::value() const
{
    double number = 0;
    if (!textToDouble(text(), &number))
        throw Error::fromNumber(13);
    return number;
}

void NumericBox::setValue(double number)
{
    setText(doubleToText(number));
}
