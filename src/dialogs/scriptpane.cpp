#include "scriptpane.h"

#include "tools/scripterrorreport.h"

#include "panefindbar.h"
#include "panegutter.h"
#include "panehighlighter.h"

#include "errorcore/error.h"
#include "host/colorizer.h"
#include "tools/colourruns.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QLabel>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>

namespace {

constexpr qreal scriptPointSize = 9;

QFont scriptFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(scriptPointSize);
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

QColor blend(const QColor &base, const QColor &tint, qreal amount)
{
    return QColor::fromRgbF(float(base.redF() + (tint.redF() - base.redF()) * amount),
                            float(base.greenF() + (tint.greenF() - base.greenF()) * amount),
                            float(base.blueF() + (tint.blueF() - base.blueF()) * amount));
}

bool isDark(const QColor &color)
{
    return color.lightness() < 128;
}

const QColor markTint(0xe0, 0x30, 0x30);

} // namespace

ScriptPane::ScriptPane(QWidget *parent)
    : QPlainTextEdit(parent), m_highlighter(new PaneHighlighter(this)), m_gutter(new PaneGutter(this)),
      m_findBar(new PaneFindBar(this)), m_status(new QLabel(this)), m_script(*document())
{
    // The bar and the status line keep the interface font when the text zooms.
    m_findBar->setFont(QApplication::font());
    m_status->setFont(QApplication::font());
    m_status->setObjectName(QStringLiteral("paneStatus"));
    m_status->setContentsMargins(4, 1, 4, 1);
    m_status->setAutoFillBackground(true);
    m_status->hide();

    setFont(scriptFont());
    m_basePointSize = font().pointSizeF();
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setContextMenuPolicy(Qt::NoContextMenu);
    m_highlighter->setPanePalette(palette());

    connect(this, &QPlainTextEdit::blockCountChanged, this, &ScriptPane::updateMargins);
    connect(this, &QPlainTextEdit::updateRequest, m_gutter, [this] { m_gutter->update(); });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &ScriptPane::updateExtraSelections);
    connect(document(), &QTextDocument::contentsChange, this, &ScriptPane::textEdited);
    updateMargins();
    updateExtraSelections();
}

colorizer::ScriptDialect ScriptPane::dialect() const
{
    return m_highlighter->dialect();
}

void ScriptPane::setDialect(colorizer::ScriptDialect dialect)
{
    m_highlighter->setDialect(dialect);
}

void ScriptPane::setLanguageName(const QString &name)
{
    if (const auto dialect = colorizer::dialectFromName(name))
        setDialect(*dialect);
}

colorizer::TokenClass ScriptPane::colourAt(int position)
{
    const QTextBlock block = document()->findBlock(position);
    m_highlighter->highlight(block, block);
    return m_highlighter->classAt(position);
}

QColor ScriptPane::textColourAt(int position)
{
    (void)colourAt(position);
    return m_highlighter->colourAt(position);
}

void ScriptPane::setGivenColours(const std::vector<host::ColourRun> &runs)
{
    m_highlighter->setGivenColours(runs);
}

void ScriptPane::highlightView()
{
    const QTextBlock first = firstVisibleBlock();
    QTextBlock last = first;
    qreal top = blockBoundingGeometry(first).translated(contentOffset()).top();
    const int bottom = viewport()->height();
    for (QTextBlock block = first; block.isValid() && top <= bottom; block = block.next()) {
        last = block;
        top += blockBoundingRect(block).height();
    }
    m_highlighter->highlight(first, last);
}

void ScriptPane::paintEvent(QPaintEvent *event)
{
    highlightView();
    QPlainTextEdit::paintEvent(event);
}

// --- marks and status line

void ScriptPane::markLine(int line, int column, const QString &note)
{
    const QTextBlock block = document()->findBlockByNumber(qBound(1, line, blockCount()) - 1);
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + qBound(0, column, block.length() - 1));
    setTextCursor(cursor);
    centerCursor();
    m_markedLine = block.blockNumber() + 1;
    updateExtraSelections();
    m_gutter->update();
    showStatus(note);
}

void ScriptPane::clearMark()
{
    m_markedLine = 0;
    updateExtraSelections();
    m_gutter->update();
    showStatus(QString());
}

