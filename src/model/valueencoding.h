#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

// The three encodings of values in the job document: text in a CDATA
// section, an integer, and a double, both numbers in the invariant form
// (common/regional.h: a decimal comma of an earlier version still reads). Every
// function takes the target element itself; a null element (a path that
// selected nothing) raises 91.
namespace valueencoding {

// CDATA text. An element without children gets one new CDATA section
// holding the value. Otherwise the text read back is always the value: an
// unchanged value leaves the element as it is (several sections, text beside
// a comment or an entity reference stay as they were written); a new one
// goes into the first text or CDATA node, every other node that held a part
// of the old text (text, CDATA, entity references, elements) is removed, and
// comments and processing instructions stay. With one text or CDATA child,
// as the editor writes them, that child gets the value.
void writeText(const XmlNode &element, const QString &value);

// A script as a plain-text pane gives it back unedited: every line break
// (CR LF, CR, U+2028, U+2029, and U+FDD0 and U+FDD1, which a text document
// takes for frame breaks) a line feed, a no-break space a blank.
QString paneForm(const QString &script);

// writeText for a script that comes from a pane: a value that is the stored
// script as a pane shows it leaves the stored one, so that the characters a
// pane cannot show survive a save in which the script was not edited.
void writeScript(const XmlNode &element, const QString &value);

// The element's text (all descendant text concatenated), exactly as stored.
QString readText(const XmlNode &element);

// Integer, 32 bits. A text that is not a number reads as `defaultValue`; a
// fraction rounds to the nearest integer, halves to even; a number outside
// the 32-bit range raises 6. Both errors name the element (nodePath).
int readInteger(const XmlNode &element, int defaultValue);
// Writing a number leaves an element that holds the same number in the
// invariant form as it is ("1.50" stays); otherwise its text becomes the
// invariant form (a decimal comma goes).
void writeInteger(const XmlNode &element, int value);

// Double, read by documentTextToDouble. A text that is not a number raises
// 13 "Type mismatch", naming the element.
double readDouble(const XmlNode &element);
void writeDouble(const XmlNode &element, double value);

} // namespace valueencoding
