#pragma once

#include <QDomNode>
#include <QString>

// The text of a DOM node as a location-path predicate and XmlNode::text()
// read it: the data of every text and CDATA node below `node`, in document
// order (comments and processing instructions are not text). For a text or
// CDATA node itself, its data.
QString descendantText(const QDomNode &node);
