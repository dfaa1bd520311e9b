// ADODB.Connection against the PostgreSQL server scripts/with-postgres.sh
// starts and describes in VELTRANO_PG_CONNECTION, _URI, _HOST, _PORT, ...

#include "script/objects/adoerrors.h"

#include "expecterror.h"
#include "script_support.h"
#include "silentlistener.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace objtest;

namespace {

QString env(const char *name)
{
    return qEnvironmentVariable(name);
}

// The first row's values of `sql`, by column.
QVariantList firstRow(QObject *connection, const QString &sql)
{
    auto rs = own(call(connection, "Execute", {sql}));
    auto fields = own(get(rs.get(), "Fields"));
    QVariantList values;
    for (const QVariant &item : call(fields.get(), "Items").toList())
        values.append(get(own(item).get(), "Value"));
    return values;
}

TEST(AdoPostgres, KeepsTheDatabaseTypes)
{
    REQUIRE_POSTGRES();
    auto cnn = create("ADODB.Connection");
    call(cnn.get(), "Open", {env("VELTRANO_PG_CONNECTION")});
    const QVariantList row = firstRow(cnn.get(), QStringLiteral(
        "SELECT 42::int, 5000000000::bigint, 2.5::float8, 12.75::numeric(10,2), 'Grüße'::text, true, "
        "NULL::int, DATE '2024-02-29', TIMESTAMP '2024-02-29 13:45:10'"));
    const QVariantList expected{42, 5000000000LL, 2.5, 12.75, QStringLiteral("Grüße"), true, QVariant::fromValue(nullptr),
                                QDateTime(QDate(2024, 2, 29), QTime(0, 0)), QDateTime(QDate(2024, 2, 29), QTime(13, 45, 10))};
    ASSERT_EQ(row.size(), expected.size());
    for (qsizetype i = 0; i < row.size(); ++i) {
        EXPECT_EQ(row[i], expected[i]) << i;
        EXPECT_EQ(row[i].metaType(), expected[i].metaType()) << i;
    }
}

TEST(AdoPostgres, UriAndExplicitCredentialsConnectAWrongPasswordIsNotShown)
{
    REQUIRE_POSTGRES();
    auto viaUri = create("ADODB.Connection");
    call(viaUri.get(), "Open", {env("VELTRANO_PG_URI")});
    EXPECT_EQ(firstRow(viaUri.get(), QStringLiteral("SELECT current_user")).value(0), QVariant(env("VELTRANO_PG_USER")));
    auto viaArguments = create("ADODB.Connection");
    const QString keys = QStringLiteral("Provider=PostgreSQL;Host=%1;Port=%2;Database=%3")
                             .arg(env("VELTRANO_PG_HOST"), env("VELTRANO_PG_PORT"), env("VELTRANO_PG_DATABASE"));
    call(viaArguments.get(), "Open", {keys, env("VELTRANO_PG_USER"), env("VELTRANO_PG_PASSWORD")});
    EXPECT_EQ(firstRow(viaArguments.get(), QStringLiteral("SELECT current_database()")).value(0),
              QVariant(env("VELTRANO_PG_DATABASE")));

    const QString wrong = QStringLiteral("Wrong-Secret-4711");
    for (const QString &text : {keys + QStringLiteral(";User ID=%1;Password=%2").arg(env("VELTRANO_PG_USER"), wrong),
                                QStringLiteral("postgresql://%1:%2@%3:%4/%5")
                                    .arg(env("VELTRANO_PG_USER"), wrong, env("VELTRANO_PG_HOST"),
                                         env("VELTRANO_PG_PORT"), env("VELTRANO_PG_DATABASE"))}) {
        auto cnn = create("ADODB.Connection");
        const Error error = raisedBy([&] { call(cnn.get(), "Open", {text}); });
        EXPECT_EQ(error.number, AdoError::OpenFailed);
        EXPECT_EQ(error.source, QStringLiteral("ADODB.Connection"));
        EXPECT_TRUE(error.description.contains(QStringLiteral("password authentication failed")))
            << error.description.toStdString();
        EXPECT_FALSE(error.description.contains(wrong)) << error.description.toStdString();
        EXPECT_FALSE(error.description.contains(env("VELTRANO_PG_PASSWORD")));
        EXPECT_EQ(get(cnn.get(), "State").toInt(), 0);
    }
}

// Needs no server: nothing listens on a port that was free a moment ago, and
// a server that accepts the connection and never answers makes Open give up
// after ConnectionTimeout instead of hanging.
TEST(AdoPostgresUnreachable, ClosedPortAndSilentServerFail)
{
    const int closed = SilentListener().port;
    ASSERT_GT(closed, 0);
    auto cnn = create("ADODB.Connection");
    const Error error = raisedBy([&] {
        call(cnn.get(), "Open",
             {QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1;Port=%1;Database=x;User ID=u;Password=TopSecret9").arg(closed)});
    });
    EXPECT_EQ(error.number, AdoError::OpenFailed);
    EXPECT_EQ(error.source, QStringLiteral("ADODB.Connection"));
    EXPECT_TRUE(error.description.contains(QString::number(closed))) << error.description.toStdString();
    EXPECT_FALSE(error.description.contains(QStringLiteral("TopSecret9")));

    SilentListener silent;
    ASSERT_GT(silent.port, 0);
    cnn->setProperty("ConnectionTimeout", 2);
    QElapsedTimer timer;
    timer.start();
    const Error timeout = raisedBy([&] {
        call(cnn.get(), "Open",
             {QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1;Port=%1;Database=x;User ID=u;Password=p;sslmode=disable")
                  .arg(silent.port)});
    });
    EXPECT_EQ(timeout.number, AdoError::OpenFailed);
    EXPECT_TRUE(timeout.description.contains(QStringLiteral("timeout"))) << timeout.description.toStdString();
    // Far below the 15 s default, far above the 2 s asked for: it was the time-out that ended it.
    EXPECT_LT(timer.elapsed(), 12000);
}

} // namespace
