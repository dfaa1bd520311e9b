// The database script the connection wizard generates, and the same query in
// JScript, run through ScriptControl against SQLite and PostgreSQL; file
// system checks as sensors write them.

#include "script/scriptcontrol.h"

#include "objects_support.h"
#include "testsupport.h"

#include "script/objects/adoerrors.h"
#include "script/objects/automationregistry.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace objtest;

namespace {

// The wizard's 33 lines for connection string `c` and query `y`, joined by CR LF.
QString wizardScript(const QString &c, const QString &y)
{
    const QString q = QStringLiteral("\"");
    const QStringList lines = {
        QStringLiteral("Function Main()"),
        QStringLiteral("\t'Get Result From Database"),
        QStringLiteral("\tMain=GetResult"),
        QStringLiteral("End Function"),
        QString(),
        QString(),
        QStringLiteral("'Database Result"),
        QStringLiteral("Function GetResult()"),
        QStringLiteral("Dim Cnn "),
        QStringLiteral("Dim Rs "),
        QStringLiteral("Dim Sql"),
        QString(),
        QStringLiteral("\t'Query"),
        QStringLiteral("\tSql=") + q + y + q,
        QStringLiteral("\t'Connection to Database"),
        QStringLiteral("\tSet Cnn = CreateObject(") + q + QStringLiteral("ADODB.Connection") + q + QStringLiteral(")"),
        QStringLiteral("\t'Set Connection String"),
        QStringLiteral("\tCnn.ConnectionString=") + q + c + q,
        QStringLiteral("\t'Cursor Location: SERVER"),
        QStringLiteral("\tCnn.CursorLocation=2"),
        QStringLiteral("\t'Open Connection"),
        QStringLiteral("\tCnn.Open"),
        QStringLiteral("\t'Execute Query"),
        QStringLiteral("\tSet Rs = Cnn.Execute(Sql)"),
        QStringLiteral("\tif  Not Rs Is Nothing Then"),
        QStringLiteral("\t\tIf Not Rs.EOF Then"),
        QStringLiteral("\t\t\tGetResult = Rs.Fields(0).Value"),
        QStringLiteral("\t\tEnd If"),
        QStringLiteral("\tEnd If"),
        QStringLiteral("\t'Destroy Objects"),
        QStringLiteral("\tSet Rs=Nothing"),
        QStringLiteral("\tSet Cnn = Nothing"),
        QStringLiteral("End Function"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

// The same in JScript, with both ways of reaching a field.
QString jscriptQuery(const QString &c, const QString &y)
{
    return QStringLiteral(R"(function Main() {
    var cnn = new ActiveXObject("ADODB.Connection");
    cnn.ConnectionString = "%1";
    cnn.CursorLocation = 2;
    cnn.Open();
    var rs = cnn.Execute("%2");
    var result;
    if (!rs.EOF) {
        result = rs.Fields(0).Value;
        if (rs.Fields.Item(0).Value !== result || rs.Fields.Count < 1) throw new Error("fields disagree");
    }
    rs.Close();
    cnn.Close();
    return result;
})")
        .arg(c, y);
}

QVariant runMain(ScriptControl &control, const QString &language, const QString &code)
{
    control.setLanguage(language);
    control.addCode(code);
    return control.run(QStringLiteral("Main"));
}

// The rows of examples/data/orders.sql in a new SQLite file, made through
// ADODB.Connection.Execute one statement at a time.
void buildOrdersDatabase(const QString &file)
{
    QFile(file).open(QIODevice::WriteOnly);
    std::unique_ptr<QObject> cnn(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    call(cnn.get(), "Open", {QStringLiteral("Provider=SQLite;Data Source=%1").arg(file)});
    QStringList code;
    for (const QString &line : readTextFile(sourcePath(QStringLiteral("examples/data/orders.sql"))).split(QLatin1Char('\n'))) {
        if (!line.trimmed().startsWith(QLatin1String("--")))
            code << line;
    }
    for (const QString &statement : code.join(QLatin1Char('\n')).split(QLatin1Char(';'))) {
        if (!statement.trimmed().isEmpty())
            own(call(cnn.get(), "Execute", {statement}));
    }
}

const QString openOrders = QStringLiteral("SELECT COUNT(*) FROM orders WHERE status = 'open'");

class WizardScriptSqlite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        database = dir.filePath(QStringLiteral("orders.sqlite"));
        buildOrdersDatabase(database);
        connection = QStringLiteral("Provider=SQLite;Data Source=%1").arg(database);
    }

    QTemporaryDir dir;
    QString database;
    QString connection;
    ScriptControl control;
};

TEST_F(WizardScriptSqlite, ReturnsTheFirstFieldOfTheFirstRow)
{
    const QString code = wizardScript(connection, openOrders);
    ASSERT_EQ(code.split(QStringLiteral("\r\n")).size(), 33);
    const QVariant value = runMain(control, QStringLiteral("VBScript"), code);
    EXPECT_EQ(control.error().Number, 0);
    EXPECT_EQ(value.toLongLong(), 7);
}

TEST_F(WizardScriptSqlite, TextAndNullValuesComeBackAsTheyAre)
{
    EXPECT_EQ(runMain(control, QStringLiteral("VBScript"),
                      wizardScript(connection, QStringLiteral("SELECT customer FROM orders WHERE id = 3"))),
              QVariant(QStringLiteral("Café Olé")));
    EXPECT_TRUE(isNull(runMain(control, QStringLiteral("VBScript"),
                               wizardScript(connection, QStringLiteral("SELECT shipped FROM orders WHERE id = 3")))));
}

TEST_F(WizardScriptSqlite, NoRowLeavesTheResultEmpty)
{
    const QVariant value = runMain(control, QStringLiteral("VBScript"),
                                   wizardScript(connection, QStringLiteral("SELECT id FROM orders WHERE id < 0")));
    EXPECT_EQ(control.error().Number, 0);
    EXPECT_FALSE(value.isValid());
}

TEST_F(WizardScriptSqlite, SameQueryFromJScript)
{
    const QVariant value = runMain(control, QStringLiteral("JScript"), jscriptQuery(connection, openOrders));
    EXPECT_EQ(control.error().Number, 0) << control.error().Description.toStdString();
    EXPECT_EQ(value.toLongLong(), 7);
}

struct FailureRow
{
    const char *name;
    const char *connection;   // %1: the test's database file
    const char *query;
    long number;
};

void PrintTo(const FailureRow &row, std::ostream *out)
{
    *out << row.name;
}

class WizardScriptFailures : public WizardScriptSqlite, public ::testing::WithParamInterface<FailureRow>
{
};

TEST_P(WizardScriptFailures, EndInTheErrorObjectAndTheNextScriptRuns)
{
    const FailureRow &row = GetParam();
    QString c = QString::fromUtf8(row.connection);
    if (c.contains(QLatin1String("%1")))
        c = c.arg(database);
    EXPECT_THROW(runMain(control, QStringLiteral("VBScript"), wizardScript(c, QString::fromUtf8(row.query))), Error);
    EXPECT_EQ(control.error().Number, row.number);
    EXPECT_FALSE(control.error().Description.isEmpty());
    EXPECT_EQ(runMain(control, QStringLiteral("VBScript"), wizardScript(connection, openOrders)).toLongLong(), 7);
    EXPECT_EQ(control.error().Number, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WizardScriptFailures,
    ::testing::Values(
        FailureRow{"BadQuery", "Provider=SQLite;Data Source=%1", "SELECT amount FROM no_such_table", AdoError::CommandFailed},
        FailureRow{"MissingFile", "Provider=SQLite;Data Source=%1.missing", "SELECT 1", AdoError::OpenFailed},
        FailureRow{"UnknownProvider", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1", "SELECT 1",
                   AdoError::ProviderNotFound},
        FailureRow{"ClosedPort", "Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=x;User ID=u;Password=p", "SELECT 1",
                   AdoError::OpenFailed}),
    [](const auto &info) { return std::string(info.param.name); });

// The committed sample database holds what its SQL source says.
TEST(ExampleDatabase, CommittedFileMatchesItsSource)
{
    QTemporaryDir dir;
    const QString built = dir.filePath(QStringLiteral("built.sqlite"));
    buildOrdersDatabase(built);
    const QString query = QStringLiteral("SELECT group_concat(id || '|' || customer || '|' || status || '|' || amount || '|' "
                                         "|| created || '|' || ifnull(shipped, '-'), ';') FROM (SELECT * FROM orders ORDER BY id)");
    ScriptControl control;
    const QVariant fromSource = runMain(control, QStringLiteral("VBScript"),
                                        wizardScript(QStringLiteral("Provider=SQLite;Data Source=%1").arg(built), query));
    const QVariant committed =
        runMain(control, QStringLiteral("VBScript"),
                wizardScript(QStringLiteral("Provider=SQLite;Data Source=%1")
                                 .arg(sourcePath(QStringLiteral("examples/data/orders.sqlite"))),
                             query));
    EXPECT_FALSE(fromSource.toString().isEmpty());
    EXPECT_EQ(committed, fromSource);
}

// The example job's script finds the database relative to the repository root.
TEST(ExampleDatabase, DatabaseJobScriptRunsFromTheRepositoryRoot)
{
    const QString job = readTextFile(sourcePath(QStringLiteral("examples/jobs/database-job.xml")));
    const qsizetype start = job.indexOf(QStringLiteral("<![CDATA[Function Main()"));
    ASSERT_GE(start, 0);
    const qsizetype end = job.indexOf(QStringLiteral("]]>"), start);
    const QString script = job.mid(start + 9, end - start - 9);
    EXPECT_EQ(script.count(QLatin1Char('\n')) + 1, 33);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(sourcePath(QString())));
    ScriptControl control;
    QVariant value;
    EXPECT_NO_THROW(value = runMain(control, QStringLiteral("VBScript"), script));
    QDir::setCurrent(previous);
    EXPECT_EQ(value.toLongLong(), 7);
}

#define REQUIRE_POSTGRES()                                                                                   \
    do {                                                                                                     \
        if (qEnvironmentVariableIsEmpty("VELTRANO_PG_CONNECTION")) {                                         \
            if (qEnvironmentVariable("VELTRANO_REQUIRE_POSTGRES") == QLatin1String("1"))                     \
                FAIL() << "VELTRANO_REQUIRE_POSTGRES=1 but no server: run under scripts/with-postgres.sh";   \
            GTEST_SKIP() << "no PostgreSQL server (run under scripts/with-postgres.sh)";                     \
        }                                                                                                    \
    } while (false)

TEST(WizardScriptPostgres, VBScriptAndJScriptReadTheServer)
{
    REQUIRE_POSTGRES();
    const QString connection = qEnvironmentVariable("VELTRANO_PG_CONNECTION");
    const QString query = QStringLiteral("SELECT count(*) * 3 FROM generate_series(1, 4)");
    ScriptControl control;
    EXPECT_EQ(runMain(control, QStringLiteral("VBScript"), wizardScript(connection, query)).toLongLong(), 12);
    EXPECT_EQ(control.error().Number, 0);
    EXPECT_EQ(runMain(control, QStringLiteral("VBScript"),
                      wizardScript(qEnvironmentVariable("VELTRANO_PG_URI"), QStringLiteral("SELECT 'pg' || 15"))),
              QVariant(QStringLiteral("pg15")));
    EXPECT_EQ(runMain(control, QStringLiteral("JScript"), jscriptQuery(connection, query)).toLongLong(), 12);
    EXPECT_EQ(control.error().Number, 0) << control.error().Description.toStdString();
}

TEST(WizardScriptPostgres, WrongPasswordReachesTheErrorObjectWithoutThePassword)
{
    REQUIRE_POSTGRES();
    QString connection = qEnvironmentVariable("VELTRANO_PG_CONNECTION");
    const QString password = qEnvironmentVariable("VELTRANO_PG_PASSWORD");
    connection.replace(QStringLiteral("Password=") + password, QStringLiteral("Password=NotThe-Password"));
    ScriptControl control;
    EXPECT_THROW(runMain(control, QStringLiteral("VBScript"), wizardScript(connection, QStringLiteral("SELECT 1"))), Error);
    EXPECT_EQ(control.error().Number, AdoError::OpenFailed);
    EXPECT_TRUE(control.error().Description.contains(QStringLiteral("password authentication failed")))
        << control.error().Description.toStdString();
    EXPECT_FALSE(control.error().Description.contains(QStringLiteral("NotThe-Password")));
}

// File system checks as sensors write them.
TEST(FsoFromScripts, UsedSpaceLogLinesAndFileAge)
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("app.log"));
    QFile file(log);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray content = "ok\nERROR disk\nok\nERROR net\n";
    file.write(content);
    file.close();

