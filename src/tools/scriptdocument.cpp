#include "scriptdocument.h"

#include <QTextBlock>
#include <QTextDocument>

#include <vector>

namespace {

// The block format property that holds the end of a block's line.
constexpr int lineEndProperty = QTextFormat::UserProperty + 0x51e;

// A line of a text and the characters that end it (none for the last).
struct Line
{
    QStringView text;
    QStringView end;
};

// The characters on which a QTextDocument starts a new block when text is
// inserted; "\r\n" is one line end.
bool endsLine(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case 0x2029:   // paragraph separator
    case 0xfdd0:   // the document's frame marks
    case 0xfdd1: return true;
    default: return false;
    }
}

std::vector<Line> linesOf(QStringView text)
{
    std::vector<Line> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!endsLine(text[i]))
            continue;
        const qsizetype endLength = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
        lines.push_back({text.mid(start, i - start), text.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    lines.push_back({text.mid(start), {}});
    return lines;
}

QString lineEndOf(const QTextBlock &block)
{
    const QString end = block.blockFormat().stringProperty(lineEndProperty);
    return end.isEmpty() ? QStringLiteral("\n") : end;
}

void setLineEnd(QTextCursor cursor, const QString &end)
{
    QTextBlockFormat format;
    format.setProperty(lineEndProperty, end);
    cursor.mergeBlockFormat(format);
}

} // namespace

ScriptDocument::ScriptDocument(QTextDocument &document) : m_document(document)
{
}

void ScriptDocument::load(const QString &text)
{
    const bool undo = m_document.isUndoRedoEnabled();
    m_document.setUndoRedoEnabled(false);   // forgets the history
    QTextCursor cursor(&m_document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    put(cursor, text);
    cursor.endEditBlock();
    m_document.setUndoRedoEnabled(undo);
}

void ScriptDocument::replace(const QString &text)
{
    QTextCursor cursor(&m_document);
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    put(cursor, text);
    cursor.endEditBlock();
}

// Within an edit block, with the whole document selected: the lines go in
// as one text with the end of the first line, then the lines that end
// another way get theirs.
void ScriptDocument::put(QTextCursor &cursor, const QString &text)
{
    const std::vector<Line> lines = linesOf(text);
    const auto endOf = [&](std::size_t i) {
        const QStringView end = i + 1 < lines.size() ? lines[i].end : i > 0 ? lines[i - 1].end : u"\n";
        return end.toString();
    };
    QString shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            shown.append(QLatin1Char('\n'));
        shown.append(lines[i].text);
    }
    cursor.removeSelectedText();
    setLineEnd(cursor, endOf(0));
    cursor.insertText(shown);
    std::size_t i = 0;
    for (QTextBlock block = m_document.begin(); block.isValid() && i < lines.size(); block = block.next(), ++i) {
        const QString end = endOf(i);
        if (lineEndOf(block) != end)
            setLineEnd(QTextCursor(block), end);
    }
}

QString ScriptDocument::text() const
{
    QString text;
    text.reserve(m_document.characterCount() + m_document.blockCount());
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next()) {
        text.append(block.text());
        if (block.next().isValid())
            text.append(lineEndOf(block));
    }
    return text;
}

QTextCursor ScriptDocument::find(const QString &what, const QTextCursor &from, bool backward) const
{
    if (what.isEmpty())
        return {};
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    QTextCursor found = m_document.find(what, from, flags);
    if (found.isNull()) {
        QTextCursor round(&m_document);
        if (backward)
            round.movePosition(QTextCursor::End);
        found = m_document.find(what, round, flags);
    }
    return found;
}

bool ScriptDocument::replaceMatch(QTextCursor &cursor, const QString &what, const QString &with)
{
    // The document's find takes a no-break space for a blank.
    QString selected = cursor.selectedText();
    selected.replace(QChar::Nbsp, QLatin1Char(' '));
    if (what.isEmpty() || selected.compare(QString(what).replace(QChar::Nbsp, QLatin1Char(' ')), Qt::CaseInsensitive))
        return false;
    cursor.insertText(with);
    return true;
}

int ScriptDocument::replaceAll(const QString &what, const QString &with)
{
    if (what.isEmpty())
        return 0;
    int count = 0;
    QTextCursor edit(&m_document);
    edit.beginEditBlock();
    for (QTextCursor found = m_document.find(what, 0); !found.isNull(); found = m_document.find(what, found)) {
        found.insertText(with);
        ++count;
    }
    edit.endEditBlock();
    return count;
}

QTextCursor ScriptDocument::shiftLines(const QTextCursor &selection, bool outdent)
{
    const QTextBlock first = m_document.findBlock(selection.selectionStart());
    QTextBlock last = m_document.findBlock(selection.selectionEnd());
    if (last != first && selection.selectionEnd() == last.position())
        last = last.previous();
    QTextCursor edit(&m_document);
    edit.beginEditBlock();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        QTextCursor line(block);
        if (!outdent) {
            line.insertText(QStringLiteral("\t"));
        } else {
            const QString text = block.text();
            int width = text.startsWith(QLatin1Char('\t')) ? 1 : 0;
            if (width == 0)
                while (width < 4 && width < text.size() && text.at(width) == QLatin1Char(' '))
                    ++width;
            line.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, width);
            line.removeSelectedText();
        }
        if (block == last)
            break;
    }
    edit.endEditBlock();
    if (!selection.hasSelection())
        return selection;
    QTextCursor lines(&m_document);
    lines.setPosition(first.position());
    lines.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    return lines;
}

QTextCursor ScriptDocument::newLine(QTextCursor at)
{
    const QTextBlock block = m_document.findBlock(at.selectionStart());
    const QString line = block.text();
    const int caret = at.selectionStart() - block.position();
    int indent = 0;
    while (indent < caret && (line.at(indent) == QLatin1Char(' ') || line.at(indent) == QLatin1Char('\t')))
        ++indent;
    at.beginEditBlock();
    at.insertBlock();
    at.insertText(line.left(indent));
    at.endEditBlock();
    return at;
}
