#include "jstranslation.h"

// Line stamps (jspreprocess.h): where a stopped run was.

using namespace jsfront;

namespace {

enum class Brace { Other, Block, Body, Switch };

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

// Whether the function body opened at `open` loops or calls anything.
bool JsTranslation::stampsFunction(int open) const
{
    const int close = matchClose(open);
    const int end = close < 0 ? static_cast<int>(m_tokens.size()) : close;
    for (int j = open + 1; j < end; ++j) {
        const Token &t = m_tokens[j];
        if (isWord(t, {"for", "while", "do"}) && !is(j - 1, "."))
            return true;
        if (t.text == QLatin1String("(") && t.kind == Kind::Punctuator
            && ((isName(j - 1) && !is(j - 2, "function")) || is(j - 1, ")") || is(j - 1, "]")))
            return true;
    }
    return false;
}

void JsTranslation::stamp()
{
    if (m_unit <= 0 || m_tokens.isEmpty())
        return;
    const QString holder = QString::fromLatin1(JsFrontEnd::kStampHolder);
    const QString alias = QStringLiteral("__vt_s");
    const int count = static_cast<int>(m_tokens.size());

    // What each { opens.
    QList<Brace> braces(count, Brace::Other);
    for (int k = 0; k < count; ++k) {
        if (m_tokens[k].kind != Kind::Punctuator || m_tokens[k].text != QLatin1String("{"))
            continue;
        if (is(k - 1, "=>")) {
            braces[k] = Brace::Body;
        } else if (is(k - 1, ")")) {
            const int open = matchOpen(k - 1);
            if (open < 1)
                continue;
            const Token &word = m_tokens[open - 1];
            if (isWord(word, {"switch"}))
                braces[k] = Brace::Switch;
            else if (isWord(word, {"if", "while", "for", "with", "catch"}))
                braces[k] = Brace::Block;
            else if (isName(open - 1) || isWord(word, {"function"}))
                braces[k] = Brace::Body; // function f(...) {, a method's name(...) {
        } else if (k > 0 && isWord(m_tokens[k - 1], {"else", "do", "try", "finally"})) {
            braces[k] = Brace::Block;
        }
    }

    // The open brackets, and for each open function body whether it stamps.
    struct Open
    {
        int token;
        Brace brace;
        bool stamps; // code here is stamped
    };
    QList<Open> open;
    auto stamps = [&] { return open.isEmpty() || open.last().stamps; };
    auto statementLevel = [&] {
        return open.isEmpty() || (m_tokens[open.last().token].text == QLatin1String("{") && open.last().brace != Brace::Other);
    };
    auto target = [&] {
        for (qsizetype i = open.size() - 1; i >= 0; --i)
            if (open[i].brace == Brace::Body)
                return alias;
        return holder;
    };
    auto text = [&](int line) {
        return QStringLiteral("%1[0]=%2;").arg(target()).arg(JsFrontEnd::lineStamp(m_unit, line));
    };

    for (int k = 0; k < count; ++k) {
        const Token &t = m_tokens[k];
        if (k > 0 && t.newlineBefore && t.kind == Kind::Identifier && stamps() && statementLevel()
            && (is(k - 1, ";") || is(k - 1, "}"))
            && !isWord(t, {"else", "catch", "finally", "while", "case", "default", "function", "in", "instanceof"})) {
            m_edits.append({t.start, 0, text(t.line), -1});
        }
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
        const Brace brace = c == QLatin1Char('{') ? braces[k] : Brace::Other;
        const bool outer = stamps();
        const int close = matchClose(k);
        const int firstLine = (close == k + 1 || k + 1 >= count) ? t.line : m_tokens[k + 1].line;
        if (brace == Brace::Body) {
            const bool inner = stampsFunction(k);
            open.append({k, brace, inner});
            if (!inner)
                continue;
            // After a directive prologue's string ("use strict";), which
            // must stay the first statement.
            int at = k;
            if (k + 2 < count && m_tokens[k + 1].kind == Kind::String && is(k + 2, ";"))
                at = k + 2;
            m_edits.append({m_tokens[at].end, 0, QStringLiteral("var %1=%2;").arg(alias, holder) + text(firstLine), -1});
        } else {
            open.append({k, brace, outer});
            if (brace == Brace::Block && outer)
                m_edits.append({t.end, 0, text(firstLine), -1});
        }
    }
}
