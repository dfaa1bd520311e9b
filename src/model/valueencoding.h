#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

// The three encodings of values in the job document: text in a CDATA
// section, an integer, and a double in the regional number form. Every
// function takes the target element itself; a null element (a path that
// selected nothing) raises 91.
namespace valueencoding {

// CDATA text. Writing replaces the text of the element's first child node and
// leaves the other children; an element without children gets one new CDATA
// section holding the value.
void writeText(const XmlNode &element, const QString &value);

// The element's text (all descendant text concatenated), exactly as stored.
QString readText(const XmlNode &element);

// Integer, 32 bits. A text that is not a number reads as `defaultValue`; a
// fraction rounds to the nearest integer, halves to even; a number outside
// the 32-bit range raises 6. Both errors name the element (nodePath).
int readInteger(const XmlNode &element, int defaultValue);
void writeInteger(const XmlNode &element, int value);

// Regional double: the number in the current regional form. A text that is
// not a number raises 13 "Type mismatch", naming the element.
double readDouble(const XmlNode &element);
void writeDouble(const XmlNode &element, double value);

} // namespace valueencoding
