#include "jspreprocess.h"

#include "jsbuiltins.h"
#include "jserrors.h"

#include <QList>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// How deep a conditional-compilation expression may nest (unary operators
// and parentheses).
constexpr int kMaxConditionDepth = 200;

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
    int rank; // 0 closer, 1 replacement, 2 opener
};

const QSet<QString> &keywords()
{
    static const QSet<QString> words = {
        QStringLiteral("break"), QStringLiteral("case"), QStringLiteral("catch"), QStringLiteral("class"),
        QStringLiteral("const"), QStringLiteral("continue"), QStringLiteral("debugger"), QStringLiteral("default"),
        QStringLiteral("delete"), QStringLiteral("do"), QStringLiteral("else"), QStringLiteral("export"),
        QStringLiteral("extends"), QStringLiteral("finally"), QStringLiteral("for"), QStringLiteral("function"),
        QStringLiteral("if"), QStringLiteral("import"), QStringLiteral("in"), QStringLiteral("instanceof"),
        QStringLiteral("new"), QStringLiteral("return"), QStringLiteral("super"), QStringLiteral("switch"),
        QStringLiteral("throw"), QStringLiteral("try"), QStringLiteral("typeof"), QStringLiteral("var"),
        QStringLiteral("void"), QStringLiteral("while"), QStringLiteral("with"), QStringLiteral("yield"),
        QStringLiteral("let"), QStringLiteral("await"), QStringLiteral("null"), QStringLiteral("true"),
        QStringLiteral("false"), QStringLiteral("this")};
    return words;
}

// Keywords after which a slash starts a regular expression literal.
const QSet<QString> &regexKeywords()
{
    static const QSet<QString> words = {
        QStringLiteral("return"), QStringLiteral("typeof"), QStringLiteral("case"), QStringLiteral("do"),
        QStringLiteral("else"), QStringLiteral("in"), QStringLiteral("instanceof"), QStringLiteral("new"),
        QStringLiteral("delete"), QStringLiteral("void"), QStringLiteral("throw"), QStringLiteral("yield"),
        QStringLiteral("await")};
    return words;
}

const char *const kPunctuators[] = {">>>=", "...", "===", "!==", "**=", "<<=", ">>=", ">>>", "&&=", "||=", "?\?=",
                                    "=>", "==", "!=", "<=", ">=", "&&", "||", "??", "?.", "++", "--", "+=", "-=",
                                    "*=", "/=", "%=", "&=", "|=", "^=", "<<", ">>", "**"};

bool isIdentifierStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('$') || c == QLatin1Char('\\');
}

bool isIdentifierPart(QChar c)
{
    return isIdentifierStart(c) || c.isDigit() || c.category() == QChar::Mark_NonSpacing;
}

bool isNewline(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar(0x2028) || c == QChar(0x2029);
}

bool truthy(const JsFrontEnd::Value &v)
{
    return v.isBoolean ? v.boolean : (v.number != 0 && !std::isnan(v.number));
}

double toNumber(const JsFrontEnd::Value &v)
{
    return v.isBoolean ? (v.boolean ? 1.0 : 0.0) : v.number;
}

JsFrontEnd::Value number(double d)
{
    return {d, false, false};
}

JsFrontEnd::Value boolean(bool b)
{
    return {0, b, true};
}

qint32 toInt32(double d)
{
    if (!std::isfinite(d))
        return 0;
    const double m = std::fmod(std::trunc(d), 4294967296.0);
    return static_cast<qint32>(static_cast<quint32>(static_cast<qint64>(m < 0 ? m + 4294967296.0 : m)));
}

QString valueText(const JsFrontEnd::Value &v)
{
    if (v.isBoolean)
        return v.boolean ? QStringLiteral("true") : QStringLiteral("false");
    if (std::isnan(v.number))
        return QStringLiteral("NaN");
    if (std::isinf(v.number))
        return v.number > 0 ? QStringLiteral("Infinity") : QStringLiteral("(-Infinity)");
    const QString text = QString::number(v.number, 'g', 15);
    return v.number < 0 ? QLatin1Char('(') + text + QLatin1Char(')') : text;
}

} // namespace

