#pragma once

#include <QString>
#include <QTextCursor>

class QTextDocument;

// The text logic of a script pane, without a widget: loading and giving back
// a script with the line ends it was loaded with, replacing it as one step of
// the undo history, find and replace, indenting and outdenting lines, and a
// new line that keeps the indent. It works on a QTextDocument that the
// caller owns (the pane's), one text block per line.
//
// Line ends: every line keeps the end it was loaded with ("\r\n", "\n", a lone
// "\r", or the other characters that end a text block: U+2029, U+FDD0,
// U+FDD1), so a script whose lines end in different ways comes back exactly
// as loaded wherever the user did not edit it. The end is a property of the
// line's block format, which follows the line through edits and the undo
// history: a line split in two gives both halves its end, and lines typed or
// pasted into a line take its end. The last line's property (it has no end)
// is the end of the line above it, for the lines the user adds after it.
class ScriptDocument
{
public:
    explicit ScriptDocument(QTextDocument &document);

    // Makes `text` the document's; the undo history starts afresh.
    void load(const QString &text);
    // Replaces the whole text by `text` as one step of the undo history.
    void replace(const QString &text);
    // The text with each line's own end.
    QString text() const;

    // The next match of `what` (case-insensitive, within a line) after
    // `from`'s selection, or the one before it; the search goes round the
    // end. A null cursor when there is none or `what` is empty.
    QTextCursor find(const QString &what, const QTextCursor &from, bool backward = false) const;
    // Replaces the selection of `cursor` by `with` when it is a match of
    // `what`; false when it is not.
    bool replaceMatch(QTextCursor &cursor, const QString &what, const QString &with);
    // Replaces every match in one step of the undo history; the count.
    int replaceAll(const QString &what, const QString &with);

    // A tab before each line the selection touches, or one tab (else up to
    // four blanks) less; one step of the undo history. A selection that ends
    // at the start of a line leaves that line alone. Gives back the lines
    // changed, selected, when there was a selection, else `selection`.
    QTextCursor shiftLines(const QTextCursor &selection, bool outdent);
    // Replaces the selection of `at` by a line end and the blanks and tabs
    // that start its line (up to the caret), as one step; the caret after them.
    QTextCursor newLine(QTextCursor at);

private:
    void put(QTextCursor &cursor, const QString &text);

    QTextDocument &m_document;
};
