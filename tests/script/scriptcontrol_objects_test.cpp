// Qt automation objects seen from both languages through the bridges:
// VBScript's CreateObject matches members in any case, JScript's
// `new ActiveXObject` exactly; failures are catchable errors.
#include "scriptcontrol_testobject.h"
#include "script_support.h"

#include <QPointer>
#include <gtest/gtest.h>

using namespace objtest;

namespace {


class ScriptControlObjects : public ::testing::Test
{
protected:
    void SetUp() override
    {
        AutomationRegistry::instance().registerFactory(QStringLiteral("Test.Gadget"), [] { return new TestGadget; });
        control = std::make_unique<ScriptControl>(); // sees the registration
    }
    void TearDown() override
    {
        control.reset();
        AutomationRegistry::instance().unregisterFactory(QStringLiteral("Test.Gadget"));
        EXPECT_EQ(TestGadget::alive, 0) << "every object the scripts made is gone";
    }

    // Runs a Main whose body starts with g, a new gadget.
    std::optional<QVariant> main(const QString &language, const char *body)
    {
        const QString gadget = isVB(language) ? QStringLiteral("  Set g = CreateObject(\"test.GADGET\")\n")
                                              : QStringLiteral("  var g = new ActiveXObject('Test.Gadget');\n");
        return runMain(*control, language, mainOf(language, gadget + QString::fromUtf8(body)));
    }

    std::unique_ptr<ScriptControl> control;
};

TEST_F(ScriptControlObjects, MembersReachTheQObject)
{
    const struct
    {
        QString language;
        const char *body;
        QVariant expected;
    } rows[] = {
        {VB, "  Main = g.size + g.SIZE", QVariant(6)}, {VB, "  g.Size = \"12\"\n  Main = g.Size", QVariant(12)},
        {VB, "  g.Enabled = 1\n  Main = g.Enabled", QVariant(true)},
        {VB, "  Main = Year(g.Stamp) & \"-\" & Month(g.Stamp) & \" \" & Hour(g.Stamp)", QVariant(QStringLiteral("2024-3 12"))},
        {VB, "  Main = g.Describe() & \"/\" & g.Describe(\"x\") & \"/\" & g.Describe(\"x\", 2.6) & Left(g.Describe, 2)",
         QVariant(QStringLiteral("no arguments/one: x/two: x 3no"))},
        {VB, "  Main = g.Join(\"a\") & g.Join(\"a\", \"+\")", QVariant(QStringLiteral("a|gadgeta+gadget"))},
        {VB, "  Main = g.Add(\"1.5\", 2)", QVariant(3.5)},
        {VB, "  g.Name = \"disk\"\n  Main = \"on \" & g", QVariant(QStringLiteral("on disk"))},
        {VB, "  For Each p In g\n    s = s & p & \";\"\n  Next\n  Main = s", QVariant(QStringLiteral("a;2;True;"))},
        {VB, "  Main = g.Child(\"c1\").Name & TypeName(g.Child(\"c2\"))", QVariant(QStringLiteral("c1TestGadget"))},
        {VB, "  Main = g.NameOf(g.Child(\"arg\")) & g.NameOf(Nothing)", QVariant(QStringLiteral("arg(none)"))},
        {VB, "  Main = (g.Self() Is g) And IsEmpty(g.Nothing()) And IsNull(g.NullValue())", QVariant(true)},
        {VB, "  On Error Resume Next\n  g.Fail\n  Main = Err.Number & \" \" & Err.Description & \" \" & Err.Source",
         QVariant(QStringLiteral("1234 The gadget failed Test.Gadget"))},
        {JS, "  g.Size = '8'; g.Name = 'n'; return g.Size + g.Name;", QVariant(QStringLiteral("8n"))},
        {JS, "  return g.Describe('x', 2);", QVariant(QStringLiteral("two: x 2"))},
        {JS, "  return g.Join('a') + g.Join('b', '-');", QVariant(QStringLiteral("a|gadgetb-gadget"))},
        {JS, "  g.Name = 'called'; return g() + ' is ' + g;", QVariant(QStringLiteral("called is called"))},
        {JS, "  var c = g.Child('c'); return c.Name + g.NameOf(c);", QVariant(QStringLiteral("cc"))},
        {JS, "  var s = ''; for (var e = new Enumerator(g); !e.atEnd(); e.moveNext()) s += e.item() + ';'; return s;",
         QVariant(QStringLiteral("a;2;true;"))},
        {JS, "  return g.Stamp.getFullYear() * 100 + g.Stamp.getMonth() + 1;", QVariant(202403)},
        {JS, "  g.size = 3; try { return g.SIZE + g.describe('y', 1); } catch (e) { return e.number; }",
         QVariant(QStringLiteral("3two: y 1"))},
        {JS, "  var d = new ActiveXObject('Scripting.Dictionary'); d.item('a') = 5; d.Key('a') = 'b';\n"
             "  try { d.Add('b', 1); } catch (e) { return [d.Item('b'), typeof d, typeof g, typeof 1, e.number, e.source].join(); }",
         QVariant(QStringLiteral("5,object,object,number,457,JScript runtime error"))},
        {JS, "  try { g.Resize(); } catch (e) { try { g.Sizes = 1; } catch (f) { try { return g.Sizes + 1; } catch (h) {\n"
             "    return [e.number & 0xFFFF, f.number & 0xFFFF, h.number & 0xFFFF, 'size' in g, 'Sizes' in g].join(' '); } } }",
         QVariant(QStringLiteral("438 438 438 true false"))},
        {JS, "  try { g.Fail(); } catch (e) { return e.number + ' ' + e.description + ' ' + e.source; }",
         QVariant(QStringLiteral("1234 The gadget failed Test.Gadget"))},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.body);
        EXPECT_EQ(main(row.language, row.body), row.expected) << control->error().Description.toStdString();
    }
}

