// The embedding API: what a host relies on when it compiles, runs and stops scripts.
#include "script/vbscript/engine.h"
#include "script/vbscript/scriptobject.h"
#include "script/vbscript/text.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <thread>

namespace {

using vbs::Engine;
using vbs::Variant;

std::string utf8(const std::u16string &s) { return vbs::toUtf8(s); }

std::string described(const vbs::ScriptError &e)
{
    return std::to_string(e.number) + " " + utf8(e.description) + " (" + utf8(e.source) + ") " +
           std::to_string(e.line) + ":" + std::to_string(e.column) + " '" + utf8(e.text) + "'";
}

TEST(Engine, ReportsErrors)
{
    const struct
    {
        const char16_t *code;
        const char16_t *procedure; // run after adding the code, when given
        const char *expected;
    } rows[] = {
        {u"Dim a\r\nFunction Main()\r\n  Main = 1 2\r\nEnd Function\r\n", nullptr,
         "1025 Expected end of statement (VBScript compilation error) 3:11 '  Main = 1 2'"},
        {u"Function Main()\n  Dim a\n    a = 1 / 0\nEnd Function\n", u"Main",
         "11 Division by zero (VBScript runtime error) 3:4 '    a = 1 / 0'"},
        {u"Sub Main()\n  Err.Raise 5000, \"MyScript\", \"Bad thing\"\nEnd Sub\n", u"Main",
         "5000 Bad thing (MyScript) 2:2 '  Err.Raise 5000, \"MyScript\", \"Bad thing\"'"},
        {u"Sub Other()\nEnd Sub\n", u"Main", "35 Sub or Function not defined (VBScript runtime error) 0:0 ''"},
        {u"Function Main(a)\nEnd Function\n", u"Main",
         "450 Wrong number of arguments or invalid property assignment (VBScript runtime error) 0:0 ''"},
        {u"Sub Main()\n  Dim i\n  For i = 1 To 1000\n    Execute \"Dim t: t = \" & i\n  Next\n"
         u"  Execute \"a = 1\" & Chr(10) & \"b = a / 0\"\nEnd Sub\n",
         u"Main", "11 Division by zero (VBScript runtime error) 2:0 'b = a / 0'"},
    };
    for (const auto &row : rows) {
        Engine e;
        std::vector<Variant> args;
        EXPECT_FALSE(row.procedure ? e.addCode(row.code) && e.run(row.procedure, args) : e.addCode(row.code));
        EXPECT_EQ(described(e.lastError()), row.expected) << utf8(row.code);
    }
}

TEST(Engine, CompilesRunsAndEvaluates)
{
    Engine e;
    EXPECT_FALSE(e.addCode(u"Sub Good()\nEnd Sub\nSub Bad(\n"));
    EXPECT_FALSE(e.hasProcedure(u"Good"));
    ASSERT_TRUE(e.addCode(u"Sub Bump(a, ByVal b)\n  a = a + 1\n  b = b + 1\nEnd Sub\n"
                          u"Function Hello(name)\n  Hello = \"Hello, \" & name\nEnd Function\nDim x\nx = 20\n"));
    EXPECT_EQ(e.lastError().number, 0);
    EXPECT_FALSE(e.addCode(u"Function B()\n  B = Hello(x)\nEnd Function\ny = 1 / 0\n"));
    EXPECT_EQ(e.lastError().line, 4);
    std::vector<Variant> args{Variant::fromInteger(1), Variant::fromInteger(10)};
    ASSERT_TRUE(e.run(u"bump", args));
    EXPECT_EQ(args[0].toLong(), 2);
    EXPECT_EQ(args[1].toLong(), 10);
    std::vector<Variant> none;
    Variant r;
    ASSERT_TRUE(e.run(u"B", none, &r));
    EXPECT_EQ(utf8(r.toString()), "Hello, 20");
    EXPECT_EQ(e.lastError().number, 0);
    ASSERT_TRUE(e.eval(u"x * 2 + 2", r));
    EXPECT_EQ(r.toLong(), 42);
    EXPECT_FALSE(e.eval(u"x +", r));
    EXPECT_EQ(e.lastError().number, 1002);
    EXPECT_TRUE(e.check(u"Err.Raise 5\nSub S()\nEnd Sub\n"));
    EXPECT_FALSE(e.hasProcedure(u"S"));
    EXPECT_TRUE(e.hasProcedure(u"HELLO"));
    EXPECT_FALSE(e.check(u"If x Then\n"));
    EXPECT_EQ(e.lastError().number, 1014);
}

TEST(Engine, Limits)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Sub Main()\n  Dim i\n  Do\n    i = i + 1\n  Loop\nEnd Sub\n"
                          u"Sub Caught()\n  On Error Resume Next\n  Do\n  Loop\nEnd Sub\n"
                          u"Sub R2()\n  On Error Resume Next\n  R2\n  R2\nEnd Sub\n"
                          u"Function F()\n  F = 1\nEnd Function\n"));
    std::vector<Variant> args;
    std::thread watchdog([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        e.cancel();
    });
    EXPECT_FALSE(e.run(u"Main", args));
    watchdog.join();
    EXPECT_EQ(e.lastError().number, 18);
    EXPECT_GE(e.lastError().line, 3);
    EXPECT_LE(e.lastError().line, 4);
    EXPECT_FALSE(e.run(u"Caught", args));
    EXPECT_EQ(e.lastError().number, 18);
    e.resetCancel();
    EXPECT_TRUE(e.run(u"F", args));
    e.setTimeLimit(std::chrono::milliseconds(100));
    EXPECT_FALSE(e.run(u"R2", args));
    EXPECT_EQ(e.lastError().number, 18);
}

