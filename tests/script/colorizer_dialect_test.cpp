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

constexpr ScriptDialect VB = ScriptDialect::VBScript;
constexpr ScriptDialect JS = ScriptDialect::JScript;

// The detected dialect decides the colours: a text colours the same as when
// its dialect is given.
TEST(ColorizerDialect, DetectedFromTheTextAndUsedToColour)
{
    const struct
    {
        const char *text;
        ScriptDialect expected;
    } rows[] = {
        {"", VB}, {"x = 1\n", VB},
        {"Function Main()\r\n  Main = 1\r\nEnd Function\r\n", VB}, {"function main()\n  main = 1\nend function", VB},
        {"Sub Main\n  x = 1 + _\n    2\nEnd Sub", VB}, {"' only a comment", VB},
        {"If x > 1 Then\n  y = 2\nEnd If", VB},
        {"Set fso = CreateObject(\"Scripting.FileSystemObject\")", VB}, {"For i = 1 To 10\n  s = s & i\nNext", VB},
        {"s = \"{\"\nt = \"}\"\nDim y", VB},
        {"function Main() {\n  return 1;\n}", JS}, {"function Main()\n{\n  return 1\n}", JS},
        {"// only a comment", JS}, {"/*\n * doc\n */\nfunction f() {}", JS},
        {"var x = 1", JS}, {"'use strict';\nvar x;", JS},
        {"if (x > 1) {\n  y = 2;\n}", JS}, {"var fso = new ActiveXObject(\"Scripting.FileSystemObject\");", JS},
        {"var s = 'Dim';\nnext();\nend();", JS}, {"try {\n  f()\n} catch (e) {\n  throw e\n}", JS},
    };
    for (const auto &row : rows) {
        const QString text = QString::fromLatin1(row.text);
        EXPECT_EQ(colorizer::detectDialect(text), row.expected) << row.text;
        EXPECT_EQ(colorizer::ScriptColorizer().ParseCode(text), colorizer::ScriptColorizer::colorize(text, row.expected));
    }
}

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
