#pragma once

#include "script/vbscript/object.h"

#include <QString>

namespace vbs {
class Engine;
}

namespace bridge {

// A new object of `progId` from AutomationRegistry::instance(), as both
// languages hold it: a Qt object behind its adapter (the script owns it), an
// object of the VBScript engine's own as it is. Raises the registry's Error
// (429 for an unknown name).
vbs::Ref<vbs::Object> createObject(const QString &progId);

// Makes the engine's CreateObject and GetObject create through createObject,
// for every name, as the registry holds it at the time of each call; an Error
// becomes a runtime error of the script.
void installAutomationObjects(vbs::Engine &engine);

} // namespace bridge
