#include "adorecordset.h"

#include "adoconnection.h"
#include "adoerrors.h"
#include "adofields.h"
#include "errorcore/error.h"

namespace {

[[noreturn]] void raise(long number, const QString &description)
{
    throw Error(number, description, AdoError::recordsetSource());
}

const QString closedText = QStringLiteral("Operation is not allowed when the object is closed.");
const QString noRecordText = QStringLiteral(
    "Either BOF or EOF is True, or the current record has been deleted. "
    "Requested operation requires a current record.");

} // namespace

AdoRecordset::AdoRecordset(QObject *parent)
    : AdoRecordset(std::make_shared<RecordsetData>(), parent)
{
}

AdoRecordset::AdoRecordset(std::shared_ptr<RecordsetData> data, QObject *parent)
    : QObject(parent)
    , m_data(data ? std::move(data) : std::make_shared<RecordsetData>())
{
}

const RecordsetData &AdoRecordset::openData() const
{
    if (!m_data->open)
        raise(AdoError::ObjectClosed, closedText);
    return *m_data;
}

bool AdoRecordset::isEof() const
{
    return openData().eof();
}

bool AdoRecordset::isBof() const
{
    return openData().bof();
}

QObject *AdoRecordset::fields() const
{
    openData();
    // The same collection while anyone holds it, as long as the rows are the same.
    if (!m_fields || m_fieldsData != m_data) {
        m_fields = new AdoFields(m_data);
        m_fieldsData = m_data;
    }
    return m_fields.data();
}

int AdoRecordset::recordCount() const
{
    return int(openData().rows.size());
}

int AdoRecordset::state() const
{
    return m_data->open ? 1 : 0;
}

int AdoRecordset::absolutePosition() const
{
    const RecordsetData &data = openData();
    if (data.bof())
        return -2;
    if (data.eof())
        return -3;
    return int(data.position) + 1;
}

void AdoRecordset::Open(const QVariant &source, const QVariant &activeConnection, const QVariant &,
                        const QVariant &, const QVariant &)
{
    if (m_data->open)
        raise(AdoError::ObjectOpen, QStringLiteral("Operation is not allowed when the object is open."));
    const QString sql = source.toString();
    if (sql.trimmed().isEmpty())
        raise(AdoError::BadArguments, QStringLiteral("Recordset.Open needs an SQL statement as its source."));

    std::shared_ptr<RecordsetData> data;
    if (auto *connection = qobject_cast<AdoConnection *>(activeConnection.value<QObject *>())) {
        data = connection->query(sql);
    } else if (activeConnection.typeId() == QMetaType::QString && !activeConnection.toString().trimmed().isEmpty()) {
        AdoConnection own;
        own.Open(activeConnection);
        data = own.query(sql);
        own.Close();
    } else {
        raise(AdoError::BadArguments,
              QStringLiteral("Recordset.Open needs an open ADODB.Connection or a connection string."));
    }
    m_data = data ? std::move(data) : std::make_shared<RecordsetData>();
}

void AdoRecordset::Close()
{
    if (!m_data->open)
        raise(AdoError::ObjectClosed, closedText);
    // Fields handed out earlier share the data: they see it closed too.
    m_data->open = false;
    m_data->rows.clear();
    m_data = std::make_shared<RecordsetData>();
}

void AdoRecordset::MoveNext()
{
    openData();
    if (m_data->eof())
        raise(AdoError::NoCurrentRecord, noRecordText);
    ++m_data->position;
}

void AdoRecordset::MovePrevious()
{
    openData();
    if (m_data->bof())
        raise(AdoError::NoCurrentRecord, noRecordText);
    --m_data->position;
}

void AdoRecordset::MoveFirst()
{
    openData();
    m_data->position = 0;
}

void AdoRecordset::MoveLast()
{
    openData();
    m_data->position = m_data->rows.isEmpty() ? 0 : m_data->rows.size() - 1;
}
