// ADODB.Connection, Recordset and Fields as CreateObject makes them, on an
// SQLite file of the test's own and on the PostgreSQL server that
// scripts/with-postgres.sh starts (skipped without one).
#include "script/objects/adoerrors.h"

#include "expecterror.h"
#include "script_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace objtest;

namespace {

class Ado : public ::testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        if (sqlite()) {
            QFile empty(dir.filePath(QStringLiteral("sensor.sqlite"))); // an empty file is an empty SQLite database
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
            text = QStringLiteral("Provider=SQLite;Data Source=%1").arg(empty.fileName());
        } else {
            REQUIRE_POSTGRES();
            text = qEnvironmentVariable("VELTRANO_PG_CONNECTION");
        }
        connection->setProperty("ConnectionString", text);
        call(connection.get(), "Open");
        execute(QByteArray(sqlite() ? "CREATE" : "CREATE TEMP")
                + " TABLE readings (id INTEGER PRIMARY KEY, name TEXT, value DOUBLE PRECISION, note TEXT, big BIGINT)");
        execute("INSERT INTO readings VALUES (1, 'disk', 81.5, NULL, 5000000000), (2, 'queue', 12, 'late', -3), "
                "(3, 'Ünïcode ✓', 0.25, '', 0)");
    }

    bool sqlite() const { return GetParam() == std::string("SQLite"); }

    // Runs a statement; the returned Recordset belongs to the caller.
    std::unique_ptr<QObject> execute(const QByteArray &sql)
    {
        return own(call(connection.get(), "Execute", {QString::fromUtf8(sql)}));
    }

    static std::unique_ptr<QObject> item(QObject *recordset, const QVariant &index)
    {
        auto fields = own(get(recordset, "Fields"));
        return own(call(fields.get(), "Item", {index}));
    }

    static QVariant field(QObject *recordset, const QVariant &index) { return get(item(recordset, index).get(), "Value"); }

    QTemporaryDir dir;
    QString text;
    std::unique_ptr<QObject> connection = create("ADODB.Connection");
};

TEST_P(Ado, QueryWalksRowsWithTheirDatabaseTypes)
{
    auto rs = execute("SELECT id, name, value, note, big FROM readings ORDER BY id");
    EXPECT_EQ(props(rs.get(), "State|RecordCount|BOF"), QStringLiteral("1|3|false"));
    EXPECT_EQ(field(rs.get(), 0).metaType(), sqlite() ? QMetaType::fromType<qlonglong>() : QMetaType::fromType<int>());
    EXPECT_EQ(field(rs.get(), 2).metaType(), QMetaType::fromType<double>());
    QStringList rows;
    while (!get(rs.get(), "EOF").toBool()) {
        QStringList values;
        for (int i = 0; i < 5; ++i) {
            const QVariant value = field(rs.get(), i);
            values << (value == QVariant::fromValue(nullptr) ? QStringLiteral("Null") : value.toString());
        }
        rows << values.join(QLatin1Char('|'));
        call(rs.get(), "MoveNext");
    }
    EXPECT_EQ(rows.join(QLatin1Char(';')),
              QStringLiteral("1|disk|81.5|Null|5000000000;2|queue|12|late|-3;3|Ünïcode ✓|0.25||0"));

    expectError(AdoError::NoCurrentRecord, [&] { call(rs.get(), "MoveNext"); }, QStringLiteral("ADODB.Recordset"));
    expectError(AdoError::NoCurrentRecord, [&] { field(rs.get(), 0); }, QStringLiteral("ADODB.Field"));
    call(rs.get(), "MoveLast");
    EXPECT_EQ(field(rs.get(), QStringLiteral("ID")).toInt(), 3);
    call(rs.get(), "MoveFirst");
    EXPECT_EQ(field(rs.get(), QStringLiteral("Note")), QVariant::fromValue(nullptr));

    auto none = execute("SELECT id FROM readings WHERE id > 100");
    EXPECT_EQ(props(none.get(), "EOF|BOF|RecordCount"), QStringLiteral("true|true|0"));
    expectError(AdoError::NoCurrentRecord, [&] { field(none.get(), 0); });
}

