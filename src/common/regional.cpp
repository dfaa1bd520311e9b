#include "regional.h"

#include "errorcore/error.h"

#include <QLocale>
#include <cmath>
#include <limits>

QString doubleToText(double value)
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'g', 15);
    const QString exponent = locale.exponential();
    if (!exponent.isEmpty() && exponent != QLatin1String("E"))
        text.replace(exponent, QLatin1String("E"));
    return text;
}

QString doubleToPlainText(double value)
{
    const double magnitude = std::fabs(value);
    if (value == 0 || !(magnitude >= 1e-9 && magnitude < 1e15))
        return doubleToText(value);
    // Decimals for 15 significant digits, then the trailing zeros dropped.
    const int decimals = qBound(0, 14 - int(std::floor(std::log10(magnitude))), 24);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString text = locale.toString(value, 'f', decimals);
    const QString point = locale.decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(point))
            text.chop(point.size());
    }
    return text;
}

bool textToDouble(const QString &text, double *value)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    double result = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        result = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(result))
        return false;
    if (value)
        *value = result;
    return true;
}

int roundToInt32(double value)
{
    const double rounded = std::nearbyint(value);   // default rounding mode: ties to even
    if (!(rounded >= double(std::numeric_limits<int>::min()) && rounded <= double(std::numeric_limits<int>::max())))
        throw Error::fromNumber(6);
    return int(rounded);
}
