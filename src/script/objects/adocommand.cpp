#include "adocommand.h"

#include "adoconnection.h"
#include "adoerrors.h"
#include "adorecordset.h"
#include "numbervariant.h"

#include "errorcore/error.h"

#include <QDateTime>

namespace {

const QString kCommandSource = QStringLiteral("ADODB.Command");
const QString kParametersSource = QStringLiteral("ADODB.Parameters");

QString quoted(QString text)
{
    return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

// The literal of one value: nothing of the value can end the literal early.
QString literal(const QVariant &value, const QString &provider)
{
    const bool postgres = provider == QLatin1String("PostgreSQL");
    if (!value.isValid() || value.isNull())
        return QStringLiteral("NULL");
    switch (value.typeId()) {
    case QMetaType::Bool:
        return postgres ? (value.toBool() ? QStringLiteral("TRUE") : QStringLiteral("FALSE"))
                        : (value.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return quoted(value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case QMetaType::QByteArray: {
        const QString hex = QString::fromLatin1(value.toByteArray().toHex());
        return postgres ? QStringLiteral("'\\x%1'::bytea").arg(hex) : QStringLiteral("X'%1'").arg(hex);
    }
    default:
        break;
    }
    if (isNumberVariant(value)) {
        const double number = value.toDouble();
        if (!std::isfinite(number))
            throw Error(AdoError::BadArguments, QStringLiteral("A parameter cannot be %1.").arg(value.toString()),
                        kCommandSource);
        return value.toString();
    }
    return quoted(value.toString());
}

} // namespace

QString bindParameters(const QString &sql, const QVariantList &values, const QString &provider)
{
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        // Quoted text and comments are copied as they stand.
        if (c == QLatin1Char('\'') || c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('[') ? QLatin1Char(']') : c;
            const qsizetype end = sql.indexOf(close, i + 1);
            const qsizetype stop = end < 0 ? sql.size() : end + 1;
            out += sql.mid(i, stop - i);
            i = stop - 1;
        } else if (c == QLatin1Char('-') && sql.mid(i, 2) == QLatin1String("--")) {
            const qsizetype end = sql.indexOf(QLatin1Char('\n'), i);
            const qsizetype stop = end < 0 ? sql.size() : end;
            out += sql.mid(i, stop - i);
            i = stop - 1;
        } else if (c == QLatin1Char('/') && sql.mid(i, 2) == QLatin1String("/*")) {
            const qsizetype end = sql.indexOf(QLatin1String("*/"), i + 2);
            const qsizetype stop = end < 0 ? sql.size() : end + 2;
            out += sql.mid(i, stop - i);
            i = stop - 1;
        } else if (c == QLatin1Char('?')) {
            if (next >= values.size())
                throw Error(AdoError::BadArguments,
                            QStringLiteral("The statement has more ? placeholders than the %1 parameters given.")
                                .arg(values.size()),
                            kCommandSource);
            out += literal(values.at(next++), provider);
        } else {
            out += c;
        }
    }
    if (next < values.size())
        throw Error(AdoError::BadArguments,
                    QStringLiteral("%1 parameters were given for %2 ? placeholders.").arg(values.size()).arg(next),
                    kCommandSource);
    return out;
}

void AdoParameters::Append(QObject *parameter)
{
    auto *p = qobject_cast<AdoParameter *>(parameter);
    if (!p)
        throw Error(AdoError::BadArguments, QStringLiteral("Append takes a Parameter made by CreateParameter."),
                    kParametersSource);
    if (!p->parent())
        p->setParent(this); // the collection keeps what the script lets go
    m_items.emplace_back(p);
}

int AdoParameters::indexOf(const QVariant &index) const
{
    if (isNumberVariant(index)) {
        const double number = index.toDouble();
        if (number >= 0 && number < double(m_items.size()))
            return int(number);
    } else {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            if (m_items[i] && !m_items[i]->m_name.compare(index.toString(), Qt::CaseInsensitive))
                return int(i);
        }
    }
    throw Error(AdoError::ItemNotFound,
                QStringLiteral("Item cannot be found in the collection corresponding to the requested name or "
                               "ordinal: %1")
                    .arg(index.toString()),
                kParametersSource);
}

QObject *AdoParameters::Item(const QVariant &index) const
{
    return m_items[std::size_t(indexOf(index))].data();
}

void AdoParameters::Delete(const QVariant &index)
{
    m_items.erase(m_items.begin() + indexOf(index));
}

QVariantList AdoParameters::Items() const
{
    QVariantList items;
    for (const QPointer<AdoParameter> &p : m_items)
        items.append(QVariant::fromValue<QObject *>(p.data()));
    return items;
}

QVariantList AdoParameters::values() const
{
    QVariantList values;
    for (const QPointer<AdoParameter> &p : m_items)
        values.append(p ? p->m_value : QVariant());
    return values;
}

AdoCommand::AdoCommand(QObject *parent) : QObject(parent), m_parameters(new AdoParameters(this)) {}

AdoCommand::~AdoCommand() = default;

void AdoCommand::fail(long number, const QString &description) const
{
    throw Error(number, description, kCommandSource);
}

void AdoCommand::setCommandTimeout(int seconds)
{
    if (seconds < 0)
        fail(AdoError::BadArguments, QStringLiteral("CommandTimeout cannot be negative (%1).").arg(seconds));
    m_timeout = seconds;
}

QVariant AdoCommand::activeConnection() const
{
    if (m_connection && m_connection != m_own)
        return QVariant::fromValue<QObject *>(m_connection.data());
    return m_connectionString.isEmpty() ? QVariant() : QVariant(m_connectionString);
}

void AdoCommand::setActiveConnection(const QVariant &connection)
{
    delete m_own;
    m_own = nullptr;
    m_connection = nullptr;
    m_connectionString.clear();
    if (auto *given = qobject_cast<AdoConnection *>(connection.value<QObject *>())) {
        m_connection = given;
    } else if (connection.typeId() == QMetaType::QString) {
        m_connectionString = connection.toString();
    } else if (connection.isValid() && !connection.isNull()) {
        fail(AdoError::BadArguments, QStringLiteral("ActiveConnection takes a Connection or a connection string."));
    }
}

QObject *AdoCommand::CreateParameter(const QVariant &name, const QVariant &type, const QVariant &direction,
                                     const QVariant &size, const QVariant &value)
{
    const int dir = direction.isValid() && !direction.isNull() ? direction.toInt() : 1;
    if (dir != 1)
        fail(AdoError::BadArguments, QStringLiteral("Only input parameters (direction 1) are supported, not %1.").arg(dir));
    auto *parameter = new AdoParameter;
    parameter->m_name = name.isValid() && !name.isNull() ? name.toString() : QString();
    parameter->m_type = type.toInt();
    parameter->m_direction = dir;
    parameter->m_size = size.toInt();
    parameter->m_value = value;
    return parameter;
}

QObject *AdoCommand::Execute(const QVariant &, const QVariant &parameters, const QVariant &)
{
    if (!m_connection && !m_connectionString.isEmpty()) {
        m_own = new AdoConnection(this);
        m_own->Open(m_connectionString);
        m_connection = m_own;
    }
    if (!m_connection)
        fail(AdoError::ConnectionClosed,
             QStringLiteral("The command has no open connection: set ActiveConnection to an open Connection."));
    const QVariantList values = parameters.typeId() == QMetaType::QVariantList ? parameters.toList()
                                                                                  : m_parameters->values();
    const QString sql = bindParameters(m_text, values, m_connection->provider());
    return new AdoRecordset(m_connection->query(sql, m_timeout));
}