TEST_P(Ado, FieldsByNameAnyCaseAndByOrdinalFollowTheRow)
{
    auto rs = execute("SELECT id AS \"Total\", name FROM readings ORDER BY id");
    auto fields = own(get(rs.get(), "Fields"));
    EXPECT_EQ(get(fields.get(), "Count").toInt(), 2);
    auto total = own(call(fields.get(), "Item", {QStringLiteral("TOTAL")}));
    EXPECT_EQ(get(total.get(), "Name"), QVariant(QStringLiteral("Total")));
    auto byDouble = own(call(fields.get(), "Item", {1.0})); // VBScript numbers may be doubles
    EXPECT_EQ(get(byDouble.get(), "Name"), QVariant(QStringLiteral("name")));
    for (const QVariant &each : call(fields.get(), "Items").toList())
        own(each);
    for (const QVariant &missing : {QVariant(QStringLiteral("nope")), QVariant(2), QVariant(-1)})
        expectError(AdoError::ItemNotFound, [&] { call(fields.get(), "Item", {missing}); }, QStringLiteral("ADODB.Fields"));

    EXPECT_EQ(get(total.get(), "Value").toInt(), 1);
    call(rs.get(), "MoveNext");
    EXPECT_EQ(get(total.get(), "Value").toInt(), 2);
    fields.reset();
    rs.reset(); // a script may drop the Recordset and keep the Field
    EXPECT_EQ(get(total.get(), "Value").toInt(), 2);
}

TEST_P(Ado, StatementsWithoutRowsAndFailuresLeaveTheConnectionUsable)
{
    auto rs = execute("UPDATE readings SET value = 1 WHERE id = 1");
    EXPECT_EQ(get(rs.get(), "State").toInt(), 0);
    expectError(AdoError::ObjectClosed, [&] { get(rs.get(), "EOF"); });
    const Error bad = raisedBy([&] { execute("SELECT amount FROM missing_table"); });
    EXPECT_EQ(bad.number, AdoError::CommandFailed);
    EXPECT_EQ(bad.source, QStringLiteral("ADODB.Connection"));
    EXPECT_TRUE(bad.description.contains(QStringLiteral("missing_table"))) << bad.description.toStdString();
    EXPECT_DOUBLE_EQ(field(execute("SELECT value FROM readings WHERE id = 1").get(), 0).toDouble(), 1.0);

    auto open = execute("SELECT id FROM readings");
    auto id = item(open.get(), 0);
    call(open.get(), "Close");
    EXPECT_EQ(get(open.get(), "State").toInt(), 0);
    expectError(AdoError::ObjectClosed, [&] { get(id.get(), "Value"); });
    expectError(AdoError::ObjectClosed, [&] { get(open.get(), "RecordCount"); });
    expectError(AdoError::ObjectClosed, [&] { call(open.get(), "Close"); });
}

TEST_P(Ado, ClosedAndOpenStatesRaiseAndEachOpenHasItsOwnSqlConnection)
{
    EXPECT_EQ(props(connection.get(), "State|Provider"), QStringLiteral("1|") + QString::fromLatin1(GetParam()));
    expectError(AdoError::ObjectOpen, [&] { call(connection.get(), "Open"); });
    expectError(AdoError::ObjectOpen, [&] { connection->setProperty("ConnectionString", QStringLiteral("x")); });
    const qsizetype open = QSqlDatabase::connectionNames().size();
    call(connection.get(), "Close");
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), open - 1);
    EXPECT_EQ(get(connection.get(), "State").toInt(), 0);
    expectError(AdoError::ConnectionClosed, [&] { execute("SELECT 1"); }, QStringLiteral("ADODB.Connection"));
    expectError(AdoError::ObjectClosed, [&] { call(connection.get(), "Close"); });
    call(connection.get(), "Open"); // with the string it kept
    EXPECT_EQ(get(connection.get(), "State").toInt(), 1);
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), open);
    connection.reset(); // destroyed while open
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), open - 1);
}

TEST_P(Ado, RecordsetOpensOnAConnectionOrAConnectionString)
{
    auto rs = create("adodb.recordset");
    EXPECT_EQ(get(rs.get(), "State").toInt(), 0);
    const QVariant on = QVariant::fromValue(connection.get());
    call(rs.get(), "Open", {QStringLiteral("SELECT name FROM readings WHERE id = 2"), on});
    EXPECT_EQ(field(rs.get(), 0), QVariant(QStringLiteral("queue")));
    expectError(AdoError::ObjectOpen, [&] { call(rs.get(), "Open", {QStringLiteral("SELECT 1"), on}); });
    call(rs.get(), "Close");
    call(rs.get(), "Open", {QStringLiteral("SELECT 6 * 7"), sqlite() ? text.replace(QLatin1String("Provider=SQLite;Data Source"),
                                                                                   QLatin1String("Driver=SQLite3;Database"))
                                                                     : text});
    EXPECT_EQ(field(rs.get(), 0).toInt(), 42);
    call(rs.get(), "Close");
    expectError(AdoError::BadArguments, [&] { call(rs.get(), "Open", {QStringLiteral("SELECT 1"), QVariant()}); });
}

