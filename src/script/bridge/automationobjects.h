#pragma once

namespace vbs {
class Engine;
}

namespace bridge {

// Makes every object of AutomationRegistry::instance() creatable by the
// engine's CreateObject, as registered at the time of the call (an engine
// made later sees later registrations). Scripting.Dictionary and other
// objects the engine makes itself stay the engine's own. A failing factory
// raises its Error inside the script (429 for an unknown name).
void installAutomationObjects(vbs::Engine &engine);

} // namespace bridge
