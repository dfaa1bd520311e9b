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

TEST(EngineRun, ByRefArgumentsWriteBack)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Sub Bump(a, ByVal b)\n  a = a + 1\n  b = b + 1\nEnd Sub\n"));
    std::vector<Variant> args{Variant::fromInteger(1), Variant::fromInteger(10)};
    ASSERT_TRUE(e.run(u"Bump", args));
    EXPECT_EQ(args[0].toLong(), 2);
    EXPECT_EQ(args[1].toLong(), 10);
}

TEST(EngineRun, FunctionResultAndStringArgument)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function Main(name)\n  Main = \"Hello, \" & name\nEnd Function\n"));
    std::vector<Variant> args{Variant(u"World")};
    Variant result;
    ASSERT_TRUE(e.run(u"main", args, &result));
    EXPECT_EQ(utf8(result.toString()), "Hello, World");
    EXPECT_EQ(e.lastError().number, 0);
}

TEST(EngineRun, MissingProcedureIs35)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Sub Other()\nEnd Sub\n"));
    std::vector<Variant> args;
    EXPECT_FALSE(e.run(u"Main", args));
    EXPECT_EQ(e.lastError().number, 35);
    EXPECT_EQ(utf8(e.lastError().source), "VBScript runtime error");
    EXPECT_FALSE(e.hasProcedure(u"Main"));
    EXPECT_TRUE(e.hasProcedure(u"OTHER"));
}

TEST(EngineRun, WrongArgumentCountIs450)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function Main(a)\nEnd Function\n"));
    std::vector<Variant> args;
    EXPECT_FALSE(e.run(u"Main", args));
    EXPECT_EQ(e.lastError().number, 450);
}

TEST(EngineErrors, CompileErrorHasPositionAndText)
{
    Engine e;
    EXPECT_FALSE(e.addCode(u"Dim a\r\nFunction Main()\r\n  Main = 1 2\r\nEnd Function\r\n"));
    const vbs::ScriptError &err = e.lastError();
    EXPECT_EQ(err.number, 1025);
    EXPECT_EQ(utf8(err.description), "Expected end of statement");
    EXPECT_EQ(utf8(err.source), "VBScript compilation error");
    EXPECT_EQ(err.line, 3);
    EXPECT_EQ(err.column, 11);
    EXPECT_EQ(utf8(err.text), "  Main = 1 2");
}

TEST(EngineErrors, CompileErrorAddsNothing)
{
    Engine e;
    EXPECT_FALSE(e.addCode(u"Sub Good()\nEnd Sub\nSub Bad(\n"));
    EXPECT_FALSE(e.hasProcedure(u"Good"));
}

TEST(EngineErrors, RuntimeErrorHasLineAndText)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function Main()\n  Dim a\n    a = 1 / 0\nEnd Function\n"));
    std::vector<Variant> args;
    EXPECT_FALSE(e.run(u"Main", args));
    const vbs::ScriptError &err = e.lastError();
    EXPECT_EQ(err.number, 11);
    EXPECT_EQ(utf8(err.description), "Division by zero");
    EXPECT_EQ(utf8(err.source), "VBScript runtime error");
    EXPECT_EQ(err.line, 3);
    EXPECT_EQ(err.column, 4);
    EXPECT_EQ(utf8(err.text), "    a = 1 / 0");
}

TEST(EngineErrors, RaisedSourceIsKept)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Sub Main()\n  Err.Raise 5000, \"MyScript\", \"Bad thing\"\nEnd Sub\n"));
    std::vector<Variant> args;
    EXPECT_FALSE(e.run(u"Main", args));
    EXPECT_EQ(e.lastError().number, 5000);
    EXPECT_EQ(utf8(e.lastError().source), "MyScript");
    EXPECT_EQ(utf8(e.lastError().description), "Bad thing");
}

TEST(EngineErrors, SuccessClearsLastError)
{
    Engine e;
    EXPECT_FALSE(e.addCode(u"x = (\n"));
    EXPECT_NE(e.lastError().number, 0);
    EXPECT_TRUE(e.addCode(u"x = 1\n"));
    EXPECT_EQ(e.lastError().number, 0);
}

