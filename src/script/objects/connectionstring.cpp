#include "connectionstring.h"

#include "adoerrors.h"
#include "databaseprovider.h"
#include "secretmask.h"

#include "errorcore/error.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

[[noreturn]] void fail(long number, const QString &description)
{
    throw Error(number, description, AdoError::connectionSource());
}

QString normalisedKey(QString key)
{
    key.remove(QLatin1Char(' '));
    key.remove(QLatin1Char('\t'));
    return key.toLower();
}

// An enclosed value that starts at `open`: where it ends (just past its
// closing character, or the end of the text when it is never closed) and
// its text, a doubled closing character made single.
struct Enclosed
{
    qsizetype end;
    QString text;
};

Enclosed enclosed(const QString &text, qsizetype open)
{
    const QChar close = text.at(open) == QLatin1Char('{') ? QLatin1Char('}') : text.at(open);
    QString inner;
    for (qsizetype j = open + 1; j < text.size(); ++j) {
        if (text.at(j) != close) {
            inner += text.at(j);
        } else if (j + 1 < text.size() && text.at(j + 1) == close) {
            inner += close;
            ++j;
        } else {
            return {j + 1, inner};
        }
    }
    return {text.size(), inner};
}

bool isEnclosing(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('{');
}

QString lower(const QString &text)
{
    return text.trimmed().toLower();
}

const DatabaseProvider *providerNamed(const QString &name)
{
    for (const DatabaseProvider &provider : databaseProviders()) {
        if (provider.providerNames.contains(lower(name)))
            return &provider;
    }
    return nullptr;
}

bool hasPiece(const QList<ConnectionStringPiece> &pieces, const QString &name)
{
    return std::any_of(pieces.cbegin(), pieces.cend(), [&](const ConnectionStringPiece &p) { return p.name == name; });
}

// The back-end a string of pieces chooses: Provider=, else an unbraced
// Driver= that names one, else one whose choosing keys are present, else
// the default. Null for a provider we do not know.
const DatabaseProvider *chosenProvider(const QList<ConnectionStringPiece> &pieces)
{
    QString provider;
    const ConnectionStringPiece *driver = nullptr;
    for (const ConnectionStringPiece &piece : pieces) {
        if (piece.name == QLatin1String("provider"))
            provider = piece.value;
        else if (piece.name == QLatin1String("driver"))
            driver = &piece;
    }
    if (!provider.trimmed().isEmpty())
        return providerNamed(provider);
    const auto &all = databaseProviders();
    if (driver && driver->quote.isNull()) {
        for (const DatabaseProvider &candidate : all) {
            if (candidate.driverNames.contains(lower(driver->value)))
                return &candidate;
        }
    }
    for (const DatabaseProvider &candidate : all) {
        for (const QString &key : candidate.pickKeys) {
            if (hasPiece(pieces, key))
                return &candidate;
        }
    }
    return &all.front();
}

ConnectionTarget addressTarget(const DatabaseProvider &provider, const QString &text)
{
    ConnectionTarget target;
    target.provider = &provider;
    target.text = text;
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    if (!url.isValid())
        return target;
    const auto set = [&](const char *field, const QString &value) {
        if (!value.isEmpty())
            target.fields.insert(QLatin1String(field), value);
    };
    set("host", url.host(QUrl::FullyDecoded));
    set("port", url.port(-1) > 0 ? QString::number(url.port()) : QString());
    set("user", url.userName(QUrl::FullyDecoded));
    set("password", url.password(QUrl::FullyDecoded));
    QString path = url.path(QUrl::FullyDecoded);
    if (path.startsWith(QLatin1Char('/')))
        path.remove(0, 1);
    set("database", path);
    // Parameters are names of letters, digits and "_" (as libpq knows
    // them); anything else is no parameter.
    static const QRegularExpression parameter(QStringLiteral("^\\w+$"));
    for (const auto &[key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        const QString name = normalisedKey(key);
        if (const ProviderField *field = provider.fieldForKey(name))
            target.fields.insert(field->field, value);
        else if (parameter.match(key).hasMatch())
            target.extras.append({key, name, value, QChar()});
    }
    return target;
}

int portNumber(const QString &text)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    return ok && port > 0 && port <= 65535 ? port : -1;
}

} // namespace

qsizetype connectionValueEnd(const QString &text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    if (i < text.size() && isEnclosing(text.at(i))) {
        const qsizetype end = enclosed(text, i).end;
        const qsizetype next = text.indexOf(QLatin1Char(';'), end);
        return next < 0 ? text.size() : next;
    }
    const qsizetype next = text.indexOf(QLatin1Char(';'), i);
    return next < 0 ? text.size() : next;
}