TEST_F(ScriptControlObjects, FailuresRaiseTheirOwnErrors)
{
    const struct
    {
        QString language;
        const char *body;
        long number, line;
        const char *text; // null: not checked
    } rows[] = {
        {VB, "  g.Fail", 1234, 3, "  g.Fail"},
        {JS, "  var x = 1;\n  g.Fail();", 1234, 4, "  g.Fail();"},
        {VB, "  Main = g.NoSuchThing", 438, 3, nullptr},
        {JS, "  var x = 1;\n  if (g.NoSuchThing) x = 2;", 438, 4, nullptr},
        {JS, "\n  g.NoSuchThing(1);", 438, 4, nullptr},
        {VB, "  g.Ratio = 2", 0, 0, nullptr}, // a read-only property: any error
        {VB, "  Set Main = CreateObject(\"No.Such.Object\")", 429, 3, nullptr},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.body);
        EXPECT_EQ(main(row.language, row.body), std::nullopt);
        EXPECT_NE(control->error().Number, 0);
        if (row.number == 0)
            continue;
        EXPECT_EQ(control->error().Number, row.number);
        EXPECT_EQ(control->error().Line, row.line);
        if (!row.text)
            continue;
        EXPECT_EQ(control->error().Description, QStringLiteral("The gadget failed"));
        EXPECT_EQ(control->error().Source, QStringLiteral("Test.Gadget"));
        EXPECT_EQ(control->error().Text, QString::fromUtf8(row.text));
    }
}

TEST_F(ScriptControlObjects, ObjectsLeaveWithTheirLastReferenceOrTheEngine)
{
    ASSERT_TRUE(control->addCode(QStringLiteral("Dim kept\nSet kept = CreateObject(\"Test.Gadget\")\n"
                                    "Function Main()\n  For i = 1 To 50\n    Set t = CreateObject(\"Test.Gadget\")\n"
                                    "  Next\n  Main = 0\nEnd Function")));
    ASSERT_TRUE(control->run(QStringLiteral("Main")));
    EXPECT_EQ(TestGadget::alive, 1) << "only the global one remains";
    ASSERT_TRUE(control->setLanguage(VB));
    EXPECT_EQ(TestGadget::alive, 0);
    EXPECT_EQ(main(JS, "  for (var i = 0; i < 20; ++i) g.Child('x');\n  return 0;"), QVariant(0));
    // Objects the script let go of go while it still runs, with no event loop turning.
    EXPECT_EQ(main(JS, "  for (var i = 0; i < 40000; ++i) g.Child('x');\n  return g.Alive < 20000;"), QVariant(true));
    ASSERT_TRUE(control->setLanguage(JS));
    EXPECT_EQ(TestGadget::alive, 0);
}

// A result never hands the host a pointer the engine may free: objects inside
// an array come back as their default value, as a lone object does. An object
// the host passes in stays the host's.
TEST_F(ScriptControlObjects, ArraysHoldValuesAndHostObjectsOutliveTheScript)
{
    const struct
    {
        QString language;
        const char *array, *host;
    } rows[] = {
        {VB, "Function Main(list)\n  Set g = CreateObject(\"Test.Gadget\")\n  g.Name = \"inside\"\n"
             "  list = Array(g)\n  Main = Array(g, 1)\nEnd Function",
         "Function Main(g)\n  Main = g.Name\nEnd Function"},
        {JS, "function Main(list) {\n  var g = new ActiveXObject('Test.Gadget');\n  g.Name = 'inside';\n"
             "  list[0] = g;\n  return [g, 1];\n}",
         "function Main(g) {\n  return g.Name;\n}"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.language.toStdString());
        QVariantList args{QVariantList{}};
        ASSERT_TRUE(control->setLanguage(row.language) && control->addCode(QString::fromUtf8(row.array)));
        const std::optional<QVariant> result = control->run(QStringLiteral("Main"), args);
        ASSERT_TRUE(control->setLanguage(VB)); // the engine and its objects are gone
        EXPECT_EQ(TestGadget::alive, 0);
        EXPECT_EQ(result, QVariant(QVariantList{QStringLiteral("inside"), 1}));
        EXPECT_EQ(args.value(0), QVariant(QVariantList{QStringLiteral("inside")})) << "written back through the argument";

        auto gadget = std::make_unique<TestGadget>();
        gadget->setName(QStringLiteral("host"));
        const QPointer<TestGadget> watch(gadget.get());
        EXPECT_EQ(runMain(*control, row.language, QString::fromUtf8(row.host), {QVariant::fromValue<QObject *>(gadget.get())}),
                  QVariant(QStringLiteral("host")));
        ASSERT_TRUE(control->setLanguage(VB));
        ASSERT_FALSE(watch.isNull()) << "the script deleted the host's object";
        EXPECT_EQ(gadget->Name(), QStringLiteral("host"));
    }
}

} // namespace
