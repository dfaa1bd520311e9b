#include "panehighlighter.h"

#include "script/colorizer/richtextwriter.h"
#include "script/colorizer/tokenspans.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using colorizer::LineState;
using colorizer::TokenClass;

namespace {

// A block's user state: -1 (never coloured) or these bits.
constexpr int stateBits = 2;
constexpr int stateMask = (1 << stateBits) - 1;
constexpr int formattedBit = 1 << (2 * stateBits);
constexpr int generationShift = 2 * stateBits + 1;
constexpr int generationMask = (1 << 20) - 1;

int packed(int startState, int endState, bool formatted, int generation)
{
    return endState | (startState << stateBits) | (formatted ? formattedBit : 0)
        | ((generation & generationMask) << generationShift);
}
int endStateOf(int packedState) { return packedState & stateMask; }
int startStateOf(int packedState) { return (packedState >> stateBits) & stateMask; }
bool isFormatted(int packedState) { return packedState & formattedBit; }
int generationOf(int packedState) { return (packedState >> generationShift) & generationMask; }

// Colours readable on a dark pane, for the classes the light ones cover.
const char *darkColorOf(TokenClass tokenClass)
{
    switch (tokenClass) {
    case TokenClass::Keyword: return "#6cb6ff";
    case TokenClass::String: return "#f0a070";
    case TokenClass::Comment: return "#7ccf7c";
    case TokenClass::Number: return "#d7a0f0";
    case TokenClass::Operator: return "#e0c070";
    case TokenClass::Plain: break;
    }
    return "";
}

} // namespace

PaneHighlighter::PaneHighlighter(QPlainTextEdit *pane)
    : QObject(pane), m_pane(pane), m_document(pane->document())
{
    setDarkBackground(false);
    connect(m_document, &QTextDocument::contentsChange, this, &PaneHighlighter::contentsChanged);
}

void PaneHighlighter::setDialect(colorizer::ScriptDialect dialect)
{
    if (dialect == m_dialect)
        return;
    m_dialect = dialect;
    rehighlight();
}

void PaneHighlighter::setDarkBackground(bool dark)
{
    m_dark = dark;
    for (std::size_t i = 0; i < m_formats.size(); ++i) {
        const auto tokenClass = TokenClass(i);
        m_formats[i] = QTextCharFormat();
        if (tokenClass != TokenClass::Plain)
            m_formats[i].setForeground(QColor(QLatin1String(dark ? darkColorOf(tokenClass) : colorizer::colorOf(tokenClass))));
    }
    rehighlight();
}

void PaneHighlighter::rehighlight()
{
    m_generation = (m_generation + 1) & generationMask;
    m_statesKnownBefore = 0;
    m_pane->viewport()->update();
}

void PaneHighlighter::contentsChanged(int position, int /*removed*/, int added)
{
    QTextBlock block = m_document->findBlock(position);
    const QTextBlock last = m_document->findBlock(position + added);
    m_statesKnownBefore = qMin(m_statesKnownBefore, block.blockNumber());
    while (block.isValid()) {
        block.setUserState(-1);
        if (block == last)
            break;
        block = block.next();
    }
}

int PaneHighlighter::colour(const QTextBlock &block, int startState, bool apply)
{
    const colorizer::LineSpans line = colorizer::scanLine(block.text(), m_dialect, LineState(startState));
    const int endState = int(line.endState);
    if (apply) {
        QList<QTextLayout::FormatRange> ranges;
        ranges.reserve(qsizetype(line.spans.size()));
        for (const colorizer::TokenSpan &span : line.spans)
            ranges.append({int(span.start), int(span.length), m_formats[std::size_t(span.tokenClass)]});
        block.layout()->setFormats(ranges);
        // The layout is made again with the new formats; no text changes.
        m_document->markContentsDirty(block.position(), block.length());
    }
    QTextBlock(block).setUserState(packed(startState, endState, apply, m_generation));
    return endState;
}

void PaneHighlighter::highlight(const QTextBlock &first, const QTextBlock &last)
{
    if (!first.isValid() || !last.isValid())
        return;
    const int firstNumber = first.blockNumber();
    const int lastNumber = last.blockNumber();
    QTextBlock block = firstNumber <= m_statesKnownBefore ? first : m_document->findBlockByNumber(m_statesKnownBefore);
    const QTextBlock above = block.previous();
    int state = above.isValid() ? endStateOf(above.userState()) : 0;
    for (; block.isValid() && block.blockNumber() <= lastNumber; block = block.next()) {
        const int stored = block.userState();
        const bool known = stored >= 0 && generationOf(stored) == m_generation && startStateOf(stored) == state;
        const bool inView = block.blockNumber() >= firstNumber;
        if (!known || (inView && !isFormatted(stored)))
            state = colour(block, state, inView);
        else
            state = endStateOf(stored);
    }
    m_statesKnownBefore = qMax(m_statesKnownBefore, lastNumber + 1);
}

TokenClass PaneHighlighter::classAt(int position) const
{
    const QTextBlock block = m_document->findBlock(position);
    if (!block.isValid() || !block.layout())
        return TokenClass::Plain;
    const int offset = position - block.position();
    for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
        if (offset >= range.start && offset < range.start + range.length) {
            for (std::size_t i = 0; i < m_formats.size(); ++i)
                if (m_formats[i] == range.format)
                    return TokenClass(i);
        }
    }
    return TokenClass::Plain;
}
