// The one registry of creatable objects, seen from both languages.
#include "expecterror.h"
#include "script_support.h"

#include <gtest/gtest.h>

using namespace objtest;

namespace {

TEST(AutomationRegistry, EveryIdentifierInAnySpellingFromBothLanguages)
{
    // Identifier, its TypeName, and a member the others lack.
    const char *const rows[][3] = {{"ADODB.Connection", "AdoConnection", "ConnectionString"},
                                   {"ADODB.Recordset", "AdoRecordset", "EOF"},
                                   {"Scripting.FileSystemObject", "FileSystemObject", "FileExists"},
                                   {"Scripting.Dictionary", "Dictionary", "Exists"},
                                   {"VBScript.RegExp", "IRegExp2", "Pattern"}};
    ScriptControl control;
    for (const auto &[progId, typeName, m] : rows) {
        const QString id = QString::fromLatin1(progId), member = QString::fromLatin1(m);
        QString alternating = id; // "Ab.Cd" -> "aB.cD"
        for (qsizetype i = 0; i < id.size(); ++i)
            alternating[i] = i % 2 ? id[i].toUpper() : id[i].toLower();
        for (const QString &spelling : {id, id.toLower(), id.toUpper(), alternating}) {
            EXPECT_EQ(runMain(control, VB, QStringLiteral("Function Main()\n  Main = TypeName(CreateObject(\"%1\"))\nEnd Function").arg(spelling)),
                      QVariant(QString::fromLatin1(typeName))) << spelling.toStdString();
            EXPECT_EQ(runMain(control, JS, QStringLiteral("function Main() { var o = new ActiveXObject('%1'); return ('%2' in o) && ('%3' in o) && !('%2s' in o); }")
                                               .arg(spelling, member, member.toLower())), QVariant(true)) << spelling.toStdString();
        }
    }
    EXPECT_EQ(runMain(control, VB, mainOf(VB, QStringLiteral("  Set o = CreateObject(\"Word.Application\")"))), std::nullopt);
    EXPECT_EQ(control.error().Description, QStringLiteral("ActiveX component can't create object: Word.Application"));
    EXPECT_EQ(runMain(control, JS, mainOf(JS, QStringLiteral("  try { new ActiveXObject('Word.Application'); }\n"
                                                             "  catch (e) { return e.number + ' ' + e.description; }"))),
              QVariant(QStringLiteral("429 ActiveX component can't create object: Word.Application")));
}

// The engine's objects in JScript: properties read as values, methods and
// indexed properties as functions (one more argument sets), names exactly.
TEST(AutomationRegistry, EngineObjectsInJScript)
{
    const std::pair<const char *, const char *> rows[] = {
        {"var re = new ActiveXObject('VBScript.RegExp'); re.Pattern = '(\\\\d)(\\\\d)?'; re.Global = true;\n"
         "var ms = re.Execute('a12b3');\n"
         "return [ms.Count, ms(0).Value, ms.Item(1).FirstIndex, ms(0).SubMatches(1), re.Global, re.Replace('x1', '#'),"
         " re.Test('zz')].join('|');",
         "2|12|4|2|true|x#|false"},
        {"var re = new ActiveXObject('VBScript.RegExp');\n"
         "re.pattern = 'x'; try { re.Execute('a').Count = 1; } catch (e) { try { re.Executes('a'); } catch (f) {\n"
         "return [re.PATTERN, e.number, f.number & 0xFFFF, f.description].join(' '); } }",
         "x 438 438 Object doesn't support this property or method"},
        {"var d = new ActiveXObject('Scripting.Dictionary'); d.Add('b', 2); d.Add('a', 1);\n"
         "d.Item('c', new ActiveXObject('VBScript.RegExp')); d.Item('c').Pattern = 'b';\n"
         "var keys = new VBArray(d.Keys()).toArray(); d.Remove('b');\n"
         "return [keys, d.Items().length, typeof d.Count, d.Count, d.Exists('b'), d('a'), d.Item('c').Replace('abc', '-')].join('|');",
         "b,a,c|2|number|2|false|1|a-c"},
        {"var t = new ActiveXObject('Scripting.Dictionary'); t.CompareMode = 1; t.Add('Key', 'v'); t.Key('KEY', 'other');\n"
         "try { t.Add('other', 1); } catch (e) { try { new VBArray(5); } catch (f) {\n"
         "return [t.Exists('key'), t.Exists('OTHER'), t.CompareMode, e.number, f.number].join('|'); } }",
         "false|true|1|457|-2146823275"},
    };
    ScriptControl control;
    for (const auto &[body, expected] : rows)
        EXPECT_EQ(runMain(control, JS, mainOf(JS, QString::fromUtf8(body))), QVariant(QString::fromUtf8(expected))) << body;
}

TEST(AutomationRegistry, AddedFactoryCanBeRemoved)
{
    AutomationRegistry registry;
    registry.registerFactory(QStringLiteral("Test.Thing"), [] { return new QObject; });
    EXPECT_NE(registry.create(QStringLiteral("test.thing")).qobject, nullptr);
    registry.unregisterFactory(QStringLiteral("TEST.THING"));
    expectError(429, [&] { registry.create(QStringLiteral("Test.Thing")); });
}

} // namespace
