#pragma once

#include "platform/xml/xmlparseerror.h"

#include <QByteArray>
#include <QDomDocument>
#include <QString>

// Builds DOM documents from XML text with QXmlStreamReader, keeping what the
// job documents hold: elements, attributes (prefixed names and xmlns
// declarations as written), text, CDATA sections, comments, processing
// instructions, the XML declaration (as the processing instruction "xml") and
// the document type (its name, identifiers and internal subset as written).
// References to entities declared in the document are resolved to their
// text, except those to external entities (their text is in another file,
// which is never read): they stay entity references, as do references to
// entities declared outside the document.
//
// Limits: elements nested deeper than 1,000 levels, an element with more
// than 1,000 attributes, more elements than readinglimits::maxElements or,
// for a text read from a file, a tree larger than readinglimits::budgetFor
// that file make the document an error (31002, at the place where the limit
// was passed), before the tree has taken the memory.
//
// White space: a text made only of blanks, tabs and line breaks that stands
// between the children of an element holding no text, CDATA or entity
// reference (formatting between elements) is dropped; in mixed content
// ("<b>a</b> <i>b</i> c") and as an element's only content it stays.
namespace xmlreader {

// The document, or a null document with `error` filled (error may be null).
// `fileBytes` is the size of the file the text was read from, -1 for a text
// from elsewhere (then only the count of elements is limited).
QDomDocument read(const QString &text, XmlParseError *error, qint64 fileBytes = -1);

} // namespace xmlreader
