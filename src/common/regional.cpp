#include "regional.h"

#include "errorcore/error.h"

#include <QLocale>
#include <QRegularExpression>
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

namespace {

// The text in the C form ("-1234.5e3") when it is a number in the locale's
// form; a null string otherwise.
QString cFormOf(const QString &input, const QLocale &locale)
{
    const QString text = input.trimmed();
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    qsizetype i = 0;
    QString c;
    const auto at = [&](qsizetype k) { return k < text.size() ? text.at(k) : QChar(); };
    const auto startsWith = [&](const QString &what) { return !what.isEmpty() && text.mid(i, what.size()) == what; };
    const auto digits = [&] {
        qsizetype count = 0;
        while (at(i) >= u'0' && at(i) <= u'9') {
            c += at(i++);
            ++count;
        }
        return count;
    };

    if (at(i) == u'+' || startsWith(locale.positiveSign())) {
        i += at(i) == u'+' ? 1 : locale.positiveSign().size();
    } else if ((at(i) == u'-' || startsWith(locale.negativeSign()))) {
        i += at(i) == u'-' ? 1 : locale.negativeSign().size();
        c += u'-';
    }
    // The whole part: digits, or groups of three after a first group of one to three.
    // A locale that groups with a no-break space (narrow or not) takes any
    // of the blanks for it: they look alike, and texts hold either.
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\u00a0' || c == u'\u202f'; };
    const auto atGroup = [&] {
        if (startsWith(group))
            return group.size();
        const bool spaced = group.size() == 1 && isBlank(group.at(0));
        return spaced && isBlank(at(i)) ? qsizetype(1) : qsizetype(0);
    };
    qsizetype whole = digits();
    if (whole > 0 && whole <= 3 && atGroup() > 0 && group != point) {
        while (const qsizetype size = atGroup()) {
            i += size;
            const qsizetype groupDigits = digits();
            if (groupDigits != 3)
                return QString();
            whole += groupDigits;
        }
    }
    qsizetype fraction = 0;
    if (startsWith(point)) {
        i += point.size();
        c += u'.';
        fraction = digits();
    }
    if (whole + fraction == 0)
        return QString();
    if (at(i) == u'e' || at(i) == u'E') {
        c += u'e';
        ++i;
        if (at(i) == u'+' || at(i) == u'-')
            c += at(i++);
        if (digits() == 0)
            return QString();
    }
    return i == text.size() ? c : QString();
}

} // namespace

bool regionalTextToDouble(const QString &text, double *value, const QLocale &locale)
{
    const QString cForm = cFormOf(text, locale);
    if (cForm.isNull())
        return false;
    bool ok = false;
    const double result = QLocale::c().toDouble(cForm, &ok);
    if (!ok || !std::isfinite(result))
        return false;
    if (value)
        *value = result;
    return true;
}

QString doubleToDocumentText(double value)
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 15).replace(QLatin1Char('e'), QLatin1Char('E'));
}

DocumentNumber documentTextToDouble(const QString &text, double *value)
{
    // Digits, at most one decimal separator with digits on both sides of a
    // comma, an optional exponent; nothing a locale adds (grouping, other
    // signs or digits).
    static const QRegularExpression invariant(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    static const QRegularExpression regional(QStringLiteral("^[+-]?[0-9]+,[0-9]+([eE][+-]?[0-9]+)?$"));
    QString trimmed = text.trimmed();
    DocumentNumber kind = DocumentNumber::NotANumber;
    if (invariant.match(trimmed).hasMatch()) {
        kind = DocumentNumber::Invariant;
    } else if (regional.match(trimmed).hasMatch()) {
        kind = DocumentNumber::Regional;
        trimmed.replace(QLatin1Char(','), QLatin1Char('.'));
    } else {
        return DocumentNumber::NotANumber;
    }
    bool ok = false;
    const double result = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(result))
        return DocumentNumber::NotANumber;
    if (value)
        *value = result;
    return kind;
}

int roundToInt32(double value)
{
    const double rounded = std::nearbyint(value);   // default rounding mode: ties to even
    if (!(rounded >= double(std::numeric_limits<int>::min()) && rounded <= double(std::numeric_limits<int>::max())))
        throw Error::fromNumber(6);
    return int(rounded);
}
