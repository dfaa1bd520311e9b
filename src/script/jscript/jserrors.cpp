#include "jserrors.h"

#include <QRegularExpression>

#include <cstdint>

namespace {

struct Described
{
    long number;
    const char *text;
};

// The descriptions JScript gives the numbers we raise.
const Described kDescriptions[] = {
    {5, "Invalid procedure call or argument"},
    {9, "Subscript out of range"},
    {28, "Out of stack space"},
    {438, "Object doesn't support this property or method"},
    {1002, "Syntax error"},
    {1003, "Expected ':'"},
    {1004, "Expected ';'"},
    {1005, "Expected '('"},
    {1006, "Expected ')'"},
    {1007, "Expected ']'"},
    {1008, "Expected '{'"},
    {1009, "Expected '}'"},
    {1010, "Expected identifier"},
    {1011, "Expected '='"},
    {1012, "Expected '/'"},
    {1014, "Invalid character"},
    {1015, "Unterminated string constant"},
    {1016, "Unterminated comment"},
    {1018, "'return' statement outside of function"},
    {1019, "Can't have 'break' outside of loop"},
    {1020, "Can't have 'continue' outside of loop"},
    {1025, "Label redefined"},
    {1026, "Label not found"},
    {1029, "Expected '@end'"},
    {1030, "Conditional compilation is turned off"},
    {1031, "Expected constant"},
    {1032, "Expected '@'"},
    {5002, "Function expected"},
    {5003, "Cannot assign to a function result"},
    {5007, "Object expected"},
    {5008, "Illegal assignment"},
    {5009, "'%1' is undefined"},
    {5013, "VBArray expected"},
    {5015, "Enumerator object expected"},
    {5017, "Syntax error in regular expression"},
    {5022, "Exception thrown and not caught"},
    {5024, "The URI to be encoded contains an invalid character"},
    {5025, "The URI to be decoded is not a valid encoding"},
    {5026, "The number of fractional digits is out of range"},
    {5027, "The precision is out of range"},
    {5029, "Array length must be zero or a positive integer"},
    {5034, "Circular reference in value argument not supported"},
};

JsErrorText make(long number, const QString &detail = QString())
{
    return {number, jscriptDescription(number, detail)};
}

// "Expected token `)'" and the like, by the token the parser wanted.
long expectedToken(const QString &token)
{
    static const struct
    {
        const char *token;
        long number;
    } tokens[] = {{":", 1003}, {";", 1004}, {"(", 1005}, {")", 1006}, {"]", 1007},
                  {"{", 1008}, {"}", 1009}, {"identifier", 1010}, {"=", 1011}};
    for (const auto &t : tokens)
        if (token == QLatin1String(t.token))
            return t.number;
    return 1002;
}

JsErrorText syntaxError(const QString &message)
{
    static const QRegularExpression expected(QStringLiteral("^Expected token `(.*)'$"));
    if (const QRegularExpressionMatch m = expected.match(message); m.hasMatch())
        return make(expectedToken(m.captured(1)));
    static const struct
    {
        const char *start;
        long number;
    } starts[] = {{"Return statement not allowed", 1018}, {"Break outside of loop", 1019},
                  {"Continue outside of loop", 1020}, {"Label '", 1025}, {"Undefined label", 1026},
                  {"Unterminated string", 1015}, {"Unterminated regular expression", 1012},
                  {"Invalid regular expression", 5017}, {"Maximum statement or expression depth", 28}};
    for (const auto &s : starts)
        if (message.startsWith(QLatin1String(s.start)))
            return make(s.number);
    return make(1002);
}

JsErrorText typeError(const QString &message)
{
    static const QRegularExpression notCallable(QStringLiteral("^Property '.*' of object (.*) is not a function$"));
    if (const QRegularExpressionMatch m = notCallable.match(message); m.hasMatch())
        // A variable that holds no function, or a member that an object lacks.
        return make(m.captured(1) == QLatin1String("[null]") ? 5002 : 438);
    if (message.endsWith(QLatin1String(" is not a function")))
        return make(5002); // a value called: "5 is not a function"
    if (message.contains(QLatin1String("circular structure")))
        return make(5034);
    return make(5007);
}

} // namespace

QString jscriptDescription(long number, const QString &detail)
{
    for (const Described &d : kDescriptions)
        if (d.number == number)
            return number == 5009 ? QString::fromLatin1(d.text).arg(detail) : QString::fromLatin1(d.text);
    return {};
}

double jscriptErrorCode(long number)
{
    return static_cast<double>(static_cast<std::int32_t>(0x800A0000u | static_cast<std::uint32_t>(number & 0xFFFF)));
}

JsErrorText jscriptError(const QString &name, const QString &message)
{
    if (name == QLatin1String("SyntaxError"))
        return syntaxError(message);
    if (name == QLatin1String("ReferenceError")) {
        static const QRegularExpression undefinedName(QStringLiteral("^(.*) is not defined$"));
        if (const QRegularExpressionMatch m = undefinedName.match(message); m.hasMatch())
            return make(5009, m.captured(1));
        return make(5008);
    }
    if (name == QLatin1String("TypeError"))
        return typeError(message);
    if (name == QLatin1String("RangeError")) {
        if (message.contains(QLatin1String("call stack"), Qt::CaseInsensitive))
            return make(28);
        if (message.endsWith(QLatin1String("out of range")) || message.contains(QLatin1String("array length")))
            return make(5029);
        return make(5);
    }
    if (name == QLatin1String("URIError"))
        return make(5025);
    if (name == QLatin1String("EvalError"))
        return make(5);
    return {};
}
