#pragma once

#include <QString>

namespace host {
class LanguageReader;
}

// The texts a script pane shows of its own: its status line and its find
// bar. English unless a language file gives others.
struct PaneTexts
{
    QString noSyntaxErrors = QStringLiteral("No syntax errors");
    QString lineColumn = QStringLiteral("Line %1, column %2");   // %1 line, %2 column
    QString find = QStringLiteral("Find:");
    QString replace = QStringLiteral("Replace:");
    QString goToLine = QStringLiteral("Go to line:");
    QString next = QStringLiteral("Next");
    QString replaceOne = QStringLiteral("Replace");
    QString replaceAll = QStringLiteral("Replace all");
    QString notFound = QStringLiteral("Not found");
    QString replaced = QStringLiteral("%1 replaced");   // %1 the count
    // The bar a window shows while its scripts run
    QString running = QStringLiteral("Running… press Esc to stop");
    QString stop = QStringLiteral("Stop");
};

// The texts of the language file's section [ScriptPane], shared by every
// pane (keys "NoSyntaxErrors", "Find", ...); a key the file lacks keeps its
// English text.
PaneTexts readPaneTexts(host::LanguageReader &reader);
