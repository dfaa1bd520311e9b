// Embedder objects seen from scripts: properties, methods with ByRef
// arguments, default members, enumeration, CreateObject and named objects.
#include "script/vbscript/engine.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using vbs::ArgRefs;
using vbs::Engine;
using vbs::Ref;
using vbs::Variant;

// A small bag of named values: Item(key) is the default member, Count a
// property, Bump(x) increments its argument in place, For Each walks the keys.
class Bag : public vbs::Object
{
public:
    std::u16string typeName() const override { return u"Bag"; }
    Variant get(std::u16string_view name, ArgRefs args) override
    {
        const std::u16string n = vbs::foldCase(name);
        if (n.empty() || n == u"item") {
            if (args.size() != 1)
                vbs::raiseError(vbs::RuntimeError::WrongArgumentCount);
            return values[args[0]->toString()];
        }
        if (n == u"count")
            return Variant::fromLong(static_cast<std::int32_t>(values.size()));
        if (n == u"bump") {
            *args[0] = Variant::fromLong(args[0]->toLong() + 1);
            return Variant();
        }
        unsupported();
    }
    void let(std::u16string_view name, ArgRefs args, const Variant &value) override
    {
        const std::u16string n = vbs::foldCase(name);
        if ((n.empty() || n == u"item") && args.size() == 1) {
            values[args[0]->toString()] = value;
            return;
        }
        unsupported();
    }
    std::vector<Variant> enumerate() override
    {
        std::vector<Variant> keys;
        for (const auto &[k, v] : values)
            keys.emplace_back(k);
        return keys;
    }
    std::map<std::u16string, Variant> values;
};

std::string runMain(Engine &e, const char *code)
{
    EXPECT_TRUE(e.addCodeUtf8(code)) << vbs::toUtf8(e.lastError().description);
    std::vector<Variant> args;
    Variant r;
    if (!e.run(u"Main", args, &r))
        return "error " + std::to_string(e.lastError().number);
    return vbs::toUtf8(r.toString());
}

TEST(Objects, CreateObjectUsesTheRegistry)
{
    Engine e;
    e.objects().add(u"Test.Bag", [] { return Ref<vbs::Object>(vbs::makeRef<Bag>()); });
    EXPECT_EQ(runMain(e, "Function Main()\n"
                         "  Dim b: Set b = CreateObject(\"test.bag\")\n"
                         "  b(\"x\") = 5\n"
                         "  b.Item(\"y\") = 6\n"
                         "  Main = TypeName(b) & \" \" & b.Count & \" \" & (b(\"x\") + b.Item(\"y\"))\n"
                         "End Function\n"),
              "Bag 2 11");
}

TEST(Objects, MissingProgIdIs429)
{
    Engine e;
    EXPECT_EQ(runMain(e, "Function Main()\n  Set Main = CreateObject(\"Nope.Nope\")\nEnd Function\n"), "error 429");
}

TEST(Objects, MethodWritesByRefArgument)
{
    Engine e;
    auto bag = vbs::makeRef<Bag>();
    e.addObject(u"Host", bag);
    EXPECT_EQ(runMain(e, "Function Main()\n  Dim n: n = 1\n  Host.Bump n\n  Host.Bump (n)\n  Main = n\nEnd Function\n"), "2");
}

TEST(Objects, ForEachWalksEnumeration)
{
    Engine e;
    auto bag = vbs::makeRef<Bag>();
    bag->values[u"a"] = Variant::fromInteger(1);
    bag->values[u"b"] = Variant::fromInteger(2);
    e.addObject(u"Host", bag);
    EXPECT_EQ(runMain(e, "Function Main()\n  Dim k, s\n  For Each k In Host\n    s = s & k & Host(k)\n  Next\n  Main = s\nEnd Function\n"),
              "a1b2");
}

TEST(Objects, UnknownMemberIs438)
{
    Engine e;
    e.addObject(u"Host", vbs::makeRef<Bag>());
    EXPECT_EQ(runMain(e, "Function Main()\n  Main = Host.Nothing1\nEnd Function\n"), "error 438");
}

TEST(Objects, ScriptObjectsReachTheHost)
{
    // A script class instance returned to the host answers by name.
    Engine e;
    ASSERT_TRUE(e.addCode(u"Class P\n  Public Name\n  Public Function Hello(x)\n    Hello = Name & x\n  End Function\nEnd Class\n"
                          u"Function Make()\n  Set Make = New P\n  Make.Name = \"n\"\nEnd Function\n"));
    std::vector<Variant> args;
    Variant obj;
    ASSERT_TRUE(e.run(u"Make", args, &obj));
    ASSERT_TRUE(obj.isObject());
    Variant arg(u"!");
    Variant *refs[] = {&arg};
    EXPECT_EQ(vbs::toUtf8(obj.object()->get(u"HELLO", refs).toString()), "n!");
    EXPECT_THROW(obj.object()->get(u"Missing", {}), vbs::ScriptException);
}

TEST(Objects, TerminateAfterEngineIsGoneIsSkipped)
{
    Variant kept;
    {
        Engine e;
        ASSERT_TRUE(e.addCode(u"Class T\n  Sub Class_Terminate()\n    x = 1 / 0\n  End Sub\nEnd Class\n"
                              u"Function Make()\n  Set Make = New T\nEnd Function\n"));
        std::vector<Variant> args;
        ASSERT_TRUE(e.run(u"Make", args, &kept));
    }
    ASSERT_TRUE(kept.isObject());
    EXPECT_EQ(vbs::toUtf8(kept.typeName()), "T");
    try {
        kept.object()->get(u"Anything", {});
        ADD_FAILURE() << "a member of a script object answered after its engine was gone";
    } catch (const vbs::ScriptException &e) {
        EXPECT_EQ(e.error.number, 445);
    }
    kept = Variant(); // releases the last reference; no engine to run Class_Terminate in
}

TEST(Objects, GetRefAsHostCallback)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function Twice(x)\n  Twice = x * 2\nEnd Function\nDim f\nSet f = GetRef(\"Twice\")\n"));
    Variant f;
    ASSERT_TRUE(e.eval(u"f", f));
    ASSERT_TRUE(f.isObject());
    Variant arg = Variant::fromInteger(21);
    Variant *refs[] = {&arg};
    EXPECT_EQ(f.object()->get(u"", refs).toLong(), 42);
}

} // namespace
