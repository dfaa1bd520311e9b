#pragma once

#include "platform/xml/xmlnode.h"

#include <QString>

// Where a node of a job document is, in words the user can find in the file:
// the element names from the root down, an EvalData with its Type and an
// Event with its Name ("JobDefinition/FreeDefinition/Sensor/EvaluationData/
// Values/EvalData[Type='2']/ReferenceValue"). Errors about a value or a
// missing part name the element this way.
QString nodePath(const XmlNode &node);

// The node that `path` selects below `base`. When it selects nothing this
// raises 91 naming what is missing where ("<base> has no DataPersistence/
// Quantity"); a null `base` raises the plain 91.
XmlNode requiredNode(const XmlNode &base, const QString &path);
