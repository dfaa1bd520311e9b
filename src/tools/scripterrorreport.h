#pragma once

#include "script/scriptcontrol.h"

#include <QString>

// The script error report the syntax check, the test evaluation and the
// events editor show: seven lines joined by "\r\n", no line break at the end:
//   Error.
//   Number: <Number>
//   Desc: <Description>
//   Column: <Column>
//   Line: <Line>
//   Text: <Text>
//   Source: <Source>
QString scriptErrorReport(const ScriptErrorInfo &error);
