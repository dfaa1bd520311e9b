#include "fsotextstream.h"

#include "fsopaths.h"

#include <QFile>
#include <cerrno>
#include <cmath>

namespace {

qsizetype characterCount(const QVariant &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!value.isValid() || !ok || number < 0 || number > 2147483647.0)
        FsoPath::fail(5, QStringLiteral("a character or line count must be a number from 0"));
    return qsizetype(std::llround(number));
}

} // namespace

FsoTextStream::FsoTextStream(std::unique_ptr<QFile> file, Mode mode, bool unicode, QObject *parent)
    : QObject(parent)
    , m_file(std::move(file))
    , m_stream(mode == Mode::Reading ? m_file.get() : nullptr)
    , m_encoder(unicode ? QStringConverter::Utf16LE : QStringConverter::Utf8,
                unicode && mode == Mode::Writing ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default)
    , m_mode(mode)
{
    m_stream.setEncoding(unicode ? QStringConverter::Utf16LE : QStringConverter::Utf8);
    m_stream.setAutoDetectUnicode(mode == Mode::Reading);
}

FsoTextStream::~FsoTextStream()
{
    if (m_file && m_file->isOpen())
        m_file->close();
}

void FsoTextStream::requireOpen() const
{
    if (!m_file || !m_file->isOpen())
        FsoPath::fail(52, QStringLiteral("the TextStream is closed"));
}

void FsoTextStream::requireReading()
{
    requireOpen();
    if (m_mode != Mode::Reading)
        FsoPath::fail(54, QStringLiteral("the TextStream was opened for writing"));
}

void FsoTextStream::requireWriting() const
{
    requireOpen();
    if (m_mode == Mode::Reading)
        FsoPath::fail(54, QStringLiteral("the TextStream was opened for reading"));
    // A stream opened earlier for writing writes nothing in a read-only call.
    FsoPath::requireWritable(m_file ? m_file->fileName() : QString());
}

bool FsoTextStream::atEndOfStream()
{
    requireReading();
    return m_peek.isEmpty() && m_stream.atEnd();
}

bool FsoTextStream::atEndOfLine()
{
    requireReading();
    if (m_peek.isEmpty())
        m_peek = m_stream.read(1);
    return m_peek.isEmpty() || m_peek == QLatin1String("\n") || m_peek == QLatin1String("\r");
}

int FsoTextStream::line() const
{
    return m_line;
}

int FsoTextStream::column() const
{
    return m_column;
}

// Moves Line and Column over `text`.
void FsoTextStream::advance(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            ++m_line;
            m_column = 1;
        } else {
            ++m_column;
        }
    }
}

// Up to `characters` characters, the read-ahead one first.
QString FsoTextStream::take(qsizetype characters)
{
    QString text;
    if (characters > 0 && !m_peek.isEmpty()) {
        text = m_peek;
        m_peek.clear();
        --characters;
    }
    if (characters > 0)
        text += m_stream.read(characters);
    advance(text);
    return text;
}

QString FsoTextStream::ReadLine()
{
    if (atEndOfStream())
        FsoPath::fail(62);
    QString text;
    if (m_peek != QLatin1String("\n"))
        text = m_peek + m_stream.readLine();
    m_peek.clear();
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    ++m_line;
    m_column = 1;
    return text;
}

QString FsoTextStream::ReadAll()
{
    if (atEndOfStream())
        FsoPath::fail(62);
    QString text = m_peek + m_stream.readAll();
    m_peek.clear();
    advance(text);
    return text;
}

QString FsoTextStream::Read(const QVariant &characters)
{
    const qsizetype count = characterCount(characters);
    if (atEndOfStream())
        FsoPath::fail(62);
    return take(count);
}

void FsoTextStream::Skip(const QVariant &characters)
{
    Read(characters);
}

void FsoTextStream::SkipLine()
{
    ReadLine();
}

// The reason the system gave, or the file's own when it gave none (a write
// that stopped short without one: the disk filled up).
void FsoTextStream::failWrite(int cause)
{
    const bool full = m_file->error() == QFileDevice::ResourceError;
    const QString detail = QStringLiteral("%1 (%2)").arg(m_file->fileName(), m_file->errorString());
    m_file->unsetError();
    FsoPath::failWith(cause ? cause : full ? ENOSPC : 0, 57, detail);
}

// Writes every byte or fails: a short write is followed by another, which
// either goes on or says why the system stopped.
void FsoTextStream::put(const QString &text)
{
    requireWriting();
    const QByteArray bytes = m_encoder.encode(text);
    qsizetype done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 written = m_file->write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            failWrite(errno);
        done += written;
    }
    advance(text);
}

void FsoTextStream::Write(const QVariant &text)
{
    put(text.toString());
}

void FsoTextStream::WriteLine(const QVariant &text)
{
    put(text.toString() + QLatin1Char('\n'));
}

void FsoTextStream::WriteBlankLines(const QVariant &lines)
{
    put(QString(characterCount(lines), QLatin1Char('\n')));
}

void FsoTextStream::Close()
{
    requireOpen();
    errno = 0;
    m_file->close();
    if (m_file->error() != QFileDevice::NoError)
        failWrite(errno);
}