// One text through the front end (see jspreprocess.h).
class JsTranslation
{
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
        return i >= 0 && i < m_tokens.size() && m_tokens[i].kind == Kind::Identifier && !keywords().contains(m_tokens[i].text);
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
    int m_braces = 0;
    bool m_newline = false;
    bool m_ccBlock = false; // inside /*@ ... @*/
    int m_ccBlockStart = 0;
    bool m_ccLine = false;  // inside //@ ...
    JsFrontEnd::Failure m_failure;
};

JsFrontEnd::JsFrontEnd()
{
    m_variables.insert(QStringLiteral("_jscript"), boolean(true));
    m_variables.insert(QStringLiteral("_jscript_version"), number(kJScriptMajorVersion + kJScriptMinorVersion / 10.0));
    m_variables.insert(QStringLiteral("_jscript_build"), number(kJScriptBuildVersion));
    m_variables.insert(QStringLiteral("_win32"), boolean(true));
#if defined(__i386__) || defined(__x86_64__)
    m_variables.insert(QStringLiteral("_x86"), boolean(true));
#endif
}

bool JsFrontEnd::translate(const QString &code, QString &out, Failure &failure, int unit)
{
    m_unclosed = Failure();
    JsTranslation translation(*this, code, unit);
    return translation.run(out, failure);
}

int JsTranslation::lineAt(int offset) const
{
    int line = 1;
    for (int i = 0; i < offset && i < m_src.size(); ++i) {
        const QChar c = m_src.at(i);
        if (c == QLatin1Char('\r') && at(i + 1) == QLatin1Char('\n'))
            continue;
        if (isNewline(c))
            ++line;
    }
    return line;
}

bool JsTranslation::fail(long number, int offset)
{
    m_failure.number = number;
    m_failure.description = jscriptDescription(number);
    m_failure.line = lineAt(offset);
    int column = 0;
    for (int i = std::min<int>(offset, m_src.size()) - 1; i >= 0 && !isNewline(m_src.at(i)); --i)
        ++column;
    m_failure.column = column;
    return false;
}

void JsTranslation::emitText(int end)
{
    for (int i = m_pos; i < end; ++i) {
        if (isNewline(m_src.at(i))) {
            m_newline = true;
            if (!(m_src.at(i) == QLatin1Char('\r') && at(i + 1) == QLatin1Char('\n')))
                ++m_line;
        }
    }
    m_out += m_src.mid(m_pos, end - m_pos);
    m_pos = end;
}

void JsTranslation::emitBlank(int end)
{
    for (int i = m_pos; i < end; ++i) {
        const QChar c = m_src.at(i);
        if (isNewline(c)) {
            m_out += c;
            m_newline = true;
            if (!(c == QLatin1Char('\r') && at(i + 1) == QLatin1Char('\n')))
                ++m_line;
        } else {
            m_out += QLatin1Char(' ');
        }
    }
    m_pos = end;
}

void JsTranslation::take(int end, Kind kind)
{
    if (!active()) {
        emitBlank(end);
        return;
    }
    Token token{kind, m_src.mid(m_pos, end - m_pos), static_cast<int>(m_out.size()), 0, m_newline, m_line};
    m_newline = false;
    emitText(end);
    token.end = static_cast<int>(m_out.size());
    m_tokens.append(token);
}

bool JsTranslation::regexAllowed() const
{
    if (m_tokens.isEmpty())
        return true;
    const Token &last = m_tokens.last();
    switch (last.kind) {
    case Kind::Punctuator:
        return last.text != QLatin1String(")") && last.text != QLatin1String("]");
    case Kind::Identifier:
        return regexKeywords().contains(last.text);
    default:
        return false;
    }
}

