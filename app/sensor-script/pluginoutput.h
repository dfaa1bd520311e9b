#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// What evaluate hands a monitor, in the form monitoring plugins use: one
// first line "SENSOR <STATE> - <text> | <performance data>", then long
// output. The first line is safe whatever a script wrote: no '|' of its own
// (shown as '¦'), no line break, at most kFirstLineLimit characters; a text
// that does not fit is shortened with "…" and given whole in the long output.
struct PluginAnswer
{
    static constexpr int kFirstLineLimit = 200;

    const char *state = "UNKNOWN";
    QString text;
    QString perfData;   // "'label'=value[unit];[warn];[crit]", or empty
    QString longOutput; // lines after the first, or empty

    QString format() const;
};

// A number in the one form every output uses, whatever the locale: a point
// for decimals, no exponent, no group separators ("12.5", "-3", "0.001").
QString numberText(double number);

// The value as a number when it is one (an integer or a finite double, not
// a Boolean); nothing otherwise.
std::optional<double> numericValue(const QVariant &value);

// The range, in the plugins' threshold syntax, of the values for which a
// level script is true, when the script is exactly what the Conditions
// Wizard generates for one numeric comparison of the value
// ("IF cdbl(pSsrValue) > 80 THEN" gives "~:80", ">= 80" "@80:", "< 20"
// "20:", "<= 20" "@~:20", "= 5" "@5:5", "<> 5" "5:5"); nothing for any
// other script, whose direction is not known.
std::optional<QString> levelAlertRange(const QString &language, const QString &script);

// The performance data of `value` under `label` and `unit`: thresholds as
// given (empty: left out).
QString perfData(const QString &label, double value, const QString &unit, const QString &warn, const QString &crit);
