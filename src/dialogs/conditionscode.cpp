#include "conditionscode.h"

#include "common/regional.h"
#include "common/trimblanks.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

namespace {

// The value in the script form; false for anything else.
bool scriptNumber(const QString &trimmed, double *value)
{
    // [0-9] rather than \d: other scripts' digits do not compile.
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    bool ok = false;
    if (number.match(trimmed).hasMatch())
        *value = QLocale::c().toDouble(trimmed, &ok);   // false past the range of a double
    return ok;
}

} // namespace

bool isNumericValue(const QString &text)
{
    double value = 0;
    return scriptNumber(trimBlanks(text), &value);
}

ConditionValue readConditionValue(const QString &text, const QLocale &locale)
{
    const QString trimmed = trimBlanks(text);
    double scriptValue = 0;
    const bool script = scriptNumber(trimmed, &scriptValue);
    double regionalValue = 0;
    const bool regional = regionalTextToDouble(trimmed, &regionalValue, locale);
    ConditionValue value;
    value.numeric = script || regional;
    if (!value.numeric)
        return value;
    value.ambiguous = script && regional && scriptValue != regionalValue;
    if (script && !value.ambiguous) {
        value.number = scriptValue;
        value.scriptText = text;
        return value;
    }
    value.number = regionalValue;
    const qsizetype start = text.indexOf(trimmed);
    value.scriptText = text.left(start) + doubleToDocumentText(regionalValue) + text.mid(start + trimmed.size());
    return value;
}

ConditionsFault findConditionsFault(const QList<ConditionRow> &rows)
{
    if (rows.isEmpty())
        return {ConditionsFault::NoConditions, -1};
    const auto empty = [](const QString &cell) { return trimBlanks(cell).isEmpty(); };
    for (int r = 0; r < rows.size(); ++r) {
        const ConditionRow &row = rows[r];
        if ((r > 0 && empty(row.join)) || empty(row.operand) || empty(row.comparison) || empty(row.value))
            return {ConditionsFault::Incomplete, r};
    }
    for (int i = 0; i + 1 < rows.size(); ++i)
        for (int j = i + 1; j < rows.size(); ++j)
            if (trimBlanks(rows[i].comparison) == trimBlanks(rows[j].comparison) &&
                trimBlanks(rows[i].value) == trimBlanks(rows[j].value))
                return {ConditionsFault::Duplicated, j};
    return {};
}

namespace {

QString comparisonOf(const ConditionRow &row, const QLocale &locale)
{
    const QString operand = trimBlanks(row.operand);
    const QString comparison = trimBlanks(row.comparison);
    const ConditionValue value = readConditionValue(row.value, locale);
    if (value.numeric)
        return QStringLiteral("cdbl(") + operand + QStringLiteral(") ") + comparison + QLatin1Char(' ') +
               value.scriptText;
    return operand + QLatin1Char(' ') + comparison + QStringLiteral(" \"") + trimBlanks(row.value) +
           QLatin1Char('"');
}

} // namespace

QString conditionsCode(const QList<ConditionRow> &rows, const QLocale &locale)
{
    QString condition = QStringLiteral("IF ");
    for (int r = 0; r < rows.size(); ++r) {
        if (r > 0)
            condition += QLatin1Char(' ') + trimBlanks(rows[r].join) + QLatin1Char(' ');
        condition += comparisonOf(rows[r], locale);
    }
    condition += QStringLiteral(" THEN");
    return QStringList{QStringLiteral("Function Main(pSsrValue)"), condition, QStringLiteral("\t\tMain=TRUE"),
                       QStringLiteral("ELSE"), QStringLiteral("\t\tMain=FALSE"), QStringLiteral("END IF"),
                       QStringLiteral("End Function")}
        .join(QStringLiteral("\r\n"));
}
