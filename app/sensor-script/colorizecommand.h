#pragma once

#include <QStringList>

// sensor-script colorize [--language VBScript|JScript] FILE: prints the rich
// text the script panes show for the file's script. Without --language the
// dialect is read from the text, as in the editor. Exit codes: 0 printed,
// 64 bad usage or unknown language, 66 the file cannot be read.
int colorizeCommand(const QStringList &args);
