#pragma once

#include "script/vbscript/object.h"

#include <QObject>

// What a JScript script holds for an automation object: a QObject the
// engine's garbage collector owns, holding the object's reference. When the
// collector frees the handle the reference goes, and with the last one the
// object itself.
class JsHandle : public QObject
{
    Q_OBJECT
public:
    explicit JsHandle(vbs::Ref<vbs::Object> object) : m_object(std::move(object)) {}
    vbs::Object *object() const { return m_object.get(); }
    const vbs::Ref<vbs::Object> &ref() const { return m_object; }

private:
    vbs::Ref<vbs::Object> m_object;
};
