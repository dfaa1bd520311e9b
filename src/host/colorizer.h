#pragma once

#include <QColor>
#include <QString>

#include <optional>
#include <vector>

namespace host {

// A coloured stretch of a script: `start` and `length` count characters of
// the text as the colouriser was handed it, with "\n" between its lines.
struct ColourRun
{
    qsizetype start = 0;
    qsizetype length = 0;
    QColor colour;

    bool operator==(const ColourRun &) const = default;
};

// The colouriser the script panes use ("CodeParser.Engine"): plain script
// text in, Qt rich text (what QTextDocument::setHtml reads) holding exactly
// the same characters out, coloured by token class. Created for one
// colourise request and released after it. Its colours colour the pane; the
// pane's text stays as it is.
class Colorizer
{
public:
    virtual ~Colorizer() = default;
    // Raises Error on failure; the caller then leaves the pane unchanged.
    virtual QString ParseCode(const QString &text) = 0;
    // The colours of ParseCode's rich text for `text` as runs, for a
    // colouriser that can give them without making the rich text; nothing
    // (the default) when it cannot, and the caller reads ParseCode's.
    virtual std::optional<std::vector<ColourRun>> ColourRuns(const QString &text)
    {
        (void)text;
        return std::nullopt;
    }
};

} // namespace host
