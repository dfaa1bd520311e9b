#pragma once

#include <QString>

// The text without blanks (U+0020) at either end: what the system means by
// trimming. Tabs and line breaks stay, so a script of line breaks is not empty.
inline QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}
