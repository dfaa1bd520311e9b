// Values crossing ScriptControl: results, arguments and ByRef write-back.
#include "script_support.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace objtest;

namespace {


TEST(ScriptControlValues, MainReturnsTheValueAsAQVariant)
{
    const struct
    {
        QString language;
        const char *expression;
        QVariant expected;
    } rows[] = {
        {VB, "True", QVariant(true)}, {VB, "42", QVariant(42)},
        {VB, "2.5", QVariant(2.5)}, {VB, "CCur(1.25)", QVariant(1.25)},
        {VB, "\"disk \" & 9", QVariant(QStringLiteral("disk 9"))}, {VB, "Empty", QVariant()},
        {VB, "Null", QVariant::fromValue(nullptr)},
        {VB, "DateSerial(2024, 2, 29) + TimeSerial(6, 15, 0)", QVariant(QDateTime(QDate(2024, 2, 29), QTime(6, 15)))},
        {VB, "Array(1, \"b\", False)", QVariant(QVariantList{1, QStringLiteral("b"), false})},
        {JS, "true", QVariant(true)},
        {JS, "-1", QVariant(-1)}, {JS, "7 / 2", QVariant(3.5)},
        {JS, "'a' + 1", QVariant(QStringLiteral("a1"))}, {JS, "undefined", QVariant()},
        {JS, "null", QVariant::fromValue(nullptr)},
        {JS, "new Date(2024, 1, 29, 6, 15)", QVariant(QDateTime(QDate(2024, 2, 29), QTime(6, 15)))},
        {JS, "[1, 'b', false]", QVariant(QVariantList{1, QStringLiteral("b"), false})},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expression);
        ScriptControl control;
        const QString expression = QString::fromUtf8(row.expression);
        const QVariant result = runMain(control, row.language,
                                        mainOf(row.language, isVB(row.language) ? QStringLiteral("Main = ") + expression
                                                                                : QStringLiteral("return %1;").arg(expression)))
                                    .value_or(QStringLiteral("failed"));
        EXPECT_EQ(result.metaType(), row.expected.metaType()) << result.metaType().name();
        EXPECT_EQ(result, row.expected);
    }
}

// VBScript writes assigned parameters back (ByRef is the default), JScript
// passes primitives by value and shares arrays.
TEST(ScriptControlValues, ArgumentsArriveAndAreWrittenBack)
{
    const struct
    {
        QString language;
        const char *params, *body;
        QVariantList args;
        QVariant result;
        QVariantList written;
    } rows[] = {
        {VB, "ByRef value, ByVal copy, other", "value = value * 2\ncopy = 0\nother = \"changed\"\nMain = True",
         {21, 5, QStringLiteral("kept")}, QVariant(true), {42, 5, QStringLiteral("changed")}},
        {VB, "a, b, c, d, e, f",
         "Main = TypeName(a) & \" \" & TypeName(b) & \" \" & TypeName(c) & \" \" & TypeName(d) & \" \" & TypeName(e)"
         " & \" \" & UBound(f)",
         {true, 3, 1.5, QStringLiteral("x"), QVariant(), QVariantList{1, 2, 3}},
         QVariant(QStringLiteral("Boolean Long Double String Empty 2")),
         {true, 3, 1.5, QStringLiteral("x"), QVariant(), QVariantList{1, 2, 3}}},
        {JS, "value, list", "value = value * 2;\nlist[0] = 'first';\nlist.push(value);\nreturn value;",
         {21, QVariantList{1}}, QVariant(42), {21, QVariantList{QStringLiteral("first"), 42}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.params);
        ScriptControl control;
        QVariantList args = row.args;
        ASSERT_TRUE(control.setLanguage(row.language)
                    && control.addCode(mainOf(row.language, QString::fromUtf8(row.body), QString::fromUtf8(row.params))));
        EXPECT_EQ(control.run(QStringLiteral("Main"), args), row.result);
        EXPECT_EQ(args, row.written);
    }
    ScriptControl control;
    EXPECT_EQ(runMain(control, VB, mainOf(VB, "Main = a", "a")), std::nullopt);
    EXPECT_EQ(control.error().Number, 450);
}

} // namespace
