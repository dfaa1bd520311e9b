#pragma once

#include <QDomNode>
#include <QString>

#include <functional>

// Serializes DOM nodes through QXmlStreamWriter (never QDomNode::save, whose
// Qt 6.4 version writes "]]>" inside a CDATA section as it is).
namespace xmlwriter {

// Whether the output's encoding can hold a character; an empty one holds all.
using Encodable = std::function<bool(char32_t)>;

// The node and its subtree as XML text:
//  - element: tag, attributes sorted by name (the DOM keeps no order),
//    children; an element without children is written "<name/>";
//  - CDATA section: split after "]]" wherever it holds "]]>", so that it
//    reads back as the same text;
//  - comment: "--" inside becomes "- -" and a final "-" gets a blank after
//    it; processing instruction: "?>" inside becomes "? >" (either would end
//    the node early);
//  - characters XML cannot carry (control characters other than tab and
//    line breaks, U+FFFE, U+FFFF, unpaired surrogates) are left out
//    wherever they stand, so the text always reads back;
//  - document: its top-level nodes, one per line, the document type (when
//    it has a name) just before the document element; no XML declaration
//    unless the document holds one (the processing instruction "xml").
// With `indent`, an element whose children include no text or CDATA gets
// each child on a line of its own, indented 2 blanks a level; an element
// with text content is written exactly as it is, and so is all below it.
// A character that `encodable` refuses is written as a character reference
// in text and CDATA content (a CDATA section is closed around it); anywhere
// else it raises 5 naming the character.
// A document is written with `declaration`, when given, as the data of its
// XML declaration (one is put first when it has none).
QString write(const QDomNode &node, bool indent, const Encodable &encodable = {}, const QString &declaration = {});

} // namespace xmlwriter
