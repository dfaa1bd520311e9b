#include "valueencoding.h"

#include "errorcore/error.h"
#include "common/regional.h"
#include "model/nodepath.h"

namespace valueencoding {

namespace {

bool holdsText(const XmlNode &node)
{
    const int type = node.nodeType();
    return type == XmlNode::Text || type == XmlNode::CDATASection || type == XmlNode::EntityReference
        || type == XmlNode::Element;
}

bool isCharacterData(const XmlNode &node)
{
    const int type = node.nodeType();
    return type == XmlNode::Text || type == XmlNode::CDATASection;
}

// `value` as the element's text: the first text or CDATA node takes it
// whole and every other node that adds to the text goes, so that the text
// read back is the value; comments and processing instructions stay where
// they are. An element without such a node gets a new one, made by `make`.
void replaceText(const XmlNode &element, const QString &value, XmlNode (XmlNode::*make)(const QString &) const)
{
    XmlNode target = element;
    XmlNode holder;
    for (const XmlNode &child : element.childNodes()) {
        if (holder.isNull() && isCharacterData(child))
            holder = child;
        else if (holdsText(child))
            target.removeChild(child);
    }
    if (holder.isNull())
        target.appendChild((element.*make)(value));
    else
        holder.setText(value);
}

} // namespace

void writeText(const XmlNode &element, const QString &value)
{
    if (element.hasChildNodes() && readText(element) == value)
        return;
    replaceText(element, value, &XmlNode::createCDATASection);
}

QString paneForm(const QString &script)
{
    QString shown;
    shown.reserve(script.size());
    for (qsizetype i = 0; i < script.size(); ++i) {
        const char16_t c = script.at(i).unicode();
        if (c == u'\r' && i + 1 < script.size() && script.at(i + 1) == u'\n')
            continue;
        if (c == 0x00A0)
            shown += u' ';
        else if (c == u'\r' || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1)
            shown += u'\n';
        else
            shown += QChar(c);
    }
    return shown;
}

void writeScript(const XmlNode &element, const QString &value)
{
    if (element.hasChildNodes() && paneForm(readText(element)) == paneForm(value))
        return;
    writeText(element, value);
}

QString readText(const XmlNode &element)
{
    return element.text();
}

namespace {

// Whether the element already holds `value` in the invariant form, so that
// writing it again would change only how it is spelt ("1.50", "+2").
bool holdsInvariant(const XmlNode &element, double value)
{
    double stored = 0;
    return element.hasChildNodes() && documentTextToDouble(element.text(), &stored) == DocumentNumber::Invariant
        && stored == value;
}

} // namespace

int readInteger(const XmlNode &element, int defaultValue)
{
    const QString text = element.text();
    double value = 0;
    if (documentTextToDouble(text, &value) == DocumentNumber::NotANumber)
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
    if (!holdsInvariant(element, value))
        replaceText(element, QString::number(value), &XmlNode::createTextNode);
}

double readDouble(const XmlNode &element)
{
    const QString text = element.text();
    double value = 0;
    if (documentTextToDouble(text, &value) == DocumentNumber::NotANumber)
        throw Error(13, QStringLiteral("Type mismatch: %1 \"%2\" is not a number").arg(nodePath(element), text));
    return value;
}

void writeDouble(const XmlNode &element, double value)
{
    if (!holdsInvariant(element, value))
        replaceText(element, doubleToDocumentText(value), &XmlNode::createTextNode);
}

} // namespace valueencoding
