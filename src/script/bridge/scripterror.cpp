#include "scripterror.h"

#include "variantconvert.h"

namespace bridge {

void raiseInScript(const Error &error)
{
    vbs::ScriptError e;
    e.number = error.number;
    e.description = toU16(error.description);
    e.source = error.source.isEmpty() ? std::u16string(vbs::kRuntimeSource) : toU16(error.source);
    e.helpFile = toU16(error.helpFile);
    e.helpContext = error.helpContext;
    throw vbs::ScriptException(std::move(e));
}

} // namespace bridge
