// Colourising a whole script pane: 10,000 lines of each dialect, with every
// token class, comments and strings over most lines. The pane must take
// well under 100 ms per call.
#include "script/colorizer/scriptcolorizer.h"
#include "script/colorizer/scriptdialect.h"

#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

constexpr int scriptLines = 10000;

// A block of VBScript as sensor scripts are written, repeated to `lines`.
QString vbscriptInput(int lines)
{
    const QStringList block = {
        QStringLiteral("' Free space of the file system that holds the log folder, in percent"),
        QStringLiteral("Function Main()"),
        QStringLiteral("\tDim fso, drive, total, free, i"),
        QStringLiteral("\tSet fso = CreateObject(\"Scripting.FileSystemObject\")"),
        QStringLiteral("\tSet drive = fso.GetDrive(fso.GetDriveName(\"/var/log\"))"),
        QStringLiteral("\ttotal = drive.TotalSize : free = drive.FreeSpace"),
        QStringLiteral("\tIf total <= 0 Then"),
        QStringLiteral("\t\tMain = -1 ' nothing to measure"),
        QStringLiteral("\t\tExit Function"),
        QStringLiteral("\tEnd If"),
        QStringLiteral("\tFor i = 1 To 10 Step 2"),
        QStringLiteral("\t\tfree = free + &H1F * 1.5E-3 - [weird name] Mod 7"),
        QStringLiteral("\tNext"),
        QStringLiteral("\tIf Now() > #2024-01-31# And Not IsEmpty(free) Then free = free & \"\" \"quoted\" \""),
        QStringLiteral("\tMain = Round(100 * free / total, 2) + _"),
        QStringLiteral("\t\t0"),
        QStringLiteral("End Function"),
        QString(),
    };
    QStringList out;
    for (int i = 0; i < lines; ++i)
        out << block.at(i % block.size());
    return out.join(QLatin1Char('\n'));
}

QString jscriptInput(int lines)
{
    const QStringList block = {
        QStringLiteral("// Age of the newest line of the log, in minutes"),
        QStringLiteral("function Main() {"),
        QStringLiteral("    var fso = new ActiveXObject(\"Scripting.FileSystemObject\");"),
        QStringLiteral("    var file = fso.OpenTextFile('/var/log/app.log', 1), last = null;"),
        QStringLiteral("    /* read to the end: the last line holds the newest time stamp */"),
        QStringLiteral("    while (!file.AtEndOfStream) {"),
        QStringLiteral("        last = file.ReadLine();"),
        QStringLiteral("    }"),
        QStringLiteral("    file.Close();"),
        QStringLiteral("    if (last === null || !/^\\d{4}-\\d\\d/.test(last)) return -1;"),
        QStringLiteral("    var minutes = (new Date() - Date.parse(last.substr(0, 19))) / 60000;"),
        QStringLiteral("    var text = `last line ${last.length > 80 ? `long` : last} at ${minutes}`;"),
        QStringLiteral("    return Math.round(minutes * 100) / 100 + 0x0 + 1e-3 * 0;"),
        QStringLiteral("}"),
        QString(),
    };
    QStringList out;
    for (int i = 0; i < lines; ++i)
        out << block.at(i % block.size());
    return out.join(QLatin1Char('\n'));
}

void report(benchmark::State &state, const QString &input)
{
    state.SetItemsProcessed(state.iterations() * scriptLines);
    state.SetBytesProcessed(state.iterations() * input.size() * qsizetype(sizeof(QChar)));
    state.counters["chars"] = double(input.size());
}

// What the script pane calls: detection, then colouring.
void ParseCode_VBScript(benchmark::State &state)
{
    const QString input = vbscriptInput(scriptLines);
    colorizer::ScriptColorizer colorizer;
    qsizetype outputSize = 0;
    for (auto _ : state) {
        const QString html = colorizer.ParseCode(input);
        outputSize = html.size();
        benchmark::DoNotOptimize(html.constData());
    }
    report(state, input);
    state.counters["html_chars"] = double(outputSize);
}
BENCHMARK(ParseCode_VBScript)->Unit(benchmark::kMillisecond);

void ParseCode_JScript(benchmark::State &state)
{
    const QString input = jscriptInput(scriptLines);
    colorizer::ScriptColorizer colorizer;
    qsizetype outputSize = 0;
    for (auto _ : state) {
        const QString html = colorizer.ParseCode(input);
        outputSize = html.size();
        benchmark::DoNotOptimize(html.constData());
    }
    report(state, input);
    state.counters["html_chars"] = double(outputSize);
}
BENCHMARK(ParseCode_JScript)->Unit(benchmark::kMillisecond);

// Detection alone, on text that gives no early decision: the whole text is read.
void DetectDialect_Undecided(benchmark::State &state)
{
    QStringList lines;
    for (int i = 0; i < scriptLines; ++i)
        lines << QStringLiteral("    x%1 = x%1 + 1").arg(i);
    const QString input = lines.join(QLatin1Char('\n'));
    for (auto _ : state)
        benchmark::DoNotOptimize(colorizer::detectDialect(input));
    report(state, input);
}
BENCHMARK(DetectDialect_Undecided)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
