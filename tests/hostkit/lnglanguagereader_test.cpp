#include "expecterror.h"
#include "hostkit/lnglanguagereader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using hostkit::LngLanguageReader;

LngLanguageReader readerOf(const QString &text)
{
    LngLanguageReader reader;
    reader.loadText(text);
    return reader;
}

QString textOf(LngLanguageReader &reader, const char *section, const char *key)
{
    return reader.GetText(QString::fromLatin1(section), QString::fromUtf8(key));
}

// One line of a section and the text GetText gives for its key.
TEST(LngFormat, ReadsTheTextOfALine)
{
    const struct
    {
        const char *line, *key, *expected;
    } rows[] = {
        {"chkActive=Active", "chkActive", "Active"},
        {"  chkActive \t=   Active  ", "chkActive", "Active"},
        {"fraStatus=Sensor   Options", "fraStatus", "Sensor   Options"},
        {"cmdOk=", "cmdOk", ""},
        {"MsgNoEvaluate=a=b==c", "MsgNoEvaluate", "a=b==c"},
        {"MsgX=one; two # three", "MsgX", "one; two # three"},
        {"Msg=one\\ntwo", "Msg", "one\ntwo"},
        {"Msg=one\\r\\ntwo", "Msg", "one\r\ntwo"},
        {"Msg=\\tMain=True", "Msg", "\tMain=True"},
        {"Msg=C:\\\\data\\\\en.lng", "Msg", "C:\\data\\en.lng"},
        {"Msg=\\\\n", "Msg", "\\n"},
        {"Msg=a\\qb", "Msg", "a\\qb"},
        {"Msg=end\\", "Msg", "end\\"},
        {"Msg=Value:\\t", "Msg", "Value:\t"},
        {"Caption=注文キュー «crítica» ≥ 50", "Caption", "注文キュー «crítica» ≥ 50"},
        {"ChkActive=Activo", "chkactive", "Activo"},
    };
    for (const auto &row : rows) {
        LngLanguageReader reader = readerOf(QStringLiteral("[frmJob]\n") + QString::fromUtf8(row.line) + u'\n');
        EXPECT_TRUE(reader.warnings().isEmpty()) << row.line;
        EXPECT_EQ(textOf(reader, "frmJob", row.key), QString::fromUtf8(row.expected)) << row.line;
    }
}

// A line that is not read is skipped with a warning; the good lines around it are still read.
TEST(LngFormat, BadLinesAreSkippedWithAWarning)
{
    const struct
    {
        const char *text, *warning;
        int warnings;
    } rows[] = {
        {"[frmJob]\ngood=yes\njust words\n", "line 3: no '='", 1},
        {"[frmJob]\n=orphan\ngood=yes\n", "line 2: no key", 1},
        {"early=text\n[frmJob]\ngood=yes\n", "line 1: key 'early' is outside", 1},
        {"[frmJob]\ngood=yes\n[]\n", "line 3: a section line", 1},
        // The keys under a section line that cannot be read go nowhere, not
        // into the section before it.
        {"[frmJob]\ngood=yes\n[frmWizard\nlost=text\n", "line 3: a section line", 2},
    };
    for (const auto &row : rows) {
        LngLanguageReader reader = readerOf(QString::fromUtf8(row.text));
        ASSERT_EQ(reader.warnings().size(), row.warnings) << row.text;
        EXPECT_TRUE(reader.warnings().first().contains(QString::fromUtf8(row.warning))) << row.text;
        EXPECT_EQ(textOf(reader, "frmJob", "good"), QStringLiteral("yes"));
        EXPECT_THROW(textOf(reader, "frmJob", "lost"), Error);
    }
}

TEST(LngFormat, CommentsBlankLinesRepeatsAndLineEnds)
{
    LngLanguageReader reader = readerOf(QStringLiteral("\xfeff; heading comment\r\n# another=comment\r\n\r\n[frmJob]\r\n"
                                                       "   ; indented comment=not a key\r\nchkActive=First\r\n\t\r\n"
                                                       "[ frmWizard ]\r\ncmdOk=&Ok\r\n[FRMJOB]\nCHKACTIVE=Second\nfraScript=Script"));
    EXPECT_TRUE(reader.warnings().isEmpty());
    EXPECT_EQ(reader.sections(), QStringList({QStringLiteral("frmJob"), QStringLiteral("frmWizard")}));
    EXPECT_EQ(reader.keys(QStringLiteral("frmjob")), QStringList({QStringLiteral("chkActive"), QStringLiteral("fraScript")}));
    EXPECT_EQ(textOf(reader, "frmJob", "chkActive"), QStringLiteral("Second"));
    EXPECT_EQ(textOf(reader, "frmWizard", "cmdOk"), QStringLiteral("&Ok"));
    EXPECT_THROW(textOf(reader, "frmJob", "another"), Error);
}

TEST(LngGetText, MissingSectionOrKeyRaises5NamingIt)
{
    LngLanguageReader reader = readerOf(QStringLiteral("[frmJob]\nchkActive=Active\n"));
    const Error section = raisedBy([&] { textOf(reader, "frmResultTest", "Caption"); });
    EXPECT_EQ(section.number, 5);
    EXPECT_TRUE(section.description.contains(QStringLiteral("[frmResultTest]")));
    EXPECT_TRUE(section.source.contains(QStringLiteral("LanguageReader.GetText()")));
    const Error key = raisedBy([&] { textOf(reader, "frmJob", "chkQuantity"); });
    EXPECT_EQ(key.number, 5);
    EXPECT_TRUE(key.description.contains(QStringLiteral("'chkQuantity'")));
    LngLanguageReader unread;
    EXPECT_THROW(textOf(unread, "frmJob", "chkActive"), Error);
}

TEST(LngLoadLanguage, ReadsIdDotLngFromTheFolderInUtf8)
{
    QTemporaryDir dir;
    const auto write = [&](const char *name, const QByteArray &bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("en.lng", "[frmJob]\nchkActive=Active\nchkQuantity=Numeric\n");
    write("es.lng", "[frmJob]\nchkActive=Activ\xc3\xb3\n");
    write("latin1.lng", "[frmJob]\nfraDescription=Descripci\xf3n\n");
    QDir(dir.path()).mkdir(QStringLiteral("folder.lng"));
    LngLanguageReader reader;
    QString backslashed = QStringLiteral("C:") + QString(dir.path()).replace(u'/', u'\\') + u'\\';
    EXPECT_TRUE(reader.LoadLanguage(QStringLiteral("en"), backslashed));
    QString folder = dir.path();
    ASSERT_TRUE(reader.LoadLanguage(QStringLiteral("en"), folder));
    ASSERT_TRUE(reader.LoadLanguage(QStringLiteral("es"), folder));
    EXPECT_EQ(folder, dir.path());
    EXPECT_EQ(textOf(reader, "frmJob", "chkActive"), QStringLiteral("Activó"));
    EXPECT_THROW(textOf(reader, "frmJob", "chkQuantity"), Error) << "a new file replaces the texts of the last one";
    for (const char *id : {"fr", "", "latin1", "folder"})
        EXPECT_FALSE(reader.LoadLanguage(QString::fromLatin1(id), folder)) << id;
}

} // namespace
