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
