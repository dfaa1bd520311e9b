#include "numericbox.h"

#include "errorcore/error.h"
#include "common/regional.h"

#include <QLocale>
#include <cmath>
#include <limits>

bool numberFromBoxText(const QString &text, NumericBox::Kind kind, double *value)
{
    double result = 0;
    if (!regionalTextToDouble(text, &result))
        return false;
    if (kind == NumericBox::Whole && !(result >= 1 && result <= double(std::numeric_limits<int>::max())
                                       && !text.contains(QLocale().decimalPoint()) && !text.contains(u'e', Qt::CaseInsensitive)))
        return false;
    if (value)
        *value = result;
    return true;
}

QString expectedNumber(NumericBox::Kind kind)
{
    if (kind == NumericBox::Whole)
        return QStringLiteral("a whole number from 1 to %1").arg(QLocale().toString(std::numeric_limits<int>::max()));
    return QStringLiteral("a number such as %1").arg(QLocale().toString(-12345.5, 'f', 1));
}

NumericBox::NumericBox(Kind kind, QWidget *parent) : QLineEdit(parent), m_kind(kind)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textEdited, this, [this] { m_refused.reset(); });
    // The number the user typed, in the locale's form once they leave it;
    // anything else stays as it is and is reported once.
    connect(this, &QLineEdit::editingFinished, this, [this] {
        double number = 0;
        if (numberFromBoxText(text(), m_kind, &number)) {
            const QString shown = doubleToPlainText(number);
            if (shown != text())
                setText(shown);
        } else if (m_refused != text()) {
            m_refused = text();
            emit numberRefused();
        }
    });
}

bool NumericBox::hasNumber() const
{
    return numberFromBoxText(text(), m_kind, nullptr);
}

double NumericBox::value() const
{
    double number = 0;
    if (!numberFromBoxText(text(), m_kind, &number))
        throw Error::fromNumber(13);
    return number;
}

void NumericBox::setValue(double number)
{
    m_refused.reset();
    setText(doubleToPlainText(number));
}
