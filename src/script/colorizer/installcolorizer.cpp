#include "installcolorizer.h"

#include "host/registry.h"
#include "scriptcolorizer.h"

#include <memory>

namespace colorizer {

void installColorizer()
{
    host::colorizers().install([]() -> std::unique_ptr<host::Colorizer> {
        return std::make_unique<ScriptColorizer>();
    });
}

} // namespace colorizer
