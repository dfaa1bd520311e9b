#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <vector>

class AdoConnection;

// ADODB.Parameter: one value for a `?` of a Command's text.
class AdoParameter : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Value")
    Q_PROPERTY(QString Name MEMBER m_name)
    Q_PROPERTY(int Type MEMBER m_type)
    Q_PROPERTY(int Direction MEMBER m_direction)
    Q_PROPERTY(int Size MEMBER m_size)
    Q_PROPERTY(QVariant Value MEMBER m_value)

public:
    using QObject::QObject;

    QString m_name;
    int m_type = 0;       // ADO's type number; the value's own type is what binds
    int m_direction = 1;  // input; no other direction is supported
    int m_size = 0;
    QVariant m_value;
};

// ADODB.Parameters: a Command's parameters, in the order of its `?`s.
class AdoParameters : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "Item")
    Q_CLASSINFO("Enumerator", "Items")
    Q_PROPERTY(int Count READ count)

public:
    using QObject::QObject;

    int count() const { return int(m_items.size()); }
    // Adds a Parameter (3001 for anything else); the collection keeps it.
    Q_INVOKABLE void Append(QObject *parameter);
    // By ordinal (0-based) or name without regard to case; 3265 for none.
    Q_INVOKABLE QObject *Item(const QVariant &index) const;
    Q_INVOKABLE void Delete(const QVariant &index);
    Q_INVOKABLE QVariantList Items() const;

    QVariantList values() const;

private:
    int indexOf(const QVariant &index) const;
    std::vector<QPointer<AdoParameter>> m_items;
};

// ADODB.Command: a statement with `?` placeholders run on a connection with
// the values of its Parameters. The values are bound as literals of the
// connection's database (text quoted, numbers as numbers, Null as NULL), so
// no value is ever read as SQL; the statement then takes the connection's
// own path (AdoConnection::query), with everything a connection enforces:
// read-only mode, the run's deadline and memory budget, password masking.
// ActiveConnection is an open Connection or a connection string (a
// connection of the Command's own, opened on first Execute).
class AdoCommand : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("DefaultMember", "CommandText")
    Q_PROPERTY(QString CommandText MEMBER m_text)
    Q_PROPERTY(int CommandType MEMBER m_commandType)
    Q_PROPERTY(int CommandTimeout READ commandTimeout WRITE setCommandTimeout)
    Q_PROPERTY(QVariant ActiveConnection READ activeConnection WRITE setActiveConnection)
    Q_PROPERTY(QObject *Parameters READ parameters)

public:
    explicit AdoCommand(QObject *parent = nullptr);
    ~AdoCommand() override;

    int commandTimeout() const { return m_timeout; }
    void setCommandTimeout(int seconds);
    QVariant activeConnection() const;
    void setActiveConnection(const QVariant &connection);
    QObject *parameters() const { return m_parameters; }

    Q_INVOKABLE QObject *CreateParameter(const QVariant &name = {}, const QVariant &type = {},
                                         const QVariant &direction = {}, const QVariant &size = {},
                                         const QVariant &value = {});
    // Runs CommandText with `parameters` (an array) when given, else with
    // the Parameters' values. 3709 without a connection, 3001 when the
    // values are fewer or more than the `?`s, and what the connection raises.
    Q_INVOKABLE QObject *Execute(const QVariant &recordsAffected = {}, const QVariant &parameters = {},
                                 const QVariant &options = {});

private:
    [[noreturn]] void fail(long number, const QString &description) const;

    QString m_text;
    int m_commandType = 1;
    int m_timeout = 30;
    QPointer<AdoConnection> m_connection;
    AdoConnection *m_own = nullptr; // the connection a string opened
    QString m_connectionString;
    AdoParameters *m_parameters;
};

// `sql` with each `?` outside quotes and comments replaced by the literal of
// the next value for `provider` ("SQLite", "PostgreSQL", "ODBC"); raises
// 3001 when there are fewer or more values than placeholders.
QString bindParameters(const QString &sql, const QVariantList &values, const QString &provider);