// Engines given one budget share it: what one holds, the other cannot take;
// a refused allocation holds nothing; once freed it is there again, and at
// the end every byte is given back.
TEST(Engine, OneMemoryBudgetForSeveralEngines)
{
    vbs::MemoryBudget budget(16 << 20);
    {
        Engine first, second;
        first.setMemoryBudget(budget);
        second.setMemoryBudget(budget);
        EXPECT_EQ(first.memoryBudget(), budget);
        ASSERT_TRUE(first.addCode(u"Dim s : s = Space(5000000)\n")) << described(first.lastError());
        EXPECT_GE(budget.held(), 10000000u);
        const std::size_t held = budget.held();
        EXPECT_FALSE(second.addCode(u"t = Space(4000000)\n"));
        EXPECT_EQ(second.lastError().number, 7);
        EXPECT_LT(budget.held(), held + 100000) << "the refused string is still charged";
        ASSERT_TRUE(first.addCode(u"s = Empty\n"));
        EXPECT_TRUE(second.addCode(u"t = Space(4000000)\n")) << described(second.lastError());
        EXPECT_GE(budget.peak(), 10000000u);
        EXPECT_LE(budget.peak(), budget.limit());
    }
    EXPECT_EQ(budget.held(), 0u);
}

TEST(Engine, DeepRecursionOnASmallThreadStack)
{
    // A host thread with 1 MB of stack still gets 28, not a crash.
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function R()\n  R = R() + 1\nEnd Function\n"));
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 1u << 20);
    pthread_t thread;
    const auto body = [](void *engine) -> void * {
        std::vector<Variant> args;
        static_cast<Engine *>(engine)->run(u"R", args);
        return nullptr;
    };
    ASSERT_EQ(pthread_create(&thread, &attr, body, &e), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
    EXPECT_EQ(e.lastError().number, 28);
}

// The depth limit holds exactly, through Execute (two frames a level) and after a change.
TEST(Engine, CallDepthLimitIsExact)
{
    for (const int frames : {1, 2}) {
        Engine e;
        ASSERT_TRUE(e.addCode(std::u16string(u"Dim deepest\nSub R(n)\n  deepest = n\n") +
                              (frames == 1 ? u"  R n + 1\n" : u"  Execute \"R n + 1\"\n") + u"End Sub\n"));
        for (const int limit : {1, 2, 255, 256, 257, 700, 40, 21}) {
            e.setMaxCallDepth(limit);
            std::vector<Variant> args{Variant::fromLong(1)};
            Variant deepest;
            EXPECT_TRUE(!e.run(u"R", args) && e.lastError().number == 28 && e.eval(u"deepest", deepest));
            EXPECT_EQ(deepest.wholeValue(), (limit + frames - 1) / frames) << frames << " frames, limit " << limit;
        }
    }
}

// Objects held only by cycles die with their engine, a looping Class_Terminate
// is stopped and reported, and an array as long as the largest Long is 7.
TEST(Engine, ScriptEndsCleanly)
{
    const std::u16string node = u"Class Node\n  Public other, items\nEnd Class\n";
    const struct
    {
        const char *what;
        const char16_t *code;
    } cycles[] = {
        {"two objects", u"Set a = New Node : Set b = New Node : Set a.other = b : Set b.other = a\n"},
        {"an object holding itself", u"Set a = New Node : Set a.other = a\n"},
        {"an array of objects holding its owner",
         u"Set a = New Node : Set c = New Node : a.items = Array(c, New Node) : Set c.other = a\n"},
        {"a dictionary holding its owner",
         u"Set a = New Node : Set a.other = CreateObject(\"Scripting.Dictionary\") : a.other.Add 1, a\n"},
        {"a cycle left by a procedure", u"Sub Make()\n  Dim x : Set x = New Node : Set x.other = x\nEnd Sub\nMake\n"},
    };
    for (const auto &c : cycles) {
        const std::size_t before = vbs::ScriptObject::liveCount();
        {
            Engine e;
            ASSERT_TRUE(e.addCode(node + c.code)) << c.what << ": " << utf8(e.lastError().description);
            EXPECT_GT(vbs::ScriptObject::liveCount(), before) << c.what;
        }
        EXPECT_EQ(vbs::ScriptObject::liveCount(), before) << c.what << " outlived its engine";
    }

    Engine stopped;
    stopped.setTimeLimit(std::chrono::milliseconds(100));
    ASSERT_TRUE(stopped.addCode(u"Class Looper\n  Sub Class_Terminate()\n    Do\n    Loop\n  End Sub\nEnd Class\n"
                                u"Set g = New Looper\n"));
    EXPECT_FALSE(stopped.close());
    EXPECT_EQ(stopped.lastError().number, 18);
    Engine quiet;
    ASSERT_TRUE(quiet.addCode(u"Class T\n  Sub Class_Terminate()\n    n = 1\n  End Sub\nEnd Class\nSet g = New T\n"));
    EXPECT_TRUE(quiet.close()) << utf8(quiet.lastError().description);

    for (const char16_t *huge : {u"Dim a(2147483647)\n", u"ReDim a(2147483647)\n",
                                 u"ReDim a(3) : ReDim Preserve a(2147483647)\n",
                                 u"Class C\n  Dim f(2147483647)\nEnd Class\nSet o = New C\n"}) {
        Engine e;
        EXPECT_FALSE(e.addCode(huge)) << utf8(huge);
        EXPECT_EQ(e.lastError().number, 7) << utf8(huge);
    }
}

} // namespace
