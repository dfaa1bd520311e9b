#pragma once

#include <QStringView>

namespace colorizer {

class TokenSink;

// Writes JScript text to `out`, token by token, every character once:
// keywords (case-sensitive), '…' and "…" strings with backslash escapes,
// `template strings` whose ${…} parts are scanned as code (nested templates
// too), // and /* */ comments, /regular expressions/ where an operand may
// start, numbers (hex, binary, octal, exponent, separators, BigInt) and
// operators. Unterminated strings end at their line end, unterminated
// comments and templates at the end of the text.
void scanJScript(QStringView text, TokenSink &out);

} // namespace colorizer