TEST(EngineLimits, CancelFromAnotherThreadEndsEndlessLoop)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Sub Main()\n  Dim i\n  Do\n    i = i + 1\n  Loop\nEnd Sub\n"));
    std::thread watchdog([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        e.cancel();
    });
    std::vector<Variant> args;
    const bool ok = e.run(u"Main", args);
    watchdog.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(e.lastError().number, 18);
    EXPECT_GE(e.lastError().line, 3);
    EXPECT_LE(e.lastError().line, 4);
}

TEST(EngineLimits, CancelIsNotCaughtByResumeNext)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Sub Main()\n  On Error Resume Next\n  Do\n  Loop\nEnd Sub\n"));
    e.cancel();
    std::vector<Variant> args;
    EXPECT_FALSE(e.run(u"Main", args));
    EXPECT_EQ(e.lastError().number, 18);
    e.resetCancel();
    ASSERT_TRUE(e.addCode(u"Function F()\n  F = 1\nEnd Function\n"));
    EXPECT_TRUE(e.run(u"F", args));
}

TEST(EngineLimits, TimeLimitEndsRecursionThatCatchesItsErrors)
{
    Engine e;
    e.setTimeLimit(std::chrono::milliseconds(100));
    ASSERT_TRUE(e.addCode(u"Sub R()\n  On Error Resume Next\n  R\n  R\nEnd Sub\n"));
    std::vector<Variant> args;
    EXPECT_FALSE(e.run(u"R", args));
    EXPECT_EQ(e.lastError().number, 18);
}

TEST(EngineLimits, DeepRecursionIsOutOfStackSpace)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function R(n)\n  R = R(n + 1) + 1\nEnd Function\n"));
    std::vector<Variant> args{Variant::fromInteger(0)};
    EXPECT_FALSE(e.run(u"R", args));
    EXPECT_EQ(e.lastError().number, 28);
    EXPECT_EQ(utf8(e.lastError().description), "Out of stack space");
}

TEST(EngineLimits, DeepRecursionOnASmallThreadStack)
{
    // A host thread with 1 MB of stack still gets 28, not a crash.
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function R(n)\n  R = R(n + 1) + 1\nEnd Function\n"));
    struct Job
    {
        Engine *engine;
        long number = 0;
    } job{&e};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, 1u << 20);
    pthread_t thread;
    ASSERT_EQ(pthread_create(
                  &thread, &attr,
                  [](void *p) -> void * {
                      auto *j = static_cast<Job *>(p);
                      std::vector<Variant> args{Variant::fromInteger(0)};
                      j->engine->run(u"R", args);
                      j->number = j->engine->lastError().number;
                      return nullptr;
                  },
                  &job),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attr);
    EXPECT_EQ(job.number, 28);
}

TEST(EngineEval, ExpressionInGlobalScope)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Dim x\nx = 20\n"));
    Variant v;
    ASSERT_TRUE(e.eval(u"x * 2 + 2", v));
    EXPECT_EQ(v.toLong(), 42);
    EXPECT_FALSE(e.eval(u"x +", v));
    EXPECT_EQ(e.lastError().number, 1023);
}

TEST(EngineCode, AddCodeAccumulates)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function A()\n  A = 1\nEnd Function\n"));
    ASSERT_TRUE(e.addCode(u"Function B()\n  B = A() + 1\nEnd Function\n"));
    std::vector<Variant> args;
    Variant r;
    ASSERT_TRUE(e.run(u"B", args, &r));
    EXPECT_EQ(r.toLong(), 2);
}

TEST(EngineCode, CheckCompilesWithoutRunning)
{
    Engine e;
    EXPECT_TRUE(e.check(u"Err.Raise 5\nSub S()\nEnd Sub\n"));
    EXPECT_FALSE(e.hasProcedure(u"S"));
    EXPECT_FALSE(e.check(u"If x Then\n"));
    EXPECT_EQ(e.lastError().number, 1014);
}

