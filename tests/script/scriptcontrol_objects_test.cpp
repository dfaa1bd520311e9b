// Qt automation objects seen from VBScript through the bridge.
#include "scriptcontrol_testobject.h"
#include "script/objects/automationregistry.h"
#include "script/scriptcontrol.h"
#include "testsupport.h"

#include "errorcore/error.h"

#include <QPointer>
#include <gtest/gtest.h>

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

    // Runs the body of a VBScript Main that starts with g = a new gadget.
    QVariant main(const QString &body)
    {
        control->setLanguage(QStringLiteral("VBScript"));
        control->addCode(QStringLiteral("Function Main()\n  Dim g\n  Set g = CreateObject(\"test.GADGET\")\n%1\nEnd Function").arg(body));
        return control->run(QStringLiteral("Main"));
    }

    std::unique_ptr<ScriptControl> control;
};

struct MemberCase
{
    const char *name;
    const char *body;
    QVariant expected;
};

void PrintTo(const MemberCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlMembers : public ScriptControlObjects, public ::testing::WithParamInterface<MemberCase>
{
};

TEST_P(ScriptControlMembers, ReachTheQObject)
{
    EXPECT_EQ(main(QString::fromUtf8(GetParam().body)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    VBScript, ScriptControlMembers,
    ::testing::Values(
        MemberCase{"PropertyAnyCase", "  Main = g.size + g.SIZE", QVariant(6)},
        MemberCase{"PropertyWrite", "  g.Size = \"12\"\n  Main = g.Size", QVariant(12)},
        MemberCase{"BooleanProperty", "  g.Enabled = 1\n  Main = g.Enabled", QVariant(true)},
        MemberCase{"DateProperty", "  Main = Year(g.Stamp) & \"-\" & Month(g.Stamp) & \" \" & Hour(g.Stamp)", QVariant(QStringLiteral("2024-3 12"))},
        MemberCase{"OverloadByCount0", "  Main = g.Describe()", QVariant(QStringLiteral("no arguments"))},
        MemberCase{"OverloadByCount1", "  Main = g.Describe(\"x\")", QVariant(QStringLiteral("one: x"))},
        MemberCase{"OverloadByCount2", "  Main = g.Describe(\"x\", 2.6)", QVariant(QStringLiteral("two: x 3"))},
        MemberCase{"OptionalArgumentLeftOut", "  Main = g.Join(\"a\")", QVariant(QStringLiteral("a|gadget"))},
        MemberCase{"OptionalArgumentGiven", "  Main = g.Join(\"a\", \"+\")", QVariant(QStringLiteral("a+gadget"))},
        MemberCase{"NumbersConverted", "  Main = g.Add(\"1.5\", 2)", QVariant(3.5)},
        MemberCase{"DefaultMemberAsValue", "  g.Name = \"disk\"\n  Main = \"on \" & g", QVariant(QStringLiteral("on disk"))},
        MemberCase{"ForEachWalksTheEnumerator", "  Dim p, s\n  For Each p In g\n    s = s & p & \";\"\n  Next\n  Main = s",
                   QVariant(QStringLiteral("a;2;True;"))},
        MemberCase{"ChildObject", "  Main = g.Child(\"c1\").Name & TypeName(g.Child(\"c2\"))", QVariant(QStringLiteral("c1TestGadget"))},
        MemberCase{"ObjectArgument", "  Main = g.NameOf(g.Child(\"arg\"))", QVariant(QStringLiteral("arg"))},
        MemberCase{"NothingArgument", "  Main = g.NameOf(Nothing)", QVariant(QStringLiteral("(none)"))},
        MemberCase{"SameObjectBack", "  Main = (g.Self() Is g)", QVariant(true)},
        MemberCase{"EmptyAndNull", "  Main = IsEmpty(g.Nothing()) And IsNull(g.NullValue())", QVariant(true)},
        MemberCase{"ErrorCaught", "  On Error Resume Next\n  g.Fail\n  Main = Err.Number & \" \" & Err.Description & \" \" & Err.Source",
                   QVariant(QStringLiteral("1234 The gadget failed Test.Gadget"))}),
    [](const ::testing::TestParamInfo<MemberCase> &info) { return std::string(info.param.name); });

TEST_F(ScriptControlObjects, AFailingMemberRaisesItsOwnError)
{
    EXPECT_THROW(main(QStringLiteral("  g.Fail")), Error);
    EXPECT_EQ(control->error().Number, 1234);
    EXPECT_EQ(control->error().Description, QStringLiteral("The gadget failed"));
    EXPECT_EQ(control->error().Source, QStringLiteral("Test.Gadget"));
    EXPECT_EQ(control->error().Line, 4);
}

TEST_F(ScriptControlObjects, MissingMemberIs438)
{
    EXPECT_THROW(main(QStringLiteral("  Main = g.NoSuchThing")), Error);
    EXPECT_EQ(control->error().Number, 438);
    EXPECT_THROW(main(QStringLiteral("  g.Ratio = 2")), Error) << "a read-only property";
    EXPECT_NE(control->error().Number, 0);
}

TEST_F(ScriptControlObjects, UnknownProgIdIs429)
{
    control->addCode(QStringLiteral("Function Main()\n  Set Main = CreateObject(\"No.Such.Object\")\nEnd Function"));
    EXPECT_THROW(control->run(QStringLiteral("Main")), Error);
    EXPECT_EQ(control->error().Number, 429);
}

TEST_F(ScriptControlObjects, ObjectsLeaveWithTheirLastReference)
{
    control->addCode(QStringLiteral("Dim kept\nSet kept = CreateObject(\"Test.Gadget\")\n"
                                    "Function Main()\n  Dim i, t\n  For i = 1 To 50\n    Set t = CreateObject(\"Test.Gadget\")\n"
                                    "  Next\n  Main = 0\nEnd Function"));
    control->run(QStringLiteral("Main"));
    EXPECT_EQ(TestGadget::alive, 1) << "only the global one remains";
    control->setLanguage(QStringLiteral("VBScript"));
    EXPECT_EQ(TestGadget::alive, 0);
}

// A result never hands the host a pointer the engine may free: objects inside
// an array come back as their default value, as a lone object does.
struct ArrayResultCase
{
    const char *name;
    const char *language;
    const char *code;
};

void PrintTo(const ArrayResultCase &c, std::ostream *out)
{
    *out << c.name;
}

class ScriptControlArrayResults : public ScriptControlObjects, public ::testing::WithParamInterface<ArrayResultCase>
{
};

TEST_P(ScriptControlArrayResults, ObjectsInsideComeBackAsTheirValue)
{
    control->setLanguage(QString::fromLatin1(GetParam().language));
    control->addCode(QString::fromUtf8(GetParam().code));
    QVariantList args{QVariantList{}};
    const QVariant result = control->run(QStringLiteral("Main"), args);
    control->setLanguage(QStringLiteral("VBScript")); // the engine and its objects are gone
    EXPECT_EQ(TestGadget::alive, 0);
    EXPECT_EQ(result, QVariant(QVariantList{QStringLiteral("inside"), 1}));
    EXPECT_EQ(args.value(0), QVariant(QVariantList{QStringLiteral("inside")})) << "written back through the argument";
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScriptControlArrayResults,
    ::testing::Values(
        ArrayResultCase{"VBScript", "VBScript",
                        "Function Main(list)\n  Dim g\n  Set g = CreateObject(\"Test.Gadget\")\n  g.Name = \"inside\"\n"
                        "  list = Array(g)\n  Main = Array(g, 1)\nEnd Function"},
        ArrayResultCase{"JScript", "JScript",
                        "function Main(list) {\n  var g = new ActiveXObject('Test.Gadget');\n  g.Name = 'inside';\n"
                        "  list[0] = g;\n  return [g, 1];\n}"}),
    [](const ::testing::TestParamInfo<ArrayResultCase> &info) { return std::string(info.param.name); });

// An object the host passes in stays the host's: the script's last reference
// does not delete it.
class ScriptControlHostObject : public ScriptControlObjects, public ::testing::WithParamInterface<ArrayResultCase>
{
};

TEST_P(ScriptControlHostObject, OutlivesTheScript)
{
    auto *gadget = new TestGadget;
    gadget->setName(QStringLiteral("host"));
    const QPointer<TestGadget> watch(gadget);
    control->setLanguage(QString::fromLatin1(GetParam().language));
    control->addCode(QString::fromUtf8(GetParam().code));
    QVariantList args{QVariant::fromValue<QObject *>(gadget)};
    EXPECT_EQ(control->run(QStringLiteral("Main"), args), QVariant(QStringLiteral("host")));
    control->setLanguage(QStringLiteral("VBScript"));
    ASSERT_FALSE(watch.isNull()) << "the script deleted the host's object";
    EXPECT_EQ(gadget->Name(), QStringLiteral("host"));
    delete gadget;
}

INSTANTIATE_TEST_SUITE_P(
    BothLanguages, ScriptControlHostObject,
    ::testing::Values(ArrayResultCase{"VBScript", "VBScript", "Function Main(g)\n  Main = g.Name\nEnd Function"},
                      ArrayResultCase{"JScript", "JScript", "function Main(g) {\n  return g.Name;\n}"}),
    [](const ::testing::TestParamInfo<ArrayResultCase> &info) { return std::string(info.param.name); });

TEST_F(ScriptControlObjects, DictionaryIsTheEnginesOwn)
{
    const QVariant result = main(QStringLiteral("  Dim d\n  Set d = CreateObject(\"Scripting.Dictionary\")\n"
                                                "  d.Add \"a\", 1\n  d(\"b\") = 2\n  Main = TypeName(d) & d.Count & d(\"a\")"));
    EXPECT_EQ(result, QVariant(QStringLiteral("Dictionary21")));
}

} // namespace
