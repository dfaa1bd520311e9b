#pragma once

#include "script/vbscript/object.h"

#include <QObject>
#include <QPointer>

class JsHost;

// What a JScript script holds for an automation object: a QObject that the
// engine's garbage collector owns, holding the object's reference. The
// prelude (kWrapperPrelude) wraps it in a function whose prototype belongs
// to the object's type (JsHost::typeOf); the prototype learns an accessor
// for each member the first time a name is used, so that every later read,
// write or call of that member is one call of JsHost with the member's slot.
//
// When the collector frees the handle the reference goes, and with the last
// one the object itself. Qt only queues a freed handle for an event loop
// that does not turn while a script runs, so JsHost deletes freed handles
// itself (JsHost::releaseFreed).
class JsHandle : public QObject
{
    Q_OBJECT
public:
    JsHandle(JsHost *host, vbs::Ref<vbs::Object> object, int type);
    ~JsHandle() override;

    vbs::Object *object() const { return m_object.get(); }
    const vbs::Ref<vbs::Object> &ref() const { return m_object; }
    int type() const { return m_type; }

private:
    QPointer<JsHost> m_host;
    vbs::Ref<vbs::Object> m_object;
    int m_type;
};

// Builds the wrappers: a function of the JsHost giving
// { wrap(handle, type), unwrap(value), put(obj, name, args, value) }.
extern const char *const kWrapperPrelude;
