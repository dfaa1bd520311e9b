#include "script/objects/adoerrors.h"
#include "script/objects/automationregistry.h"

#include "objects_support.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace objtest;

namespace {

// A connection made from the registry, as CreateObject makes it, on an
// SQLite file of the test's own.
class AdoSqlite : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        file = dir.filePath(QStringLiteral("sensor.sqlite"));
        QFile empty(file);   // an empty file is an empty SQLite database
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        empty.close();
        connection.reset(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
        set(connection.get(), "ConnectionString", QStringLiteral("Provider=SQLite;Data Source=%1").arg(file));
        call(connection.get(), "Open");
        execute("CREATE TABLE readings (id INTEGER PRIMARY KEY, name TEXT, value REAL, note TEXT, big INTEGER)");
        execute("INSERT INTO readings VALUES (1, 'disk', 81.5, NULL, 5000000000)");
        execute("INSERT INTO readings VALUES (2, 'queue', 12, 'late', -3)");
        execute("INSERT INTO readings VALUES (3, 'Ünïcode ✓', 0.25, '', 0)");
    }

    // Runs a statement; the returned Recordset belongs to the caller.
    std::unique_ptr<QObject> execute(const char *sql)
    {
        return own(call(connection.get(), "Execute", {QString::fromUtf8(sql)}));
    }

    static QVariant field(QObject *recordset, const QVariant &index, const char *member = "Value")
    {
        auto fields = own(get(recordset, "Fields"));
        auto item = own(call(fields.get(), "Item", {index}));
        return get(item.get(), member);
    }

    QTemporaryDir dir;
    QString file;
    std::unique_ptr<QObject> connection;
};

TEST_F(AdoSqlite, QueryWalksRowsWithTheirDatabaseTypes)
{
    auto rs = execute("SELECT id, name, value, note, big FROM readings ORDER BY id");
    EXPECT_EQ(get(rs.get(), "State").toInt(), 1);
    EXPECT_EQ(get(rs.get(), "RecordCount").toInt(), 3);
    EXPECT_FALSE(get(rs.get(), "BOF").toBool());
    ASSERT_FALSE(get(rs.get(), "EOF").toBool());

    const QVariant id = field(rs.get(), 0);
    EXPECT_EQ(id.metaType(), QMetaType::fromType<qlonglong>());
    EXPECT_EQ(id.toLongLong(), 1);
    EXPECT_EQ(field(rs.get(), 1), QVariant(QStringLiteral("disk")));
    const QVariant value = field(rs.get(), 2);
    EXPECT_EQ(value.metaType(), QMetaType::fromType<double>());
    EXPECT_DOUBLE_EQ(value.toDouble(), 81.5);
    EXPECT_TRUE(isNull(field(rs.get(), 3)));
    EXPECT_EQ(field(rs.get(), 4).toLongLong(), 5000000000LL);

    call(rs.get(), "MoveNext");
    EXPECT_EQ(field(rs.get(), QStringLiteral("note")), QVariant(QStringLiteral("late")));
    EXPECT_EQ(field(rs.get(), QStringLiteral("big")).toLongLong(), -3);
    call(rs.get(), "MoveNext");
    EXPECT_EQ(field(rs.get(), QStringLiteral("name")), QVariant(QStringLiteral("Ünïcode ✓")));
    EXPECT_EQ(field(rs.get(), QStringLiteral("note")), QVariant(QString()));   // empty text, not Null
    EXPECT_FALSE(isNull(field(rs.get(), QStringLiteral("note"))));
    call(rs.get(), "MoveNext");
    EXPECT_TRUE(get(rs.get(), "EOF").toBool());

    const Error pastEnd = raised([&] { call(rs.get(), "MoveNext"); });
    EXPECT_EQ(pastEnd.number, AdoError::NoCurrentRecord);
    EXPECT_EQ(pastEnd.source, QStringLiteral("ADODB.Recordset"));
    const Error noRow = raised([&] { field(rs.get(), 0); });
    EXPECT_EQ(noRow.number, AdoError::NoCurrentRecord);
    EXPECT_EQ(noRow.source, QStringLiteral("ADODB.Field"));

    call(rs.get(), "MoveFirst");
    EXPECT_EQ(field(rs.get(), 0).toLongLong(), 1);
    call(rs.get(), "MoveLast");
    EXPECT_EQ(field(rs.get(), 0).toLongLong(), 3);
}

