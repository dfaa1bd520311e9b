// Figures for the interpreter itself: calls, arithmetic, string building,
// Select Case dispatch and array work.
#include "script/vbscript/engine.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

void runScript(benchmark::State &state, const char16_t *code)
{
    vbs::Engine engine;
    if (!engine.addCode(code))
        throw std::runtime_error("benchmark script does not compile");
    for (auto _ : state) {
        std::vector<vbs::Variant> args;
        vbs::Variant result;
        if (!engine.run(u"Main", args, &result))
            throw std::runtime_error("benchmark script failed");
        benchmark::DoNotOptimize(result);
    }
}

void BM_FibRecursive25(benchmark::State &state)
{
    runScript(state, u"Function Fib(n)\n"
                     u"  If n < 2 Then\n"
                     u"    Fib = n\n"
                     u"  Else\n"
                     u"    Fib = Fib(n - 1) + Fib(n - 2)\n"
                     u"  End If\n"
                     u"End Function\n"
                     u"Function Main()\n"
                     u"  Main = Fib(25)\n"
                     u"End Function\n");
}
BENCHMARK(BM_FibRecursive25)->Unit(benchmark::kMillisecond);

void BM_ArithmeticAndStringLoop1M(benchmark::State &state)
{
    runScript(state, u"Function Main()\n"
                     u"  Dim i, x, s\n"
                     u"  x = 0: s = \"\"\n"
                     u"  For i = 1 To 1000000\n"
                     u"    x = (x + i * 3) Mod 1000 + i \\ 7 - x / 4\n"
                     u"    s = s & \"ab\"\n"
                     u"  Next\n"
                     u"  Main = Len(s) + x\n"
                     u"End Function\n");
}
BENCHMARK(BM_ArithmeticAndStringLoop1M)->Unit(benchmark::kMillisecond);

void BM_SelectCaseDispatch(benchmark::State &state)
{
    runScript(state, u"Function Main()\n"
                     u"  Dim i, t, op\n"
                     u"  For i = 1 To 300000\n"
                     u"    op = i Mod 6\n"
                     u"    Select Case op\n"
                     u"      Case 0: t = t + 1\n"
                     u"      Case 1: t = t - 1\n"
                     u"      Case 2, 3: t = t + 2\n"
                     u"      Case 4: t = t * 1\n"
                     u"      Case Else: t = t - 2\n"
                     u"    End Select\n"
                     u"  Next\n"
                     u"  Main = t\n"
                     u"End Function\n");
}
BENCHMARK(BM_SelectCaseDispatch)->Unit(benchmark::kMillisecond);

void BM_ArraySort(benchmark::State &state)
{
    // Shell sort of 20,000 pseudo-random Longs.
    runScript(state, u"Function Main()\n"
                     u"  Const N = 20000\n"
                     u"  Dim a(), i, j, gap, v, seed\n"
                     u"  ReDim a(N - 1)\n"
                     u"  seed = 12345\n"
                     u"  For i = 0 To N - 1\n"
                     u"    seed = (seed * 1103 + 12345) Mod 65536\n"
                     u"    a(i) = seed\n"
                     u"  Next\n"
                     u"  gap = N \\ 2\n"
                     u"  Do While gap > 0\n"
                     u"    For i = gap To N - 1\n"
                     u"      v = a(i)\n"
                     u"      j = i\n"
                     u"      Do While j >= gap\n"
                     u"        If a(j - gap) <= v Then Exit Do\n"
                     u"        a(j) = a(j - gap)\n"
                     u"        j = j - gap\n"
                     u"      Loop\n"
                     u"      a(j) = v\n"
                     u"    Next\n"
                     u"    gap = gap \\ 2\n"
                     u"  Loop\n"
                     u"  Main = a(0) <= a(N - 1)\n"
                     u"End Function\n");
}
BENCHMARK(BM_ArraySort)->Unit(benchmark::kMillisecond);

void BM_ClassMethodCalls(benchmark::State &state)
{
    runScript(state, u"Class Acc\n"
                     u"  Private m_total\n"
                     u"  Public Sub Add(v)\n"
                     u"    m_total = m_total + v\n"
                     u"  End Sub\n"
                     u"  Public Property Get Total()\n"
                     u"    Total = m_total\n"
                     u"  End Property\n"
                     u"End Class\n"
                     u"Function Main()\n"
                     u"  Dim a, i\n"
                     u"  Set a = New Acc\n"
                     u"  For i = 1 To 100000\n"
                     u"    a.Add i\n"
                     u"  Next\n"
                     u"  Main = a.Total\n"
                     u"End Function\n");
}
BENCHMARK(BM_ClassMethodCalls)->Unit(benchmark::kMillisecond);

} // namespace
