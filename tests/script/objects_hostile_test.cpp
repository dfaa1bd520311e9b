// Hostile statements and connection strings against the real back-ends: a
// SQLite file of the test's own, the PostgreSQL server of
// scripts/with-postgres.sh (rows skipped without one) and Debian's ODBC
// driver for it, each inside a script call of its own read-only mode, time
// limit and memory budget.
#include "script/engine/scriptrun.h"
#include "script/objects/adoerrors.h"
#include "script/objects/runcontext.h"

#include "expecterror.h"
#include "script_support.h"
#include "silentlistener.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace objtest;

namespace {

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

// The numbers a connection's calls ended with, the Open first (0: it
// worked); a failed Open ends the list.
struct Outcome
{
    QList<long> numbers;
    QString last;   // the last failure's description
};

// Opens `connection` and runs `statements` in one script call.
Outcome runCall(const QString &connection, const QStringList &statements, bool readOnly, int limitMs = 0,
                std::size_t budget = 0)
{
    const ScriptRun run(std::chrono::milliseconds(limitMs), budget);
    const RunContext::Scope scope(run, readOnly);
    Outcome outcome;
    auto cnn = create("ADODB.Connection");
    const auto attempt = [&](const std::function<void()> &body) {
        try {
            body();
            outcome.numbers << 0;
            return true;
        } catch (const Error &error) {
            outcome.numbers << error.number;
            outcome.last = error.description;
            return false;
        }
    };
    if (attempt([&] { call(cnn.get(), "Open", {connection}); })) {
        for (const QString &sql : statements)
            attempt([&] { own(call(cnn.get(), "Execute", {sql})); });
    }
    return outcome;
}

QVariant scalar(const QString &connection, const QString &sql)
{
    auto cnn = create("ADODB.Connection");
    call(cnn.get(), "Open", {connection});
    auto rs = own(call(cnn.get(), "Execute", {sql}));
    return get(own(call(own(get(rs.get(), "Fields")).get(), "Item", {0})).get(), "Value");
}

// A SQLite file with the table w holding one row, alone in its folder.
struct SqliteFile
{
    SqliteFile()
    {
        QFile(dir.filePath(QStringLiteral("w.db"))).open(QIODevice::WriteOnly);
        runCall(text, {QStringLiteral("CREATE TABLE w (x)"), QStringLiteral("INSERT INTO w VALUES (1)")}, false);
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }

    QTemporaryDir dir;
    QString text = QStringLiteral("Provider=SQLite;Data Source=") + dir.filePath(QStringLiteral("w.db"));
};

// The driver manager's registration for the tests: the PostgreSQL driver by
// name, a data source of it, and a data source naming a library directly.
// One per process: the driver manager reads ODBCSYSINI once.
struct OdbcRegistration
{
    static const OdbcRegistration &instance()
    {
        static const OdbcRegistration registration;
        return registration;
    }

    OdbcRegistration()
    {
        for (const auto &[name, text] :
             {std::pair{"odbcinst.ini", QStringLiteral("[PostgreSQL Unicode]\nDriver=psqlodbcw.so\nCommLog=0\n")},
              {"odbc.ini", QStringLiteral("[Good]\nDriver=PostgreSQL Unicode\nServername=%1\nPort=%2\nDatabase=%3\n"
                                          "[Evil]\nDriver=%4/evil.so\n")
                               .arg(env("VELTRANO_PG_HOST"), env("VELTRANO_PG_PORT"), env("VELTRANO_PG_DATABASE"),
                                    dir.path())}}) {
            QFile file(dir.filePath(QLatin1String(name)));
            file.open(QIODevice::WriteOnly);
            file.write(text.toUtf8());
        }
        qputenv("ODBCSYSINI", QFile::encodeName(dir.path()));
    }

