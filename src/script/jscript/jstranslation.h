#pragma once

// The inside of the JScript front end (jspreprocess.h), shared by its three
// parts: jspreprocess.cpp tokenises, jsconditional.cpp runs conditional
// compilation, jsrewrite.cpp rewrites.

#include "jspreprocess.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace jsfront {

enum class Kind { Identifier, Number, String, Template, Regex, Punctuator };

struct Token
{
    Kind kind;
    QString text;
    int start = 0; // in the output
    int end = 0;
    bool newlineBefore = false;
    int line = 0;
};

// A change of the output: `remove` characters at `pos` become `text`.
// Insertions at one place go closers first, then replacements, then openers.
struct Edit
{
    int pos;
    int remove;
    QString text;
    int rank; // -1 line stamp, 0 closer, 1 replacement, 2 opener
};

// Reserved words of the language.
const QSet<QString> &keywords();

inline bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$') || c == QLatin1Char('\\');
}

inline bool isIdentifierPart(QChar c)
{
    return isIdentifierStart(c) || c.isDigit() || c.category() == QChar::Mark_NonSpacing;
}

inline bool isNewline(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) || c == QChar(0x2029);
}

} // namespace jsfront


// One text through the front end (see jspreprocess.h).
class JsTranslation
{
    using Kind = jsfront::Kind;
    using Token = jsfront::Token;
    using Edit = jsfront::Edit;

public:
    JsTranslation(JsFrontEnd &state, const QString &code, int unit) : m_state(state), m_src(code), m_unit(unit) {}

    bool run(QString &out, JsFrontEnd::Failure &failure);

private:
    struct Frame
    {
        bool parentActive;
        bool taken;
        bool any;
    };

    // Scanning.
    QChar at(int i) const { return i < m_src.size() ? m_src.at(i) : QChar(); }
    bool startsWith(int i, const char *text) const { return QStringView(m_src).mid(i).startsWith(QLatin1String(text)); }
    bool active() const { return m_frames.isEmpty() || (m_frames.last().taken && m_frames.last().parentActive); }
    bool fail(long number, int offset);
    int lineAt(int offset) const;
    void take(int end, Kind kind);
    void track(const Token &token);
    void emitBlank(int end);
    void emitText(int end);
    bool regexAllowed() const;
    bool lexComment();
    bool lexString();
    bool lexTemplate(int from);
    bool lexRegex();
    void lexNumber();
    void lexIdentifier();
    void lexPunctuator();
    bool lexDirective();

    // Conditional-compilation expressions.
    void skipSpace();
    bool condition(JsFrontEnd::Value &value);
    bool expression(int level, JsFrontEnd::Value &value);
    bool unary(JsFrontEnd::Value &value);
    bool unaryAt(JsFrontEnd::Value &value);
    bool primary(JsFrontEnd::Value &value);
    QString name();

    // Rewriting.
    void rewrite();
    void stamp();
    bool stampsFunction(int open) const;
    bool callsIn(int from, const QList<int> &braces) const;
    int matchOpen(int close) const;
    int matchClose(int open) const;
    void pairBrackets();
    int chainStart(int end) const;
    int valueEnd(int from) const;
    int operandEnd(int from) const;
    bool continues(const Token &before, const Token &next) const;
    bool is(int i, const char *text) const { return i >= 0 && i < m_tokens.size() && m_tokens[i].text == QLatin1String(text); }
    bool isName(int i) const
    {
        return i >= 0 && i < m_tokens.size() && m_tokens[i].kind == Kind::Identifier && !jsfront::keywords().contains(m_tokens[i].text);
    }

    JsFrontEnd &m_state;
    const QString &m_src;
    int m_unit;
    int m_pos = 0;
    int m_line = 1;
    QString m_out;
    QList<Token> m_tokens;
    QList<Edit> m_edits;
    QList<int> m_match;      // the partner of each bracket token
    QHash<int, int> m_valueEnds; // '=' token -> last token of its value
    int m_depth = 0;         // of a conditional-compilation expression
    QList<Frame> m_frames;
    QList<int> m_templates; // brace depth at each open ${ of a template literal
    // For the choice between a regular expression and a division after a
    // closing bracket: whether each open ( heads an if/while/for/with and
    // each open { is a block (rather than an object literal), and what the
    // last ) and } closed.
    QList<bool> m_parenHeads;
    QList<bool> m_braceBlocks;
    bool m_closedHead = false;
    bool m_closedBlock = false;
    int m_braces = 0;
    bool m_newline = false;
    bool m_ccBlock = false; // inside /*@ ... @*/
    int m_ccBlockStart = 0;
    bool m_ccLine = false;  // inside //@ ...
    JsFrontEnd::Failure m_failure;
};

