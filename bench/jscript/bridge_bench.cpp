// The same scripts in VBScript and JScript through ScriptControl, as a
// sensor runs them:
// - BM_RowLoop/<language>/<rows>: a loop over a recordset of `rows` rows
//   reading rs.Fields("value").Value, rs.EOF and rs.MoveNext per row; rows per
//   second of processor time (the machine is shared: its wall time varies
//   with the load), and the process's peak resident growth over the run (its
//   high-water mark reset first: run one row per process for a true peak);
// - BM_Calls/<language>: a script function called a million times in a loop;
// - BM_Recursion/<language>: a recursive Fibonacci, the calls of a function
//   that itself calls (JScript stamps their lines, jspreprocess.h).
#include "script/scriptcontrol.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

namespace {

double statusMb(const char *key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0)
            return std::stod(line.substr(std::string(key).size())) / 1024.0;
    }
    return 0;
}

QString rowsQuery(long rows)
{
    return QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < %1) "
                          "SELECT x AS value FROM c")
        .arg(rows);
}

QString rowLoop(bool jscript, long rows)
{
    if (jscript)
        return QStringLiteral("function Main() {\n"
                              "  var cn = new ActiveXObject('ADODB.Connection');\n"
                              "  cn.Open('Data Source=:memory:');\n"
                              "  var rs = cn.Execute('%1');\n"
                              "  var total = 0;\n"
                              "  while (!rs.EOF) {\n"
                              "    total += rs.Fields('value').Value;\n"
                              "    rs.MoveNext();\n"
                              "  }\n"
                              "  return total;\n"
                              "}\n")
            .arg(rowsQuery(rows));
    return QStringLiteral("Function Main()\n"
                          "  Set cn = CreateObject(\"ADODB.Connection\")\n"
                          "  cn.Open \"Data Source=:memory:\"\n"
                          "  Set rs = cn.Execute(\"%1\")\n"
                          "  total = 0\n"
                          "  Do While Not rs.EOF\n"
                          "    total = total + rs.Fields(\"value\").Value\n"
                          "    rs.MoveNext\n"
                          "  Loop\n"
                          "  Main = total\n"
                          "End Function\n")
        .arg(rowsQuery(rows));
}

void runMain(benchmark::State &state, ScriptControl &control, const QString &language, const QString &code)
{
    if (!control.setLanguage(language) || !control.addCode(code)) {
        state.SkipWithError(qPrintable(control.error().Description));
        return;
    }
    if (!control.run(QStringLiteral("Main")))
        state.SkipWithError(qPrintable(control.error().Description));
}

void BM_RowLoop(benchmark::State &state)
{
    const bool jscript = state.range(0) == 1;
    const long rows = state.range(1);
    const QString language = jscript ? QStringLiteral("JScript") : QStringLiteral("VBScript");
    state.SetLabel(language.toStdString());
    ScriptControl control;
    control.setTimeout(0);
    double peak = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        const double start = statusMb("VmRSS:");
        runMain(state, control, language, rowLoop(jscript, rows));
        peak = statusMb("VmHWM:") - start;
    }
    state.counters["rows_per_s"] = benchmark::Counter(double(rows), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peak_MB"] = peak;
}
BENCHMARK(BM_RowLoop)
    ->ArgsProduct({{0, 1}, {25000, 100000}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// Main in the language the benchmark's argument names (0 VBScript, 1
// JScript), timed by the wall clock; `calls` procedure calls per run.
void runCalls(benchmark::State &state, const char *jscriptCode, const char *vbscriptCode, double calls)
{
    const bool jscript = state.range(0) == 1;
    const QString language = jscript ? QStringLiteral("JScript") : QStringLiteral("VBScript");
    state.SetLabel(language.toStdString());
    const QString code = QString::fromLatin1(jscript ? jscriptCode : vbscriptCode);
    ScriptControl control;
    control.setTimeout(0);
    for (auto _ : state)
        runMain(state, control, language, code);
    state.counters["calls_per_s"] = benchmark::Counter(calls, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_Calls(benchmark::State &state)
{
    runCalls(state,
             "function add(a, b) { return a + b; }\n"
             "function Main() { var t = 0; for (var i = 0; i < 1000000; ++i) t = add(t, i); return t; }\n",
             "Function Add(a, b)\n Add = a + b\nEnd Function\n"
             "Function Main()\n t = 0\n For i = 0 To 999999\n  t = Add(t, i)\n Next\n Main = t\nEnd Function\n",
             1e6);
}
BENCHMARK(BM_Calls)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// fib(24): 150,049 calls, each one a call that calls.
void BM_Recursion(benchmark::State &state)
{
    runCalls(state,
             "function fib(n) {\n  if (n < 2) return n;\n  return fib(n - 1) + fib(n - 2);\n}\n"
             "function Main() { return fib(24); }\n",
             "Function Fib(n)\n If n < 2 Then\n  Fib = n\n Else\n  Fib = Fib(n - 1) + Fib(n - 2)\n End If\n"
             "End Function\nFunction Main()\n Main = Fib(24)\nEnd Function\n",
             150049);
}
BENCHMARK(BM_Recursion)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
