// The colouriser is handed text only, never a language: the dialect comes
// from the text. Also the language names the command line accepts, and the
// colouriser's place in the host registry.
#include "host/colorizer.h"
#include "host/registry.h"
#include "script/colorizer/installcolorizer.h"
#include "script/colorizer/scriptcolorizer.h"
#include "script/colorizer/scriptdialect.h"

#include <gtest/gtest.h>

namespace {

using colorizer::ScriptDialect;

struct DialectRow
{
    const char *name;
    const char *text;
    ScriptDialect expected;
};

std::ostream &operator<<(std::ostream &os, const DialectRow &row) { return os << row.name; }

constexpr ScriptDialect VB = ScriptDialect::VBScript;
constexpr ScriptDialect JS = ScriptDialect::JScript;

const DialectRow dialectRows[] = {
    {"empty_is_vbscript", "", VB},
    {"no_sign_of_either_is_vbscript", "x = 1\n", VB},
    {"vb_function", "Function Main()\r\n  Main = 1\r\nEnd Function\r\n", VB},
    {"vb_lower_case", "function main()\n  main = 1\nend function", VB},
    {"vb_sub_with_continuation", "Sub Main\n  x = 1 + _\n    2\nEnd Sub", VB},
    {"vb_comment_only", "' only a comment", VB},
    {"vb_dim", "Dim x", VB},
    {"vb_if_then", "If x > 1 Then\n  y = 2\nEnd If", VB},
    {"vb_set_createobject", "Set fso = CreateObject(\"Scripting.FileSystemObject\")", VB},
    {"vb_for_next", "For i = 1 To 10\n  s = s & i\nNext", VB},
    {"vb_braces_in_strings", "s = \"{\"\nt = \"}\"\nDim y", VB},
    {"vb_database_script",
     "Function Main()\n  Dim oConn, oRS\n  Set oConn = CreateObject(\"ADODB.Connection\")\n"
     "  oConn.Open \"Provider=SQLite;Data Source=x.db\"\n  Set oRS = oConn.Execute(\"SELECT 1;\")\n"
     "  If Not oRS.EOF Then\n    Main = oRS.Fields(0).Value\n  End If\n  oConn.Close\nEnd Function\n",
     VB},
    {"js_function", "function Main() {\n  return 1;\n}", JS},
    {"js_function_brace_on_next_line", "function Main()\n{\n  return 1\n}", JS},
    {"js_comment_only", "// only a comment", JS},
    {"js_block_comment_first", "/*\n * doc\n */\nfunction f() {}", JS},
    {"js_var_without_semicolon", "var x = 1", JS},
    {"js_use_strict", "'use strict';\nvar x;", JS},
    {"js_if_braces", "if (x > 1) {\n  y = 2;\n}", JS},
    {"js_activexobject", "var fso = new ActiveXObject(\"Scripting.FileSystemObject\");", JS},
    {"js_words_vbscript_starts_with", "var s = 'Dim';\nnext();\nend();", JS},
    {"js_try_catch", "try {\n  f()\n} catch (e) {\n  throw e\n}", JS},
};

class ColorizerDialect : public ::testing::TestWithParam<DialectRow>
{
};

TEST_P(ColorizerDialect, DetectedFromTheText)
{
    EXPECT_EQ(colorizer::detectDialect(QString::fromLatin1(GetParam().text)), GetParam().expected);
}

// The detected dialect decides the colours: a text colours the same as when
// its dialect is given.
TEST_P(ColorizerDialect, ParseCodeColoursInTheDetectedDialect)
{
    const QString text = QString::fromLatin1(GetParam().text);
    EXPECT_EQ(colorizer::ScriptColorizer().ParseCode(text),
              colorizer::ScriptColorizer::colorize(text, GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Colorizer, ColorizerDialect, ::testing::ValuesIn(dialectRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ColorizerDialectName, KnownNamesInAnyCase)
{
    struct Row
    {
        const char *name;
        std::optional<ScriptDialect> expected;
    };
    const Row rows[] = {
        {"VBScript", VB}, {"vbscript", VB}, {"VBS", VB},
        {"JScript", JS},  {"jscript", JS},  {"JavaScript", JS}, {"js", JS},
        {"", std::nullopt}, {"Basic", std::nullopt}, {"VBScript ", std::nullopt},
    };
    for (const Row &row : rows)
        EXPECT_EQ(colorizer::dialectFromName(QString::fromLatin1(row.name)), row.expected) << row.name;
    EXPECT_EQ(colorizer::dialectName(VB), QStringLiteral("VBScript"));
    EXPECT_EQ(colorizer::dialectName(JS), QStringLiteral("JScript"));
}

// What the editor does: create "CodeParser.Engine" from the registry, parse.
TEST(ColorizerRegistry, InstalledAsTheHostColouriser)
{
    auto previous = host::colorizers().install(nullptr);
    EXPECT_THROW(host::colorizers().create(), Error);
    colorizer::installColorizer();
    const std::unique_ptr<host::Colorizer> engine = host::colorizers().create();
    ASSERT_NE(engine, nullptr);
    const QString code = QStringLiteral("Dim x");
    EXPECT_EQ(engine->ParseCode(code), colorizer::ScriptColorizer().ParseCode(code));
    host::colorizers().install(std::move(previous));
}

} // namespace