QList<ConnectionStringPiece> connectionStringPieces(const QString &text)
{
    QList<ConnectionStringPiece> pieces;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype equals = text.indexOf(QLatin1Char('='), i);
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'), i);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            if (semicolon < 0)
                break;
            i = semicolon + 1;   // a piece without "="
            continue;
        }
        ConnectionStringPiece piece;
        piece.key = text.mid(i, equals - i).trimmed();
        piece.name = normalisedKey(piece.key);
        const qsizetype end = connectionValueEnd(text, equals + 1);
        qsizetype start = equals + 1;
        while (start < end && text.at(start).isSpace())
            ++start;
        if (start < end && isEnclosing(text.at(start))) {
            piece.quote = text.at(start);
            piece.value = enclosed(text, start).text;
        } else {
            piece.value = text.mid(start, end - start).trimmed();
        }
        i = end + 1;
        if (!piece.name.isEmpty())
            pieces.append(piece);
    }
    return pieces;
}

int ConnectionTarget::port() const
{
    const QString text = value(QStringLiteral("port"));
    return text.isEmpty() ? -1 : portNumber(text);
}

ConnectionTarget readConnectionString(const QString &text)
{
    const QString trimmed = text.trimmed();
    for (const DatabaseProvider &provider : databaseProviders()) {
        for (const QString &scheme : provider.uriSchemes) {
            if (trimmed.startsWith(scheme + QLatin1String("://"), Qt::CaseInsensitive))
                return addressTarget(provider, text);
        }
    }
    ConnectionTarget target;
    target.text = text;
    const QList<ConnectionStringPiece> pieces = connectionStringPieces(text);
    target.provider = chosenProvider(pieces);
    for (const ConnectionStringPiece &piece : pieces) {
        const DatabaseProvider *provider = target.provider;
        if (provider && piece.name == QLatin1String("provider"))
            continue;
        if (provider && piece.name == QLatin1String("driver") && piece.quote.isNull()
            && provider->driverNames.contains(lower(piece.value)))
            continue;   // the Driver=SQLite3 that chose it
        if (const ProviderField *field = provider ? provider->fieldForKey(piece.name) : nullptr)
            target.fields.insert(field->field, piece.value);
        else
            target.extras.append(piece);
    }
    return target;
}

ConnectionTarget parseConnectionString(const QString &text)
{
    if (text.trimmed().isEmpty())
        fail(AdoError::OpenFailed, QStringLiteral("No connection string was given. %1").arg(supportedProvidersText()));
    const ConnectionTarget target = readConnectionString(text);
    if (!target.provider) {
        QString named;
        for (const ConnectionStringPiece &piece : target.extras) {
            if (piece.name == QLatin1String("provider"))
                named = piece.value;
        }
        fail(AdoError::ProviderNotFound,
             QStringLiteral("Provider cannot be found: '%1'. %2").arg(maskSecrets(named), supportedProvidersText()));
    }
    const QString port = target.value(QStringLiteral("port"));
    for (const QString &each : port.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (portNumber(each) < 0)
            fail(AdoError::OpenFailed, QStringLiteral("Invalid port number in the connection string: %1").arg(each));
    }
    if (target.provider->validate)
        target.provider->validate(target);
    return target;
}

QString quotedConnectionValue(const QString &value)
{
    const bool needsQuotes = value.contains(QLatin1Char(';')) || value != value.trimmed()
        || (!value.isEmpty() && isEnclosing(value.at(0)));
    if (!needsQuotes)
        return value;
    QString text = value;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString buildConnectionString(const ConnectionTarget &target)
{
    QStringList parts;
    if (target.provider) {
        if (!target.provider->writtenName.isEmpty())
            parts << QStringLiteral("Provider=") + target.provider->writtenName;
        for (const ProviderField &field : target.provider->fields) {
            const QString value = target.value(field.field);
            if (!value.isEmpty() || field.alwaysWritten)
                parts << field.written + QLatin1Char('=') + quotedConnectionValue(value);
        }
    }
    for (const ConnectionStringPiece &piece : target.extras) {
        const QString value = piece.quote == QLatin1Char('{')
            ? QLatin1Char('{') + QString(piece.value).replace(QLatin1Char('}'), QLatin1String("}}")) + QLatin1Char('}')
            : quotedConnectionValue(piece.value);
        parts << piece.key + QLatin1Char('=') + value;
    }
    return parts.join(QLatin1Char(';'));
}
