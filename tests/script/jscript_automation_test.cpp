// JScript's `new ActiveXObject`: the same automation objects as VBScript,
// members matched exactly, failures as catchable errors.
#include "scriptcontrol_testobject.h"
#include "script/objects/automationregistry.h"
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <QJSEngine>
#include <gtest/gtest.h>

namespace {

struct JsCase
{
    const char *name;
    const char *body; // the body of Main, with g a new gadget
    QVariant expected;
};

void PrintTo(const JsCase &c, std::ostream *out)
{
    *out << c.name;
}

class JScriptAutomation : public ::testing::TestWithParam<JsCase>
{
protected:
    void SetUp() override
    {
        AutomationRegistry::instance().registerFactory(QStringLiteral("Test.Gadget"), [] { return new TestGadget; });
        control.setLanguage(QStringLiteral("JScript"));
    }
    void TearDown() override
    {
        AutomationRegistry::instance().unregisterFactory(QStringLiteral("Test.Gadget"));
    }
    QVariant main(const char *body)
    {
        control.addCode(QStringLiteral("function Main() {\n  var g = new ActiveXObject('Test.Gadget');\n%1\n}")
                            .arg(QString::fromUtf8(body)));
        return control.run(QStringLiteral("Main"));
    }

    ScriptControl control;
};

TEST_P(JScriptAutomation, MembersWorkAsInAScriptHost)
{
    EXPECT_EQ(main(GetParam().body), GetParam().expected) << control.error().Description.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    JScript, JScriptAutomation,
    ::testing::Values(
        JsCase{"PropertyRead", "  return g.Size + 1;", QVariant(4)},
        JsCase{"PropertyWrite", "  g.Size = '8'; g.Name = 'n'; return g.Size + g.Name;", QVariant(QStringLiteral("8n"))},
        JsCase{"MethodCall", "  return g.Describe('x', 2);", QVariant(QStringLiteral("two: x 2"))},
        JsCase{"OptionalArgument", "  return g.Join('a') + g.Join('b', '-');", QVariant(QStringLiteral("a|gadgetb-gadget"))},
        JsCase{"DefaultMemberCall", "  g.Name = 'called'; return g();", QVariant(QStringLiteral("called"))},
        JsCase{"DefaultMemberAsText", "  g.Name = 'text'; return 'is ' + g;", QVariant(QStringLiteral("is text"))},
        JsCase{"ChildObject", "  var c = g.Child('c'); return c.Name + g.NameOf(c);", QVariant(QStringLiteral("cc"))},
        JsCase{"Enumerator", "  var s = ''; for (var e = new Enumerator(g); !e.atEnd(); e.moveNext()) s += e.item() + ';'; return s;",
               QVariant(QStringLiteral("a;2;true;"))},
        JsCase{"DateBecomesADate", "  return g.Stamp.getFullYear() * 100 + g.Stamp.getMonth() + 1;", QVariant(202403)},
        JsCase{"CaseMatters", "  try { return g.size; } catch (e) { return e.number; }", QVariant(438)},
        JsCase{"InOperator", "  return ('Size' in g) && !('size' in g);", QVariant(true)},
        JsCase{"FailureIsCatchable", "  try { g.Fail(); } catch (e) { return e.number + ' ' + e.description + ' ' + e.source; }",
               QVariant(QStringLiteral("1234 The gadget failed Test.Gadget"))},
        JsCase{"UnknownProgId", "  try { new ActiveXObject('No.Such'); } catch (e) { return e.number; }", QVariant(429)}),
    [](const ::testing::TestParamInfo<JsCase> &info) { return std::string(info.param.name); });

TEST_F(JScriptAutomation, UncaughtObjectErrorFillsTheErrorFields)
{
    EXPECT_THROW(main("  var x = 1;\n  g.Fail();"), Error);
    EXPECT_EQ(control.error().Number, 1234);
    EXPECT_EQ(control.error().Description, QStringLiteral("The gadget failed"));
    EXPECT_EQ(control.error().Source, QStringLiteral("Test.Gadget"));
    EXPECT_EQ(control.error().Line, 4);
    EXPECT_EQ(control.error().Text, QStringLiteral("  g.Fail();"));
}

TEST_F(JScriptAutomation, ObjectsAreFreedWithTheEngine)
{
    main("  for (var i = 0; i < 20; ++i) g.Child('x');\n  return 0;");
    control.setLanguage(QStringLiteral("JScript"));
    EXPECT_EQ(TestGadget::alive, 0);
}

TEST(JScriptDictionary, BehavesLikeTheVBScriptOne)
{
    ScriptControl control;
    control.setLanguage(QStringLiteral("JScript"));
    control.addCode(QStringLiteral(
        "function Main() {\n"
        "  var d = new ActiveXObject('Scripting.Dictionary');\n"
        "  d.Add('b', 2); d.Add('a', 1); d.Item('c', 3);\n"
        "  var keys = new VBArray(d.Keys()).toArray();\n"
        "  var items = d.Items();\n"
        "  d.Remove('b');\n"
        "  return keys.join(',') + '|' + items.join(',') + '|' + d.Count + '|' + d.Exists('b') + '|' + d('a') + '|' + d.Item('a');\n"
        "}"));
    EXPECT_EQ(control.run(QStringLiteral("Main")), QVariant(QStringLiteral("b,a,c|2,1,3|2|false|1|1")));
}

TEST(JScriptDictionary, DuplicateKeyIsAnError)
{
    ScriptControl control;
    control.setLanguage(QStringLiteral("JScript"));
    EXPECT_THROW(control.addCode(QStringLiteral("var d = new ActiveXObject('scripting.dictionary');\nd.Add('k', 1);\nd.Add('k', 2);")),
                 Error);
    EXPECT_EQ(control.error().Number, 457);
    EXPECT_EQ(control.error().Line, 3);
}

TEST(JScriptDictionary, CompareModeAndKeyRename)
{
    ScriptControl control;
    control.setLanguage(QStringLiteral("JScript"));
    control.addCode(QStringLiteral("function Main() {\n  var d = new ActiveXObject('Scripting.Dictionary');\n"
                                   "  d.CompareMode = 1;\n  d.Add('Key', 'v');\n  d.Key('KEY', 'other');\n"
                                   "  return d.Exists('key') + ' ' + d.Exists('OTHER') + ' ' + d.CompareMode;\n}"));
    EXPECT_EQ(control.run(QStringLiteral("Main")), QVariant(QStringLiteral("false true 1")));
}

TEST(JScriptGlobals, VBArrayOfSomethingElseIsAnError)
{
    ScriptControl control;
    control.setLanguage(QStringLiteral("JScript"));
    EXPECT_THROW(control.addCode(QStringLiteral("new VBArray(5);")), Error);
    EXPECT_EQ(control.error().Number, 5028);
}

} // namespace
