#pragma once

#include "host/colorizer.h"
#include "scriptdialect.h"

#include <QString>
#include <QStringView>

namespace colorizer {

// The colouriser of the script panes: VBScript or JScript text in (the
// dialect read from the text itself), rich text out for QTextEdit::setHtml,
// holding the same characters with keywords, strings, comments, numbers and
// operators coloured. The document's plain text is the input with each
// "\r\n" or "\r" turned into "\n", so a caret offset into the pane's plain
// text points at the same character afterwards. The markup is described
// with RichTextWriter. Never fails on any input.
class ScriptColorizer : public host::Colorizer
{
public:
    QString ParseCode(const QString &text) override;
    // The runs of ParseCode's colours, straight from the scanners.
    std::optional<std::vector<host::ColourRun>> ColourRuns(const QString &text) override;

    // As ParseCode, in the dialect given instead of the one detected.
    static QString colorize(QStringView text, ScriptDialect dialect);
};

} // namespace colorizer
