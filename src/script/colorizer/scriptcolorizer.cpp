#include "scriptcolorizer.h"

#include "jscriptscanner.h"
#include "richtextwriter.h"
#include "tokenspans.h"
#include "vbscriptscanner.h"

namespace colorizer {

QString ScriptColorizer::ParseCode(const QString &text)
{
    return colorize(text, detectDialect(text));
}

std::optional<std::vector<host::ColourRun>> ScriptColorizer::ColourRuns(const QString &text)
{
    std::vector<host::ColourRun> runs;
    for (const TokenSpan &span : scanText(text, detectDialect(text)))
        runs.push_back({span.start, span.length, QColor(QLatin1String(colorOf(span.tokenClass)))});
    return runs;
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
