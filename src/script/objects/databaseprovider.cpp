#include "databaseprovider.h"

#include "adoerrors.h"
#include "databasesession.h"

namespace {

// Error numbers a script sees besides the ADO ones.
constexpr long DiskFull = 61;
constexpr long DeviceError = 57;
constexpr long PermissionDenied = 70;
constexpr long OutOfMemory = 7;

const QStringList passwordSpellings{QStringLiteral("password"), QStringLiteral("pwd")};

std::vector<DatabaseProvider> makeProviders()
{
    std::vector<DatabaseProvider> providers;

    DatabaseProvider sqlite;
    sqlite.key = sqlite.displayName = sqlite.writtenName = QStringLiteral("SQLite");
    sqlite.providerNames = sqlite.driverNames = {QStringLiteral("sqlite"), QStringLiteral("sqlite3")};
    sqlite.qtDriver = QStringLiteral("QSQLITE");
    sqlite.readOnlyEnforced = true;   // opened read-only, with an authoriser that refuses new files
    sqlite.fields = {
        {QStringLiteral("database"),
         {QStringLiteral("datasource"), QStringLiteral("database"), QStringLiteral("dbq"), QStringLiteral("filename")},
         QStringLiteral("Data Source"), true},
        {QStringLiteral("password"), passwordSpellings, QStringLiteral("Password")},
    };
    // Primary result codes: BUSY past the busy time-out, INTERRUPT at the
    // deadline, FULL, IOERR, READONLY, AUTH (the read-only authoriser),
    // TOOBIG (a value past the memory budget).
    sqlite.errors = {{QStringLiteral("5"), AdoError::CommandTimeout}, {QStringLiteral("9"), AdoError::CommandTimeout},
                     {QStringLiteral("13"), DiskFull},               {QStringLiteral("10"), DeviceError},
                     {QStringLiteral("8"), PermissionDenied},        {QStringLiteral("23"), PermissionDenied},
                     {QStringLiteral("18"), OutOfMemory}};
    sqlite.validate = validateSqlite;
    sqlite.driverOptions = sqliteOptions;
    sqlite.open = openSqliteSession;
    providers.push_back(sqlite);

    DatabaseProvider postgres;
    postgres.key = postgres.displayName = postgres.writtenName = QStringLiteral("PostgreSQL");
    postgres.providerNames = {QStringLiteral("postgresql"), QStringLiteral("postgres"), QStringLiteral("pgsql")};
    postgres.uriSchemes = {QStringLiteral("postgresql"), QStringLiteral("postgres")};
    postgres.qtDriver = QStringLiteral("QPSQL");
    postgres.readOnlyEnforced = true;   // each statement alone in a read-only transaction of ours
    postgres.fields = {
        {QStringLiteral("host"),
         {QStringLiteral("host"), QStringLiteral("server"), QStringLiteral("datasource"), QStringLiteral("hostname")},
         QStringLiteral("Host")},
        {QStringLiteral("port"), {QStringLiteral("port")}, QStringLiteral("Port")},
        {QStringLiteral("database"),
         {QStringLiteral("database"), QStringLiteral("initialcatalog"), QStringLiteral("dbname")},
         QStringLiteral("Database")},
        {QStringLiteral("user"),
         {QStringLiteral("userid"), QStringLiteral("user"), QStringLiteral("uid"), QStringLiteral("username")},
         QStringLiteral("User ID")},
        {QStringLiteral("password"), passwordSpellings, QStringLiteral("Password")},
        {QStringLiteral("sslmode"), {QStringLiteral("sslmode")}, QStringLiteral("sslmode")},
        {QStringLiteral("timeout"),
         {QStringLiteral("connecttimeout"), QStringLiteral("timeout"), QStringLiteral("connect_timeout")},
         QStringLiteral("Connect Timeout")},
    };
    // SQLSTATEs: query_canceled, disk_full, io_error, read_only_sql_transaction,
    // insufficient_privilege.
    postgres.errors = {{QStringLiteral("57014"), AdoError::CommandTimeout}, {QStringLiteral("53100"), DiskFull},
                       {QStringLiteral("58030"), DeviceError},
                       {QStringLiteral("25006"), PermissionDenied},
                       {QStringLiteral("42501"), PermissionDenied}};
    postgres.validate = validatePostgres;
    postgres.driverOptions = postgresOptions;
    postgres.open = openPostgresSession;
    providers.push_back(postgres);

    DatabaseProvider odbc;
    odbc.key = odbc.displayName = QStringLiteral("ODBC");
    odbc.providerNames = {QStringLiteral("msdasql")};
    odbc.pickKeys = {QStringLiteral("dsn"), QStringLiteral("filedsn"), QStringLiteral("driver")};
    odbc.qtDriver = QStringLiteral("QODBC");
    odbc.readOnlyEnforced = false;   // ODBC has no read-only a statement cannot lift
    odbc.fields = {
        {QStringLiteral("dsn"), {QStringLiteral("dsn")}, QStringLiteral("DSN"), true},
        {QStringLiteral("driver"), {QStringLiteral("driver")}, QStringLiteral("Driver")},
        {QStringLiteral("user"),
         {QStringLiteral("uid"), QStringLiteral("userid"), QStringLiteral("user"), QStringLiteral("username")},
         QStringLiteral("UID")},
        {QStringLiteral("password"), passwordSpellings, QStringLiteral("PWD")},
    };
    // SQLSTATEs: time-outs (a statement cancelled at its deadline counts as
    // HYT00), then those a driver passes on from its server.
    odbc.errors = {{QStringLiteral("HYT00"), AdoError::CommandTimeout}, {QStringLiteral("HYT01"), AdoError::CommandTimeout},
                   {QStringLiteral("57014"), AdoError::CommandTimeout}, {QStringLiteral("53100"), DiskFull},
                   {QStringLiteral("25006"), PermissionDenied}};
    odbc.validate = validateOdbc;
    odbc.driverOptions = odbcOptions;
    odbc.open = openOdbcSession;
    providers.push_back(odbc);

    return providers;
}

} // namespace

