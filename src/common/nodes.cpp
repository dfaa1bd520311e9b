#include "nodes.h"

#include "errorcore/error.h"

XmlNode GetNewNode(int nodeType, const QString &name)
{
    return passing(" General.GetNewNode() ", [&] {
        const XmlNode document = XmlNode::newDocument();
        switch (nodeType) {
        case XmlNode::Element:
            return document.createElement(name.trimmed());
        case XmlNode::CDATASection:
            return document.createCDATASection(QString());
        case XmlNode::Text:
            return document.createTextNode(QString());
        default:
            throw Error(5, QStringLiteral("Invalid procedure call or argument: node type %1 cannot be created")
                               .arg(nodeType));
        }
    });
}

XmlNode GetPattern(const QString &name, const QString &folder)
{
    static const QLatin1String tag(" General.GetPattern() ");
    try {
        const QString fullName = GetValidPath(folder + QLatin1Char('/') + name + QLatin1String(".xml"));
        XmlNode document;
        try {
            document = XmlNode::load(localFilePath(fullName));
        } catch (const Error &parseError) {
            // What the parser reports is raised as the parser's error first...
            throw Error(parseError.number, parseError.description, tag);
        }
        const XmlNode root = document.documentElement();
        if (root.isNull())
            throw Error(31004, QStringLiteral("The document has no root element: %1").arg(fullName), tag);
        return root;
    } catch (const Error &error) {
        // ...and the handler raises it again as a DOM error.
        if (error.source == tag)
            throw Error(error.number, QStringLiteral("DOM : ") + error.description, error.source + tag,
                        error.helpFile, error.helpContext);
        throw Error(error).tagged(tag);
    }
}

QString GetValidPath(const QString &path)
{
    return passing(" General.GetValidPath() ", [&] {
        QString result = path;
        if (result.contains(QLatin1Char(':')) || result.startsWith(QLatin1String("\\\\")))
            result.replace(QLatin1Char('/'), QLatin1Char('\\'));
        else
            result.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return result;
    });
}

QString localFilePath(const QString &path)
{
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (result.size() >= 2 && result.at(1) == QLatin1Char(':') && result.at(0).isLetter()
        && (result.size() == 2 || result.at(2) == QLatin1Char('/')))
        result.remove(0, 2);
    if (result.isEmpty())
        result = QStringLiteral("/");
    return result;
}
