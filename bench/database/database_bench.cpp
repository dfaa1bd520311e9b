// Hostile database calls against a deadline and a memory budget, as a
// script makes them (through the ADODB objects, inside a script call):
// - BM_PastTheDeadline: milliseconds between the call's deadline (1 s, or
//   3 s for an open) and the moment it ended with its error;
// - BM_BlobRowsPeak: the peak resident set (its high-water mark reset
//   first) while a query of 2 GB of blob rows runs under the default budget
//   of 512 MB, and the error it ended with.
// PostgreSQL and ODBC cases need scripts/with-postgres.sh; without it they
// are skipped.
#include "errorcore/error.h"
#include "script/engine/scriptrun.h"
#include "script/objects/automationregistry.h"
#include "script/objects/runcontext.h"
#include "silentlistener.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>

namespace {

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

// Runs `statements` on a new connection to `connection` in one call of
// `limitMs` and `budget`; the error number it ended with (0: none).
long hostileCall(const QString &connection, const QStringList &statements, int limitMs, std::size_t budget = 0)
{
    const ScriptRun run(std::chrono::milliseconds(limitMs), budget);
    const RunContext::Scope scope(run, false);
    std::unique_ptr<QObject> cnn = AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")).qobject;
    cnn->setProperty("CommandTimeout", 0);   // the script's deadline is the only bound
    try {
        QMetaObject::invokeMethod(cnn.get(), "Open", Q_ARG(QVariant, connection), Q_ARG(QVariant, QVariant()),
                                  Q_ARG(QVariant, QVariant()), Q_ARG(QVariant, QVariant()));
        for (const QString &sql : statements) {
            QObject *rows = nullptr;
            QMetaObject::invokeMethod(cnn.get(), "Execute", Q_RETURN_ARG(QObject *, rows), Q_ARG(QVariant, sql),
                                      Q_ARG(QVariant, QVariant()), Q_ARG(QVariant, QVariant()));
            delete rows;
        }
    } catch (const Error &error) {
        if (qEnvironmentVariableIsSet("VT_BENCH_VERBOSE"))
            std::fprintf(stderr, "%ld: %s\n", error.number, qPrintable(error.description));
        return error.number;
    }
    return 0;
}

QString odbcDriverString()
{
    static QTemporaryDir dir;
    static const bool registered = [] {
        QFile file(dir.filePath(QStringLiteral("odbcinst.ini")));
        file.open(QIODevice::WriteOnly);
        file.write("[PostgreSQL Unicode]\nDriver=psqlodbcw.so\nCommLog=0\n");
        return qputenv("ODBCSYSINI", QFile::encodeName(dir.path()));
    }();
    Q_UNUSED(registered);
    return QStringLiteral("Driver={PostgreSQL Unicode};Server=%1;Port=%2;Database=%3;Uid=%4;Pwd=%5")
        .arg(env("VELTRANO_PG_HOST"), env("VELTRANO_PG_PORT"), env("VELTRANO_PG_DATABASE"), env("VELTRANO_PG_USER"),
             env("VELTRANO_PG_PASSWORD"));
}

void BM_PastTheDeadline(benchmark::State &state)
{
    const bool needsServer = state.range(0) >= 2;
    if (needsServer && env("VELTRANO_PG_CONNECTION").isEmpty()) {
        state.SkipWithError("no PostgreSQL server (run under scripts/with-postgres.sh)");
        return;
    }
    QTemporaryDir dir;
    const QString file = QStringLiteral("Data Source=") + dir.filePath(QStringLiteral("locked.db"));
    QFile(dir.filePath(QStringLiteral("locked.db"))).open(QIODevice::WriteOnly);
    std::unique_ptr<QObject> locker = AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")).qobject;
    SilentListener silent;
    QString connection;
    QStringList statements;
    int limit = 1000;
    switch (state.range(0)) {
    case 0:
        state.SetLabel("SQLite endless recursive query");
        connection = QStringLiteral("Data Source=:memory:");
        statements << QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT count(*) FROM c");
        break;
    case 1:
        state.SetLabel("SQLite lock wait, busy_timeout 600 s");
        QMetaObject::invokeMethod(locker.get(), "Open", Q_ARG(QVariant, file), Q_ARG(QVariant, QVariant()),
                                  Q_ARG(QVariant, QVariant()), Q_ARG(QVariant, QVariant()));
        hostileCall(file, {QStringLiteral("CREATE TABLE w (x)")}, 0);
        {
            QObject *rows = nullptr;
            QMetaObject::invokeMethod(locker.get(), "Execute", Q_RETURN_ARG(QObject *, rows),
                                      Q_ARG(QVariant, QStringLiteral("BEGIN EXCLUSIVE")), Q_ARG(QVariant, QVariant()),
                                      Q_ARG(QVariant, QVariant()));
            delete rows;
        }
        connection = file;
        statements << QStringLiteral("PRAGMA busy_timeout = 600000") << QStringLiteral("INSERT INTO w VALUES (1)");
        break;
    case 2:
        state.SetLabel("PostgreSQL statement_timeout = 0; pg_sleep(60)");
        connection = env("VELTRANO_PG_CONNECTION");
        statements << QStringLiteral("SET statement_timeout = 0; SELECT pg_sleep(60)");
        break;
    case 3:
        state.SetLabel("PostgreSQL open, 8 silent hosts, 3 s left");
        connection = QStringLiteral("Provider=PostgreSQL;Host=%1;Port=%2;User ID=u;Password=p;sslmode=disable")
                         .arg(QStringList(8, QStringLiteral("127.0.0.1")).join(QLatin1Char(',')))
                         .arg(silent.port);
        limit = 3000;
        break;
    case 4:
        state.SetLabel("PostgreSQL open, 8 silent hosts, 1 s left");
        connection = QStringLiteral("Provider=PostgreSQL;Host=%1;Port=%2;User ID=u;Password=p;sslmode=disable")
                         .arg(QStringList(8, QStringLiteral("127.0.0.1")).join(QLatin1Char(',')))
                         .arg(silent.port);
        break;
    default:
        state.SetLabel("ODBC statement_timeout = 0, then pg_sleep(60)");
        connection = odbcDriverString();
        statements << QStringLiteral("SET statement_timeout = 0") << QStringLiteral("SELECT pg_sleep(60)");
        break;
    }
    double past = 0;
    long number = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        number = hostileCall(connection, statements, limit);
        past = double(timer.elapsed() - limit);
    }
    state.counters["ms_past_deadline"] = past;
    state.counters["error"] = double(number);
}
BENCHMARK(BM_PastTheDeadline)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

