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
// Passwords in the description and the source line (connection string
// pairs, addresses, an Open call's password argument) are shown as "****".
QString scriptErrorReport(const ScriptErrorInfo &error);

// `text` with its passwords shown as "****": connection string pairs
// ("Password=", "Pwd="), the password of a "scheme://user:pw@" address, and
// the third argument of an Open call (Open connection, user, password) when
// it is written as a literal. The report above and the error log use it.
QString maskedSecrets(const QString &text);