// A Command binds its values as literals: quotes in a value, a ? inside the
// statement's own text or inside a value, and a count that does not match.
TEST_P(Ado, CommandBindsParametersInBothLanguages)
{
    const QString sql = QStringLiteral("SELECT ? AS v, '?' AS q, ? + 1 AS n -- ?");
    struct Row
    {
        const char *language;
        QString body;
    };
    const Row rows[] = {
        {"VBScript", QStringLiteral("  Set cn = CreateObject(\"ADODB.Connection\")\n  cn.Open \"%1\"\n"
                                    "  Set c = CreateObject(\"ADODB.Command\")\n  Set c.ActiveConnection = cn\n"
                                    "  c.CommandText = \"%2\"\n"
                                    "  c.Parameters.Append c.CreateParameter(\"t\", 200, 1, 20, \"it's ?\")\n"
                                    "  c.Parameters.Append c.CreateParameter(\"n\", 3, 1, , 41)\n"
                                    "  Set rs = c.Execute\n  r = rs(\"v\") & \"|\" & rs(\"q\") & \"|\" & rs(\"n\")\n"
                                    "  On Error Resume Next\n  c.Execute , Array(1, 2, 3)\n  Main = r & \"|\" & Err.Number")},
        {"JScript", QStringLiteral("  var c = new ActiveXObject('ADODB.Command'); c.activeConnection = '%1';\n"
                                   "  c.CommandText = \"%2\";\n"
                                   "  c.parameters.append(c.createParameter('t', 200, 1, 20, \"it's ?\"));\n"
                                   "  c.Parameters.Append(c.CreateParameter('n', 3, 1, 0, 41));\n"
                                   "  var rs = c.Execute(), r = [rs('v'), rs.Fields('q').Value, rs('n').value];\n"
                                   "  try { c.Execute(null, [1]); } catch (e) { return r.concat(e.number).join('|'); }")},
    };
    ScriptControl control;
    for (const Row &row : rows) {
        const QString language = QString::fromLatin1(row.language);
        EXPECT_EQ(runMain(control, language, mainOf(language, row.body.arg(text, sql))),
                  QVariant(QStringLiteral("it's ?|?|42|3001")))
            << row.language << ": " << control.error().Description.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, Ado, ::testing::Values("SQLite", "PostgreSQL"),
                         [](const auto &info) { return std::string(info.param); });

TEST(AdoConnection, DefaultsAndBadValues)
{
    auto fresh = create("ADODB.Connection");
    EXPECT_EQ(props(fresh.get(), "State|CursorLocation|ConnectionTimeout|CommandTimeout"), QStringLiteral("0|2|15|30"));
    EXPECT_TRUE(fresh->setProperty("CursorLocation", 3));
    EXPECT_EQ(get(fresh.get(), "CursorLocation").toInt(), 3);
    expectError(AdoError::BadArguments, [&] { fresh->setProperty("ConnectionTimeout", -1); });
    expectError(AdoError::BadArguments, [&] { fresh->setProperty("CommandTimeout", -5); });
    expectError(AdoError::BadArguments, [&] { fresh->setProperty("CursorLocation", 7); });
}

TEST(AdoSqliteOpen, RelativeAndMemoryDatabasesOpenAMissingFileIsNotCreated)
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("rel.sqlite"))).open(QIODevice::WriteOnly);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    auto relative = create("ADODB.Connection");
    call(relative.get(), "Open", {QStringLiteral("Data Source=rel.sqlite")});
    QDir::setCurrent(previous);
    own(call(relative.get(), "Execute", {QStringLiteral("CREATE TABLE t (x)")}));
    EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("rel.sqlite"))).size() > 0);
    auto memory = create("ADODB.Connection");
    call(memory.get(), "Open", {QStringLiteral("Provider=SQLite;Data Source=:memory:")});
    EXPECT_FALSE(get(own(call(memory.get(), "Execute", {QStringLiteral("SELECT 'ok', NULL")})).get(), "EOF").toBool());

    const QString missing = dir.filePath(QStringLiteral("absent.sqlite"));
    auto cnn = create("ADODB.Connection");
    const Error error = raisedBy([&] { call(cnn.get(), "Open", {QStringLiteral("Provider=SQLite;Data Source=%1").arg(missing)}); });
    EXPECT_EQ(error.number, AdoError::OpenFailed);
    EXPECT_EQ(error.source, QStringLiteral("ADODB.Connection"));
    EXPECT_TRUE(error.description.contains(missing)) << error.description.toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(get(cnn.get(), "State").toInt(), 0);

    const Error provider =
        raisedBy([&] { call(cnn.get(), "Open", {QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=x.accdb")}); });
    EXPECT_EQ(provider.number, AdoError::ProviderNotFound);
    for (const char *named : {"Microsoft.ACE.OLEDB.12.0", "SQLite", "PostgreSQL", "ODBC"})
        EXPECT_TRUE(provider.description.contains(QString::fromLatin1(named))) << named;
}

} // namespace