    QTemporaryDir dir;
    const QString driver = QStringLiteral("Driver={PostgreSQL Unicode};Server=%1;Port=%2;Database=%3;Uid=%4;Pwd=%5")
                               .arg(env("VELTRANO_PG_HOST"), env("VELTRANO_PG_PORT"), env("VELTRANO_PG_DATABASE"),
                                    env("VELTRANO_PG_USER"), env("VELTRANO_PG_PASSWORD"));
};

constexpr long Timeout = AdoError::CommandTimeout;
constexpr long Failed = AdoError::CommandFailed;
constexpr long Denied = 70;

TEST(HostileSqlite, ReadOnlyHoldsAgainstEveryWayToWrite)
{
    const struct
    {
        const char *name;
        QStringList statements;   // %D: the database's folder
        QList<long> numbers;
    } rows[] = {
        {"VacuumIntoANewFile", {"VACUUM INTO '%D/copy.db'"}, {0, Denied}},
        {"AttachANewFile", {"ATTACH '%D/new.db' AS n"}, {0, Denied}},
        {"AttachAnUriAskingToCreate", {"ATTACH 'file:%D/new.db?mode=rwc' AS n"}, {0, Denied}},
        {"Insert", {"INSERT INTO w VALUES (2)"}, {0, Denied}},
        {"TemporaryTable", {"CREATE TEMP TABLE t AS SELECT * FROM w"}, {0, Denied}},
        {"PragmaLiftsQueryOnly", {"PRAGMA query_only = 0", "INSERT INTO w VALUES (3)"}, {0, Denied, Denied}},
        {"JournalToWal", {"PRAGMA journal_mode = WAL"}, {0, Denied}},
        {"VacuumInPlace", {"VACUUM"}, {0, Denied}},
        {"Analyze", {"ANALYZE"}, {0, Denied}},
        {"LoadExtension", {"SELECT load_extension('%D/x.so')"}, {0, Denied}},
        {"TemporaryFolder", {"PRAGMA temp_store_directory = '%D'"}, {0, Denied}},
        {"TemporaryTrigger", {"CREATE TEMP TRIGGER t AFTER DELETE ON w BEGIN SELECT 1; END"}, {0, Denied}},
        {"ReadingStillWorks", {"SELECT count(*) FROM w", "PRAGMA table_info(w)"}, {0, 0, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        SqliteFile db;
        QStringList statements = row.statements;
        statements.replaceInStrings(QStringLiteral("%D"), db.dir.path());
        const Outcome outcome = runCall(db.text, statements, true);
        EXPECT_EQ(outcome.numbers, row.numbers) << outcome.last.toStdString();
        EXPECT_EQ(db.files(), QStringList{"w.db"});
        EXPECT_EQ(scalar(db.text, QStringLiteral("SELECT count(*) FROM w")).toInt(), 1);
    }
}

TEST(HostilePostgres, ReadOnlyHoldsAgainstEveryWayToWrite)
{
    REQUIRE_POSTGRES();
    const QString pg = env("VELTRANO_PG_CONNECTION");
    const QString table = QStringLiteral("w_%1").arg(::getpid());
    runCall(pg, {QStringLiteral("CREATE TABLE %1 (x int); INSERT INTO %1 VALUES (1); CREATE SEQUENCE %1_s").arg(table),
                 QStringLiteral("CREATE PROCEDURE %1_p() LANGUAGE plpgsql AS $$BEGIN COMMIT; INSERT INTO %1 VALUES (2); "
                                "END$$").arg(table),
                 QStringLiteral("CREATE FUNCTION %1_f() RETURNS int LANGUAGE plpgsql AS $$BEGIN PERFORM set_config("
                                "'transaction_read_only', 'off', true); INSERT INTO %1 VALUES (2); RETURN 1; END$$").arg(table)},
            false);
    const auto drop = qScopeGuard([&] {
        runCall(pg, {QStringLiteral("DROP TABLE %1; DROP PROCEDURE %1_p; DROP FUNCTION %1_f; DROP SEQUENCE %1_s").arg(table)}, false);
    });
    const struct
    {
        const char *name;
        QStringList statements;   // %T: the table
        QList<long> numbers;
    } rows[] = {
        {"TwoCommandsInOne", {"COMMIT; INSERT INTO %T VALUES (2)"}, {0, Failed}},
        {"SetTransactionReadWrite", {"SET TRANSACTION READ WRITE", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"BeginReadWrite", {"BEGIN READ WRITE", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"SessionDefault", {"SET SESSION CHARACTERISTICS AS TRANSACTION READ WRITE", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"SetConfigInASelect", {"SELECT set_config('default_transaction_read_only', 'off', false)",
                                "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"ResetAll", {"RESET ALL", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"CommitFirst", {"COMMIT", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"CommitAndChain", {"COMMIT AND CHAIN", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"DoBlockCommits", {"DO $$BEGIN COMMIT; INSERT INTO %T VALUES (2); END$$"}, {0, Failed}},
        {"DoBlockTurnsReadWrite", {"DO $$BEGIN SET TRANSACTION READ WRITE; INSERT INTO %T VALUES (2); END$$"}, {0, Failed}},
        {"ProcedureCommits", {"CALL %T_p()"}, {0, Failed}},
        {"FunctionSetsConfig", {"SELECT %T_f()"}, {0, Failed}},
        {"WritingCte", {"WITH x AS (INSERT INTO %T VALUES (2) RETURNING 1) SELECT * FROM x"}, {0, Denied}},
        {"RollbackAndChain", {"ROLLBACK AND CHAIN", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"TransactionSetting", {"SET transaction_read_only = off", "INSERT INTO %T VALUES (2)"}, {0, 0, Denied}},
        {"PrepareTransaction", {"PREPARE TRANSACTION 'vt'", "INSERT INTO %T VALUES (2)"}, {0, Failed, Denied}},
        {"SequenceOutlivesRollback", {"SELECT nextval('%T_s')"}, {0, Denied}},
        {"LargeObject", {"SELECT lo_create(0)"}, {0, 0}},
        {"AlterSystem", {"ALTER SYSTEM SET work_mem = '8MB'"}, {0, Failed}},
        {"ReadingStillWorks", {"SELECT count(*) FROM %T"}, {0, 0}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        QStringList statements = row.statements;
        statements.replaceInStrings(QStringLiteral("%T"), table);
        const Outcome outcome = runCall(pg, statements, true);
        EXPECT_EQ(outcome.numbers, row.numbers) << outcome.last.toStdString();
        // The table's row, and no large object or sequence value left behind.
        EXPECT_EQ(scalar(pg, QStringLiteral("SELECT (SELECT count(*) FROM %1) + (SELECT count(*) FROM "
                                            "pg_largeobject_metadata) + (SELECT count(*) FROM %1_s WHERE is_called)")
                                 .arg(table)).toInt(), 1);
    }
}

TEST(HostileOdbc, OnlyDriversAndDataSourcesRegisteredByNameOpen)
{
    const OdbcRegistration &registration = OdbcRegistration::instance();
    const QString folder = registration.dir.path();
    const struct
    {
        const char *name;
        QString text;
        const char *says;   // in the description: refused before the driver manager loads anything
    } rows[] = {
        {"DriverPath", "Driver=" + folder + "/evil.so", "not registered"},
        {"BracedDriverPath", "Driver={" + folder + "/evil.so};Server=h", "not registered"},
        {"DriverPathAfterAProvider", "Provider=MSDASQL;Driver=" + folder + "/evil.so", "not registered"},
        {"FileDsn", "FILEDSN=" + folder + "/x.dsn", "FILEDSN"},
        {"DsnNamingALibrary", "DSN=Evil", "not registered"},
        {"UnknownDsn", "DSN=Nowhere", "not registered"},
        {"SaveFile", "DSN=Good;SAVEFILE=" + folder + "/saved", "SAVEFILE"},
        {"FileDsnThroughQt", "DSN=Good;UID=a.dsn", ".dsn"},
        {"ReadOnlyRun", "DSN=Good", "read-only"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = runCall(row.text, {}, row.name == std::string("ReadOnlyRun"));
        ASSERT_EQ(outcome.numbers.size(), 1);
        EXPECT_NE(outcome.numbers.first(), 0);
        EXPECT_TRUE(outcome.last.contains(QLatin1String(row.says))) << outcome.last.toStdString();
    }
    REQUIRE_POSTGRES();
    for (const QString &good : {registration.driver, QStringLiteral("DSN=Good;UID=%1;PWD=%2")
                                                         .arg(env("VELTRANO_PG_USER"), env("VELTRANO_PG_PASSWORD"))})
        EXPECT_EQ(runCall(good, {QStringLiteral("SELECT 1")}, false).numbers, (QList<long>{0, 0})) << good.toStdString();
}

// Every call ends at the script's deadline, whatever the statement or the
// string asks for; what ends it is the time-out, not the statement.
TEST(HostileDeadlines, EveryCallEndsAtTheScriptsDeadline)
{
    SqliteFile db;
    auto locker = create("ADODB.Connection");
    call(locker.get(), "Open", {db.text});
    own(call(locker.get(), "Execute", {QStringLiteral("BEGIN EXCLUSIVE")}));
    const SilentListener silent;
    const QString hosts = QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1,127.0.0.1,127.0.0.1,127.0.0.1;Port=%1;"
                                         "User ID=u;Password=p;sslmode=disable").arg(silent.port);
    const QString pg = env("VELTRANO_PG_CONNECTION");
    const OdbcRegistration &registration = OdbcRegistration::instance();
    const struct
    {
        const char *name;
        QString connection;
        QStringList statements;
        bool readOnly;
        QList<long> numbers;
        const char *says;
    } rows[] = {
        {"SqliteEndlessQuery", "Data Source=:memory:",
         {"WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT count(*) FROM c"}, false, {0, Timeout}, ""},
        {"SqliteLockWithItsOwnBusyTimeout", db.text, {"PRAGMA busy_timeout = 600000", "INSERT INTO w VALUES (2)"}, false,
         {0, 0, Timeout}, ""},
        {"PostgresHostList", hosts, {}, false, {AdoError::OpenFailed}, "(2 of 4 hosts tried)"},
        {"PostgresLiftsItsTimeout", pg, {"SET statement_timeout = 0; SELECT pg_sleep(20)"}, false, {0, Timeout}, ""},
        {"PostgresReadOnly", pg, {"SELECT pg_sleep(20)"}, true, {0, Timeout}, ""},
        {"OdbcQuery", registration.driver, {"SET statement_timeout = 0", "SELECT pg_sleep(20)"}, false, {0, 0, Timeout}, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.connection.isEmpty() || (row.connection.contains(QLatin1String("PostgreSQL Unicode")) && pg.isEmpty()))
            continue;   // no server
        const Outcome outcome = runCall(row.connection, row.statements, row.readOnly, 2500);
        EXPECT_EQ(outcome.numbers, row.numbers) << outcome.last.toStdString();
        EXPECT_TRUE(outcome.last.contains(QLatin1String(row.says))) << outcome.last.toStdString();
    }
}

// Rows stop with error 7 before they pass the run's budget (64 MB here),
// and the connection stays usable.
TEST(HostileMemory, RowsStopAtTheBudget)
{
    constexpr std::size_t budget = std::size_t(64) << 20;
    const QString pg = env("VELTRANO_PG_CONNECTION");
    const struct
    {
        const char *name;
        QString connection;
        QStringList statements;
    } rows[] = {
        {"SqliteBlobRows", "Data Source=:memory:",
         {"WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c WHERE x < 8) SELECT zeroblob(16000000) FROM c"}},
        {"SqliteOneValuePastTheBudget", "Data Source=:memory:", {"SELECT zeroblob(200000000)"}},
        {"PostgresByteaRows", pg, {"SELECT decode(repeat('ab', 4000000), 'hex') FROM generate_series(1, 20)"}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        if (row.connection.isEmpty())
            continue;   // no server
        const Outcome outcome = runCall(row.connection, row.statements + QStringList{"SELECT 1"}, false, 0, budget);
        EXPECT_EQ(outcome.numbers, (QList<long>{0, 7, 0})) << outcome.last.toStdString();
    }
    // A blob becomes an array of bytes when a script reads it, within the budget too.
    const ScriptRun run(std::chrono::milliseconds(0), budget);
    const RunContext::Scope scope(run, false);
    auto cnn = create("ADODB.Connection");
    call(cnn.get(), "Open", {QStringLiteral("Data Source=:memory:")});
    auto rs = own(call(cnn.get(), "Execute", {QStringLiteral("SELECT x'0aff', zeroblob(2000000)")}));
    auto fields = own(get(rs.get(), "Fields"));
    EXPECT_EQ(get(own(call(fields.get(), "Item", {0})).get(), "Value"), QVariant(QVariantList{10, 255}));
    expectError(7, [&] { get(own(call(fields.get(), "Item", {1})).get(), "Value"); });
}

TEST(HostileSqlite, AFullDatabaseIsADiskFull)
{
    SqliteFile db;
    EXPECT_EQ(runCall(db.text, {QStringLiteral("PRAGMA max_page_count = 3"), QStringLiteral("INSERT INTO w VALUES (zeroblob(100000))")},
                      false).numbers,
              (QList<long>{0, 0, 61}));
}

} // namespace
