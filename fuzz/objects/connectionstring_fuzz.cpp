// Reads the input as a connection string the way the database objects and
// the connection dialog do, and checks the promises they make of it:
// - masking hides every password the parser would read: the masked string
//   holds none of it, and read again its password is the mask;
// - what the dialog writes for a string reads back as the same back-end,
//   filled fields and other pieces.
// An Error raised by the parser is an answer; a broken promise aborts.
#include "errorcore/error.h"
#include "script/objects/connectionstring.h"
#include "script/objects/databaseprovider.h"
#include "script/objects/secretmask.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *promise, const QString &text, const QString &made = {})
{
    std::fprintf(stderr, "broken promise: %s\ninput: %s\nmade: %s\n", promise, text.toUtf8().constData(),
                 made.toUtf8().constData());
    std::abort();
}

// The fields with a value (the dialog writes an empty one or none alike).
QMap<QString, QString> filled(QMap<QString, QString> fields)
{
    fields.removeIf([](const auto &field) { return field.value().isEmpty(); });
    return fields;
}

QStringList pieces(const QList<ConnectionStringPiece> &list)
{
    QStringList out;
    for (const ConnectionStringPiece &piece : list)
        out << piece.name + QLatin1Char('=') + piece.value;
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        parseConnectionString(text);
    } catch (const Error &) {
    }
    const ConnectionTarget target = readConnectionString(text);

    // Read again, the masked string's password starts with the mask (what
    // follows is text that masking took along); a password that occurs once
    // in the input is nowhere in the masked string.
    const QString masked = maskSecrets(text);
    const QString password = readConnectionString(masked).value(QStringLiteral("password"));
    if (!password.isEmpty() && !password.startsWith(QLatin1String("****")))
        broken("the masked string reads with no password but the mask", text, masked);
    const QString original = target.value(QStringLiteral("password"));
    if (original.size() >= 4 && text.count(original) == 1 && masked.contains(original))
        broken("the masked string holds no password", text, masked);

    if (target.provider) {
        const QString written = buildConnectionString(target);
        const ConnectionTarget again = readConnectionString(written);
        if (again.provider != target.provider || filled(again.fields) != filled(target.fields)
            || pieces(again.extras) != pieces(target.extras))
            broken("the written string reads back the same", text, written);
    }
    return 0;
}
