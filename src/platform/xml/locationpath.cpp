#include "locationpath.h"

#include "errorcore/error.h"
#include "domtext.h"

namespace {

bool isNameStart(QChar c)
{
    return c.isLetter() || c == u'_' || c == u':';
}

bool isNameChar(QChar c)
{
    return isNameStart(c) || c.isDigit() || c == u'-' || c == u'.' || c.isMark() || c == QChar(0xB7);
}

// A recursive-descent reader over the path text; every failure names the
// path, the problem and the 1-based position where it was seen.
class PathParser
{
public:
    explicit PathParser(const QString &path) : m_path(path) {}

    void parse(bool &absolute, QList<LocationPath::Step> &steps);

private:
    [[noreturn]] void fail(const QString &problem) const
    {
        throw Error(5, QStringLiteral("Invalid location path \"%1\": %2").arg(m_path, problem));
    }
    QString position() const { return QString::number(m_pos + 1); }
    bool atEnd() const { return m_pos >= m_path.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_path.at(m_pos); }
    void skipBlanks()
    {
        while (!atEnd() && (peek() == u' ' || peek() == u'\t' || peek() == u'\r' || peek() == u'\n'))
            ++m_pos;
    }
    QString readName();
    LocationPath::Step readStep();
    void readPredicate(LocationPath::Step &step);