TEST(EngineCode, GlobalRuntimeErrorKeepsEarlierDefinitions)
{
    Engine e;
    EXPECT_FALSE(e.addCode(u"Function F()\n  F = 3\nEnd Function\nx = 1 / 0\n"));
    EXPECT_EQ(e.lastError().number, 11);
    EXPECT_EQ(e.lastError().line, 4);
    std::vector<Variant> args;
    Variant r;
    EXPECT_TRUE(e.run(u"F", args, &r));
    EXPECT_EQ(r.toLong(), 3);
}

TEST(EngineErrors, ErrorInsideExecuteReportsTheExecutedLine)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Sub Main()\n  Dim i\n  For i = 1 To 1000\n    Execute \"Dim t: t = \" & i\n  Next\n"
                          u"  Execute \"a = 1\" & Chr(10) & \"b = a / 0\"\nEnd Sub\n"));
    std::vector<Variant> args;
    EXPECT_FALSE(e.run(u"Main", args));
    EXPECT_EQ(e.lastError().number, 11);
    EXPECT_EQ(e.lastError().line, 2);
    EXPECT_EQ(utf8(e.lastError().text), "b = a / 0");
}

TEST(EngineMessages, MsgBoxWithoutHookIsPermissionDenied)
{
    Engine e;
    ASSERT_TRUE(e.addCode(u"Function Main()\n  Main = 1\nEnd Function\n"));
    e.setMessageBoxHook([](vbs::ArgRefs args) { return Variant::fromInteger(static_cast<std::int16_t>(args.size())); });
    std::vector<Variant> args;
    EXPECT_TRUE(e.run(u"Main", args));
}

// The end of a script: objects that only reference cycles hold are freed
// (a sensor evaluated every minute must not grow), a Class_Terminate that
// loops is stopped by the time limit and reported, and an array as long as
// the largest Long is 7 "Out of memory".
TEST(EngineLifetime, ScriptEndsCleanly)
{
    const std::u16string node = u"Class Node\n  Public other, items\nEnd Class\n";
    const struct
    {
        const char *what;
        const char16_t *code;
    } cycles[] = {
        {"two objects", u"Set a = New Node : Set b = New Node : Set a.other = b : Set b.other = a\n"},
        {"an object holding itself", u"Set a = New Node : Set a.other = a\n"},
        {"an array of objects holding its owner", u"Set a = New Node : Set c = New Node : a.items = Array(c, New Node) : Set c.other = a\n"},
        {"a dictionary holding its owner", u"Set a = New Node : Set a.other = CreateObject(\"Scripting.Dictionary\") : a.other.Add 1, a\n"},
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

    const std::u16string looper = u"Class Looper\n  Sub Class_Terminate()\n    Do\n    Loop\n  End Sub\nEnd Class\n";
    Engine stopped;
    stopped.setTimeLimit(std::chrono::milliseconds(100));
    ASSERT_TRUE(stopped.addCode(looper + u"Set g = New Looper\n"));
    EXPECT_FALSE(stopped.close());
    EXPECT_EQ(stopped.lastError().number, 18);
    Engine quiet;
    ASSERT_TRUE(quiet.addCode(u"Class T\n  Sub Class_Terminate()\n    n = 1\n  End Sub\nEnd Class\nSet g = New T\n"));
    EXPECT_TRUE(quiet.close()) << utf8(quiet.lastError().description);

    for (const char16_t *huge : {u"Dim a(2147483647)\n", u"ReDim a(2147483647)\n", u"ReDim a(3) : ReDim Preserve a(2147483647)\n",
                                 u"Class C\n  Dim f(2147483647)\nEnd Class\nSet o = New C\n"}) {
        Engine e;
        EXPECT_FALSE(e.addCode(huge)) << utf8(huge);
        EXPECT_EQ(e.lastError().number, 7) << utf8(huge);
    }
}

} // namespace
