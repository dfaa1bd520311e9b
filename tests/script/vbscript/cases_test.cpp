// Runs every case of tests/script/vbscript/cases/**/*.vbs (see casefile.h):
// compiles it, evaluates its check lines, calls Main and compares the CStr of
// the result (or the error number) with the header comment.
#include "casefile.h"

#include "script/vbscript/engine.h"
#include "script/vbscript/parser.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

namespace {

std::string display(const vbs::Variant &v)
{
    if (v.isArray() || v.isObject()) {
        return vbs::toUtf8(v.typeName());
    }
    if (v.isNull()) {
        return "Null";
    }
    return vbs::toUtf8(v.toString());
}

std::string describe(const vbs::ScriptError &e)
{
    return std::to_string(e.number) + " " + vbs::toUtf8(e.description) + " (" + vbs::toUtf8(e.source) + ", line " +
           std::to_string(e.line) + ", column " + std::to_string(e.column) + ": " + vbs::toUtf8(e.text) + ")";
}

} // namespace

void PrintTo(const CaseFile &c, std::ostream *os)
{
    *os << c.path;
}

namespace {

class VbsCase : public ::testing::TestWithParam<CaseFile>
{
};

TEST_P(VbsCase, Runs)
{
    const CaseFile &c = GetParam();
    ASSERT_TRUE(c.hasExpect || c.expectError || c.expectCompileError || !c.rows.empty())
        << c.path << " has no expectation";
    vbs::Engine engine;
    engine.setTimeLimit(std::chrono::milliseconds(c.timeLimitMs ? c.timeLimitMs : 20000));
    if (c.memoryLimitMb)
        engine.setMemoryBudget(vbs::MemoryBudget(static_cast<std::size_t>(c.memoryLimitMb) << 20));
    if (!c.uses.empty()) {
        ASSERT_FALSE(c.usesSource.empty()) << c.uses << " is missing or empty";
        ASSERT_TRUE(engine.addCodeUtf8(c.usesSource)) << c.uses << ": " << describe(engine.lastError());
    }
    const bool compiled = engine.addCodeUtf8(c.source);
    if (c.expectCompileError) {
        ASSERT_FALSE(compiled) << "compiled although an error was expected";
        EXPECT_EQ(engine.lastError().number, c.expectCompileError) << describe(engine.lastError());
        EXPECT_EQ(vbs::toUtf8(engine.lastError().source), "VBScript compilation error");
        if (c.expectLine) {
            EXPECT_EQ(engine.lastError().line, c.expectLine) << describe(engine.lastError());
        }
        return;
    }
    ASSERT_TRUE(compiled || c.hasExpect || c.expectError) << describe(engine.lastError());
    for (const CaseRow &row : c.rows) {
        vbs::Variant value;
        const std::string got = engine.eval(vbs::fromUtf8(row.expression), value)
                                    ? display(value)
                                    : "err" + std::to_string(engine.lastError().number);
        if (got != row.expected)
            ADD_FAILURE_AT(c.path.c_str(), row.line) << row.expression << " gave " << got << ", expected " << row.expected;
    }
    if (!c.hasExpect && !c.expectError)
        return;
    vbs::Variant result;
    bool ok = compiled;
    if (compiled) {
        std::vector<vbs::Variant> args;
        ok = engine.run(u"Main", args, &result);
    }
    if (c.expectError) {
        ASSERT_FALSE(ok) << "ran although error " << c.expectError << " was expected; result " << display(result);
        EXPECT_EQ(engine.lastError().number, c.expectError) << describe(engine.lastError());
        if (c.expectLine) {
            EXPECT_EQ(engine.lastError().line, c.expectLine) << describe(engine.lastError());
        }
        return;
    }
    ASSERT_TRUE(ok) << describe(engine.lastError());
    EXPECT_EQ(display(result), c.expect);
}

INSTANTIATE_TEST_SUITE_P(Cases, VbsCase, ::testing::ValuesIn(loadCases(VBS_CASES_DIR)),
                         [](const ::testing::TestParamInfo<CaseFile> &info) { return info.param.name; });

std::string repeat(const std::string &text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// Nesting built at run time on both sides of the parser's limit: a little
// inside it compiles and gives the right value, beyond it is error 28 "Out of
// stack space" at compile time, on the line where the nesting is.
TEST(Nesting, CompilesInsideTheLimitAndFailsBeyondIt)
{
    struct Form
    {
        const char *name;
        int cost;                       // parser levels per nesting level
        std::string (*body)(int depth); // Main's body; the nesting starts on line 2
    };
    const Form forms[] = {
        {"block If", 2, [](int n) { return repeat("If True Then\n", n) + "Main = " + std::to_string(n) + "\n" + repeat("End If\n", n); }},
        {"single-line If", 1, [](int n) { return repeat("If True Then ", n) + "Main = " + std::to_string(n) + "\n"; }},
        {"parentheses", 1, [](int n) { return "Main = " + repeat("(", n) + std::to_string(n) + repeat(")", n) + "\n"; }},
        {"For loops", 2, [](int n) {
             std::string out;
             for (int i = 0; i < n; ++i)
                 out += "For i" + std::to_string(i) + " = 1 To 1\n";
             return out + "Main = " + std::to_string(n) + "\n" + repeat("Next\n", n);
         }},
    };
    const int limit = vbs::Parser::kMaxDepth;
    for (const Form &form : forms) {
        SCOPED_TRACE(form.name);
        const int most = limit / form.cost;
        for (const int depth : {most - 5, most + 1, 3 * limit}) {
            SCOPED_TRACE(depth);
            vbs::Engine engine;
            const bool compiled = engine.addCodeUtf8("Function Main()\n" + form.body(depth) + "End Function\n");
            if (depth < most) {
                ASSERT_TRUE(compiled) << describe(engine.lastError());
                std::vector<vbs::Variant> args;
                vbs::Variant result;
                ASSERT_TRUE(engine.run(u"Main", args, &result)) << describe(engine.lastError());
                EXPECT_EQ(display(result), std::to_string(depth));
            } else {
                ASSERT_FALSE(compiled);
                EXPECT_EQ(engine.lastError().number, 28) << describe(engine.lastError());
                EXPECT_GE(engine.lastError().line, 2) << describe(engine.lastError());
            }
        }
    }
}

// Runs of binary operators are not nesting: every precedence level (and a
// mix of them, and a line continued hundreds of times) compiles and gives the
// left-to-right value far past the nesting limit. The values tell left from
// right association.
TEST(Chains, LongRunsOfOperatorsEvaluateLeftToRight)
{
    struct Chain
    {
        const char *name;
        std::string (*body)(int n); // Main's body, n links
        std::string (*expected)(int n);
    };
    const Chain chains[] = {
        {"Imp", [](int k) { return "Main = False" + repeat(" Imp False", k); }, [](int k) { return std::string(k % 2 ? "True" : "False"); }},
        {"Eqv", [](int k) { return "Main = True" + repeat(" Eqv False", k); }, [](int k) { return std::string(k % 2 ? "False" : "True"); }},
        {"Xor", [](int k) { return "Main = True" + repeat(" Xor True", k); }, [](int k) { return std::string(k % 2 ? "False" : "True"); }},
        {"Or And", [](int k) { return "Main = False" + repeat(" Or False And True", k); }, [](int) { return std::string("False"); }},
        {"comparisons", [](int k) { return "Main = 5" + repeat(" > 1 = 0 <> 1", k); }, [](int) { return std::string("True"); }},
        {"&", [](int k) { return "Main = \"\"" + repeat(" & \"ab\"", k); }, [](int k) { return repeat("ab", k); }},
        {"& _ lines", [](int k) { return "Main = \"\"" + repeat(" & \"ab\" _\n", k) + "\n"; }, [](int k) { return repeat("ab", k); }},
        {"+ -", [](int k) { return "Main = " + std::to_string(k) + repeat(" - 2 + 1", k); }, [](int) { return std::string("0"); }},
        {"Mod", [](int k) { return "Main = 1000" + repeat(" Mod 999", k); }, [](int) { return std::string("1"); }},
        {"\\", [](int k) { return "Main = 1000000" + repeat(" \\ 2", k); }, [](int) { return std::string("0"); }},
        {"* /", [](int k) { return "Main = 1" + repeat(" * 2 / 2", k); }, [](int) { return std::string("1"); }},
        {"^", [](int k) { return "Main = 1" + repeat(" ^ 2", k); }, [](int) { return std::string("1"); }},
        {"mixed levels", [](int k) { return "Main = 2 * 3 \\ 1 Mod 4" + repeat(" + 1 * 2", k); },
         [](int k) { return std::to_string(2 + 2 * k); }},
    };
    for (const Chain &chain : chains) {
        SCOPED_TRACE(chain.name);
        for (const int links : {vbs::Parser::kMaxDepth + 50, 50 * vbs::Parser::kMaxDepth}) {
            SCOPED_TRACE(links);
            vbs::Engine engine;
            ASSERT_TRUE(engine.addCodeUtf8("Function Main()\n" + chain.body(links) + "\nEnd Function\n"))
                << describe(engine.lastError());
            std::vector<vbs::Variant> args;
            vbs::Variant result;
            ASSERT_TRUE(engine.run(u"Main", args, &result)) << describe(engine.lastError());
            EXPECT_EQ(display(result), chain.expected(links));
        }
    }
}

} // namespace
