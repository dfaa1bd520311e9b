#pragma once

#include <QDomNode>
#include <QList>
#include <QString>

// The location paths the job model selects nodes with, parsed once and then
// evaluated against a context node:
//
//   path      := [ "/" ] step { "/" step }
//   step      := ( name | "*" ) [ predicate ] | "." | ".."
//   predicate := "[" name "=" literal "]"
//   literal   := "'" { any but "'" } "'" | '"' { any but '"' } '"'
//
// Blanks may stand around any token. A name step selects the child elements
// of that name (compared case-sensitively, prefix included), "*" every child
// element, "." the node itself and ".." its parent. The predicate keeps the
// elements having a child element of that name whose text (all its text and
// CDATA) equals the literal exactly: "02" does not match '2'. A leading "/"
// starts at the document the context node belongs to; "/" alone is that
// document.
class LocationPath
{
public:
    // Raises 5, naming the path, the problem and its position (counted from
    // 1), for an ill-formed path: empty, an empty step ("a//b", "a/"), a
    // quote without its partner, a missing "]", "[]", a predicate without
    // "=" and literal, two predicates on one step, a predicate after "." or
    // "..", a character that cannot start a step.
    explicit LocationPath(const QString &path);

    // The matching nodes in document order, each once; empty when none match.
    QList<QDomNode> select(const QDomNode &context) const;

    struct Step
    {
        enum Kind { Name, AnyElement, Self, Parent };
        Kind kind = Name;
        QString name;
        bool hasPredicate = false;
        QString predicateChild;
        QString predicateValue;
    };

    bool isAbsolute() const { return m_absolute; }
    const QList<Step> &steps() const { return m_steps; }

private:
    bool m_absolute = false;
    QList<Step> m_steps;
};