TEST_F(AdoSqlite, FieldsByNameAnyCaseAndByOrdinal)
{
    auto rs = execute("SELECT id AS Total, name FROM readings WHERE id = 2");
    auto fields = own(get(rs.get(), "Fields"));
    EXPECT_EQ(get(fields.get(), "Count").toInt(), 2);
    auto byName = own(call(fields.get(), "Item", {QStringLiteral("TOTAL")}));
    EXPECT_EQ(get(byName.get(), "Name"), QVariant(QStringLiteral("Total")));
    EXPECT_EQ(get(byName.get(), "Value").toLongLong(), 2);
    auto byDouble = own(call(fields.get(), "Item", {1.0}));   // VBScript numbers may be doubles
    EXPECT_EQ(get(byDouble.get(), "Name"), QVariant(QStringLiteral("name")));

    const QVariantList all = call(fields.get(), "Items").toList();
    ASSERT_EQ(all.size(), 2);
    for (const QVariant &item : all)
        own(item);

    for (const QVariant &missing : {QVariant(QStringLiteral("nope")), QVariant(2), QVariant(-1)}) {
        const Error error = raised([&] { call(fields.get(), "Item", {missing}); });
        EXPECT_EQ(error.number, AdoError::ItemNotFound) << missing.toString().toStdString();
        EXPECT_EQ(error.source, QStringLiteral("ADODB.Fields"));
    }
}

TEST_F(AdoSqlite, FieldFollowsTheCurrentRowAndSurvivesTheRecordset)
{
    auto rs = execute("SELECT id FROM readings ORDER BY id");
    auto fields = own(get(rs.get(), "Fields"));
    auto id = own(call(fields.get(), "Item", {0}));
    EXPECT_EQ(get(id.get(), "Value").toLongLong(), 1);
    call(rs.get(), "MoveNext");
    EXPECT_EQ(get(id.get(), "Value").toLongLong(), 2);
    rs.reset();   // a script may drop the Recordset and keep the Field
    EXPECT_EQ(get(id.get(), "Value").toLongLong(), 2);
}

TEST_F(AdoSqlite, NoRowsIsEofAndBofAtOnce)
{
    auto rs = execute("SELECT id FROM readings WHERE id > 100");
    EXPECT_TRUE(get(rs.get(), "EOF").toBool());
    EXPECT_TRUE(get(rs.get(), "BOF").toBool());
    EXPECT_EQ(get(rs.get(), "RecordCount").toInt(), 0);
    EXPECT_EQ(raised([&] { field(rs.get(), 0); }).number, AdoError::NoCurrentRecord);
}

TEST_F(AdoSqlite, StatementWithoutRowsGivesAClosedRecordset)
{
    auto rs = execute("UPDATE readings SET value = 1 WHERE id = 1");
    EXPECT_EQ(get(rs.get(), "State").toInt(), 0);
    const Error error = raised([&] { get(rs.get(), "EOF"); });
    EXPECT_EQ(error.number, AdoError::ObjectClosed);
    auto check = execute("SELECT value FROM readings WHERE id = 1");
    EXPECT_DOUBLE_EQ(field(check.get(), 0).toDouble(), 1.0);
}

