#include "jstranslation.h"

#include "jsbuiltins.h"

#include <algorithm>

using namespace jsfront;

int JsTranslation::matchOpen(int close) const
{
    return close >= 0 && close < m_match.size() && m_match[close] < close ? m_match[close] : -1;
}

int JsTranslation::matchClose(int open) const
{
    return open >= 0 && open < m_match.size() && m_match[open] > open ? m_match[open] : -1;
}

// Pairs every bracket with its partner (-1 for one without).
void JsTranslation::pairBrackets()
{
    m_match.fill(-1, m_tokens.size());
    QList<int> open;
    bool mismatched = false;
    for (int i = 0; i < m_tokens.size(); ++i) {
        const Token &t = m_tokens[i];
        if (t.kind != Kind::Punctuator || t.text.size() != 1)
            continue;
        const QChar c = t.text.at(0);
        if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{')) {
            open.append(i);
        } else if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) {
            if (open.isEmpty()) {
                mismatched = true;
                continue;
            }
            m_match[i] = open.last();
            m_match[open.last()] = i;
            open.removeLast();
        }
    }
    // A bracket still open at the end: what JScript says when the engine
    // refuses the code (the engine itself only sees the end of the text).
    if (!open.isEmpty() && !mismatched) {
        const QChar c = m_tokens[open.last()].text.at(0);
        const long number = c == QLatin1Char('(') ? 1006 : c == QLatin1Char('[') ? 1007 : 1009;
        fail(number, static_cast<int>(m_src.size()));
        m_state.m_unclosed = m_failure;
    }
}

// Where the member chain that ends at token `end` (a.b[c](d).e) starts; -1
// when the tokens there are no such chain.
int JsTranslation::chainStart(int end) const
{
    int i = end;
    while (i >= 0) {
        const Token &t = m_tokens[i];
        if (isName(i) || is(i, "this")) {
            if (is(i - 1, ".") && i >= 2) {
                i -= 2;
                continue;
            }
            return i;
        }
        if (t.text == QLatin1String(")") || t.text == QLatin1String("]")) {
            const int open = matchOpen(i);
            if (open < 0)
                return -1;
            if (isName(open - 1) || is(open - 1, "this") || is(open - 1, ")") || is(open - 1, "]")) {
                i = open - 1;
                continue;
            }
            return open;
        }
        return -1;
    }
    return -1;
}

// Whether the expression goes on across the line break between two tokens.
bool JsTranslation::continues(const Token &before, const Token &next) const
{
    static const QSet<QString> closers = {QStringLiteral(")"), QStringLiteral("]"), QStringLiteral("}"),
                                          QStringLiteral("++"), QStringLiteral("--")};
    if (before.kind == Kind::Punctuator && !closers.contains(before.text))
        return true;
    static const QSet<QString> openers = {QStringLiteral("("), QStringLiteral("["), QStringLiteral("{"),
                                          QStringLiteral("!"), QStringLiteral("~"), QStringLiteral("++"),
                                          QStringLiteral("--"), QStringLiteral(";")};
    if (next.kind == Kind::Punctuator)
        return !openers.contains(next.text);
    return next.text == QLatin1String("in") || next.text == QLatin1String("instanceof");
}

// The last token of the assigned value that starts at `from`, or -1.
int JsTranslation::valueEnd(int from) const
{
    int questions = 0;
    for (int j = from; j < m_tokens.size(); ++j) {
        const Token &t = m_tokens[j];
        if (j > from && t.newlineBefore && !continues(m_tokens[j - 1], t))
            return j - 1;
        if (t.kind != Kind::Punctuator)
            continue;
        if (t.text == QLatin1String("=") && m_valueEnds.contains(j))
            return m_valueEnds.value(j); // an assignment goes to the end of the one it is part of
        if (t.text == QLatin1String("(") || t.text == QLatin1String("[") || t.text == QLatin1String("{")) {
            const int close = matchClose(j);
            if (close < 0)
                return static_cast<int>(m_tokens.size()) - 1;
            j = close; // a bracket holds what it holds, line breaks too
        } else if (t.text == QLatin1String(")") || t.text == QLatin1String("]") || t.text == QLatin1String("}")
                   || t.text == QLatin1String(";") || t.text == QLatin1String(",")) {
            return j - 1;
        } else if (t.text == QLatin1String("?")) {
            ++questions;
        } else if (t.text == QLatin1String(":")) {
            if (questions == 0)
                return j - 1;
            --questions;
        }
    }
    return static_cast<int>(m_tokens.size()) - 1;
}

// The last token of typeof's operand when it is a member chain, or -1.
int JsTranslation::operandEnd(int from) const
{
    if (from >= m_tokens.size())
        return -1;
    const Token &t = m_tokens[from];
    int j = from;
    if (t.kind == Kind::Identifier && t.text == QLatin1String("new")) {
        if (!isName(from + 1))
            return -1;
        j = from + 1;
    } else if (t.kind == Kind::Identifier) {
        if (keywords().contains(t.text) && t.text != QLatin1String("this"))
            return -1;
    } else if (t.text == QLatin1String("(") || t.text == QLatin1String("[")) {
        j = matchClose(from);
    } else if (t.kind == Kind::Punctuator) {
        return -1;
    }
    while (j >= 0 && j + 1 < m_tokens.size()) {
        if ((is(j + 1, ".") || is(j + 1, "?.")) && j + 2 < m_tokens.size() && m_tokens[j + 2].kind == Kind::Identifier)
            j += 2;
        else if (is(j + 1, "[") || is(j + 1, "("))
            j = matchClose(j + 1);
        else
            break;
    }
    return j;
}

