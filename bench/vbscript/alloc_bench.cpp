// Heap allocations a script makes, counted by replacing the global operator
// new of this binary: the counter is the row's "allocs_per_char" (or per
// iteration). A plain count costs one relaxed add per allocation in every
// row of vbscript_bench, which their times do not notice.
#include "script/vbscript/engine.h"

#include <benchmark/benchmark.h>

// The replacements pair malloc with free, which the compiler cannot see.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

#include <atomic>
#include <cstdlib>
#include <new>
#include <stdexcept>

namespace {
std::atomic<std::size_t> g_allocations{0};
}

void *operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

// Runs Main once per iteration and reports the allocations of the run
// divided by `perRun` (what one pass of the script's loop stands for).
void countAllocations(benchmark::State &state, const char16_t *code, double perRun, const char *counter)
{
    vbs::Engine engine;
    if (!engine.addCode(code))
        throw std::runtime_error("benchmark script does not compile");
    std::size_t total = 0, runs = 0;
    for (auto _ : state) {
        std::vector<vbs::Variant> args;
        vbs::Variant result;
        const std::size_t before = g_allocations.load(std::memory_order_relaxed);
        if (!engine.run(u"Main", args, &result))
            throw std::runtime_error("benchmark script failed");
        total += g_allocations.load(std::memory_order_relaxed) - before;
        ++runs;
        benchmark::DoNotOptimize(result);
    }
    state.counters[counter] = static_cast<double>(total) / static_cast<double>(runs) / perRun;
}

// Mid(s, i, 1) gives the engine's shared one-character strings: the loop
// allocates nothing per character (the String() of the setup is outside).
void BM_MidCharacterLoop400k(benchmark::State &state)
{
    countAllocations(state,
                     u"Dim s: s = String(400000, \"a\")\n"
                     u"Function Main()\n"
                     u"  Dim i, n\n"
                     u"  For i = 1 To Len(s)\n"
                     u"    If Mid(s, i, 1) = \"a\" Then n = n + 1\n"
                     u"  Next\n"
                     u"  Main = n\n"
                     u"End Function\n",
                     400000.0, "allocs_per_char");
}
BENCHMARK(BM_MidCharacterLoop400k)->Unit(benchmark::kMillisecond);

// Calls of a script function: frames come from the code's spares.
void BM_FibCallsAllocations(benchmark::State &state)
{
    countAllocations(state,
                     u"Function Fib(n)\n"
                     u"  If n < 2 Then Fib = n Else Fib = Fib(n - 1) + Fib(n - 2)\n"
                     u"End Function\n"
                     u"Function Main()\n"
                     u"  Main = Fib(20)\n"
                     u"End Function\n",
                     21891.0, "allocs_per_call");
}
BENCHMARK(BM_FibCallsAllocations)->Unit(benchmark::kMillisecond);

} // namespace
