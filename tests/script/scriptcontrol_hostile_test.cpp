// Scripts that would take the process down inside Qt's engine or our bridge:
// deep or cyclic values, chains of proxies, regular expressions and code
// nested past what a recursive compiler survives, values that throw while
// they are read. Each ends as a script error with a number, never a signal.
#include "script_support.h"

#include <gtest/gtest.h>

using namespace objtest;

namespace {

const QString kNested = QStringLiteral("var a = []; for (var i = 0; i < 100000; i++) a = [a];\n");
const QString kProxies = QStringLiteral("var p = {x: 1}; for (var i = 0; i < 100000; i++) p = new Proxy(p, {});\n");
const QString kDeepGroups = QStringLiteral("(").repeated(100000) + QLatin1Char('a') + QStringLiteral(")").repeated(100000);

struct HostileRow
{
    const char *name;
    QString body;           // of Main, in JScript unless `language` says otherwise
    long number;            // the error, or 0 when Main returns `value`
    const char *value = "";
    QString language = JS;
};

TEST(JScriptHostile, EndsAsAScriptError)
{
    const QString groups = QStringLiteral("Array(100001).join('(') + 'a' + Array(100001).join(')')");
    const HostileRow rows[] = {
        {"NestedArrayReturned", kNested + "return a;", 28},
        {"SparseArrayOf2To26", "var a = []; a.length = 67108864; return a;", 7},
        {"SparseArrayOf2To32Less1", "var a = []; a.length = 4294967295; return a;", 7},
        {"CyclicArrayReturned", "var a = [1]; a.push(a); return a;", 28},
        {"CyclicArrayJoined", "var a = [1]; a.push(a); return a.join('-');", 0, "1-"},
        {"NestedArrayAsText", kNested + "return String(a);", 28},
        {"NestedArraysSorted", kNested + "return [a, a].sort().length;", 28},
        {"NestedArrayToAnObject", kNested + "new ActiveXObject('Scripting.Dictionary').Add('k', a);", 28},
        {"ProxyChainRead", kProxies + "return p.x;", 28},
        {"ProxyChainReturned", kProxies + "return p;", 28},
        {"RegExpOfNestedGroups", "return new RegExp(" + groups + ").test('a');", 28},
        {"MatchOfNestedGroups", "return 'a'.match(" + groups + ");", 28},
        {"EvalOfARegExpLiteral", "return eval('/' + " + groups + " + '/');", 28},
        {"FunctionOfARegExpLiteral", "return Function('return /' + " + groups + " + '/')();", 28},
        {"ToStringChain", "var o = 'x'; for (var i = 0; i < 100000; i++) o = {inner: o, toString: function () {"
                          " return String(this.inner); }}; return String(o);", 28},
        {"JsonOfDeepNesting", "return JSON.parse(Array(100001).join('[') + Array(100001).join(']'));", 1002},
        {"JsonOfADeepObject", "var o = {}; for (var i = 0; i < 100000; i++) o = {o: o}; return JSON.stringify(o);",
         28},
        {"GetterReadingItself", "return {get x() { return this.x; }}.x;", 28},
        {"EvalOfADeepLiteral", "return eval(Array(100001).join('{a:') + '1' + Array(100001).join('}'));", 28},
        {"GetterThrowsWhileReturned", "var a = [1, 2]; Object.defineProperty(a, 1, {get: function () {"
                                      " throw new Error('getter failed'); }}); return a;", 5022},
        {"RepeatWithALyingValueOf", "var n = 0; return 'ab'.repeat({valueOf: function () { return n++ ? 1e9 : 1; }});",
         0, "ab"},
        {"JoinWithALyingLength", "var n = 0; return Array.prototype.join.call({get length() { return n++ ? 4e9 : 1; }});",
         5},
        {"VBNestedArrayReturned", "a = Empty\nFor i = 1 To 300\n  a = Array(a)\nNext\nMain = a", 28, "", VB},
    };
    for (const HostileRow &row : rows) {
        SCOPED_TRACE(row.name);
        ScriptControl control;
        const std::optional<QVariant> result = runMain(control, row.language, mainOf(row.language, row.body));
        EXPECT_EQ(control.error().Number, row.number) << control.error().Description.toStdString();
        if (row.number == 0)
            EXPECT_EQ(result, QVariant(QString::fromLatin1(row.value)));
        else
            EXPECT_FALSE(control.error().Description.isEmpty());
    }
}

// The code itself: a regular expression literal is compiled with it.
TEST(JScriptHostile, CodeNestedTooDeepIsACompileError)
{
    const QString code = QStringLiteral("function Main() { return /%1/.test('a'); }").arg(kDeepGroups);
    ScriptControl control;
    ASSERT_TRUE(control.setLanguage(JS));
    EXPECT_FALSE(control.check(code));
    EXPECT_EQ(control.error().Number, 28);
    EXPECT_FALSE(control.addCode(code));
    EXPECT_EQ(control.error().Number, 28);
    EXPECT_EQ(control.error().Source, QStringLiteral("JScript compilation error"));
}

} // namespace
