#pragma once

#include <QObject>
#include <QStringEncoder>
#include <QTextStream>
#include <QVariant>
#include <memory>

class QFile;

// A TextStream of Scripting.FileSystemObject (OpenTextFile, CreateTextFile,
// File.OpenAsTextStream) over an open file. Reading decodes UTF-8, or UTF-16
// when the file starts with its byte-order mark (or the stream was opened as
// Unicode); lines end with "\n" or "\r\n", and WriteLine ends them with "\n".
//
// Errors: reading past the end raises 62 (ReadAll too, as scripts expect),
// reading a stream opened for writing or the reverse 54, any use after Close
// 52. A write that fails, in part or whole, or a Close that cannot finish
// the file raises the number of what the system refused (see
// FsoPath::errorNumber: 61 for a full disk), 57 otherwise.
class FsoTextStream : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool AtEndOfStream READ atEndOfStream)
    Q_PROPERTY(bool AtEndOfLine READ atEndOfLine)
    Q_PROPERTY(int Line READ line)
    Q_PROPERTY(int Column READ column)

public:
    enum class Mode { Reading = 1, Writing = 2, Appending = 8 };

    // Takes an open file; `unicode` selects UTF-16 (little-endian, with a
    // byte-order mark when writing) instead of UTF-8.
    FsoTextStream(std::unique_ptr<QFile> file, Mode mode, bool unicode, QObject *parent = nullptr);
    ~FsoTextStream() override;

    bool atEndOfStream();
    bool atEndOfLine();
    // 1-based position of the next character to read or write.
    int line() const;
    int column() const;

    Q_INVOKABLE QString ReadLine();
    Q_INVOKABLE QString ReadAll();
    Q_INVOKABLE QString Read(const QVariant &characters);
    Q_INVOKABLE void Skip(const QVariant &characters);
    Q_INVOKABLE void SkipLine();
    Q_INVOKABLE void Write(const QVariant &text);
    Q_INVOKABLE void WriteLine(const QVariant &text = {});
    Q_INVOKABLE void WriteBlankLines(const QVariant &lines);
    Q_INVOKABLE void Close();

private:
    void requireOpen() const;
    void requireReading();
    void requireWriting() const;
    QString take(qsizetype characters);
    void advance(const QString &text);
    void put(const QString &text);
    [[noreturn]] void failWrite(int cause);

    std::unique_ptr<QFile> m_file;
    QTextStream m_stream;    // reading
    QStringEncoder m_encoder; // writing, straight to the (unbuffered) file
    Mode m_mode;
    QString m_peek;      // one character read ahead (AtEndOfLine)
    int m_line = 1;
    int m_column = 1;
};
