#pragma once

#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

#include <optional>

// A document's text as it is spelt, piece by piece: what two texts of one
// document are compared by, where the tree of either would hide how each
// writes the same thing.
namespace xmlspelling {

// One piece of a text as it is spelt: a tag (an element without
// content as one piece, "<a></a>" or "<a/>"), a run of character data (text,
// CDATA sections and references together), a comment, an instruction, the
// declaration or the document type. White space alone between tags is
// formatting, which a save writes anew: it makes no piece.
struct Spelling
{
    QXmlStreamReader::TokenType type = QXmlStreamReader::NoToken;
    QString raw;
    qsizetype line = 0;
    qsizetype depth = 0;             // of the element it is in or opens
    QString path;
    QStringList attributes;          // a start tag's, in the order written
};

// The pieces of a text one after the other, up to its end or its first
// error: two texts are compared piece by piece without holding either list.
class Spellings
{
public:
    explicit Spellings(const QString &text);

    bool next(Spelling &piece);

private:
    bool take(Spelling &piece);
    bool read(Spelling &piece);

    const QString &m_text;
    QXmlStreamReader m_reader;
    qsizetype m_from = 0;
    qsizetype m_line = 1;
    QString m_path;                  // of the open elements, "a/b/c"
    QList<qsizetype> m_pathEnds;     // its length before each of them
    std::optional<Spelling> m_pending;
};

} // namespace xmlspelling
