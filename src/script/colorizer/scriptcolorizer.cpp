#include "scriptcolorizer.h"

#include "jscriptscanner.h"
#include "richtextwriter.h"
#include "vbscriptscanner.h"

namespace colorizer {

QString ScriptColorizer::ParseCode(const QString &text)
{
    return colorize(text, detectDialect(text));
}

QString ScriptColorizer::colorize(QStringView text, ScriptDialect dialect)
{
    RichTextWriter out(text.size());
    if (dialect == ScriptDialect::JScript)
        scanJScript(text, out);
    else
        scanVBScript(text, out);
    return out.finish();
}

} // namespace colorizer