void ScriptPane::showStatus(const QString &text)
{
    m_status->setText(text);
    m_status->setToolTip(text);
    if (m_status->isHidden() != text.isEmpty()) {
        m_status->setVisible(!text.isEmpty());
        updateMargins();
    }
}

QString ScriptPane::statusText() const
{
    return m_status->text();
}

// An edit makes the marked place and the status note stale.
void ScriptPane::textEdited(int /*position*/, int removed, int added)
{
    if ((removed || added) && (m_markedLine || !m_status->isHidden()))
        clearMark();
}

// --- find, replace, go to line

bool ScriptPane::findNext(const QString &text, bool backward)
{
    const QTextCursor found = m_script.find(text, textCursor(), backward);
    if (found.isNull())
        return false;
    setTextCursor(found);
    ensureCursorVisible();
    return true;
}

bool ScriptPane::replaceNext(const QString &text, const QString &with)
{
    QTextCursor cursor = textCursor();
    if (m_script.replaceMatch(cursor, text, with))
        setTextCursor(cursor);
    return findNext(text);
}

int ScriptPane::replaceAll(const QString &text, const QString &with)
{
    return m_script.replaceAll(text, with);
}

void ScriptPane::goToLine(int line)
{
    setTextCursor(QTextCursor(document()->findBlockByNumber(qBound(1, line, blockCount()) - 1)));
    centerCursor();
}

void ScriptPane::setTexts(const PaneTexts &texts)
{
    m_texts = texts;
    m_findBar->setTexts(texts);
}

// --- keys, zoom

void ScriptPane::zoomBy(int points)
{
    QFont zoomed = font();
    zoomed.setPointSizeF(points == 0 ? m_basePointSize : qBound(4.0, zoomed.pointSizeF() + points, 72.0));
    setFont(zoomed);
}

void ScriptPane::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool control = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    if (control && (key == Qt::Key_Tab || key == Qt::Key_Backtab)) {
        event->ignore();   // the window's page switch
        return;
    }
    if (control && !(modifiers & Qt::AltModifier)) {
        switch (key) {
        case Qt::Key_F:
        case Qt::Key_H:
            m_findBar->open(key == Qt::Key_F ? PaneFindBar::Find : PaneFindBar::Replace,
                            textCursor().block() == document()->findBlock(textCursor().anchor())
                                ? textCursor().selectedText()
                                : QString());
            return;
        case Qt::Key_G: m_findBar->open(PaneFindBar::GoToLine, QString()); return;
        case Qt::Key_Y: redo(); return;
        case Qt::Key_Equal:
        case Qt::Key_Plus: zoomBy(1); return;
        case Qt::Key_Minus: zoomBy(-1); return;
        case Qt::Key_0: zoomBy(0); return;
        default: break;
        }
    }
    if (key == Qt::Key_F3 && !control) {
        findNext(m_findBar->findText(), shift);
        return;
    }
    if (key == Qt::Key_Escape && m_findBar->isVisible()) {
        m_findBar->close();
        return;
    }
    const QTextCursor cursor = textCursor();
    const bool lines = document()->findBlock(cursor.selectionStart()) != document()->findBlock(cursor.selectionEnd());
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && (shift || (lines && modifiers == Qt::NoModifier)))) {
        setTextCursor(m_script.shiftLines(cursor, key == Qt::Key_Backtab || shift));
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier) {
        setTextCursor(m_script.newLine(cursor));
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void ScriptPane::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        if (const int delta = event->angleDelta().y())
            zoomBy(delta > 0 ? 1 : -1);
        event->accept();
        return;
    }
    QPlainTextEdit::wheelEvent(event);
}

// --- gutter, bars, look

