// Host objects seen from scripts (members, ByRef, default member, For Each,
// CreateObject, named objects) and script objects seen from the host.
#include "script/vbscript/engine.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace {

using vbs::ArgRefs;
using vbs::Engine;
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
        if ((n.empty() || n == u"item") && args.size() == 1)
            return values[args[0]->toString()];
        if (n == u"count")
            return Variant::fromLong(static_cast<std::int32_t>(values.size()));
        if (n == u"bump") {
            *args[0] = Variant::fromLong(args[0]->toLong() + 1);
            return Variant();
        }
        if (n == u"refs") { // which arguments are the caller's variables or elements
            std::u16string s;
            for (std::size_t i = 0; i < args.size(); ++i)
                s += vbs::isReferenceArgument(args, i) ? u'1' : u'0';
            return Variant(s);
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
    std::map<std::u16string, Variant> values{{u"a", Variant::fromInteger(1)}, {u"b", Variant::fromInteger(2)}};
};

TEST(Objects, HostObjectsFromScripts)
{
    const struct
    {
        const char *body; // of Function Main()
        const char *expected;
    } rows[] = {
        {"Dim b: Set b = CreateObject(\"test.bag\")\n  Main = TypeName(b) & b.Count & (b(\"a\") + 10 * b.Item(\"b\"))",
         "Bag221"},
        {"Dim n: n = 1\n  Host.Bump n\n  Host.Bump (n)\n  Main = n", "2"},
        {"Dim k, s\n  For Each k In Host\n    s = s & k & Host(k)\n  Next\n  Main = s", "a1b2"},
        {"Dim n, a(1)\n  Main = Host.Refs(n, 1, a(0), (n), n & \"\")", "10100"},
        {"Main = TypeName(GetObject(\"test.bag\"))", "Bag"}, // a path without a class goes to the factory
        {"Main = Host.Nothing1", "error 438"},
        {"Set Main = CreateObject(\"Scripting.Dictionary\")", "error 429"}, // the factory decides every name
    };
    for (const auto &row : rows) {
        Engine e;
        e.setObjectFactory([](auto id) { return vbs::Ref<vbs::Object>(vbs::foldCase(id) == u"test.bag" ? new Bag : nullptr); });
        e.addObject(u"Host", vbs::makeRef<Bag>());
        ASSERT_TRUE(e.addCodeUtf8(std::string("Function Main()\n  ") + row.body + "\nEnd Function\n")) << row.body;
        std::vector<Variant> args;
        Variant r;
        const bool ok = e.run(u"Main", args, &r);
        EXPECT_EQ(ok ? vbs::toUtf8(r.toString()) : "error " + std::to_string(e.lastError().number), row.expected);
    }
}

TEST(Objects, HostFailureCodesBecomeErrorNumbers)
{
    for (auto [code, number] : {std::pair{0x80070057u, 5L}, {0x800A0035u, 53L}, {0x80020005u, 13L}, {0x80004005u, -2147467259L}})
        EXPECT_EQ(vbs::errorNumberFromHresult(static_cast<std::int32_t>(code)), number) << std::hex << code;
}

long raisedBy(const std::function<void()> &body)
{
    try {
        body();
    } catch (const vbs::ScriptException &e) {
        return e.error.number;
    }
    return 0;
}

TEST(Objects, ScriptObjectsSeenFromTheHost)
{
    Variant obj, kept, f;
    {
        Engine e;
        ASSERT_TRUE(e.addCode(u"Class P\n  Public Name\n  Public Function Hello(x)\n    Hello = Name & x\n"
                              u"  End Function\nEnd Class\n"
                              u"Function Make()\n  Set Make = New P\n  Make.Name = \"n\"\nEnd Function\n"
                              u"Class T\n  Sub Class_Terminate()\n    x = 1 / 0\n  End Sub\nEnd Class\n"
                              u"Function Keep()\n  Set Keep = New T\nEnd Function\n"
                              u"Function Twice(x)\n  Twice = x * 2\nEnd Function\nDim g\nSet g = GetRef(\"Twice\")\n"));
        std::vector<Variant> args;
        ASSERT_TRUE(e.run(u"Make", args, &obj));
        ASSERT_TRUE(e.run(u"Keep", args, &kept));
        ASSERT_TRUE(e.eval(u"g", f));
        ASSERT_TRUE(obj.isObject() && kept.isObject() && f.isObject());
        Variant arg(u"!");
        Variant *refs[] = {&arg};
        EXPECT_EQ(vbs::toUtf8(obj.object()->get(u"HELLO", refs).toString()), "n!");
        EXPECT_EQ(raisedBy([&] { obj.object()->get(u"Missing", {}); }), 438);
        arg = Variant::fromInteger(21);
        EXPECT_EQ(f.object()->get(u"", refs).toLong(), 42);
    }
    // Once their engine is gone, members answer 445 and no Class_Terminate runs.
    EXPECT_EQ(vbs::toUtf8(kept.typeName()), "T");
    EXPECT_EQ(raisedBy([&] { kept.object()->get(u"Anything", {}); }), 445);
    kept = Variant();
}

} // namespace
