#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

// A value a model object keeps below its bound element: where it is, the
// source tags of its getter and setter (the procedure names a failure's
// source trail shows) and, for an integer, what a text that is not a number
// reads as. Each model class lists its values in one table beside its
// getters, which read and write them through ModelElement.
struct ModelValue
{
    const char *path;       // below the bound element: "DataPersistence/Quantity"
    const char *getTag;     // " cSensor.GetPersistenceQuantity() "
    const char *setTag;     // " cSensor.SetPersistenceQuantity() "
    int defaultValue = 0;
};

// The element a model object is bound to. Reading or writing a value whose
// element is missing raises 91 naming it; an object bound to nothing raises
// 91 with `missing` (why a lookup gave nothing) or, without one, the plain
// 91. Every failure gets the value's getter or setter tag appended.
struct ModelElement
{
    XmlNode node;
    QString missing;

    // The bound element; 91 as above when there is none.
    const XmlNode &bound() const;

    QString text(const ModelValue &value) const;                   // as stored (valueencoding)
    void setText(const ModelValue &value, const QString &data);
    // setText for a script from a pane (valueencoding::writeScript).
    void setScript(const ModelValue &value, const QString &data);
    int integer(const ModelValue &value) const;                    // 6 outside the 32-bit range
    void setInteger(const ModelValue &value, int data);
    double number(const ModelValue &value) const;                  // 13 for a text that is not a number
    void setNumber(const ModelValue &value, double data);
    // The element at the value's path, or a null node when there is none.
    XmlNode child(const ModelValue &value) const;
    // Puts `node` (a deep copy of it when `copy`) in place of the element at
    // the value's path, where that element stood (appended last to the
    // path's parent when there is none); a node of another document is
    // imported. Returns the node as the document holds it.
    XmlNode replaceChild(const ModelValue &value, const XmlNode &node, bool copy);
};

// Puts `node` where `current` (a child of `parent`) stands, or appends it to
// `parent` when `current` is null, so that replacing a part keeps the order
// of the document. Returns the node as the document holds it.
XmlNode replaceInPlace(XmlNode parent, const XmlNode &current, const XmlNode &node);
