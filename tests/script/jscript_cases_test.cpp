// Runs every case of tests/script/jscript/cases/**/*.js through ScriptControl
// in JScript: the same format as the VBScript cases (vbscript/casefile.h),
// with "// " header lines. A check line "? expr => expected" compares
// String(expr), or "err" and the error number (e.number & 0xFFFF as the
// control reports it).
#include "vbscript/casefile.h"

#include "script/scriptcontrol.h"

#include <gtest/gtest.h>

namespace {

std::string describe(const ScriptErrorInfo &e)
{
    return QStringLiteral("%1 %2 (%3, line %4, column %5: %6)")
        .arg(e.Number)
        .arg(e.Description, e.Source)
        .arg(e.Line)
        .arg(e.Column)
        .arg(e.Text)
        .toStdString();
}

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void PrintTo(const CaseFile &c, std::ostream *os)
{
    *os << c.path;
}

namespace {

class JsCase : public ::testing::TestWithParam<CaseFile>
{
};

TEST_P(JsCase, Runs)
{
    const CaseFile &c = GetParam();
    ASSERT_TRUE(c.hasExpect || c.expectError || c.expectCompileError || !c.rows.empty())
        << c.path << " has no expectation";
    ScriptControl control;
    ASSERT_TRUE(control.setLanguage(QStringLiteral("JScript")));
    control.setTimeout(c.timeLimitMs ? c.timeLimitMs : 20000);
    if (!c.uses.empty()) {
        ASSERT_FALSE(c.usesSource.empty()) << c.uses << " is missing or empty";
        ASSERT_TRUE(control.addCode(fromUtf8(c.usesSource))) << c.uses << ": " << describe(control.error());
    }
    const bool compiled = control.addCode(fromUtf8(c.source));
    if (c.expectCompileError) {
        ASSERT_FALSE(compiled) << "compiled although an error was expected";
        EXPECT_EQ(control.error().Number, c.expectCompileError) << describe(control.error());
        EXPECT_EQ(control.error().Source, QStringLiteral("JScript compilation error")) << describe(control.error());
        if (c.expectLine) {
            EXPECT_EQ(control.error().Line, c.expectLine) << describe(control.error());
        }
        return;
    }
    ASSERT_TRUE(compiled || c.hasExpect || c.expectError) << describe(control.error());
    for (const CaseRow &row : c.rows) {
        std::string got;
        if (!control.addCode(QStringLiteral("function __case_row() { return String((%1)); }").arg(fromUtf8(row.expression)))) {
            got = "err" + std::to_string(control.error().Number);
        } else {
            const std::optional<QVariant> value = control.run(QStringLiteral("__case_row"));
            got = value ? value->toString().toStdString() : "err" + std::to_string(control.error().Number);
        }
        if (got != row.expected)
            ADD_FAILURE_AT(c.path.c_str(), row.line) << row.expression << " gave " << got << ", expected " << row.expected;
    }
    if (!c.hasExpect && !c.expectError)
        return;
    std::optional<QVariant> result;
    if (compiled)
        result = control.run(QStringLiteral("Main"));
    if (c.expectError) {
        ASSERT_FALSE(result) << "ran although error " << c.expectError << " was expected; result "
                             << result->toString().toStdString();
        EXPECT_EQ(control.error().Number, c.expectError) << describe(control.error());
        if (c.expectLine) {
            EXPECT_EQ(control.error().Line, c.expectLine) << describe(control.error());
        }
        return;
    }
    ASSERT_TRUE(result) << describe(control.error());
    EXPECT_EQ(result->toString().toStdString(), c.expect);
}

INSTANTIATE_TEST_SUITE_P(Cases, JsCase, ::testing::ValuesIn(loadCases(JS_CASES_DIR, ".js")),
                         [](const ::testing::TestParamInfo<CaseFile> &info) { return info.param.name; });

} // namespace
