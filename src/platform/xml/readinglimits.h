#pragma once

#include <QDomNode>
#include <QString>

// How much of a document the reader builds. A file of a few megabytes can
// describe millions of nodes, each a few hundred bytes in the DOM (an element
// with attributes over two kilobytes), and every copy the editor makes costs
// as much again: such a document is refused while it is read, before it has
// cost the memory, and a save whose output would be refused is not written.
namespace readinglimits {

inline constexpr qsizetype maxElements = 1'000'000;
// Memory of the tree per byte of the file it is read from ...
inline constexpr qint64 bytesPerFileByte = 20;
// ... but a tree this small is never refused, whatever its file.
inline constexpr qint64 minimumBudget = 8 << 20;

// The memory a tree read from a file of `fileBytes` may take.
qint64 budgetFor(qint64 fileBytes);

// What a tree costs, counted node by node. The figures are those of Qt 6's
// DOM on a 64-bit system, measured: about 270 bytes a node and two a
// character of its names and data, and two kilobytes more for the attribute
// table of an element that has attributes.
class Tally
{
public:
    void element(qsizetype nameLength);
    // An attribute of the element counted last; `first` for its first one.
    void attribute(qsizetype nameLength, qsizetype valueLength, bool first);
    // A text, CDATA, comment, processing-instruction or entity-reference node.
    void characterNode(qsizetype length);

    qsizetype elements() const { return m_elements; }
    qint64 bytes() const { return m_bytes; }
    // Why a tree this large is refused for a file of `fileBytes` (a
    // negative size: only the count of elements is limited); empty when it
    // is not.
    QString excess(qint64 fileBytes) const;

private:
    qsizetype m_elements = 0;
    qint64 m_bytes = 0;
};

// The tally of `tree` and everything below it.
Tally tallyOf(const QDomNode &tree);

} // namespace readinglimits
