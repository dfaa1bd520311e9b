#include "valueencoding.h"

#include "errorcore/error.h"
#include "common/regional.h"
#include "model/nodepath.h"

namespace valueencoding {

void writeText(const XmlNode &element, const QString &value)
{
    if (element.hasChildNodes()) {
        XmlNode first = element.firstChild();
        first.setText(value);
    } else {
        XmlNode copy = element;
        copy.appendChild(element.createCDATASection(value));
    }
}

QString readText(const XmlNode &element)
{
    return element.text();
}

int readInteger(const XmlNode &element, int defaultValue)
{
    const QString text = element.text();
    double value = 0;
    if (!textToDouble(text, &value))
        return defaultValue;
    try {
        return roundToInt32(value);
    } catch (const Error &error) {
        throw Error(error.number, QStringLiteral("%1: %2 \"%3\" is outside the 32-bit range")
                                      .arg(error.description, nodePath(element), text.trimmed()));
    }
}

void writeInteger(const XmlNode &element, int value)
{
    XmlNode copy = element;
    copy.setText(QString::number(value));
}

double readDouble(const XmlNode &element)
{
    const QString text = element.text();
    double value = 0;
    if (!textToDouble(text, &value))
        throw Error(13, QStringLiteral("Type mismatch: %1 \"%2\" is not a number").arg(nodePath(element), text));
    return value;
}

void writeDouble(const XmlNode &element, double value)
{
    XmlNode copy = element;
    copy.setText(doubleToText(value));
}

} // namespace valueencoding