bool JsTranslation::run(QString &out, JsFrontEnd::Failure &failure)
{
    const int n = static_cast<int>(m_src.size());
    bool ok = true;
    while (ok && m_pos < n) {
        const QChar c = m_src.at(m_pos);
        if (m_ccBlock && startsWith(m_pos, "@*/")) {
            m_ccBlock = false;
            emitBlank(m_pos + 3);
        } else if (isNewline(c)) {
            m_ccLine = false;
            emitText(m_pos + 1);
        } else if (c.isSpace() || c == QChar(0xFEFF)) {
            emitText(m_pos + 1);
        } else if (c == QLatin1Char('/') && (at(m_pos + 1) == QLatin1Char('/') || at(m_pos + 1) == QLatin1Char('*'))) {
            ok = lexComment();
        } else if (c == QLatin1Char('@')) {
            ok = lexDirective();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            ok = lexString();
        } else if (c == QLatin1Char('`')) {
            ok = lexTemplate(m_pos + 1);
        } else if (c == QLatin1Char('}') && !m_templates.isEmpty() && m_braces == m_templates.last()) {
            m_templates.removeLast();
            ok = lexTemplate(m_pos + 1);
        } else if (c == QLatin1Char('/') && regexAllowed()) {
            ok = lexRegex();
        } else if (c.isDigit() || (c == QLatin1Char('.') && at(m_pos + 1).isDigit())) {
            lexNumber();
        } else if (isIdentifierStart(c)) {
            lexIdentifier();
        } else {
            lexPunctuator();
        }
    }
    if (ok && m_ccBlock)
        ok = fail(1016, m_ccBlockStart);
    if (ok && !m_frames.isEmpty())
        ok = fail(1029, n);
    if (!ok) {
        failure = m_failure;
        return false;
    }
    rewrite();
    out = m_out;
    return true;
}

bool JsTranslation::lexComment()
{
    const bool line = at(m_pos + 1) == QLatin1Char('/');
    // A comment that opens with @ is code once conditional compilation is on
    // (or turns it on).
    if (at(m_pos + 2) == QLatin1Char('@') && (m_state.m_on || startsWith(m_pos + 3, "cc_on"))) {
        if (line) {
            m_ccLine = true;
        } else {
            m_ccBlock = true;
            m_ccBlockStart = m_pos;
        }
        // The @ of a directive right after the opening stays for the directive.
        emitBlank(m_pos + (isIdentifierStart(at(m_pos + 3)) ? 2 : 3));
        return true;
    }
    int end = m_pos + 2;
    if (line) {
        while (end < m_src.size() && !isNewline(m_src.at(end)))
            ++end;
    } else {
        end = static_cast<int>(m_src.indexOf(QLatin1String("*/"), m_pos + 2));
        if (end < 0)
            return fail(1016, m_pos);
        end += 2;
    }
    if (active())
        emitText(end);
    else
        emitBlank(end);
    return true;
}

bool JsTranslation::lexString()
{
    const QChar quote = m_src.at(m_pos);
    int i = m_pos + 1;
    while (i < m_src.size()) {
        const QChar c = m_src.at(i);
        if (c == QLatin1Char('\\')) {
            i += (at(i + 1) == QLatin1Char('\r') && at(i + 2) == QLatin1Char('\n')) ? 3 : 2;
            continue;
        }
        if (c == quote) {
            take(i + 1, Kind::String);
            return true;
        }
        if (isNewline(c))
            break;
        ++i;
    }
    return fail(1015, m_pos);
}

// From `from` (just past ` or the } that closes a ${) to the closing ` or
// the next ${.
bool JsTranslation::lexTemplate(int from)
{
    int i = from;
    while (i < m_src.size()) {
        const QChar c = m_src.at(i);
        if (c == QLatin1Char('\\')) {
            i += 2;
        } else if (c == QLatin1Char('`')) {
            take(i + 1, Kind::Template);
            return true;
        } else if (c == QLatin1Char('$') && at(i + 1) == QLatin1Char('{')) {
            take(i + 2, Kind::Template);
            m_templates.append(m_braces);
            return true;
        } else {
            ++i;
        }
    }
    return fail(1015, m_pos);
}