    const QString &m_path;
    qsizetype m_pos = 0;
};

// path := [ "/" ] step { "/" step }
void PathParser::parse(bool &absolute, QList<LocationPath::Step> &steps)
{
    skipBlanks();
    if (atEnd())
        fail(QStringLiteral("the path is empty"));
    if (peek() == u'/') {
        absolute = true;
        ++m_pos;
        skipBlanks();
        if (atEnd())
            return;                  // "/": the document itself
    }
    for (;;) {
        steps.append(readStep());
        skipBlanks();
        if (atEnd())
            return;
        if (peek() != u'/')
            fail(QStringLiteral("unexpected \"%1\" at position %2").arg(peek()).arg(position()));
        ++m_pos;
        skipBlanks();
    }
}

QString PathParser::readName()
{
    const qsizetype start = m_pos;
    if (!atEnd() && isNameStart(peek())) {
        while (!atEnd() && isNameChar(peek()))
            ++m_pos;
    }
    return m_path.mid(start, m_pos - start);
}

// step := ( name | "*" ) [ predicate ] | "." | ".."
LocationPath::Step PathParser::readStep()
{
    LocationPath::Step step;
    const qsizetype start = m_pos;
    if (atEnd() || peek() == u'/') {
        fail(atEnd() ? QStringLiteral("empty step at the end (the path ends with \"/\")")
                     : QStringLiteral("empty step at position %1 (\"//\" is not supported)").arg(position()));
    }
    if (peek() == u'.') {
        ++m_pos;
        step.kind = LocationPath::Step::Self;
        if (peek() == u'.') {
            ++m_pos;
            step.kind = LocationPath::Step::Parent;
        }
        if (!atEnd() && isNameChar(peek()))
            fail(QStringLiteral("unexpected \"%1\" at position %2").arg(peek()).arg(position()));
        skipBlanks();
        if (peek() == u'[') {
            fail(QStringLiteral("a predicate cannot follow \"%1\" (position %2)")
                     .arg(m_path.mid(start, step.kind == LocationPath::Step::Self ? 1 : 2), position()));
        }
        return step;
    }
    if (peek() == u'*') {
        ++m_pos;
        step.kind = LocationPath::Step::AnyElement;
    } else {
        step.name = readName();
        if (step.name.isEmpty()) {
            if (peek() == u'[')
                fail(QStringLiteral("a step has no name before \"[\" at position %1").arg(position()));
            fail(QStringLiteral("unexpected \"%1\" at position %2").arg(peek()).arg(position()));
        }
    }
    skipBlanks();
    if (peek() == u'[') {
        readPredicate(step);
        skipBlanks();
        if (peek() == u'[') {
            fail(QStringLiteral("more than one predicate in the step \"%1\" (position %2)")
                     .arg(m_path.mid(start, m_pos - start).trimmed(), position()));
        }
    }
    return step;
}

// predicate := "[" name "=" literal "]"
void PathParser::readPredicate(LocationPath::Step &step)
{
    const QString open = position();
    ++m_pos;
    skipBlanks();
    if (atEnd())
        fail(QStringLiteral("missing \"]\" for the \"[\" at position %1").arg(open));
    if (peek() == u']')
        fail(QStringLiteral("\"[\" without a predicate at position %1").arg(open));
    step.predicateChild = readName();
    if (step.predicateChild.isEmpty()) {
        fail(QStringLiteral("expected a child element name after \"[\" at position %1, found \"%2\"")
                 .arg(position(), peek()));
    }
    skipBlanks();
    if (atEnd())
        fail(QStringLiteral("missing \"]\" for the \"[\" at position %1").arg(open));
    if (peek() != u'=') {
        fail(QStringLiteral("expected \"=\" after \"%1\" at position %2 (a predicate is [Child='literal'])")
                 .arg(step.predicateChild, position()));
    }
    ++m_pos;
    skipBlanks();
    const QChar quote = peek();
    if (quote != u'\'' && quote != u'"') {
        fail(atEnd() ? QStringLiteral("expected a quoted literal after \"=\" at the end")
                     : QStringLiteral("expected a quoted literal after \"=\" at position %1, found \"%2\"")
                           .arg(position(), peek()));
    }
    const QString literalStart = position();
    const qsizetype close = m_path.indexOf(quote, m_pos + 1);
    if (close < 0) {
        fail(QStringLiteral("unbalanced quote: the literal opened at position %1 is not closed")
                 .arg(literalStart));
    }
    step.predicateValue = m_path.mid(m_pos + 1, close - m_pos - 1);
    m_pos = close + 1;
    skipBlanks();
    if (atEnd())
        fail(QStringLiteral("missing \"]\" for the \"[\" at position %1").arg(open));
    if (peek() != u']') {
        const QString rest = m_path.mid(m_pos);
        if (rest.contains(quote)) {
            fail(QStringLiteral("unbalanced quote: \"%1\" follows the literal %2%3%2 at position %4 "
                                "(a literal cannot hold its own quote character)")
                     .arg(rest, quote, step.predicateValue, position()));
        }
        fail(QStringLiteral("missing \"]\" at position %1").arg(position()));
    }
    ++m_pos;
    step.hasPredicate = true;
}

bool matchesPredicate(const QDomElement &element, const LocationPath::Step &step)
{
    if (!step.hasPredicate)
        return true;
    for (QDomElement child = element.firstChildElement(step.predicateChild); !child.isNull();
         child = child.nextSiblingElement(step.predicateChild)) {
        if (descendantText(child) == step.predicateValue)
            return true;
    }
    return false;
}

// Appends unless it is the node just appended: the nodes of one step all lie
// at the same depth in document order, so a node reached twice (the parent
// of two siblings) is reached twice in a row.
void appendOnce(QList<QDomNode> &nodes, const QDomNode &node)
{
    if (nodes.isEmpty() || nodes.last() != node)
        nodes.append(node);
}

void applyStep(const LocationPath::Step &step, const QDomNode &context, QList<QDomNode> &out)
{
    switch (step.kind) {
    case LocationPath::Step::Self:
        appendOnce(out, context);
        return;
    case LocationPath::Step::Parent:
        if (!context.parentNode().isNull())
            appendOnce(out, context.parentNode());
        return;
    case LocationPath::Step::Name:
    case LocationPath::Step::AnyElement:
        break;
    }
    const QString name = step.kind == LocationPath::Step::Name ? step.name : QString();
    for (QDomElement child = context.firstChildElement(name); !child.isNull();
         child = child.nextSiblingElement(name)) {
        if (matchesPredicate(child, step))
            out.append(child);
    }
}

} // namespace

LocationPath::LocationPath(const QString &path)
{
    PathParser(path).parse(m_absolute, m_steps);
}

QList<QDomNode> LocationPath::select(const QDomNode &context) const
{
    QList<QDomNode> current;
    current.append(m_absolute ? QDomNode(context.ownerDocument()) : context);
    for (const Step &step : m_steps) {
        QList<QDomNode> next;
        for (const QDomNode &node : std::as_const(current))
            applyStep(step, node, next);
        current = std::move(next);
        if (current.isEmpty())
            break;
    }
    return current;
}
