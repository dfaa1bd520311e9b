#include "automationobjects.h"

#include "qobjectadapter.h"
#include "scripterror.h"
#include "variantconvert.h"
#include "script/objects/automationregistry.h"
#include "script/vbscript/engine.h"

namespace bridge {

void installAutomationObjects(vbs::Engine &engine)
{
    vbs::ObjectRegistry &registry = engine.objects();
    for (const QString &progId : AutomationRegistry::instance().progIds()) {
        const std::u16string name = toU16(progId);
        if (registry.contains(name))
            continue;
        registry.add(name, [progId] {
            return guardMember([&] { return QObjectAdapter::wrap(AutomationRegistry::instance().create(progId)); });
        });
    }
}

} // namespace bridge
