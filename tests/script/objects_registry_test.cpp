// The one registry of creatable objects, seen from both languages.
#include "expecterror.h"
#include "script_support.h"
#include "script/vbscript/builtins.h"

#include <gtest/gtest.h>

using namespace objtest;

namespace {

// "Ab.Cd" -> "aB.cD": a spelling no one registers.
QString alternating(const QString &id)
{
    QString out = id;
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = i % 2 ? out[i].toUpper() : out[i].toLower();
    return out;
}

TEST(AutomationRegistry, EveryIdentifierInAnySpellingFromBothLanguages)
{
    const struct
    {
        const char *progId, *typeName, *member; // a member the others lack
    } rows[] = {
        {"ADODB.Connection", "AdoConnection", "ConnectionString"}, {"ADODB.Recordset", "AdoRecordset", "EOF"},
        {"Scripting.FileSystemObject", "FileSystemObject", "FileExists"},
        {"Scripting.Dictionary", "Dictionary", "Exists"}, {"VBScript.RegExp", "IRegExp2", "Pattern"},
    };
    ScriptControl control;
    for (const auto &row : rows) {
        const QString id = QString::fromLatin1(row.progId);
        EXPECT_TRUE(AutomationRegistry::instance().progIds().contains(id)) << row.progId;
        for (const QString &spelling : {id, id.toLower(), id.toUpper(), alternating(id)}) {
            SCOPED_TRACE(spelling.toStdString());
            EXPECT_EQ(runMain(control, VB, mainOf(VB, QStringLiteral("  Main = TypeName(CreateObject(\"%1\"))").arg(spelling))),
                      QVariant(QString::fromLatin1(row.typeName)));
            const QString member = QString::fromLatin1(row.member);
            EXPECT_EQ(runMain(control, JS, mainOf(JS, QStringLiteral("  var o = new ActiveXObject('%1');\n"
                                                                     "  return ('%2' in o) && !('%3' in o);")
                                                          .arg(spelling, member, member.toLower()))),
                      QVariant(true));
        }
    }
    for (const QString &id : AutomationRegistry::instance().progIds())
        EXPECT_NO_THROW(runMain(control, JS, mainOf(JS, QStringLiteral("  new ActiveXObject('%1');").arg(alternating(id)))))
            << id.toStdString();
    EXPECT_THROW(runMain(control, VB, mainOf(VB, QStringLiteral("  Set o = CreateObject(\"Word.Application\")"))), Error);
    EXPECT_EQ(control.error().Number, 429);
    EXPECT_EQ(control.error().Description, QStringLiteral("ActiveX component can't create object: Word.Application"));
    EXPECT_EQ(runMain(control, JS, mainOf(JS, QStringLiteral("  try { new ActiveXObject('Word.Application'); }\n"
                                                             "  catch (e) { return e.number + ' ' + e.description; }"))),
              QVariant(QStringLiteral("429 ActiveX component can't create object: Word.Application")));
}

// The engine's objects in JScript: properties read as values, methods and
// indexed properties as functions (one more argument sets), names exactly.
TEST(AutomationRegistry, EngineObjectsInJScript)
{
    const struct
    {
        const char *body;
        const char *expected;
    } rows[] = {
        {"var re = new ActiveXObject('VBScript.RegExp'); re.Pattern = '(\\\\d)(\\\\d)?'; re.Global = true;\n"
         "var ms = re.Execute('a12b3');\n"
         "return [ms.Count, ms(0).Value, ms.Item(1).FirstIndex, ms(0).SubMatches(1), re.Global, re.Replace('x1', '#'),"
         " re.Test('zz')].join('|');",
         "2|12|4|2|true|x#|false"},
        {"var re = new ActiveXObject('VBScript.RegExp');\n"
         "try { re.pattern = 'x'; } catch (e) { try { re.Execute('a').Count = 1; } catch (f) { return e.number + ' ' + f.number; } }",
         "438 438"},
        {"var d = new ActiveXObject('Scripting.Dictionary'); d.Item('k', new ActiveXObject('VBScript.RegExp'));\n"
         "d.Item('k').Pattern = 'b'; return typeof d.Count + d.Count + d.Item('k').Replace('abc', '-');",
         "number1a-c"},
    };
    ScriptControl control;
    for (const auto &row : rows)
        EXPECT_EQ(runMain(control, JS, mainOf(JS, QString::fromUtf8(row.body))), QVariant(QString::fromUtf8(row.expected)))
            << row.body;
}

TEST(AutomationRegistry, AddedFactoriesOfBothKindsCanBeRemoved)
{
    AutomationRegistry registry;
    registry.registerFactory(QStringLiteral("Test.Thing"), [] { return new QObject; });
    EXPECT_NE(registry.create(QStringLiteral("test.thing")).qobject, nullptr);
    registry.registerEngineFactory(QStringLiteral("Test.Engine"), [] { return vbs::builtinTable().createObject(u"Scripting.Dictionary"); });
    EXPECT_TRUE(registry.create(QStringLiteral("TEST.ENGINE")).engineObject->typeName() == u"Dictionary");
    registry.registerFactory(QStringLiteral("Test.Nothing"), [] { return nullptr; });
    expectError(429, [&] { registry.create(QStringLiteral("Test.Nothing")); });
    registry.unregisterFactory(QStringLiteral("TEST.THING"));
    expectError(429, [&] { registry.create(QStringLiteral("Test.Thing")); });
}

} // namespace
