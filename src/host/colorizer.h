#pragma once

#include <QString>

namespace host {

// The colouriser the script panes use ("CodeParser.Engine"): plain script
// text in, rich text holding exactly the same characters out, coloured by
// token class. Created for one colourise request and released after it.
class Colorizer
{
public:
    virtual ~Colorizer() = default;
    // Raises Error on failure; the caller then leaves the pane unchanged.
    virtual QString ParseCode(const QString &text) = 0;
};

} // namespace host
