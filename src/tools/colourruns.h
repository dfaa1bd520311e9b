#pragma once

#include "host/colorizer.h"

#include <QString>

#include <vector>

class QTextDocument;

// The colour runs of a colouriser's rich text (Qt's rich text, as
// QTextDocument::setHtml reads it) laid over `document`, which holds the
// same script as plain text: the runs' positions are positions in
// `document`. Each run is a stretch of characters with a text colour; the
// rest has none. Raises 5 naming the first line that differs when the rich
// text does not hold the document's characters (a line end, a no-break
// space and a blank count as in QTextDocument::toPlainText).
std::vector<host::ColourRun> colourRunsOf(const QString &richText, const QTextDocument &document);

// The runs `colorizer` gives for the text of `document`, which it is handed
// with "\n" between the lines: its own runs when it offers them, else those
// of its rich text. The colouriser's failures pass on.
std::vector<host::ColourRun> colourRunsFrom(host::Colorizer &colorizer, const QTextDocument &document);
