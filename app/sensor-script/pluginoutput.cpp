#include "pluginoutput.h"

#include "dialogs/conditionscode.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace {

// '|' starts performance data wherever a monitor reads it.
QString withoutBars(QString text)
{
    return text.replace(u'|', QChar(0x00A6));
}

} // namespace

QString PluginAnswer::format() const
{
    const QString head = QStringLiteral("SENSOR %1 - ").arg(QString::fromLatin1(state));
    const QString perf = perfData.isEmpty() ? QString() : QStringLiteral(" | ") + perfData;
    QString shown = withoutBars(text);
    QString extra = withoutBars(longOutput);
    const qsizetype room = kFirstLineLimit - head.size() - perf.size();
    const qsizetype lineEnd = shown.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
    if (lineEnd >= 0 || shown.size() > room) {
        const QString whole = shown;
        shown = shown.left(std::min(lineEnd >= 0 ? lineEnd : shown.size(), std::max<qsizetype>(room - 1, 0)));
        shown += QChar(0x2026);
        extra = extra.isEmpty() ? whole : whole + u'\n' + extra;
    }
    extra.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QString answer = head + shown + perf + u'\n';
    if (!extra.isEmpty())
        answer += extra + u'\n';
    return answer;
}

QString numberText(double number)
{
    if (std::isnan(number))
        return QStringLiteral("NaN");
    if (std::isinf(number))
        return number < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (number == 0)
        return QStringLiteral("0"); // not "-0"
    return QString::number(number, 'f', QLocale::FloatingPointShortest);
}

std::optional<double> numericValue(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Float:
    case QMetaType::Double: {
        const double number = value.toDouble();
        if (std::isfinite(number))
            return number;
        break;
    }
    default:
        break;
    }
    return std::nullopt;
}

std::optional<QString> levelAlertRange(const QString &language, const QString &script)
{
    if (language.compare(QLatin1String("VBScript"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    // The job's XML may have turned the generated CR LF into LF.
    QString text = script;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    static const QRegularExpression shape(QStringLiteral("^Function Main\\(pSsrValue\\)\nIF cdbl\\(pSsrValue\\) "
                                                         "(>=|<=|<>|>|<|=) ([^\n]*) THEN\n"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch() || !isNumericValue(m.captured(2)))
        return std::nullopt;
    // Exactly the wizard's script for that one row, nothing added or changed
    // (its number read as a script's, whatever the locale).
    QString generated = conditionsCode({ConditionRow{{}, QStringLiteral("pSsrValue"), m.captured(1), m.captured(2)}},
                                       QLocale::c());
    if (generated.replace(QLatin1String("\r\n"), QLatin1String("\n")) != text)
        return std::nullopt;
    const QString v = numberText(m.captured(2).trimmed().toDouble());
    const QString op = m.captured(1);
    if (op == QLatin1String(">"))
        return QStringLiteral("~:") + v;
    if (op == QLatin1String(">="))
        return QStringLiteral("@") + v + u':';
    if (op == QLatin1String("<"))
        return v + u':';
    if (op == QLatin1String("<="))
        return QStringLiteral("@~:") + v;
    if (op == QLatin1String("="))
        return QStringLiteral("@%1:%1").arg(v);
    return QStringLiteral("%1:%1").arg(v);
}

QString perfData(const QString &label, double value, const QString &unit, const QString &warn, const QString &crit)
{
    QString quoted = label;
    quoted.replace(u'\'', QLatin1String("''"));
    QString data = QStringLiteral("'%1'=%2%3").arg(quoted, numberText(value), unit);
    if (!warn.isEmpty() || !crit.isEmpty())
        data += u';' + warn + u';' + crit;
    return data;
}
