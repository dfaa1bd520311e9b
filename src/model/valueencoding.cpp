#include "valueencoding.h"

#include "errorcore/error.h"
#include "common/regional.h"

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
    double value = 0;
    if (!textToDouble(element.text(), &value))
        return defaultValue;
    return roundToInt32(value);
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
        throw Error(13, QStringLiteral("Type mismatch: '%1' is not a number").arg(text));
    return value;
}

void writeDouble(const XmlNode &element, double value)
{
    XmlNode copy = element;
    copy.setText(doubleToText(value));
}

} // namespace valueencoding
