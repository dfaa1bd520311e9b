// Reads the input as a connection string the way the database objects and
// the connection dialog do, and checks the promises they make of it:
// - masking hides every password the parser would read: read again, the
//   masked string holds no password but "****";
// - what the dialog writes for a string reads back as the same back-end,
//   fields and other pieces.
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

[[noreturn]] void broken(const char *promise, const QString &text)
{
    std::fprintf(stderr, "broken promise: %s\ninput: %s\n", promise, text.toUtf8().constData());
    std::abort();
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

    const QString password = readConnectionString(maskSecrets(text)).value(QStringLiteral("password"));
    if (!password.isEmpty() && password != QLatin1String("****"))
        broken("the masked string reads with no password but ****", text);

    if (target.provider) {
        const ConnectionTarget again = readConnectionString(buildConnectionString(target));
        if (again.provider != target.provider || again.fields != target.fields
            || pieces(again.extras) != pieces(target.extras))
            broken("the written string reads back the same", text);
    }
    return 0;
}
