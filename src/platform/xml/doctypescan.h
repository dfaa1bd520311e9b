#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The document type declaration at the head of an XML text, found before the
// text is parsed. The stream reader keeps no internal subset, and it expands
// a reference to an external entity declared there to nothing, so the
// element that holds it would read (and save) without it. With what is found
// here the reader keeps the subset and such references as they are.
struct DoctypeScan
{
    qsizetype begin = -1;            // "<!DOCTYPE" in the text; -1 when there is none
    qsizetype end = -1;              // just after its closing ">"
    bool hasInternalSubset = false;
    // General entities declared in the internal subset with SYSTEM or PUBLIC
    // (and no NDATA): their text is in another file, which is never read.
    QStringList externalEntities;
    // Where those declarations stand in the text, [first, second).
    QList<std::pair<qsizetype, qsizetype>> externalDeclarations;
    QStringList parameterEntities;

    QStringView declaration(QStringView text) const { return text.sliced(begin, end - begin); }
};

// Scans the prolog of `text` (declaration, comments, processing
// instructions, white space) for a document type declaration. A text whose
// prolog is not well-formed gives what was found so far; the parser then
// reports the fault.
DoctypeScan scanDoctype(QStringView text);
