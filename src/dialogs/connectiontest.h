#pragma once

#include <QString>

// The Test button of the database dialogs: opens `connection` (blanks already
// removed) once with ADODB.Connection, cursor location 2, as a generated
// script does, and closes it again. The active window shows that it is busy
// while it waits, and Esc or its Stop button ends the wait with error 18 (see
// runScriptsBusy); an attempt ends after a few seconds anyway (an
// unreachable server or a firewall that drops packets ends with the error
// text, not a hang).
//
// The outcome is a message with the information icon: "Ok!" titled
// "Veltrano", or "Error: " + number + "\r" + "Description: " + description +
// "\r" + "Source: " + source titled `failureTitle`. No password of the string
// appears in the text. Nothing is kept.
void TestConnectionString(const QString &connection, const QString &failureTitle);

// Seconds a test waits for the server unless the string names its own limit.
constexpr int ConnectionTestSeconds = 5;