const ProviderField *DatabaseProvider::fieldNamed(const QString &field) const
{
    for (const ProviderField &each : fields) {
        if (each.field == field)
            return &each;
    }
    return nullptr;
}

const ProviderField *DatabaseProvider::fieldForKey(const QString &name) const
{
    for (const ProviderField &each : fields) {
        if (each.keys.contains(name))
            return &each;
    }
    return nullptr;
}

long DatabaseProvider::errorNumber(const QString &code, long fallback) const
{
    for (const ProviderError &each : errors) {
        if (each.code == code)
            return each.number;
    }
    return fallback;
}

const std::vector<DatabaseProvider> &databaseProviders()
{
    static const std::vector<DatabaseProvider> providers = makeProviders();
    return providers;
}

const DatabaseProvider *providerByKey(const QString &key)
{
    for (const DatabaseProvider &provider : databaseProviders()) {
        if (provider.key.compare(key, Qt::CaseInsensitive) == 0)
            return &provider;
    }
    return nullptr;
}

const QStringList &passwordKeys()
{
    static const QStringList keys = [] {
        QStringList all;
        for (const DatabaseProvider &provider : databaseProviders()) {
            if (const ProviderField *field = provider.fieldNamed(QStringLiteral("password")))
                all += field->keys;
        }
        all.removeDuplicates();
        return all;
    }();
    return keys;
}

QString supportedProvidersText()
{
    QStringList names;
    for (const DatabaseProvider &provider : databaseProviders()) {
        QString name = provider.writtenName.isEmpty() ? provider.key : QStringLiteral("Provider=") + provider.writtenName;
        QStringList keys;
        for (const ProviderField &field : provider.fields)
            keys << field.written;
        for (const QString &scheme : provider.uriSchemes)
            name += QStringLiteral(", %1:// addresses").arg(scheme);
        names << QStringLiteral("%1 (%2)").arg(name, keys.join(QStringLiteral(", ")));
    }
    return QStringLiteral("Supported: %1.").arg(names.join(QStringLiteral("; ")));
}