void JsTranslation::rewrite()
{
    const QString put = QString::fromLatin1(kPutHelper);
    const QString typeOf = QString::fromLatin1(kTypeofHelper);
    const QString caught = QString::fromLatin1(kCaughtHelper);
    const QString thrown = QString::fromLatin1(kThrowHelper);
    pairBrackets();
    // From the end, so that an assignment inside another's value is known
    // when the outer one looks for its end.
    for (int k = static_cast<int>(m_tokens.size()) - 1; k >= 0; --k) {
        const Token &t = m_tokens[k];
        if (t.kind == Kind::Punctuator && t.text == QLatin1String("=")) {
            const int last = valueEnd(k + 1);
            m_valueEnds.insert(k, last);
            if (!is(k - 1, ")"))
                continue;
            // obj.Name(args) = value, obj(args) = value
            const int open = matchOpen(k - 1);
            if (open < 1 || !isName(open - 1))
                continue;
            const bool named = is(open - 2, ".");
            const int start = chainStart(named ? open - 3 : open - 1);
            if (start < 0 || last <= k)
                continue;
            m_edits.append({m_tokens[start].start, 0, put + QLatin1Char('('), 2});
            if (named) {
                m_edits.append({m_tokens[open - 2].start, 1, QStringLiteral(", "), 1});
                const Token &member = m_tokens[open - 1];
                m_edits.append({member.start, member.end - member.start, QLatin1Char('"') + member.text + QLatin1Char('"'), 1});
                m_edits.append({m_tokens[open].start, 1, QStringLiteral(", ["), 1});
            } else {
                m_edits.append({m_tokens[open].start, 1, QStringLiteral(", \"\", ["), 1});
            }
            m_edits.append({m_tokens[k - 1].start, 1, QStringLiteral("]"), 1});
            m_edits.append({t.start, 1, QStringLiteral(","), 1});
            m_edits.append({m_tokens[last].end, 0, QStringLiteral(")"), 0});
        }
    }
    for (int k = 0; k < m_tokens.size(); ++k) {
        const Token &t = m_tokens[k];
        if (t.kind == Kind::Identifier && t.text == QLatin1String("typeof") && !is(k - 1, ".")) {
            const int end = operandEnd(k + 1);
            if (end < 0)
                continue;
            if (end == k + 1 && isName(end)) {
                const QString &var = m_tokens[end].text;
                m_edits.append({t.start, t.end - t.start,
                                QStringLiteral("(typeof %1 === \"undefined\" ? \"undefined\" : %2(").arg(var, typeOf), 1});
                m_edits.append({m_tokens[end].end, 0, QStringLiteral("))"), 0});
            } else {
                m_edits.append({t.start, t.end - t.start, typeOf + QLatin1Char('('), 1});
                m_edits.append({m_tokens[end].end, 0, QStringLiteral(")"), 0});
            }
        } else if (t.kind == Kind::Identifier && t.text == QLatin1String("catch") && !is(k - 1, ".") && is(k + 1, "(")
                   && isName(k + 2) && is(k + 3, ")") && is(k + 4, "{")) {
            const QString &var = m_tokens[k + 2].text;
            m_edits.append({m_tokens[k + 4].end, 0, QStringLiteral(" %1 = %2(%1);").arg(var, caught), 2});
        } else if (t.kind == Kind::Identifier && t.text == QLatin1String("throw") && !is(k - 1, ".")
                   && k + 1 < m_tokens.size() && !m_tokens[k + 1].newlineBefore) {
            // The report of an uncaught throw names the line of the throw.
            const int last = valueEnd(k + 1);
            if (last <= k)
                continue;
            m_edits.append({t.end, 0, QLatin1Char(' ') + thrown + QLatin1Char('('), 2});
            m_edits.append({m_tokens[last].end, 0, QStringLiteral(", %1, %2)").arg(t.line).arg(m_unit), 0});
        }
    }
    stamp();
    if (m_edits.isEmpty())
        return;
    std::stable_sort(m_edits.begin(), m_edits.end(), [](const Edit &a, const Edit &b) {
        return a.pos != b.pos ? a.pos < b.pos : a.rank < b.rank;
    });
    QString result;
    result.reserve(m_out.size() + 32 * m_edits.size());
    int cursor = 0;
    int line = 1;
    int lineStart = 0;
    int scanned = 0;
    for (const Edit &e : m_edits) {
        if (e.pos < cursor)
            continue; // overlaps a change already made
        for (; scanned < e.pos; ++scanned) {
            const QChar c = m_out.at(scanned);
            if (isNewline(c) && !(c == QLatin1Char('\r') && scanned + 1 < m_out.size() && m_out.at(scanned + 1) == QLatin1Char('\n'))) {
                ++line;
                lineStart = scanned + 1;
            }
        }
        m_state.m_shifts[line].append({e.pos - lineStart, e.remove, static_cast<int>(e.text.size())});
        result += QStringView(m_out).mid(cursor, e.pos - cursor);
        result += e.text;
        cursor = e.pos + e.remove;
    }
    result += QStringView(m_out).mid(cursor);
    m_out = result;
}
