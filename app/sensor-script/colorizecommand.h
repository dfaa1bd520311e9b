#pragma once

#include <QStringList>

// sensor-script colorize [--language VBScript|JScript] FILE: prints the rich
// text the script panes show for the file's script. Without --language the
// dialect is read from the text, as in the editor. Exit codes: ExitOk,
// ExitUsage (also for an unknown language), ExitNoInput.
int colorizeCommand(const QStringList &args);
