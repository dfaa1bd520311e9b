// Hostile scripts against the engine's limits, one run each: how far past
// its deadline a run of slow built-ins or compiling ends (the time rows, a
// 200 ms limit), and how much a run that grows past its budget held at most
// (the memory rows, the 512 MB default) beside the process's own peak
// growth. Every row must end with the error in its table, else the row
// reports an error instead of figures.
#include "script/vbscript/engine.h"
#include "script/vbscript/text.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct Hostile
{
    const char *name;
    const char *body; // of Main
    long limitMs;     // time rows; memory rows run under a long limit
    long error;
};

const Hostile kRows[] = {
    // time
    {"RegExpReplaceQuadratic", "Set re = New RegExp: re.Global = True: re.Pattern = \"[a-z]*[0-9]\"\n"
                               "Main = re.Replace(String(400000, \"a\"), \"x\")", 200, 18},
    {"RegExpExecuteQuadratic", "Set re = New RegExp: re.Global = True: re.Pattern = \"[a-z]*[0-9]\"\n"
                               "Main = re.Execute(String(400000, \"a\")).Count", 200, 18},
    {"RegExpEveryCharacter", "Set re = New RegExp: re.Global = True: re.Pattern = \".\"\n"
                             "For i = 1 To 1000: Main = re.Replace(Space(4000000), \"x\"): Next", 200, 18},
    {"InStrLongNeedles", "h = String(4000000, \"a\"): n = String(2000000, \"a\") & \"b\"\n"
                         "For i = 1 To 1000: Main = InStr(1, h, n, vbTextCompare): Next", 200, 18},
    {"ReplaceLongFind", "h = String(4000000, \"a\"): n = String(2000000, \"a\") & \"b\"\n"
                        "For i = 1 To 1000: Main = Replace(h, n, \"\"): Next", 200, 18},
    {"SpaceAndStringHuge", "For i = 1 To 1000: Main = Len(Space(100000000) & String(50000000, \"x\")): Next", 200, 18},
    {"JoinAndFilterHuge", "a = Split(Space(2000000))\nFor i = 1 To 1000: Main = Len(Join(Filter(a, \"\"), \"--\")): Next",
     200, 18},
    {"SplitHuge", "For i = 1 To 1000: Main = UBound(Split(Space(8000000))): Next", 200, 18},
    {"UCaseEscapeHuge", "s = Space(20000000)\nFor i = 1 To 1000: Main = Len(Escape(UCase(s))): Next", 200, 18},
    {"ExecuteMillionsOfStatements", "Execute Replace(Space(3000000), \" \", \"x = 1 : \")", 200, 18},
    {"EvalMillionsOfTerms", "Main = Eval(\"1\" & Replace(Space(3000000), \" \", \" + 1\"))", 200, 18},
    {"ReDimHuge", "For i = 1 To 1000: ReDim a(25000000): Next", 200, 18},
    // memory
    {"ReDimOneGigabyte", "ReDim a(67000000)", 20000, 7},
    {"SplitOfMillions", "Main = UBound(Split(Space(67000000)))", 20000, 7},
    {"StringDoubling", "s = \"x\": Do: s = s & s: Loop", 20000, 7},
    {"SpaceStringJoinReplace", "a = Space(200000000): b = String(100000000, \"x\")\n"
                               "c = Join(Split(Space(1000000)), String(100, \"x\"))", 20000, 7},
    {"ReplaceResult", "Main = Len(Replace(Space(10000000), \" \", String(50, \"x\")))", 20000, 7},
    {"ArraysOfArrays", "ReDim a(1000): For i = 0 To 1000: ReDim b(1000000): a(i) = b: Next", 20000, 7},
    {"DictionaryEntries", "Set d = CreateObject(\"Scripting.Dictionary\"): Do: i = i + 1: d.Add i & Space(200), i: Loop",
     20000, 7},
    {"RegExpMatches", "Set re = New RegExp: re.Global = True: re.Pattern = \" \": Set m = re.Execute(Space(20000000))",
     20000, 7},
    {"ExecuteHugeSource", "Execute Replace(Space(20000000), \" \", \"x = 1 : \")", 20000, 7},
    {"CopiesOfAString", "s = Space(50000000): ReDim a(100): For i = 0 To 100: a(i) = Mid(s, 2): Next", 20000, 7},
};

// Resets the process's peak resident size and reads it back, in bytes.
void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::size_t peakResident()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoul(line.substr(6)) * 1024;
    return 0;
}

std::size_t resident()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stoul(line.substr(6)) * 1024;
    return 0;
}

void BM_Hostile(benchmark::State &state, const Hostile &row)
{
    for (auto _ : state) {
        vbs::Engine engine;
        engine.setTimeLimit(std::chrono::milliseconds(row.limitMs));
        if (!engine.addCodeUtf8(std::string("Function Main()\n") + row.body + "\nEnd Function\n")) {
            state.SkipWithError("the script does not compile");
            return;
        }
        resetPeak();
        const std::size_t before = resident();
        std::vector<vbs::Variant> args;
        const auto start = std::chrono::steady_clock::now();
        const bool ran = engine.run(u"Main", args);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (ran || engine.lastError().number != row.error) {
            state.SkipWithError(("ended with " + std::to_string(engine.lastError().number)).c_str());
            return;
        }
        if (row.error == 18)
            state.counters["past_deadline_ms"] = ms - static_cast<double>(row.limitMs);
        else
            state.counters["run_ms"] = ms;
        state.counters["budget_peak_MB"] = static_cast<double>(engine.memoryBudget().peak()) / (1 << 20);
        state.counters["rss_growth_MB"] = static_cast<double>(peakResident() - before) / (1 << 20);
    }
}

const bool registered = [] {
    for (const Hostile &row : kRows)
        benchmark::RegisterBenchmark((std::string("BM_Hostile/") + row.name).c_str(), BM_Hostile, row)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
