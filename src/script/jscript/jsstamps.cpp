#include "jstranslation.h"

#include <vector>

// Line stamps (jspreprocess.h): where a stopped run was.

using namespace jsfront;

namespace {

bool isWord(const Token &t, std::initializer_list<const char *> words)
{
    if (t.kind != Kind::Identifier)
        return false;
    for (const char *w : words)
        if (t.text == QLatin1String(w))
            return true;
    return false;
}

} // namespace

// Whether the function body opened at `open` holds a loop.
bool JsTranslation::stampsFunction(int open) const
{
    const int close = matchClose(open);
    const int end = close < 0 ? static_cast<int>(m_tokens.size()) : close;
    for (int j = open + 1; j < end; ++j) {
        if (isWord(m_tokens[j], {"for", "while", "do"}) && !is(j - 1, "."))
            return true;
    }
    return false;
}

// Whether the statement that starts at token `from` calls anything before
// it ends (at its ; or line end, or where its block opens).
bool JsTranslation::callsIn(int from, const QList<int> &braces) const
{
    int depth = 0;
    for (int j = from; j < m_tokens.size(); ++j) {
        const Token &t = m_tokens[j];
        if (j > from && depth == 0 && t.newlineBefore && !continues(m_tokens[j - 1], t))
            return false;
        if (t.kind != Kind::Punctuator)
            continue;
        if (t.text == QLatin1String("(")) {
            if ((isName(j - 1) && !is(j - 2, "function")) || is(j - 1, ")") || is(j - 1, "]"))
                return true;
            ++depth;
        } else if (t.text == QLatin1String("[")) {
            ++depth;
        } else if (t.text == QLatin1String("{")) {
            if (depth == 0 && braces[j] != 0)
                return false; // the statement's own block, or a function's body
            ++depth;
        } else if (t.text == QLatin1String(")") || t.text == QLatin1String("]") || t.text == QLatin1String("}")) {
            if (--depth < 0)
                return false;
        } else if (t.text == QLatin1String(";") && depth == 0) {
            return false;
        }
    }
    return false;
}

// A stopped run is where the engine looked for an interrupt: at the end of
// a call or of a loop's round. So the stamps go at the start of every
// loop's body and before every statement that calls; a statement that does
// neither cannot be where a run stops.
void JsTranslation::stamp()
{
    if (m_unit <= 0 || m_tokens.isEmpty())
        return;
    const QString holder = QString::fromLatin1(JsFrontEnd::kStampHolder);
    const QString alias = QStringLiteral("__vt_s");
    const int count = static_cast<int>(m_tokens.size());

    // What each { opens (0 for an object literal, a class body or a bare block).
    enum Brace { Other = 0, Block, Loop, Body, Switch };
    QList<int> braces(count, Other);
    for (int k = 0; k < count; ++k) {
        if (m_tokens[k].kind != Kind::Punctuator || m_tokens[k].text != QLatin1String("{"))
            continue;
        if (is(k - 1, "=>")) {
            braces[k] = Body;
        } else if (is(k - 1, ")")) {
            const int open = matchOpen(k - 1);
            if (open < 1)
                continue;
            const Token &word = m_tokens[open - 1];
            if (isWord(word, {"switch"}))
                braces[k] = Switch;
            else if (isWord(word, {"while", "for"}))
                braces[k] = Loop;
            else if (isWord(word, {"if", "with", "catch"}))
                braces[k] = Block;
            else if (isName(open - 1) || isWord(word, {"function"}))
                braces[k] = Body; // function f(...) {, a method's name(...) {
        } else if (k > 0 && isWord(m_tokens[k - 1], {"do"})) {
            braces[k] = Loop;
        } else if (k > 0 && isWord(m_tokens[k - 1], {"else", "try", "finally"})) {
            braces[k] = Block;
        }
    }

    // The open brackets; a function body notes whether it has the alias.
    struct Open
    {
        int token;
        int brace;
        bool alias;
    };
    QList<Open> open;
    auto statementLevel = [&] {
        return open.isEmpty() || (m_tokens[open.last().token].text == QLatin1String("{") && open.last().brace != Other);
    };
    auto text = [&](int line) {
        QString target = holder;
        for (qsizetype i = open.size() - 1; i >= 0; --i) {
            if (open[i].brace == Body) {
                if (open[i].alias)
                    target = alias;
                break;
            }
        }
        return QStringLiteral("%1[0]=%2;").arg(target).arg(JsFrontEnd::lineStamp(m_unit, line));
    };

    // The : that ends each case or default label of a switch (not a label's,
    // whose statement must follow it directly, nor a conditional's).
    std::vector<bool> caseColons(static_cast<std::size_t>(count), false);
    for (int k = 0, label = -1; k < count; ++k) {
        if (isWord(m_tokens[k], {"case", "default"})
            && (is(k - 1, ";") || is(k - 1, "{") || is(k - 1, "}") || is(k - 1, ":"))) {
            label = k;
        } else if (label >= 0 && (is(k, "?") || is(k, ":"))) {
            caseColons[static_cast<std::size_t>(k)] = is(k, ":");
            label = -1;
        }
    }

    // Whether token k starts a statement that calls (at statement level).
    auto callingStatement = [&](int k) {
        const Token &t = m_tokens[k];
        const bool start = k == 0 || is(k - 1, ";") || (is(k - 1, "}") && t.newlineBefore)
            || (is(k - 1, "{") && braces[k - 1] != Other) || (k > 0 && caseColons[static_cast<std::size_t>(k - 1)]);
        // After a } only a word surely starts a statement: "(", "[", "`",
        // "/" and the like may go on with the expression the } ends.
        static const QSet<QString> opening = {QStringLiteral("("), QStringLiteral("["), QStringLiteral("!"),
                                              QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("~"),
                                              QStringLiteral("++"), QStringLiteral("--")};
        const bool begins = is(k - 1, "}") ? t.kind == Kind::Identifier
                                           : t.kind != Kind::Punctuator || opening.contains(t.text);
        return start && begins
            && !isWord(t, {"else", "catch", "finally", "while", "case", "default", "function", "in", "instanceof"})
            && callsIn(k, braces);
    };

    for (int k = 0; k < count; ++k) {
        const Token &t = m_tokens[k];
        if (statementLevel() && callingStatement(k))
            m_edits.append({t.start, 0, text(t.line), -1});
        if (t.kind != Kind::Punctuator || t.text.size() != 1)
            continue;
        const QChar c = t.text.at(0);
        if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) {
            if (!open.isEmpty())
                open.removeLast();
            continue;
        }
        if (c != QLatin1Char('(') && c != QLatin1Char('[') && c != QLatin1Char('{'))
            continue;
        const int brace = c == QLatin1Char('{') ? braces[k] : Other;
        if (brace == Body) {
            const bool loops = stampsFunction(k);
            open.append({k, brace, loops});
            if (!loops)
                continue;
            // After a directive prologue's string ("use strict";), which
            // must stay the first statement.
            int at = k;
            if (k + 2 < count && m_tokens[k + 1].kind == Kind::String && is(k + 2, ";"))
                at = k + 2;
            m_edits.append({m_tokens[at].end, 0, QStringLiteral("var %1=%2;").arg(alias, holder), -1});
        } else {
            open.append({k, brace, false});
            if (brace == Loop && !(k + 1 < count && callingStatement(k + 1))) {
                const int close = matchClose(k);
                const int line = (close == k + 1 || k + 1 >= count) ? t.line : m_tokens[k + 1].line;
                m_edits.append({t.end, 0, text(line), -1});
            }
        }
    }
}
