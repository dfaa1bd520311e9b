// Runs every tests/script/vbscript/cases/**/*.vbs: compiles it, calls Main
// and compares the CStr of the result (or the error number) with the
// header comment.
#include "casefile.h"

#include "script/vbscript/engine.h"
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
    ASSERT_TRUE(c.hasExpect || c.expectError || c.expectCompileError) << c.path << " has no expectation";
    vbs::Engine engine;
    engine.setTimeLimit(std::chrono::milliseconds(20000));
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

} // namespace
