#include "doctypescan.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

class Scanner
{
public:
    explicit Scanner(QStringView text) : m_text(text) {}

    DoctypeScan run();

private:
    bool at(QStringView literal) const { return m_text.sliced(m_i).startsWith(literal); }
    bool atEnd() const { return m_i >= m_text.size(); }
    void skipBlanks()
    {
        while (!atEnd() && isBlank(m_text[m_i]))
            ++m_i;
    }
    // Past the next `literal`; false (at the end) when there is none.
    bool skipPast(QStringView literal)
    {
        const qsizetype found = m_text.indexOf(literal, m_i);
        m_i = found < 0 ? m_text.size() : found + literal.size();
        return found >= 0;
    }
    // A quoted literal or one word, whichever comes next.
    QStringView token()
    {
        const qsizetype start = m_i;
        if (!atEnd() && (m_text[m_i] == u'"' || m_text[m_i] == u'\'')) {
            const QChar quote = m_text[m_i++];
            while (!atEnd() && m_text[m_i] != quote)
                ++m_i;
            ++m_i;
            return m_text.sliced(start, qMin(m_i, m_text.size()) - start);
        }
        while (!atEnd() && !isBlank(m_text[m_i]) && m_text[m_i] != u'>' && m_text[m_i] != u'"'
               && m_text[m_i] != u'\'')
            ++m_i;
        return m_text.sliced(start, m_i - start);
    }
    bool entityDeclaration();
    bool internalSubset();

    QStringView m_text;
    qsizetype m_i = 0;
    DoctypeScan m_scan;
};

// <!ENTITY [%] name (value | (SYSTEM | PUBLIC) ids [NDATA notation]) >
bool Scanner::entityDeclaration()
{
    const qsizetype start = m_i;
    m_i += 8;
    skipBlanks();
    const bool parameter = !atEnd() && m_text[m_i] == u'%';
    if (parameter) {
        ++m_i;
        skipBlanks();
    }
    const QString name = token().toString();
    bool external = false;
    bool unparsed = false;
    for (bool first = true;; first = false) {
        skipBlanks();
        if (atEnd())
            return false;
        if (m_text[m_i] == u'>')
            break;
        const QStringView word = token();
        if (word.isEmpty())
            return false;
        external = external || (first && (word == u"SYSTEM" || word == u"PUBLIC"));
        unparsed = unparsed || word == u"NDATA";
    }
    ++m_i;
    if (parameter) {
        m_scan.parameterEntities << name;
    } else if (external && !unparsed) {
        m_scan.externalEntities << name;
        m_scan.externalDeclarations.append({start, m_i});
    }
    return true;
}

// [ markup declarations, comments, processing instructions, %references; ]
bool Scanner::internalSubset()
{
    ++m_i;
    for (;;) {
        skipBlanks();
        if (atEnd())
            return false;
        if (m_text[m_i] == u']') {
            ++m_i;
            return true;
        }
        if (at(u"<!--")) {
            if (!skipPast(u"-->"))
                return false;
        } else if (at(u"<?")) {
            if (!skipPast(u"?>"))
                return false;
        } else if (at(u"<!ENTITY")) {
            if (!entityDeclaration())
                return false;
        } else if (at(u"<!")) {
            m_i += 2;
            for (skipBlanks(); !atEnd() && m_text[m_i] != u'>'; skipBlanks())
                if (token().isEmpty())
                    ++m_i;
            if (atEnd())
                return false;
            ++m_i;
        } else if (m_text[m_i] == u'%') {
            if (!skipPast(u";"))
                return false;
        } else {
            return false;
        }
    }
}

DoctypeScan Scanner::run()
{
    if (!atEnd() && m_text[0] == QChar(0xFEFF))
        ++m_i;
    for (;;) {
        skipBlanks();
        if (at(u"<?")) {
            if (!skipPast(u"?>"))
                return m_scan;
        } else if (at(u"<!--")) {
            if (!skipPast(u"-->"))
                return m_scan;
        } else if (at(u"<!DOCTYPE")) {
            break;
        } else {
            return m_scan;
        }
    }
    const qsizetype begin = m_i;
    m_i += 9;
    for (skipBlanks(); !atEnd() && m_text[m_i] != u'>'; skipBlanks()) {
        if (m_text[m_i] == u'[') {
            m_scan.hasInternalSubset = true;
            if (!internalSubset())
                return m_scan;
        } else if (token().isEmpty()) {
            return m_scan;
        }
    }
    if (atEnd())
        return m_scan;
    m_scan.begin = begin;
    m_scan.end = m_i + 1;
    return m_scan;
}

} // namespace

DoctypeScan scanDoctype(QStringView text)
{
    return Scanner(text).run();
}
