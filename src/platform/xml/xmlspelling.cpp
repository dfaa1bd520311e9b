#include "xmlspelling.h"

#include <algorithm>
#include <utility>

namespace xmlspelling {
namespace {

bool isFormatting(QStringView raw)
{
    return std::all_of(raw.begin(), raw.end(), [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; });
}

qsizetype lineBreaks(QStringView text)
{
    return text.count(u'\n') + text.count(u'\r') - text.count(u"\r\n");
}

} // namespace

Spellings::Spellings(const QString &text) : m_text(text), m_reader(text)
{
    m_reader.setNamespaceProcessing(false);
}

bool Spellings::next(Spelling &piece)
{
    for (;;) {
        if (!take(piece))
            return false;
        Spelling after;
        if (piece.type == QXmlStreamReader::Characters) {
            bool more = take(after);
            for (; more && after.type == QXmlStreamReader::Characters; more = take(after))
                piece.raw += after.raw;
            if (more)
                m_pending = std::move(after);
            if (isFormatting(piece.raw))
                continue;
        } else if (piece.type == QXmlStreamReader::StartElement && take(after)) {
            if (after.type == QXmlStreamReader::EndElement && after.depth == piece.depth)
                piece.raw += after.raw;
            else
                m_pending = std::move(after);
        }
        return true;
    }
}

bool Spellings::take(Spelling &piece)
{
    if (m_pending) {
        piece = *std::exchange(m_pending, std::nullopt);
        return true;
    }
    return read(piece);
}

// One token as a piece (character data and references as Characters);
// tokens without text of their own (the end of "<a/>") are passed over.
bool Spellings::read(Spelling &piece)
{
    while (!m_reader.atEnd()) {
        QXmlStreamReader::TokenType token = m_reader.readNext();
        if (m_reader.hasError() || token == QXmlStreamReader::EndDocument)
            return false;
        qsizetype to = m_reader.characterOffset();
        // Character data ends where the reader has taken the "<" of the
        // markup after it (which it cannot hold itself).
        if (to > m_from && m_text.at(to - 1) == u'<' && token != QXmlStreamReader::StartElement)
            --to;
        if (token == QXmlStreamReader::EntityReference)
            token = QXmlStreamReader::Characters;
        // Markup starts after the blanks the reader passes over in the prolog.
        qsizetype start = m_from;
        while (token != QXmlStreamReader::Characters && start < to && isFormatting(QStringView(m_text).mid(start, 1)))
            ++start;
        m_line += lineBreaks(QStringView(m_text).mid(m_from, start - m_from));
        const QStringView raw = QStringView(m_text).mid(start, to - start);
        piece = {token, raw.toString(), m_line, 0, {}, {}};
        m_line += lineBreaks(raw);
        m_from = to;
        if (token == QXmlStreamReader::StartElement) {
            m_pathEnds << m_path.size();
            m_path += (m_path.isEmpty() ? QString() : QStringLiteral("/")) + m_reader.qualifiedName().toString();
            for (const QXmlStreamAttribute &attribute : m_reader.attributes())
                piece.attributes << attribute.qualifiedName().toString();
        }
        piece.depth = m_pathEnds.size();
        piece.path = m_path;
        if (token == QXmlStreamReader::EndElement)
            m_path.truncate(m_pathEnds.takeLast());
        if (token == QXmlStreamReader::Characters || !raw.isEmpty())
            return true;
    }
    return false;
}

} // namespace xmlspelling
