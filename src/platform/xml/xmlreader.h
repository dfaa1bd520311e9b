#pragma once

#include "platform/xml/xmlparseerror.h"

#include <QByteArray>
#include <QDomDocument>
#include <QString>

// Builds DOM documents from XML text with QXmlStreamReader, keeping what the
// job documents hold: elements, attributes (prefixed names and xmlns
// declarations as written), text, CDATA sections, comments, processing
// instructions, the XML declaration (as the processing instruction "xml") and
// the document type's name and identifiers. Entity references in text are
// resolved to characters.
//
// Limits: elements nested deeper than 1,000 levels, or an element with more
// than 1,000 attributes, make the document an error (31002, at the element).
//
// White space: a text node made only of blanks, tabs and line breaks is
// dropped when it has a sibling node; as an element's only content it stays.
namespace xmlreader {

// The document, or a null document with `error` filled (error may be null).
QDomDocument read(const QString &text, XmlParseError *error);
QDomDocument read(const QByteArray &data, XmlParseError *error);

} // namespace xmlreader
