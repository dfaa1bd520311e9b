#include "jstranslation.h"

#include "jserrors.h"

#include <algorithm>

using namespace jsfront;

const QSet<QString> &jsfront::keywords()
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


namespace {

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

} // namespace

bool JsFrontEnd::translate(const QString &code, QString &out, Failure &failure, int unit)
{
    m_unclosed = Failure();
    m_shifts.clear();
    m_busiestLine = 0;
    JsTranslation translation(*this, code, unit);
    return translation.run(out, failure);
}

int JsFrontEnd::sourceColumn(int line, int column) const
{
    int shift = 0;
    for (const Shift &s : m_shifts.value(line)) {
        const int start = s.column + shift;
        if (column < start)
            break;
        if (column < start + s.inserted)
            return s.column;
        shift += s.inserted - s.removed;
    }
    return column - shift;
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
    if (kind == Kind::Punctuator)
        track(token);
    m_tokens.append(token);
}

// Keeps the bracket stacks regexAllowed reads; called before `token` joins
// the tokens.
void JsTranslation::track(const Token &token)
{
    static const QSet<QString> heads = {QStringLiteral("if"), QStringLiteral("while"), QStringLiteral("for"),
                                        QStringLiteral("with")};
    // A { opens a block after these (and at the start); after anything else
    // (=, (, ',', :, return, ...) it opens an object literal.
    static const QSet<QString> beforeBlock = {QStringLiteral(")"), QStringLiteral(";"), QStringLiteral("{"),
                                              QStringLiteral("}"), QStringLiteral("else"), QStringLiteral("do"),
                                              QStringLiteral("try"), QStringLiteral("finally"), QStringLiteral("=>")};
    const Token *previous = m_tokens.isEmpty() ? nullptr : &m_tokens.last();
    if (token.text == QLatin1String("(")) {
        m_parenHeads.append(previous && previous->kind == Kind::Identifier && heads.contains(previous->text));
    } else if (token.text == QLatin1String(")")) {
        m_closedHead = !m_parenHeads.isEmpty() && m_parenHeads.takeLast();
    } else if (token.text == QLatin1String("{")) {
        m_braceBlocks.append(!previous || (previous->kind != Kind::String && beforeBlock.contains(previous->text)));
    } else if (token.text == QLatin1String("}")) {
        m_closedBlock = !m_braceBlocks.isEmpty() && m_braceBlocks.takeLast();
    }
}

bool JsTranslation::regexAllowed() const
{
    if (m_tokens.isEmpty())
        return true;
    const Token &last = m_tokens.last();
    switch (last.kind) {
    case Kind::Punctuator:
        // After the ) of an if/while/for head a statement starts; after any
        // other ) an operand ends, and so it does after ], a postfix ++ or --
        // and the } of an object literal.
        if (last.text == QLatin1String(")"))
            return m_closedHead;
        if (last.text == QLatin1String("}"))
            return m_closedBlock;
        return last.text != QLatin1String("]") && last.text != QLatin1String("++") && last.text != QLatin1String("--");
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
    QHash<int, int> perLine;
    int most = 0;
    for (const Token &t : std::as_const(m_tokens)) {
        if (const int n = ++perLine[t.line]; n > most) {
            most = n;
            m_state.m_busiestLine = t.line;
        }
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