TEST_F(AdoSqlite, BadQueryRaisesTheDatabaseMessage)
{
    const Error error = raised([&] { execute("SELECT amount FROM missing_table"); });
    EXPECT_EQ(error.number, AdoError::CommandFailed);
    EXPECT_EQ(error.source, QStringLiteral("ADODB.Connection"));
    EXPECT_TRUE(error.description.contains(QStringLiteral("missing_table"))) << error.description.toStdString();
    // The connection stays usable.
    auto rs = execute("SELECT COUNT(*) FROM readings");
    EXPECT_EQ(field(rs.get(), 0).toLongLong(), 3);
}

TEST_F(AdoSqlite, ClosedAndOpenStatesRaise)
{
    EXPECT_EQ(get(connection.get(), "State").toInt(), 1);
    EXPECT_EQ(get(connection.get(), "Provider"), QVariant(QStringLiteral("SQLite")));
    EXPECT_EQ(raised([&] { call(connection.get(), "Open"); }).number, AdoError::ObjectOpen);
    EXPECT_EQ(raised([&] { set(connection.get(), "ConnectionString", QStringLiteral("x")); }).number,
              AdoError::ObjectOpen);
    call(connection.get(), "Close");
    EXPECT_EQ(get(connection.get(), "State").toInt(), 0);
    const Error closed = raised([&] { execute("SELECT 1"); });
    EXPECT_EQ(closed.number, AdoError::ConnectionClosed);
    EXPECT_EQ(closed.source, QStringLiteral("ADODB.Connection"));
    EXPECT_EQ(raised([&] { call(connection.get(), "Close"); }).number, AdoError::ObjectClosed);
    // Reopening with the string it kept works.
    call(connection.get(), "Open");
    EXPECT_EQ(get(connection.get(), "State").toInt(), 1);
}

TEST_F(AdoSqlite, ClosingARecordsetClosesItsFields)
{
    auto rs = execute("SELECT id FROM readings");
    auto fields = own(get(rs.get(), "Fields"));
    auto id = own(call(fields.get(), "Item", {0}));
    call(rs.get(), "Close");
    EXPECT_EQ(get(rs.get(), "State").toInt(), 0);
    EXPECT_EQ(raised([&] { get(id.get(), "Value"); }).number, AdoError::ObjectClosed);
    EXPECT_EQ(raised([&] { get(rs.get(), "RecordCount"); }).number, AdoError::ObjectClosed);
    EXPECT_EQ(raised([&] { call(rs.get(), "Close"); }).number, AdoError::ObjectClosed);
}

TEST_F(AdoSqlite, RecordsetOpensOnAConnectionOrAConnectionString)
{
    std::unique_ptr<QObject> rs(AutomationRegistry::instance().create(QStringLiteral("adodb.recordset")));
    EXPECT_EQ(get(rs.get(), "State").toInt(), 0);
    call(rs.get(), "Open", {QStringLiteral("SELECT name FROM readings WHERE id = 2"),
                            QVariant::fromValue(connection.get())});
    EXPECT_EQ(field(rs.get(), 0), QVariant(QStringLiteral("queue")));
    EXPECT_EQ(raised([&] { call(rs.get(), "Open", {QStringLiteral("SELECT 1"), QVariant::fromValue(connection.get())}); })
                  .number,
              AdoError::ObjectOpen);
    call(rs.get(), "Close");

    call(rs.get(), "Open", {QStringLiteral("SELECT COUNT(*) FROM readings"),
                            QStringLiteral("Driver=SQLite3;Database=%1").arg(file)});
    EXPECT_EQ(field(rs.get(), 0).toLongLong(), 3);
    call(rs.get(), "Close");
    EXPECT_EQ(raised([&] { call(rs.get(), "Open", {QStringLiteral("SELECT 1"), QVariant()}); }).number,
              AdoError::BadArguments);
}

