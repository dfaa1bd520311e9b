#include "nodepath.h"

#include "errorcore/error.h"

#include <QStringList>

namespace {

// The child whose text tells one sibling from the others, for the two
// elements that the model looks up by a child's text.
QString keyOf(const XmlNode &element)
{
    const QString name = element.nodeName();
    const char *key = name == QLatin1String("EvalData") ? "Type" : name == QLatin1String("Event") ? "Name" : nullptr;
    if (!key)
        return QString();
    const XmlNode child = element.selectSingleNode(QString::fromLatin1(key));
    if (child.isNull())
        return QString();
    return QStringLiteral("[%1='%2']").arg(QString::fromLatin1(key), child.text().trimmed());
}

} // namespace

QString nodePath(const XmlNode &node)
{
    QStringList steps;
    for (XmlNode step = node; !step.isNull() && step.nodeType() != XmlNode::Document; step = step.parentNode()) {
        if (step.nodeType() == XmlNode::Element)
            steps.prepend(step.nodeName() + keyOf(step));
    }
    return steps.join(QLatin1Char('/'));
}

XmlNode requiredNode(const XmlNode &base, const QString &path)
{
    XmlNode node = base.selectSingleNode(path);
    if (node.isNull())
        throw Error(91, QStringLiteral("%1 has no %2").arg(nodePath(base), path));
    return node;
}