bool JsTranslation::lexRegex()
{
    int i = m_pos + 1;
    bool inClass = false;
    while (i < m_src.size()) {
        const QChar c = m_src.at(i);
        if (isNewline(c))
            break;
        if (c == QLatin1Char('\\')) {
            i += 2;
            continue;
        }
        if (c == QLatin1Char('['))
            inClass = true;
        else if (c == QLatin1Char(']'))
            inClass = false;
        else if (c == QLatin1Char('/') && !inClass) {
            ++i;
            while (i < m_src.size() && isIdentifierPart(m_src.at(i)))
                ++i;
            take(i, Kind::Regex);
            return true;
        }
        ++i;
    }
    return fail(1012, m_pos);
}

void JsTranslation::lexNumber()
{
    int i = m_pos;
    const bool hex = m_src.at(i) == QLatin1Char('0') && (at(i + 1) == QLatin1Char('x') || at(i + 1) == QLatin1Char('X'));
    while (i < m_src.size()) {
        const QChar c = m_src.at(i);
        if (c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('.'))
            ++i;
        else if (!hex && (c == QLatin1Char('+') || c == QLatin1Char('-'))
                 && (m_src.at(i - 1) == QLatin1Char('e') || m_src.at(i - 1) == QLatin1Char('E')))
            ++i;
        else
            break;
    }
    take(i, Kind::Number);
}

void JsTranslation::lexIdentifier()
{
    int i = m_pos + 1;
    while (i < m_src.size() && isIdentifierPart(m_src.at(i)))
        ++i;
    take(i, Kind::Identifier);
}

void JsTranslation::lexPunctuator()
{
    int length = 1;
    for (const char *p : kPunctuators) {
        if (startsWith(m_pos, p)) {
            length = static_cast<int>(qstrlen(p));
            break;
        }
    }
    const QChar c = m_src.at(m_pos);
    if (c == QLatin1Char('{'))
        ++m_braces;
    else if (c == QLatin1Char('}'))
        --m_braces;
    take(m_pos + length, Kind::Punctuator);
}

QString JsTranslation::name()
{
    const int start = m_pos;
    while (m_pos < m_src.size() && (m_src.at(m_pos).isLetterOrNumber() || m_src.at(m_pos) == QLatin1Char('_')))
        ++m_pos;
    return m_src.mid(start, m_pos - start);
}

bool JsTranslation::lexDirective()
{
    const int start = m_pos;
    ++m_pos;
    const QString word = name();
    if (word.isEmpty()) {
        m_pos = start;
        lexPunctuator();
        return true;
    }
    const bool opens = word == QLatin1String("cc_on") || word == QLatin1String("if") || word == QLatin1String("set");
    if (!m_state.m_on && !opens)
        return fail(1030, start);
    m_state.m_on = true;

    JsFrontEnd::Value value;
    if (word == QLatin1String("cc_on")) {
        // nothing more
    } else if (word == QLatin1String("if")) {
        if (!condition(value))
            return false;
        const bool parent = active();
        m_frames.append({parent, truthy(value), truthy(value)});
    } else if (word == QLatin1String("elif")) {
        if (m_frames.isEmpty())
            return fail(1002, start);
        if (!condition(value))
            return false;
        Frame &frame = m_frames.last();
        frame.taken = !frame.any && truthy(value);
        frame.any = frame.any || frame.taken;
    } else if (word == QLatin1String("else")) {
        if (m_frames.isEmpty())
            return fail(1002, start);
        Frame &frame = m_frames.last();
        frame.taken = !frame.any;
        frame.any = true;
    } else if (word == QLatin1String("end")) {
        if (m_frames.isEmpty())
            return fail(1002, start);
        m_frames.removeLast();
    } else if (word == QLatin1String("set")) {
        skipSpace();
        if (at(m_pos) != QLatin1Char('@'))
            return fail(1032, m_pos);
        ++m_pos;
        const QString variable = name();
        if (variable.isEmpty())
            return fail(1010, m_pos);
        skipSpace();
        if (at(m_pos) != QLatin1Char('=') || at(m_pos + 1) == QLatin1Char('='))
            return fail(1011, m_pos);
        ++m_pos;
        if (!expression(0, value))
            return false;
        if (active())
            m_state.m_variables.insert(variable, value);
    } else {
        // A variable: its value in the code.
        const int end = m_pos;
        m_pos = start;
        const JsFrontEnd::Value v = m_state.m_variables.value(word, number(std::numeric_limits<double>::quiet_NaN()));
        if (active()) {
            Token token{v.isBoolean ? Kind::Identifier : Kind::Number, valueText(v), static_cast<int>(m_out.size()), 0,
                        m_newline, m_line};
            m_newline = false;
            m_out += token.text;
            token.end = static_cast<int>(m_out.size());
            m_tokens.append(token);
            m_pos = end;
        } else {
            emitBlank(end);
        }
        return true;
    }
    const int end = m_pos;
    m_pos = start;
    emitBlank(end);
    return true;
}

