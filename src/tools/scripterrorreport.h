#pragma once

#include "script/scriptcontrol.h"

#include <QString>
#include <QStringList>

// The script error report the syntax check, the test evaluation and the
// events editor show: seven lines joined by "\r\n", no line break at the end:
//   Error.
//   Number: <Number>
//   Desc: <Description>
//   Column: <Column>
//   Line: <Line>
//   Text: <Text>
//   Source: <Source>
// Passwords in the description, the source line and the source are shown
// as "****": those written in them (maskSecrets), and `known`, the ones the
// run's connections opened with (RunSecrets), wherever they stand as a
// whole token.
QString scriptErrorReport(const ScriptErrorInfo &error, const QStringList &known = {});

// `text` with its passwords shown as "****" (script/objects/secretmask.h):
// every exit that shows or stores a script's words passes them through it.
QString maskedSecrets(const QString &text, const QStringList &known = {});
