#include "scriptpane.h"

#include "errorcore/error.h"
#include "host/colorizer.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTextCursor>

namespace {

QFont scriptFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    return font;
}

QClipboard *clipboard()
{
    QClipboard *board = QGuiApplication::clipboard();
    if (!board)
        throw Error::fromNumber(521);   // "Can't open Clipboard"
    return board;
}

// A selection as plain text: Qt marks line ends inside a selection with
// paragraph separators.
QString plainSelection(const QTextCursor &cursor)
{
    QString text = cursor.selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace

ScriptPane::ScriptPane(QWidget *parent) : QTextEdit(parent)
{
    setFont(scriptFont());
    setTabStopDistance(4 * QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')));
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::NoWrap);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void colorizeScript(QTextEdit &pane, host::Colorizer &colorizer)
{
    const int caret = pane.textCursor().selectionStart();
    const QString richText = colorizer.ParseCode(pane.toPlainText());
    pane.setHtml(richText);
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(qMin(caret, pane.document()->characterCount() - 1));
    pane.setTextCursor(cursor);
}

void copyScript(const QTextEdit &pane)
{
    clipboard()->setText(plainSelection(pane.textCursor()));
}

void cutScript(QTextEdit &pane)
{
    QTextCursor cursor = pane.textCursor();
    clipboard()->setText(plainSelection(cursor));
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
        pane.setTextCursor(cursor);
    }
}

void pasteScript(QTextEdit &pane)
{
    const QString text = clipboard()->text();
    QTextCursor cursor = pane.textCursor();
    cursor.insertText(text);
    pane.setTextCursor(cursor);
}
