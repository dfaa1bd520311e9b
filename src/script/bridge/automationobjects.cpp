#include "automationobjects.h"

#include "qobjectadapter.h"
#include "scripterror.h"
#include "variantconvert.h"
#include "script/objects/automationregistry.h"
#include "script/vbscript/engine.h"

namespace bridge {

vbs::Ref<vbs::Object> createObject(const QString &progId)
{
    AutomationRegistry::Created made = AutomationRegistry::instance().create(progId);
    if (made.engineObject)
        return made.engineObject;
    return QObjectAdapter::wrap(made.qobject.release());
}

void installAutomationObjects(vbs::Engine &engine)
{
    engine.setObjectFactory([](std::u16string_view progId) {
        return guardMember([&] { return createObject(toQString(progId)); });
    });
}

} // namespace bridge
