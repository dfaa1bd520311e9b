#pragma once

#include <QStringView>

namespace colorizer {

class TokenSink;

// Writes VBScript text to `out`, token by token, every character once:
// keywords (case-insensitive), "strings" with "" inside, ' and Rem comments,
// numbers, &H/&O literals, #date# literals, [bracketed names] (plain),
// operators and the "_" of a continued line. An unterminated string or
// date ends at the end of its line.
void scanVBScript(QStringView text, TokenSink &out);

} // namespace colorizer