    ScriptControl control;
    const QVariant errors = runMain(control, QStringLiteral("VBScript"), QStringLiteral(R"(Function Main()
    Dim fso, ts, n
    Set fso = CreateObject("Scripting.FileSystemObject")
    Set ts = fso.OpenTextFile("%1", 1)
    Do While Not ts.AtEndOfStream
        If Left(ts.ReadLine, 5) = "ERROR" Then n = n + 1
    Loop
    ts.Close
    Main = n
End Function)").arg(log));
    EXPECT_EQ(errors.toInt(), 2);

    const QVariant age = runMain(control, QStringLiteral("VBScript"), QStringLiteral(R"(Function Main()
    Dim fso
    Set fso = CreateObject("Scripting.FileSystemObject")
    Main = DateDiff("h", fso.GetFile("%1").DateLastModified, Now) < 1 And fso.FileExists("%1")
End Function)").arg(log));
    EXPECT_EQ(age, QVariant(true));

    const QVariant used = runMain(control, QStringLiteral("VBScript"), QStringLiteral(R"(Function Main()
    Dim fso, drive
    Set fso = CreateObject("Scripting.FileSystemObject")
    Set drive = fso.GetDrive(fso.GetDriveName("%1"))
    Main = Round(100 * (drive.TotalSize - drive.FreeSpace) / drive.TotalSize, 1)
End Function)").arg(dir.path()));
    EXPECT_EQ(control.error().Number, 0) << control.error().Description.toStdString();
    EXPECT_GE(used.toDouble(), 0.0);
    EXPECT_LE(used.toDouble(), 100.0);

    const QVariant files = runMain(control, QStringLiteral("JScript"), QStringLiteral(R"(function Main() {
    var fso = new ActiveXObject("Scripting.FileSystemObject");
    var names = [];
    for (var e = new Enumerator(fso.GetFolder("%1").Files); !e.atEnd(); e.moveNext())
        names.push(e.item().Name + ":" + e.item().Size);
    return names.join(",");
})").arg(dir.path()));
    EXPECT_EQ(control.error().Number, 0) << control.error().Description.toStdString();
    EXPECT_EQ(files.toString().toStdString(), "app.log:" + std::to_string(content.size()));

    EXPECT_THROW(runMain(control, QStringLiteral("VBScript"), QStringLiteral(R"(Function Main()
    Main = CreateObject("Scripting.FileSystemObject").GetFile("%1/none.txt").Size
End Function)").arg(dir.path())),
                 Error);
    EXPECT_EQ(control.error().Number, 53);
}

} // namespace
