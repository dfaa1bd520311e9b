#include "panehighlighter.h"

#include "common/skincolors.h"
#include "script/colorizer/richtextwriter.h"
#include "script/colorizer/tokenspans.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <memory>

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

// A colouriser's colours for one line, offsets in the line.
struct GivenColours : QTextBlockUserData
{
    explicit GivenColours(std::vector<host::ColourRun> runs) : runs(std::move(runs)) {}
    std::vector<host::ColourRun> runs;
};

// Whether `given` colours every character of `line` but blanks as the
// scanned `spans` do in the colouriser's standard colours. `a` and `b` are
// room for the colours of the line's characters, kept from line to line.
bool sameColours(const QString &line, const std::vector<host::ColourRun> &given,
                 const std::vector<colorizer::TokenSpan> &spans, std::vector<QRgb> &a, std::vector<QRgb> &b)
{
    a.assign(std::size_t(line.size()), 0);
    b.assign(std::size_t(line.size()), 0);
    for (const host::ColourRun &run : given)
        std::fill_n(a.begin() + run.start, run.length, run.colour.rgba());
    for (const colorizer::TokenSpan &span : spans)
        std::fill_n(b.begin() + span.start, span.length, colorizer::rgbOf(span.tokenClass));
    for (qsizetype i = 0; i < line.size(); ++i)
        if (a[std::size_t(i)] != b[std::size_t(i)] && !line.at(i).isSpace())
            return false;
    return true;
}

} // namespace

PaneHighlighter::PaneHighlighter(QPlainTextEdit *pane)
    : QObject(pane), m_pane(pane), m_document(pane->document())
{
    setPanePalette(pane->palette());
    connect(m_document, &QTextDocument::contentsChange, this, &PaneHighlighter::contentsChanged);
}

void PaneHighlighter::setDialect(colorizer::ScriptDialect dialect)
{
    if (dialect == m_dialect)
        return;
    m_dialect = dialect;
    rehighlight();
}

void PaneHighlighter::setPanePalette(const QPalette &palette)
{
    const ScriptTokenColors colours = GetScriptTokenColors(palette);
    const QColor byClass[] = {QColor(), colours.keyword, colours.string, colours.comment, colours.number,
                              colours.operatorSign};   // in the order of TokenClass
    static_assert(std::size(byClass) == std::tuple_size_v<decltype(m_formats)>);
    for (std::size_t i = 0; i < m_formats.size(); ++i) {
        m_formats[i] = QTextCharFormat();
        if (byClass[i].isValid())
            m_formats[i].setForeground(byClass[i]);
    }
    rehighlight();
}

void PaneHighlighter::rehighlight()
{
    m_generation = (m_generation + 1) & generationMask;
    m_statesKnownBefore = 0;
    m_pane->viewport()->update();
}

void PaneHighlighter::setGivenColours(const std::vector<host::ColourRun> &runs)
{
    auto next = runs.begin();
    auto state = LineState::Closed;
    std::vector<QRgb> givenColours, scannedColours;
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text();
        const qsizetype start = block.position();
        const qsizetype end = start + line.size();
        while (next != runs.end() && next->start + next->length <= start)
            ++next;
        std::vector<host::ColourRun> given;
        for (auto run = next; run != runs.end() && run->start < end; ++run) {
            const qsizetype from = qMax(run->start, start);
            const qsizetype to = qMin(run->start + run->length, end);
            if (to > from && run->colour.isValid())
                given.push_back({from - start, to - from, run->colour});
        }
        colorizer::LineSpans scanned = colorizer::scanLine(line, m_dialect, state);
        state = scanned.endState;
        const bool same = sameColours(line, given, scanned.spans, givenColours, scannedColours);
        block.setUserData(same ? nullptr : new GivenColours(std::move(given)));
    }
    rehighlight();
}

void PaneHighlighter::contentsChanged(int position, int /*removed*/, int added)
{
    QTextBlock block = m_document->findBlock(position);
    const QTextBlock last = m_document->findBlock(position + added);
    m_statesKnownBefore = qMin(m_statesKnownBefore, block.blockNumber());
    while (block.isValid()) {
        block.setUserState(-1);
        block.setUserData(nullptr);   // the colouriser's colours were for the old text
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
        if (const auto *given = static_cast<const GivenColours *>(block.userData())) {
            for (const host::ColourRun &run : given->runs)
                ranges.append({int(run.start), int(run.length), formatOf(run.colour)});
        } else {
            ranges.reserve(qsizetype(line.spans.size()));
            for (const colorizer::TokenSpan &span : line.spans)
                ranges.append({int(span.start), int(span.length), m_formats[std::size_t(span.tokenClass)]});
        }
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

// The colouriser's standard colour of a token class shows as this pane's
// colour of the class; any other colour as it is.
QTextCharFormat PaneHighlighter::formatOf(const QColor &colour) const
{
    for (std::size_t i = 1; i < m_formats.size(); ++i)
        if (colorizer::rgbOf(TokenClass(i)) == colour.rgba())
            return m_formats[i];
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

QTextCharFormat PaneHighlighter::formatAt(int position) const
{
    const QTextBlock block = m_document->findBlock(position);
    if (!block.isValid() || !block.layout())
        return {};
    const int offset = position - block.position();
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (offset >= range.start && offset < range.start + range.length)
            return range.format;
    return {};
}

TokenClass PaneHighlighter::classAt(int position) const
{
    const QTextCharFormat format = formatAt(position);
    for (std::size_t i = 1; i < m_formats.size(); ++i)
        if (m_formats[i] == format)
            return TokenClass(i);
    return TokenClass::Plain;
}

QColor PaneHighlighter::colourAt(int position) const
{
    const QTextCharFormat format = formatAt(position);
    return format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color() : QColor();
}
