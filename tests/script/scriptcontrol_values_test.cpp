// Values crossing ScriptControl: results, arguments and ByRef write-back.
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

struct ResultCase
{
    const char *name;
    const char *language;
    const char *expression;
    QVariant expected;
};

void PrintTo(const ResultCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlResults : public ::testing::TestWithParam<ResultCase>
{
};

TEST_P(ScriptControlResults, MainReturnsTheValueAsAQVariant)
{
    const ResultCase &c = GetParam();
    ScriptControl control;
    control.setLanguage(QString::fromLatin1(c.language));
    const QString expression = QString::fromUtf8(c.expression);
    control.addCode(control.language() == QLatin1String("VBScript")
                        ? QStringLiteral("Function Main()\n  Main = %1\nEnd Function").arg(expression)
                        : QStringLiteral("function Main() { return %1; }").arg(expression));
    const QVariant result = control.run(QStringLiteral("Main"));
    EXPECT_EQ(result.metaType(), c.expected.metaType()) << result.metaType().name();
    EXPECT_EQ(result, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScriptControlResults,
    ::testing::Values(
        ResultCase{"VBScriptTrue", "VBScript", "True", QVariant(true)},
        ResultCase{"VBScriptInteger", "VBScript", "42", QVariant(42)},
        ResultCase{"VBScriptDouble", "VBScript", "2.5", QVariant(2.5)},
        ResultCase{"VBScriptCurrency", "VBScript", "CCur(1.25)", QVariant(1.25)},
        ResultCase{"VBScriptString", "VBScript", "\"disk \" & 9", QVariant(QStringLiteral("disk 9"))},
        ResultCase{"VBScriptEmpty", "VBScript", "Empty", QVariant()},
        ResultCase{"VBScriptNull", "VBScript", "Null", QVariant::fromValue(nullptr)},
        ResultCase{"VBScriptDate", "VBScript", "DateSerial(2024, 2, 29) + TimeSerial(6, 15, 0)",
                   QVariant(QDateTime(QDate(2024, 2, 29), QTime(6, 15)))},
        ResultCase{"VBScriptArray", "VBScript", "Array(1, \"b\", False)",
                   QVariant(QVariantList{1, QStringLiteral("b"), false})},
        ResultCase{"VBScriptDictionaryItem", "VBScript", "CreateObject(\"Scripting.Dictionary\").Count", QVariant(0)},
        ResultCase{"JScriptTrue", "JScript", "true", QVariant(true)},
        ResultCase{"JScriptMinusOne", "JScript", "-1", QVariant(-1)},
        ResultCase{"JScriptFraction", "JScript", "7 / 2", QVariant(3.5)},
        ResultCase{"JScriptString", "JScript", "'a' + 1", QVariant(QStringLiteral("a1"))},
        ResultCase{"JScriptUndefined", "JScript", "undefined", QVariant()},
        ResultCase{"JScriptNull", "JScript", "null", QVariant::fromValue(nullptr)},
        ResultCase{"JScriptDate", "JScript", "new Date(2024, 1, 29, 6, 15)",
                   QVariant(QDateTime(QDate(2024, 2, 29), QTime(6, 15)))},
        ResultCase{"JScriptArray", "JScript", "[1, 'b', false]", QVariant(QVariantList{1, QStringLiteral("b"), false})}),
    [](const ::testing::TestParamInfo<ResultCase> &info) { return std::string(info.param.name); });

TEST(ScriptControlByRef, VBScriptWritesAssignedParametersBack)
{
    ScriptControl control;
    control.addCode(QStringLiteral("Function Main(ByRef value, ByVal copy, other)\n"
                                   "  value = value * 2\n  copy = 0\n  other = \"changed\"\n"
                                   "  Main = True\nEnd Function"));
    QVariantList args{21, 5, QStringLiteral("kept")};
    EXPECT_EQ(control.run(QStringLiteral("Main"), args), QVariant(true));
    EXPECT_EQ(args.value(0), QVariant(42));
    EXPECT_EQ(args.value(1), QVariant(5)) << "ByVal stays";
    EXPECT_EQ(args.value(2), QVariant(QStringLiteral("changed"))) << "parameters are ByRef by default";
}

TEST(ScriptControlByRef, VBScriptArgumentsOfEveryKindArrive)
{
    ScriptControl control;
    control.addCode(QStringLiteral("Function Main(a, b, c, d, e, f)\n"
                                   "  Main = TypeName(a) & \" \" & TypeName(b) & \" \" & TypeName(c) & \" \" & "
                                   "TypeName(d) & \" \" & TypeName(e) & \" \" & UBound(f)\nEnd Function"));
    QVariantList args{true, 3, 1.5, QStringLiteral("x"), QVariant(), QVariantList{1, 2, 3}};
    EXPECT_EQ(control.run(QStringLiteral("Main"), args), QVariant(QStringLiteral("Boolean Long Double String Empty 2")));
}

TEST(ScriptControlByRef, JScriptPassesPrimitivesByValueAndSharesArrays)
{
    ScriptControl control;
    control.setLanguage(QStringLiteral("JScript"));
    control.addCode(QStringLiteral("function Main(value, list) {\n"
                                   "  value = value * 2;\n  list[0] = 'first';\n  list.push(value);\n"
                                   "  return value;\n}"));
    QVariantList args{21, QVariantList{1}};
    EXPECT_EQ(control.run(QStringLiteral("Main"), args), QVariant(42));
    EXPECT_EQ(args.value(0), QVariant(21)) << "a number is passed by value";
    EXPECT_EQ(args.value(1), QVariant(QVariantList{QStringLiteral("first"), 42}));
}

TEST(ScriptControlByRef, WrongArgumentCountIsAnError)
{
    ScriptControl control;
    control.addCode(QStringLiteral("Function Main(a)\n  Main = a\nEnd Function"));
    EXPECT_THROW(control.run(QStringLiteral("Main")), Error);
    EXPECT_EQ(control.error().Number, 450);
}

} // namespace
