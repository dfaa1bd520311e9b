#include "richtextwriter.h"

#include <QColor>

#include <array>
#include <utility>

namespace colorizer {

namespace {

const char documentStart[] =
    "<html><head><meta name=\"qrichtext\" content=\"1\" /></head>"
    "<body style=\"font-family:'Courier New',monospace; white-space:pre-wrap;\">";
const char documentEnd[] = "</body></html>";
const char lineStart[] = "<p style=\"margin:0;\">";
const char emptyLine[] = "<p style=\"-qt-paragraph-type:empty; margin:0;\"><br /></p>";

// Markup bytes per source character, on average, for typical scripts: a
// span per token and a paragraph per line roughly triple the text.
constexpr qsizetype expectedGrowth = 4;

constexpr bool needsMarkup(char16_t c)
{
    return c == u'<' || c == u'>' || c == u'&' || c == u'\n' || c == u'\r';
}

} // namespace

const char *colorOf(TokenClass tokenClass)
{
    switch (tokenClass) {
    case TokenClass::Keyword: return "#0000ff";
    case TokenClass::String: return "#a31515";
    case TokenClass::Comment: return "#008000";
    case TokenClass::Number: return "#8000a0";
    case TokenClass::Operator: return "#9a5b00";
    case TokenClass::Plain: break;
    }
    return "";
}

QRgb rgbOf(TokenClass tokenClass)
{
    static const auto table = [] {
        std::array<QRgb, 6> rgb{};
        for (std::size_t i = 1; i < rgb.size(); ++i)
            rgb[i] = QColor(QLatin1String(colorOf(TokenClass(i)))).rgba();
        return rgb;
    }();
    return table[std::size_t(tokenClass)];
}

RichTextWriter::RichTextWriter(qsizetype sourceLength)
{
    m_html.reserve(sourceLength * expectedGrowth + 256);
    m_html.append(QLatin1String(documentStart));
}

void RichTextWriter::write(TokenClass tokenClass, QStringView text)
{
    append(text, true, tokenClass);
}

void RichTextWriter::writeSpace(QStringView text)
{
    append(text, false, TokenClass::Plain);
}

void RichTextWriter::append(QStringView text, bool colourRun, TokenClass tokenClass)
{
    const QChar *p = text.data();
    const QChar *const end = p + text.size();
    while (p != end) {
        const char16_t c = p->unicode();
        if (c == u'\n' || c == u'\r') {
            if (!(c == u'\n' && m_afterCarriageReturn))
                endLine();
            m_afterCarriageReturn = c == u'\r';
            ++p;
            continue;
        }
        m_afterCarriageReturn = false;
        if (!m_lineHasText) {
            m_html.append(QLatin1String(lineStart));
            m_lineHasText = true;
        }
        if (colourRun && m_openSpan != tokenClass) {
            closeSpan();
            if (tokenClass != TokenClass::Plain) {
                m_html.append(QLatin1String("<span style=\"color:"))
                    .append(QLatin1String(colorOf(tokenClass)))
                    .append(QLatin1String(";\">"));
                m_openSpan = tokenClass;
            }
        }
        switch (c) {
        case u'<': m_html.append(QLatin1String("&lt;")); ++p; continue;
        case u'>': m_html.append(QLatin1String("&gt;")); ++p; continue;
        case u'&': m_html.append(QLatin1String("&amp;")); ++p; continue;
        default: break;
        }
        // A run of characters that need no markup goes in at once.
        const QChar *const run = p;
        while (p != end && !needsMarkup(p->unicode()))
            ++p;
        m_html.append(run, p - run);
    }
}

void RichTextWriter::closeSpan()
{
    if (m_openSpan != TokenClass::Plain) {
        m_html.append(QLatin1String("</span>"));
        m_openSpan = TokenClass::Plain;
    }
}

// The span closes with the line; write() reopens it on the next line when the
// same token goes on.
void RichTextWriter::endLine()
{
    if (m_lineHasText) {
        closeSpan();
        m_html.append(QLatin1String("</p>"));
        m_lineHasText = false;
    } else {
        m_html.append(QLatin1String(emptyLine));
    }
}

QString RichTextWriter::finish()
{
    endLine(); // the last line, empty when the text ends with a line break
    m_html.append(QLatin1String(documentEnd));
    m_afterCarriageReturn = false;
    return std::exchange(m_html, QString());
}

} // namespace colorizer
