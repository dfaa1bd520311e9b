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
    const std::vector<TokenSpan> spans = scanText(text, detectDialect(text));
    std::vector<host::ColourRun> runs;
    runs.reserve(spans.size());
    for (const TokenSpan &span : spans)
        runs.push_back({span.start, span.length, QColor::fromRgba(rgbOf(span.tokenClass))});
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
