// The editor with big scripts, on the offscreen platform: opening a job whose
// four scripts total 256 KB to 1 MB against opening the new job, refilling a
// pane with 10,000 lines, and the memory a shown job holds and peaks at per
// byte of script. A step ends with the editor painted once (the pane on view
// colours the lines it shows).
#include "dialogs/scriptpane.h"
#include "editor/ucscript.h"
#include "hostkit/callbacknotifier.h"
#include "hostkit/referenceobjects.h"
#include "hostkit/skins.h"
#include "host/skin.h"
#include "platform/xml/xmlnode.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

QString readFile(const QString &relative)
{
    QFile file(QStringLiteral(VT_SOURCE_DIR "/") + relative);
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// Sensor-script lines, repeated to about `bytes` characters.
QString scriptOf(qsizetype bytes)
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
        QStringLiteral("\t\tfree = free + &H1F * 1.5E-3 Mod 7"),
        QStringLiteral("\tNext"),
        QStringLiteral("\tMain = Round(100 * free / total, 2)"),
        QStringLiteral("End Function"),
        QString(),
    };
    QString out;
    out.reserve(bytes + 100);
    for (int i = 0; out.size() < bytes; ++i)
        out.append(block.at(i % block.size())).append(QLatin1String("\r\n"));
    return out;
}

// The objects a host provides, installed once before the first editor.
bool installObjects()
{
    static const bool installed = [] {
        hostkit::installReferenceObjects();
        return true;
    }();
    return installed;
}

struct Editor
{
    void open(const QString &job)
    {
        editor->Engine_InitControl(&notifier, XmlNode::parse(QStringLiteral("<Languages/>")).documentElement(),
                                   skin.get());
        editor->Engine_SetPathData(QStringLiteral(VT_SOURCE_DIR "/data"));
        editor->Engine_SetData(job);
        editor->Engine_ShowData();
        editor->resize(800, 560);
        editor->show();
        paint();
    }
    void paint() { (void)editor->grab(); }
    ScriptPane *pane(const char *name) const { return editor->findChild<ScriptPane *>(QLatin1String(name)); }

    bool installed = installObjects();
    hostkit::CallbackNotifier notifier;
    std::unique_ptr<host::Skin> skin = hostkit::createSkin(QStringLiteral("classic"));
    std::unique_ptr<UCScript> editor = std::make_unique<UCScript>();
};

// The existing example job with its four scripts `bytes / 4` characters each;
// the new job for 0.
QString jobOf(qsizetype bytes)
{
    if (bytes == 0)
        return readFile(QStringLiteral("examples/jobs/new-job.xml"));
    static QHash<qsizetype, QString> made;
    if (made.contains(bytes))
        return made.value(bytes);
    Editor editor;
    editor.open(readFile(QStringLiteral("examples/jobs/existing-job.xml")));
    const QString script = scriptOf(bytes / 4);
    for (const char *name : {"rtfScript", "rtfScriptDanger", "rtfScriptWarning", "rtfScriptGood"})
        editor.pane(name)->setPlainText(script);
    editor.editor->Validate();
    return made[bytes] = editor.editor->Engine_GetData();
}

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

long statusKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(field) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0)
            return std::stol(line.substr(prefix.size()));
    return 0;
}

void BM_OpenJob(benchmark::State &state)
{
    const QString job = jobOf(state.range(0));
    for (auto _ : state) {
        auto editor = std::make_unique<Editor>();
        editor->open(job);
        state.PauseTiming();
        editor.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["script_bytes"] = double(state.range(0));
}
BENCHMARK(BM_OpenJob)->Arg(0)->Arg(256 << 10)->Arg(512 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

void BM_RefillPane(benchmark::State &state)
{
    Editor editor;
    editor.open(readFile(QStringLiteral("examples/jobs/existing-job.xml")));
    const QStringList lines = scriptOf(state.range(0) * 40).split(QStringLiteral("\r\n"));
    const QString texts[2] = {lines.mid(0, int(state.range(0))).join(QLatin1String("\r\n")),
                              lines.mid(1, int(state.range(0))).join(QLatin1String("\r\n"))};
    ScriptPane *pane = editor.pane("rtfScript");
    auto *colorize = editor.editor->findChild<QToolButton *>(QStringLiteral("cmdColorizeScript"));
    int i = 0;
    for (auto _ : state) {
        pane->setPlainText(texts[i++ % 2]);
        colorize->click();
        editor.paint();
    }
}
BENCHMARK(BM_RefillPane)->Arg(2500)->Arg(5000)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// What a shown job holds (heap in use) and its peak (resident set high-water
// mark, reset before the job opens), both per byte of script, over the new job.
void BM_MemoryPerScriptByte(benchmark::State &state)
{
    const qsizetype bytes = state.range(0);
    const QString job = jobOf(bytes);
    const QString newJob = jobOf(0);
    double held = 0, peak = 0;
    for (auto _ : state) {
        Editor baseline;
        const size_t heapBefore = heapInUse();
        baseline.open(newJob);
        const size_t heapNew = heapInUse() - heapBefore;

        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";
        const long rssBefore = statusKiB("VmRSS");
        const size_t heapStart = heapInUse();
        Editor editor;
        editor.open(job);
        held = double(heapInUse() - heapStart) - double(heapNew);
        peak = double(statusKiB("VmHWM") - rssBefore) * 1024.0;
    }
    state.counters["held_per_byte"] = held / double(bytes);
    state.counters["peak_per_byte"] = peak / double(bytes);
}
BENCHMARK(BM_MemoryPerScriptByte)->Arg(256 << 10)->Arg(1 << 20)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