void JsTranslation::skipSpace()
{
    while (m_pos < m_src.size() && m_src.at(m_pos).isSpace() && !(m_ccLine && isNewline(m_src.at(m_pos))))
        ++m_pos;
}

bool JsTranslation::condition(JsFrontEnd::Value &value)
{
    skipSpace();
    if (at(m_pos) != QLatin1Char('('))
        return fail(1005, m_pos);
    ++m_pos;
    if (!expression(0, value))
        return false;
    skipSpace();
    if (at(m_pos) != QLatin1Char(')'))
        return fail(1006, m_pos);
    ++m_pos;
    return true;
}

// Binary operators by level, loosest first, as JavaScript ranks them.
bool JsTranslation::expression(int level, JsFrontEnd::Value &value)
{
    static const QList<QList<QString>> levels = {
        {QStringLiteral("||")}, {QStringLiteral("&&")}, {QStringLiteral("|")}, {QStringLiteral("^")},
        {QStringLiteral("&")},
        {QStringLiteral("==="), QStringLiteral("!=="), QStringLiteral("=="), QStringLiteral("!=")},
        {QStringLiteral("<="), QStringLiteral(">="), QStringLiteral("<"), QStringLiteral(">")},
        {QStringLiteral(">>>"), QStringLiteral("<<"), QStringLiteral(">>")},
        {QStringLiteral("+"), QStringLiteral("-")},
        {QStringLiteral("*"), QStringLiteral("/"), QStringLiteral("%")}};
    if (level == levels.size())
        return unary(value);
    if (!expression(level + 1, value))
        return false;
    for (;;) {
        skipSpace();
        QString op;
        for (const QString &candidate : levels[level]) {
            // "|" is not the start of "||", nor "&" of "&&", nor "<" of "<<".
            if (QStringView(m_src).mid(m_pos).startsWith(candidate)) {
                const QChar next = at(m_pos + candidate.size());
                if (candidate.size() == 1 && (next == candidate.at(0) || (next == QLatin1Char('=') && candidate != QLatin1String("<") && candidate != QLatin1String(">"))))
                    continue;
                if ((candidate == QLatin1String("<") || candidate == QLatin1String(">")) && next == candidate.at(0))
                    continue;
                op = candidate;
                break;
            }
        }
        if (op.isEmpty())
            return true;
        m_pos += op.size();
        JsFrontEnd::Value right;
        if (!expression(level + 1, right))
            return false;
        const double a = toNumber(value);
        const double b = toNumber(right);
        if (op == QLatin1String("||"))
            value = truthy(value) ? value : right;
        else if (op == QLatin1String("&&"))
            value = truthy(value) ? right : value;
        else if (op == QLatin1String("|"))
            value = number(toInt32(a) | toInt32(b));
        else if (op == QLatin1String("^"))
            value = number(toInt32(a) ^ toInt32(b));
        else if (op == QLatin1String("&"))
            value = number(toInt32(a) & toInt32(b));
        else if (op == QLatin1String("==="))
            value = boolean(value.isBoolean == right.isBoolean && a == b);
        else if (op == QLatin1String("!=="))
            value = boolean(!(value.isBoolean == right.isBoolean && a == b));
        else if (op == QLatin1String("=="))
            value = boolean(a == b);
        else if (op == QLatin1String("!="))
            value = boolean(a != b);
        else if (op == QLatin1String("<"))
            value = boolean(a < b);
        else if (op == QLatin1String("<="))
            value = boolean(a <= b);
        else if (op == QLatin1String(">"))
            value = boolean(a > b);
        else if (op == QLatin1String(">="))
            value = boolean(a >= b);
        else if (op == QLatin1String("<<"))
            value = number(toInt32(a) << (toInt32(b) & 31));
        else if (op == QLatin1String(">>"))
            value = number(toInt32(a) >> (toInt32(b) & 31));
        else if (op == QLatin1String(">>>"))
            value = number(static_cast<quint32>(toInt32(a)) >> (toInt32(b) & 31));
        else if (op == QLatin1String("+"))
            value = number(a + b);
        else if (op == QLatin1String("-"))
            value = number(a - b);
        else if (op == QLatin1String("*"))
            value = number(a * b);
        else if (op == QLatin1String("/"))
            value = number(a / b);
        else
            value = number(std::fmod(a, b));
    }
}

