#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

// Node, pattern and path helpers of the General module.

// A new node of `nodeType` (XmlNode::Element, CDATASection or Text) created
// by a new, empty document; an element is named `name` trimmed of
// blanks. Insert deep copies of it. Raises 5 for a node type it cannot create.
XmlNode GetNewNode(int nodeType, const QString &name);

// Loads folder + "/" + name + ".xml" (separators made uniform by GetValidPath)
// and returns its root element. A file that is missing or not well-formed
// raises the parser's code with the description "DOM : " + reason and the
// source " General.GetPattern()  General.GetPattern() ".
XmlNode GetPattern(const QString &name, const QString &folder);

// Makes a path's separators uniform: with a ":" anywhere, or beginning with
// two backslashes (a network path), every "/" becomes "\"; otherwise every "\"
// becomes "/".
QString GetValidPath(const QString &path);

// The path as this machine's file system takes it: backslashes become slashes
// and a leading drive letter ("C:") is dropped, so a folder written either way
// names the same directory.
QString localFilePath(const QString &path);
