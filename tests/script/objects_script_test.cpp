// The example database job's script (as the connection wizard writes it) and
// the same query in JScript, run through ScriptControl against SQLite.
#include "script/objects/adoerrors.h"

#include "script_support.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace objtest;

namespace {


// The 33 lines of examples/jobs/database-job.xml's script.
QString exampleJobScript()
{
    const QString job = readTextFile(sourcePath(QStringLiteral("examples/jobs/database-job.xml")));
    const qsizetype start = job.indexOf(QStringLiteral("<![CDATA[Function Main()")) + 9;
    return job.mid(start, job.indexOf(QStringLiteral("]]>"), start) - start);
}

// That script for connection string `c` and query `y`, its lines joined by CR LF.
QString wizardScript(const QString &c, const QString &y)
{
    QStringList lines = exampleJobScript().split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.startsWith(QLatin1String("\tSql=")))
            line = QStringLiteral("\tSql=\"%1\"").arg(y);
        else if (line.startsWith(QLatin1String("\tCnn.ConnectionString=")))
            line = QStringLiteral("\tCnn.ConnectionString=\"%1\"").arg(c);
    }
    return lines.join(QStringLiteral("\r\n"));
}

// The same in JScript, with both ways of reaching a field.
QString jscriptQuery(const QString &c, const QString &y)
{
    return QStringLiteral("function Main() {\n  var cnn = new ActiveXObject('ADODB.Connection');\n"
                          "  cnn.ConnectionString = \"%1\";\n  cnn.CursorLocation = 2;\n  cnn.Open();\n"
                          "  var rs = cnn.Execute(\"%2\"), result;\n  if (!rs.EOF) {\n    result = rs.Fields(0).Value;\n"
                          "    if (rs.Fields.Item(0).Value !== result || rs.Fields.Count < 1) throw new Error('fields disagree');\n"
                          "  }\n  rs.Close();\n  cnn.Close();\n  return result;\n}")
        .arg(c, y);
}

// The rows of examples/data/orders.sql in a new SQLite file, made through
// ADODB.Connection.Execute one statement at a time.
QString buildOrdersDatabase(const QTemporaryDir &dir, const QString &name)
{
    const QString file = dir.filePath(name);
    QFile(file).open(QIODevice::WriteOnly);
    auto cnn = create("ADODB.Connection");
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
    return QStringLiteral("Provider=SQLite;Data Source=%1").arg(file);
}

const QString openOrders = QStringLiteral("SELECT COUNT(*) FROM orders WHERE status = 'open'");

TEST(WizardScript, ReturnsTheFirstFieldOfTheFirstRowNothingOrTheError)
{
    QTemporaryDir dir;
    const QString connection = buildOrdersDatabase(dir, QStringLiteral("orders.sqlite"));
    ASSERT_EQ(wizardScript(connection, openOrders).split(QStringLiteral("\r\n")).size(), 33);
    const struct
    {
        const char *query;
        QVariant expected;
    } rows[] = {
        {"SELECT COUNT(*) FROM orders WHERE status = 'open'", QVariant(7)},
        {"SELECT customer FROM orders WHERE id = 3", QVariant(QStringLiteral("Café Olé"))},
        {"SELECT shipped FROM orders WHERE id = 3", QVariant::fromValue(nullptr)},
        {"SELECT id FROM orders WHERE id < 0", QVariant()},
    };
    ScriptControl control;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.query);
        const QVariant value = runMain(control, VB, wizardScript(connection, QString::fromUtf8(row.query))).value_or(QVariant());
        EXPECT_EQ(value, row.expected);
        EXPECT_EQ(value.metaType(), row.expected.metaType()) << value.metaType().name();
        EXPECT_EQ(control.error().Number, 0);
    }
    EXPECT_EQ(runMain(control, QStringLiteral("JScript"), jscriptQuery(connection, openOrders)), QVariant(7))
        << control.error().Description.toStdString();

    // Failures end in the error object, and the next script runs.
    const struct
    {
        QString connection;
        const char *query;
        long number;
    } failures[] = {
        {connection, "SELECT amount FROM no_such_table", AdoError::CommandFailed},
        {connection + QStringLiteral(".missing"), "SELECT 1", AdoError::OpenFailed},
        {QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x.mdb"), "SELECT 1", AdoError::ProviderNotFound},
        {QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1;Port=1;Database=x;User ID=u;Password=p"), "SELECT 1",
         AdoError::OpenFailed},
    };
    for (const auto &row : failures) {
        SCOPED_TRACE(row.connection.toStdString());
        EXPECT_EQ(runMain(control, VB, wizardScript(row.connection, QString::fromUtf8(row.query))), std::nullopt);
        EXPECT_EQ(control.error().Number, row.number);
        EXPECT_FALSE(control.error().Description.isEmpty());
        EXPECT_EQ(runMain(control, VB, wizardScript(connection, openOrders)), QVariant(7));
        EXPECT_EQ(control.error().Number, 0);
    }
}

// The committed sample database holds what its SQL source says, and the job's
// script finds it relative to the job's own folder.
TEST(ExampleDatabase, CommittedFileMatchesItsSourceAndTheJobFindsIt)
{
    QTemporaryDir dir;
    const QString query = QStringLiteral("SELECT group_concat(id || '|' || customer || '|' || status || '|' || amount || '|' "
                                         "|| created || '|' || ifnull(shipped, '-'), ';') FROM (SELECT * FROM orders ORDER BY id)");
    ScriptControl control;
    const QVariant fromSource =
        runMain(control, VB, wizardScript(buildOrdersDatabase(dir, QStringLiteral("b.sqlite")), query)).value_or(QVariant());
    const QString committed = sourcePath(QStringLiteral("examples/data/orders.sqlite"));
    EXPECT_FALSE(fromSource.toString().isEmpty());
    EXPECT_EQ(runMain(control, VB, wizardScript(QStringLiteral("Provider=SQLite;Data Source=%1").arg(committed), query)),
              fromSource);

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(sourcePath(QStringLiteral("examples/jobs"))));
    const std::optional<QVariant> value = runMain(control, VB, exampleJobScript());
    QDir::setCurrent(previous);
    EXPECT_EQ(value, QVariant(7)) << control.error().Description.toStdString();
}

} // namespace
