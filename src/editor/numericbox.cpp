#include "numericbox.h"

#include "errorcore/error.h"
#include "common/regional.h"

#include <QLocale>
#include <QValidator>
#include <cmath>
#include <limits>

namespace {

// The text split into its parts; `complete` false for a text that only
// starts a number ("-", "12e", "").
struct NumberText
{
    bool valid = false;
    bool complete = false;
    QString cForm;   // the number in the C form, for parsing
};

NumberText scan(const QString &input, NumericBox::Kind kind)
{
    const QLocale locale;
    const QString text = input.trimmed();
    NumberText result;
    qsizetype i = 0;
    const auto at = [&](qsizetype k) { return k < text.size() ? text.at(k) : QChar(); };
    const auto isSign = [&](QChar c) {
        return c == QLatin1Char('-') || c == QLatin1Char('+') || c == locale.negativeSign().front() ||
               c == locale.positiveSign().front();
    };
    const auto isMinus = [&](QChar c) { return c == QLatin1Char('-') || c == locale.negativeSign().front(); };
    const auto isDecimal = [&](QChar c) {
        return c == QLatin1Char('.') || c == QLatin1Char(',') || c == locale.decimalPoint().front();
    };

    if (isSign(at(i)))
        result.cForm += isMinus(text.at(i++)) ? QLatin1Char('-') : QLatin1Char('+');
    qsizetype digits = 0;
    while (at(i).isDigit()) {
        result.cForm += QChar(u'0' + at(i++).digitValue());
        ++digits;
    }
    if (kind == NumericBox::Decimal && isDecimal(at(i))) {
        result.cForm += QLatin1Char('.');
        ++i;
        while (at(i).isDigit()) {
            result.cForm += QChar(u'0' + at(i++).digitValue());
            ++digits;
        }
    }
    bool exponentDigits = true;
    if (kind == NumericBox::Decimal && digits > 0 && (at(i) == QLatin1Char('e') || at(i) == QLatin1Char('E'))) {
        result.cForm += QLatin1Char('e');
        ++i;
        if (isSign(at(i)))
            result.cForm += isMinus(text.at(i++)) ? QLatin1Char('-') : QLatin1Char('+');
        exponentDigits = false;
        while (at(i).isDigit()) {
            result.cForm += QChar(u'0' + at(i++).digitValue());
            exponentDigits = true;
        }
    }
    result.valid = i == text.size();
    result.complete = result.valid && digits > 0 && exponentDigits;
    return result;
}

// Accepts what numberFromBoxText reads, and the starts of such texts while
// they are typed.
class NumberValidator : public QValidator
{
public:
    NumberValidator(NumericBox::Kind kind, QObject *parent) : QValidator(parent), m_kind(kind) {}

    State validate(QString &input, int &) const override
    {
        const NumberText number = scan(input, m_kind);
        if (!number.valid)
            return Invalid;
        if (!number.complete)
            return Intermediate;
        // A complete text out of range can still be shortened by the user.
        return numberFromBoxText(input, m_kind, nullptr) ? Acceptable : Intermediate;
    }

private:
    NumericBox::Kind m_kind;
};

} // namespace

bool numberFromBoxText(const QString &text, NumericBox::Kind kind, double *value)
{
    const NumberText number = scan(text, kind);
    if (!number.complete)
        return false;
    bool ok = false;
    const double result = QLocale::c().toDouble(number.cForm, &ok);
    if (!ok || !std::isfinite(result))
        return false;
    if (kind == NumericBox::Whole &&
        !(result >= double(std::numeric_limits<int>::min()) && result <= double(std::numeric_limits<int>::max())))
        return false;
    if (value)
        *value = result;
    return true;
}

NumericBox::NumericBox(Kind kind, QWidget *parent) : QLineEdit(parent), m_kind(kind)
{
    setValidator(new NumberValidator(kind, this));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The number the user typed, in the locale's form once they leave it.
    connect(this, &QLineEdit::editingFinished, this, [this] {
        double number = 0;
        if (numberFromBoxText(text(), m_kind, &number)) {
            const QString shown = doubleToPlainText(number);
            if (shown != text())
                setText(shown);
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
    setText(doubleToPlainText(number));
}
