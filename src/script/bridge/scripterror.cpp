#include "scripterror.h"

#include "variantconvert.h"

namespace bridge {

ScriptErrorInfo errorInfo(const vbs::ScriptError &error)
{
    ScriptErrorInfo info;
    info.Number = error.number;
    info.Description = toQString(error.description);
    info.Source = toQString(error.source);
    info.Text = toQString(error.text);
    info.Line = error.line;
    info.Column = error.column;
    return info;
}

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
