#pragma once

#include "host/languagereader.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace hostkit {

// The reference language reader: reads the interface texts of one language
// from "<folder>/<language id>.lng".
//
// The .lng format (UTF-8 text, a byte-order mark is allowed; lines end in LF
// or CR LF):
//
//   ; a comment line starts with ';' or '#' (after optional blanks)
//   [frmJob]                      a section: the name of a window
//   chkActive = Active            key=value; blanks around both are dropped
//   MsgNoEvaluate=Line one\nTwo   escapes in values: \n \r \t \\ (others stay)
//
// - A key is everything before the first '='; the value is everything after
//   it, so a value may hold '=', ';' and '#' (there are no end-of-line
//   comments). Leading and trailing blanks of a value are trimmed before
//   the escapes are expanded, so an escaped "\t" or "\n" at either end
//   survives.
// - Section and key names are compared without regard to case; a key that
//   appears twice in a section keeps its last value; a section that appears
//   twice is one section.
// - Blank lines are skipped. A line before the first section, a line without
//   '=', an empty key or an unclosed '[' is not read; warnings() lists it.
class LngLanguageReader : public host::LanguageReader
{
public:
    // Reads folder/<id>.lng (the folder may be written with backslashes or
    // a drive letter, see localFilePath); false when the id is empty or the
    // file is missing, unreadable or not valid UTF-8. `folder` is not changed.
    bool LoadLanguage(const QString &languageId, QString &folder) override;
    // The text of `key` in `section`; raises 5 naming the section and key when
    // either is missing (and before any file was read).
    QString GetText(const QString &section, const QString &key) override;

    // Reads one file; the same rules as LoadLanguage.
    bool loadFile(const QString &path);
    // Reads the texts from a string (what a file holds, decoded).
    void loadText(const QString &text);

    // Section names as first written, in file order.
    QStringList sections() const;
    // The keys of a section as first written, in file order; empty for a
    // section that is not there.
    QStringList keys(const QString &section) const;
    // "line N: why" for each line that was not read.
    QStringList warnings() const { return m_warnings; }

private:
    struct Section {
        QString name;
        QStringList keys;
        QHash<QString, QString> texts;   // by lower-case key
    };

    QList<Section> m_sections;
    QHash<QString, qsizetype> m_sectionIndex;   // by lower-case name
    QStringList m_warnings;
};

// The value of a .lng line with its escapes expanded.
QString unescapeLngValue(const QString &raw);

} // namespace hostkit
