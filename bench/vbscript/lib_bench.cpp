// Library benchmarks: a string-heavy loop (Mid, InStr, Replace, UCase,
// Split/Join, Len) and a date-heavy loop (DateAdd, DateDiff, DatePart,
// DateSerial, Weekday, FormatDateTime), each run as one script call.
#include "script/vbscript/engine.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr char16_t kStrings[] = uR"(
Function Strings(n)
    Dim i, s, t, total, parts
    s = "The quick brown fox jumps over the lazy dog"
    For i = 1 To n
        t = Mid(s, (i Mod 20) + 1, 10)
        total = total + InStr(1, s, "fox", vbTextCompare) + Len(t)
        t = Replace(UCase(t), "O", "0")
        parts = Split(s, " ")
        t = Join(parts, "-") & Left(t, 3) & Trim("  x  ")
        total = total + InStrRev(t, "-") + StrComp(t, s, vbTextCompare)
    Next
    Strings = total
End Function
)";

constexpr char16_t kDates[] = uR"(
Function Dates(n)
    Dim i, d, e, total, text
    d = DateSerial(2000, 1, 31)
    For i = 1 To n
        e = DateAdd("m", i Mod 24, d)
        e = DateAdd("h", i, e)
        total = total + DateDiff("d", d, e) + DatePart("ww", e, vbMonday, vbFirstFourDays)
        total = total + Weekday(e) + Year(e) + Month(DateSerial(2000, i Mod 30, 1))
        text = FormatDateTime(e, vbShortDate)
    Next
    Dates = total
End Function
)";

void runLoop(benchmark::State &state, const char16_t *code, const char16_t *name)
{
    vbs::Engine engine;
    if (!engine.addCode(code)) {
        state.SkipWithError("the benchmark script did not compile");
        return;
    }
    const auto n = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        std::vector<vbs::Variant> args{vbs::Variant::fromLong(n)};
        vbs::Variant result;
        if (!engine.run(name, args, &result)) {
            state.SkipWithError("the benchmark script failed");
            return;
        }
        benchmark::DoNotOptimize(result);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_LibStringLoop(benchmark::State &state) { runLoop(state, kStrings, u"Strings"); }
void BM_LibDateLoop(benchmark::State &state) { runLoop(state, kDates, u"Dates"); }

BENCHMARK(BM_LibStringLoop)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LibDateLoop)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