// The process's peak resident set in MB since the last reset.
double peakMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

double residentMb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return 0;
}

void BM_BlobRowsPeak(benchmark::State &state)
{
    const bool postgres = state.range(0) == 1;
    if (postgres && env("VELTRANO_PG_CONNECTION").isEmpty()) {
        state.SkipWithError("no PostgreSQL server (run under scripts/with-postgres.sh)");
        return;
    }
    state.SetLabel(postgres ? "PostgreSQL: 100 rows of 20 MB bytea" : "SQLite: 100 rows of 20 MB blobs");
    const QString connection = postgres ? env("VELTRANO_PG_CONNECTION") : QStringLiteral("Data Source=:memory:");
    const QString sql = postgres
        ? QStringLiteral("SELECT decode(repeat('00', 20000000), 'hex') FROM generate_series(1, 100)")
        : QStringLiteral("WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 100) "
                         "SELECT zeroblob(20000000) FROM c");
    constexpr std::size_t budget = std::size_t(512) << 20;
    double start = 0, peak = 0;
    long number = 0;
    for (auto _ : state) {
        std::ofstream("/proc/self/clear_refs") << "5";
        start = residentMb();
        number = hostileCall(connection, {sql}, 0, budget);
        peak = peakMb();
    }
    state.counters["peak_MB_over_start"] = peak - start;
    state.counters["budget_MB"] = double(budget >> 20);
    state.counters["error"] = double(number);
}
BENCHMARK(BM_BlobRowsPeak)->DenseRange(0, 1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
