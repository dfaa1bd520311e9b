#pragma once

// Automation objects reached by member name through the meta-object, as the
// script bridges reach them; and scripts run through ScriptControl.

#include "errorcore/error.h"
#include "script/objects/automationregistry.h"
#include "script/scriptcontrol.h"

#include <QMetaMethod>
#include <QObject>
#include <QVariant>
#include <QVariantList>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>

namespace objtest {

// Calls the Q_INVOKABLE `name` taking args.size() arguments, converted to its
// parameter types (QVariant parameters take them as they are).
inline QVariant call(QObject *object, const char *name, QVariantList args = {})
{
    const QMetaObject *meta = object->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.name() != name || method.parameterCount() != args.size())
            continue;
        QVariantList storage;
        storage.reserve(args.size());
        QGenericArgument generic[10];
        for (int p = 0; p < args.size(); ++p) {
            const QMetaType type = method.parameterMetaType(p);
            if (type == QMetaType::fromType<QVariant>()) {
                generic[p] = QGenericArgument("QVariant", &args[p]);
            } else {
                QVariant converted = args.at(p);
                if (!converted.convert(type))
                    throw std::invalid_argument("argument cannot be converted");
                storage.append(converted);
                generic[p] = QGenericArgument(type.name(), storage.last().constData());
            }
        }
        QVariant result;
        QGenericReturnArgument returned;
        if (method.returnMetaType() == QMetaType::fromType<QVariant>()) {
            returned = QGenericReturnArgument("QVariant", &result);
        } else if (method.returnMetaType().id() != QMetaType::Void) {
            result = QVariant(method.returnMetaType());
            returned = QGenericReturnArgument(method.typeName(), result.data());
        }
        if (!method.invoke(object, Qt::DirectConnection, returned, generic[0], generic[1], generic[2],
                           generic[3], generic[4], generic[5], generic[6], generic[7], generic[8], generic[9]))
            throw std::runtime_error("invoke failed");
        return result;
    }
    throw std::invalid_argument(std::string("no such member: ") + name);
}

inline QVariant get(const QObject *object, const char *name)
{
    if (object->metaObject()->indexOfProperty(name) < 0)
        throw std::invalid_argument(std::string("no such property: ") + name);
    return object->property(name);
}

// The properties `names` ("Name|Size") of `object`, '|' between them.
inline QString props(const QObject *object, const char *names)
{
    QStringList values;
    for (const QString &name : QString::fromLatin1(names).split(QLatin1Char('|')))
        values << get(object, name.toLatin1().constData()).toString();
    return values.join(QLatin1Char('|'));
}

inline std::unique_ptr<QObject> create(const char *progId)
{
    return AutomationRegistry::instance().create(QString::fromLatin1(progId)).qobject;
}

// Takes ownership of an object a member returned, as a script engine does.
inline std::unique_ptr<QObject> own(const QVariant &value)
{
    return std::unique_ptr<QObject>(value.value<QObject *>());
}

// The script languages by the names ScriptControl takes.
inline const QString VB = QStringLiteral("VBScript");
inline const QString JS = QStringLiteral("JScript");

inline bool isVB(const QString &language)
{
    return language == VB;
}

// A Main(params) of `language` around `body`; `prologue` goes before it.
inline QString mainOf(const QString &language, const QString &body, const QString &params = {},
                      const QString &prologue = {})
{
    return prologue + (isVB(language) ? QStringLiteral("Function Main(%1)\n%2\nEnd Function")
                                      : QStringLiteral("function Main(%1) {\n%2\n}"))
                          .arg(params, body);
}

// Sets the language, adds `code` and runs its Main: its value, or nothing
// when a step failed (control.error() says why).
inline std::optional<QVariant> runMain(ScriptControl &control, const QString &language, const QString &code,
                                       QVariantList args = {})
{
    if (!control.setLanguage(language) || !control.addCode(code))
        return std::nullopt;
    return control.run(QStringLiteral("Main"), args);
}

// Skips a test without the server of scripts/with-postgres.sh (fails under VELTRANO_REQUIRE_POSTGRES=1).
#define REQUIRE_POSTGRES()                                                                                   \
    do {                                                                                                     \
        if (qEnvironmentVariableIsEmpty("VELTRANO_PG_CONNECTION")) {                                         \
            if (qEnvironmentVariable("VELTRANO_REQUIRE_POSTGRES") == QLatin1String("1"))                     \
                FAIL() << "VELTRANO_REQUIRE_POSTGRES=1 but no server: run under scripts/with-postgres.sh";   \
            GTEST_SKIP() << "no PostgreSQL server (run under scripts/with-postgres.sh)";                     \
        }                                                                                                    \
    } while (false)

} // namespace objtest
