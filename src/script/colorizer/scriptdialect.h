#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace colorizer {

enum class ScriptDialect { VBScript, JScript };

// The dialect a script is written in, judged line by line from what only
// one of them has: VBScript's ' comments, Dim, Then, End Function, Next,
// Wend and "_" continuations; JScript's // and /* comments, var and let,
// lower-case function, return, and lines ending in {, } or ;. Text with no
// sign of either (empty text included) is VBScript, the default language.
ScriptDialect detectDialect(QStringView text);

// "VBScript" or "JScript" (case-insensitive, also "VBS", "JS", "JavaScript");
// nothing for any other name.
std::optional<ScriptDialect> dialectFromName(QStringView name);

QString dialectName(ScriptDialect dialect);

} // namespace colorizer
