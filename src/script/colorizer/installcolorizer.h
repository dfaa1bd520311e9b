#pragma once

namespace colorizer {

// Installs ScriptColorizer as the factory of host::colorizers() (the object
// "CodeParser.Engine"), replacing any factory installed before.
void installColorizer();

} // namespace colorizer
