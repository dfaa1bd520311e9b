#include "jstranslation.h"

#include "jsbuiltins.h"

#include <cmath>
#include <limits>

using namespace jsfront;

namespace {


// How deep a conditional-compilation expression may nest (unary operators
// and parentheses).
constexpr int kMaxConditionDepth = 200;

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
    return primary(value); // the parenthesised expression
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

