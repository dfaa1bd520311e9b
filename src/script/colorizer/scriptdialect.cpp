#include "scriptdialect.h"

#include "scantext.h"

#include <cstdlib>

namespace colorizer {

namespace {

using namespace scan;

// Once one dialect leads by this many points the rest is not read.
constexpr int decisiveLead = 24;

bool is(QStringView word, const char *latin1)
{
    return word.compare(QLatin1String(latin1), Qt::CaseInsensitive) == 0;
}

bool isExactly(QStringView word, const char *latin1)
{
    return word == QLatin1String(latin1);
}

// The leading run of ASCII letters of `text`.
QStringView leadingWord(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && isAsciiLetter(text[n].unicode()))
        ++n;
    return text.first(n);
}

// The trailing run of ASCII letters of `text`.
QStringView trailingWord(QStringView text)
{
    qsizetype n = 0;
    while (n < text.size() && isAsciiLetter(text[text.size() - 1 - n].unicode()))
        ++n;
    return text.last(n);
}

struct Score
{
    int vbscript = 0;
    int jscript = 0;
};

// Points for one line, without its leading and trailing blanks.
void scoreLine(QStringView line, Score &score)
{
    const char16_t first = line.front().unicode();
    const char16_t last = line.back().unicode();
    if (first == u'\'') {
        // 'use strict'; is a JScript statement, not a comment.
        if (last != u';')
            score.vbscript += 2;
        return;
    }
    if (first == u'/' && line.size() > 1 && (line[1] == u'/' || line[1] == u'*')) {
        score.jscript += 3;
        return;
    }

    const QStringView word = leadingWord(line);
    const QStringView rest = line.sliced(word.size());
    const QStringView secondWord = leadingWord(rest.trimmed());
    // A line ending in ";" is a JScript statement, whatever its first word.
    const bool vbscriptLine = last != u';';
    if (vbscriptLine
        && (is(word, "dim") || is(word, "redim") || is(word, "wend") || is(word, "elseif")
            || is(word, "rem") || is(word, "next") || is(word, "loop")
            || (is(word, "option") && is(secondWord, "explicit"))
            || ((is(word, "end") || is(word, "exit")) && !secondWord.isEmpty())))
        score.vbscript += 3;
    else if (vbscriptLine && is(word, "set") && !rest.isEmpty() && isBlank(rest.front().unicode()))
        score.vbscript += 2;
    else if (vbscriptLine && (isExactly(word, "Function") || is(word, "sub")))
        score.vbscript += 2;
    else if (isExactly(word, "var") || isExactly(word, "let"))
        score.jscript += 3;
    else if (isExactly(word, "function") || isExactly(word, "return") || isExactly(word, "try")
             || isExactly(word, "catch") || isExactly(word, "throw"))
        score.jscript += 2;

    if (is(trailingWord(line), "then"))
        score.vbscript += 3;
    else if (last == u'_' && line.size() > 1 && isBlank(line[line.size() - 2].unicode()))
        score.vbscript += 2;
    else if (last == u'{' || last == u'}' || last == u';')
        score.jscript += 2;
}

} // namespace

ScriptDialect detectDialect(QStringView text)
{
    Score score;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype end = lineEnd(text, i);
        const QStringView line = text.sliced(i, end - i).trimmed();
        if (!line.isEmpty()) {
            scoreLine(line, score);
            if (std::abs(score.vbscript - score.jscript) >= decisiveLead)
                break;
        }
        i = end < n ? pastLineBreak(text, end) : n;
    }
    return score.jscript > score.vbscript ? ScriptDialect::JScript : ScriptDialect::VBScript;
}

std::optional<ScriptDialect> dialectFromName(QStringView name)
{
    if (is(name, "vbscript") || is(name, "vbs"))
        return ScriptDialect::VBScript;
    if (is(name, "jscript") || is(name, "js") || is(name, "javascript"))
        return ScriptDialect::JScript;
    return std::nullopt;
}

QString dialectName(ScriptDialect dialect)
{
    return dialect == ScriptDialect::JScript ? QStringLiteral("JScript") : QStringLiteral("VBScript");
}

} // namespace colorizer