TEST_F(AdoSqlite, EachConnectionHasItsOwnSqlConnectionRemovedOnClose)
{
    const qsizetype before = QSqlDatabase::connectionNames().size();
    std::unique_ptr<QObject> second(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    call(second.get(), "Open", {QStringLiteral("Provider=SQLite;Data Source=%1").arg(file)});
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before + 1);
    call(second.get(), "Close");
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before);
    call(second.get(), "Open");
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before + 1);
    second.reset();   // destroyed while open
    EXPECT_EQ(QSqlDatabase::connectionNames().size(), before);
}

TEST_F(AdoSqlite, DefaultsAndBadTimeouts)
{
    std::unique_ptr<QObject> fresh(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    EXPECT_EQ(get(fresh.get(), "State").toInt(), 0);
    EXPECT_EQ(get(fresh.get(), "CursorLocation").toInt(), 2);
    EXPECT_EQ(get(fresh.get(), "ConnectionTimeout").toInt(), 15);
    EXPECT_EQ(get(fresh.get(), "CommandTimeout").toInt(), 30);
    EXPECT_TRUE(set(fresh.get(), "CursorLocation", 3));
    EXPECT_EQ(get(fresh.get(), "CursorLocation").toInt(), 3);
    EXPECT_EQ(raised([&] { set(fresh.get(), "ConnectionTimeout", -1); }).number, AdoError::BadArguments);
    EXPECT_EQ(raised([&] { set(fresh.get(), "CommandTimeout", -5); }).number, AdoError::BadArguments);
    EXPECT_EQ(raised([&] { set(fresh.get(), "CursorLocation", 7); }).number, AdoError::BadArguments);
}

TEST(AdoSqliteOpen, MissingFileIsAnErrorAndNoFileIsCreated)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("absent.sqlite"));
    std::unique_ptr<QObject> cnn(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    const Error error = raised([&] { call(cnn.get(), "Open", {QStringLiteral("Provider=SQLite;Data Source=%1").arg(missing)}); });
    EXPECT_EQ(error.number, AdoError::OpenFailed);
    EXPECT_EQ(error.source, QStringLiteral("ADODB.Connection"));
    EXPECT_TRUE(error.description.contains(missing)) << error.description.toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(get(cnn.get(), "State").toInt(), 0);
}

TEST(AdoSqliteOpen, RelativeFileIsFoundFromTheCurrentDirectory)
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("rel.sqlite"))).open(QIODevice::WriteOnly);
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    std::unique_ptr<QObject> cnn(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    call(cnn.get(), "Open", {QStringLiteral("Data Source=rel.sqlite")});
    QDir::setCurrent(previous);
    auto rs = own(call(cnn.get(), "Execute", {QStringLiteral("SELECT 40 + 2")}));
    auto fields = own(get(rs.get(), "Fields"));
    auto value = own(call(fields.get(), "Item", {0}));
    EXPECT_EQ(get(value.get(), "Value").toLongLong(), 42);
}

TEST(AdoSqliteOpen, UnknownProviderNamesTheSupportedOnes)
{
    std::unique_ptr<QObject> cnn(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    const Error error =
        raised([&] { call(cnn.get(), "Open", {QStringLiteral("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=x.accdb")}); });
    EXPECT_EQ(error.number, AdoError::ProviderNotFound);
    EXPECT_EQ(error.source, QStringLiteral("ADODB.Connection"));
    for (const char *named : {"Microsoft.ACE.OLEDB.12.0", "SQLite", "PostgreSQL", "ODBC"})
        EXPECT_TRUE(error.description.contains(QString::fromLatin1(named))) << named;
}

TEST(AdoSqliteOpen, MemoryDatabaseNeedsNoFile)
{
    std::unique_ptr<QObject> cnn(AutomationRegistry::instance().create(QStringLiteral("ADODB.Connection")));
    call(cnn.get(), "Open", {QStringLiteral("Provider=SQLite;Data Source=:memory:")});
    auto rs = own(call(cnn.get(), "Execute", {QStringLiteral("SELECT 'ok', NULL")}));
    EXPECT_FALSE(get(rs.get(), "EOF").toBool());
}

} // namespace