bool JsTranslation::unary(JsFrontEnd::Value &value)
{
    // Each level is a call here: bounded, as the engine bounds its own.
    if (m_depth >= kMaxConditionDepth)
        return fail(28, m_pos);
    ++m_depth;
    const bool ok = unaryAt(value);
    --m_depth;
    return ok;
}

bool JsTranslation::unaryAt(JsFrontEnd::Value &value)
{
    skipSpace();
    const QChar c = at(m_pos);
    if (c == QLatin1Char('!') || c == QLatin1Char('~') || c == QLatin1Char('-') || c == QLatin1Char('+')) {
        ++m_pos;
        if (!unary(value))
            return false;
        if (c == QLatin1Char('!'))
            value = boolean(!truthy(value));
        else if (c == QLatin1Char('~'))
            value = number(~toInt32(toNumber(value)));
        else
            value = number(c == QLatin1Char('-') ? -toNumber(value) : toNumber(value));
        return true;
    }
    return primary(value);
}

bool JsTranslation::primary(JsFrontEnd::Value &value)
{
    const QChar c = at(m_pos);
    if (c == QLatin1Char('(')) {
        ++m_pos;
        if (!expression(0, value))
            return false;
        skipSpace();
        if (at(m_pos) != QLatin1Char(')'))
            return fail(1006, m_pos);
        ++m_pos;
        return true;
    }
    if (c == QLatin1Char('@')) {
        ++m_pos;
        const QString variable = name();
        if (variable.isEmpty())
            return fail(1010, m_pos);
        value = m_state.m_variables.value(variable, number(std::numeric_limits<double>::quiet_NaN()));
        return true;
    }
    if (c.isDigit() || c == QLatin1Char('.')) {
        const int start = m_pos;
        while (m_pos < m_src.size() && (m_src.at(m_pos).isLetterOrNumber() || m_src.at(m_pos) == QLatin1Char('.')))
            ++m_pos;
        const QString text = m_src.mid(start, m_pos - start);
        bool ok = false;
        const double d = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
            ? static_cast<double>(text.mid(2).toLongLong(&ok, 16))
            : text.toDouble(&ok);
        if (!ok)
            return fail(1031, start);
        value = number(d);
        return true;
    }
    const int start = m_pos;
    const QString word = name();
    if (word == QLatin1String("true") || word == QLatin1String("false")) {
        value = boolean(word == QLatin1String("true"));
        return true;
    }
    return fail(1031, start);
}

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
    if (m_edits.isEmpty())
        return;
    std::stable_sort(m_edits.begin(), m_edits.end(), [](const Edit &a, const Edit &b) {
        return a.pos != b.pos ? a.pos < b.pos : a.rank < b.rank;
    });
    QString result;
    result.reserve(m_out.size() + 32 * m_edits.size());
    int cursor = 0;
    for (const Edit &e : m_edits) {
        if (e.pos < cursor)
            continue; // overlaps a change already made
        result += QStringView(m_out).mid(cursor, e.pos - cursor);
        result += e.text;
        cursor = e.pos + e.remove;
    }
    result += QStringView(m_out).mid(cursor);
    m_out = result;
}
