#include "modelvalue.h"

#include "errorcore/error.h"
#include "model/nodepath.h"
#include "model/valueencoding.h"

const XmlNode &ModelElement::bound() const
{
    if (node.isNull() && !missing.isEmpty())
        throw Error(91, missing);
    return node;
}

QString ModelElement::text(const ModelValue &value) const
{
    return passing(value.getTag, [&] { return valueencoding::readText(requiredNode(bound(), QLatin1String(value.path))); });
}

void ModelElement::setText(const ModelValue &value, const QString &data)
{
    passing(value.setTag, [&] { valueencoding::writeText(requiredNode(bound(), QLatin1String(value.path)), data); });
}

void ModelElement::setScript(const ModelValue &value, const QString &data)
{
    passing(value.setTag, [&] { valueencoding::writeScript(requiredNode(bound(), QLatin1String(value.path)), data); });
}

int ModelElement::integer(const ModelValue &value) const
{
    return passing(value.getTag, [&] {
        return valueencoding::readInteger(requiredNode(bound(), QLatin1String(value.path)), value.defaultValue);
    });
}

void ModelElement::setInteger(const ModelValue &value, int data)
{
    passing(value.setTag, [&] { valueencoding::writeInteger(requiredNode(bound(), QLatin1String(value.path)), data); });
}

double ModelElement::number(const ModelValue &value) const
{
    return passing(value.getTag, [&] { return valueencoding::readDouble(requiredNode(bound(), QLatin1String(value.path))); });
}

void ModelElement::setNumber(const ModelValue &value, double data)
{
    passing(value.setTag, [&] { valueencoding::writeDouble(requiredNode(bound(), QLatin1String(value.path)), data); });
}

XmlNode ModelElement::child(const ModelValue &value) const
{
    return passing(value.getTag, [&] { return bound().selectSingleNode(QLatin1String(value.path)); });
}

XmlNode replaceInPlace(XmlNode parent, const XmlNode &current, const XmlNode &node)
{
    if (current.isNull())
        return parent.appendChild(node);
    if (current == node)
        return node;
    const XmlNode next = current.nextSibling();
    XmlNode(current.parentNode()).removeChild(current);
    return parent.insertBefore(node, next);
}

XmlNode ModelElement::replaceChild(const ModelValue &value, const XmlNode &node, bool copy)
{
    return passing(value.setTag, [&] {
        const QString path = QLatin1String(value.path);
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        XmlNode parent = slash < 0 ? bound() : bound().selectSingleNode(path.left(slash));
        const XmlNode current = bound().selectSingleNode(path);
        return replaceInPlace(parent, current, copy ? node.cloneNode(true) : node);
    });
}