int ScriptPane::gutterWidth() const
{
    int digits = 3;
    for (int count = blockCount(); count >= 1000; count /= 10)
        ++digits;
    return 10 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void ScriptPane::paintGutter(QPaintEvent *event)
{
    QPainter painter(m_gutter);
    const QColor base = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    painter.fillRect(event->rect(), blend(base, text, 0.06));
    painter.setFont(font());
    const int width = m_gutter->width() - 5;
    const int current = textCursor().blockNumber();
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    for (; block.isValid() && top <= event->rect().bottom(); block = block.next()) {
        const qreal height = blockBoundingRect(block).height();
        if (block.isVisible() && top + height >= event->rect().top()) {
            const QRectF line(0, top, m_gutter->width(), fontMetrics().height());
            if (block.blockNumber() + 1 == m_markedLine)
                painter.fillRect(line, blend(base, markTint, 0.55));
            painter.setPen(block.blockNumber() == current ? text : blend(base, text, 0.5));
            painter.drawText(QRectF(0, top, width, line.height()), Qt::AlignRight | Qt::AlignVCenter,
                             QString::number(block.blockNumber() + 1));
        }
        top += height;
    }
}

void ScriptPane::updateExtraSelections()
{
    const QColor base = palette().color(QPalette::Base);
    QList<QTextEdit::ExtraSelection> selections;
    const auto shade = [&](const QTextBlock &block, const QColor &color) {
        QTextEdit::ExtraSelection selection;
        selection.format.setBackground(color);
        selection.format.setProperty(QTextFormat::FullWidthSelection, true);
        selection.cursor = QTextCursor(block);
        selections.append(selection);
    };
    const QTextBlock current = textCursor().block();
    if (m_markedLine)
        shade(document()->findBlockByNumber(m_markedLine - 1), blend(base, markTint, 0.25));
    if (current.blockNumber() + 1 != m_markedLine)
        shade(current, blend(base, palette().color(QPalette::Highlight), isDark(base) ? 0.22 : 0.10));
    setExtraSelections(selections);
}

void ScriptPane::updateMargins()
{
    const int top = m_findBar->isHidden() ? 0 : m_findBar->sizeHint().height();
    const int bottom = m_status->isHidden() ? 0 : m_status->sizeHint().height();
    setViewportMargins(gutterWidth(), top, 0, bottom);
    placeChildren();
}

void ScriptPane::placeFindBar()
{
    updateMargins();
}

void ScriptPane::placeChildren()
{
    const QRect view = viewport()->geometry();
    const int gutter = gutterWidth();
    m_gutter->setGeometry(view.left() - gutter, view.top(), gutter, view.height());
    const QRect inside = contentsRect();
    if (!m_findBar->isHidden())
        m_findBar->setGeometry(inside.left(), inside.top(), inside.width(), m_findBar->sizeHint().height());
    if (!m_status->isHidden())
        m_status->setGeometry(view.left() - gutter, view.bottom() + 1, view.width() + gutter,
                              m_status->sizeHint().height());
}

void ScriptPane::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    placeChildren();
}

void ScriptPane::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        setTabStopDistance(4 * QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')));
        updateMargins();
    } else if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange) {
        m_highlighter->setPanePalette(palette());
        updateExtraSelections();
    }
}

// --- the pane operations

void colorizeScript(ScriptPane &pane, host::Colorizer &colorizer)
{
    const int caret = pane.textCursor().selectionStart();
    pane.setGivenColours(colourRunsFrom(colorizer, *pane.document()));
    QTextCursor cursor = pane.textCursor();
    cursor.setPosition(qMin(caret, pane.document()->characterCount() - 1));
    pane.setTextCursor(cursor);
    emit pane.textChanged();
}

void copyScript(const QPlainTextEdit &pane)
{
    clipboard()->setText(plainSelection(pane.textCursor()));
}

void cutScript(QPlainTextEdit &pane)
{
    QTextCursor cursor = pane.textCursor();
    clipboard()->setText(plainSelection(cursor));
    if (cursor.hasSelection()) {
        cursor.removeSelectedText();
        pane.setTextCursor(cursor);
    }
}

void pasteScript(QPlainTextEdit &pane)
{
    const QString text = clipboard()->text();
    QTextCursor cursor = pane.textCursor();
    cursor.insertText(text);
    pane.setTextCursor(cursor);
}

void showScriptError(ScriptPane &pane, const QString &who, const ScriptErrorInfo &error)
{
    QString note = who + QLatin1String(": ");
    if (error.Line > 0)
        note += pane.texts().lineColumn.arg(error.Line).arg(error.Column) + QLatin1String(": ");
    note += maskedSecrets(error.Description);
    if (error.Line > 0)
        pane.markLine(int(error.Line), int(error.Column), note);
    else
        pane.showStatus(note);
    pane.setFocus();
}
