#include "errorcore/error.h"
#include "hostkit/lnglanguagereader.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using hostkit::LngLanguageReader;

// Writes `bytes` to dir/name and returns the path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return path;
}

// One line of a section and the text GetText gives for its key.
struct ValueRow
{
    const char *name;
    const char *line;
    const char *key;
    const char *expected;
};

class LngValue : public ::testing::TestWithParam<ValueRow>
{
};

TEST_P(LngValue, ReadsTheTextOfTheLine)
{
    LngLanguageReader reader;
    reader.loadText(QStringLiteral("[frmJob]\n") + QString::fromUtf8(GetParam().line) + QLatin1Char('\n'));
    EXPECT_TRUE(reader.warnings().isEmpty()) << reader.warnings().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(reader.GetText(QStringLiteral("frmJob"), QString::fromUtf8(GetParam().key)),
              QString::fromUtf8(GetParam().expected));
}

const ValueRow valueRows[] = {
    {"Plain", "chkActive=Active", "chkActive", "Active"},
    {"BlanksAroundKeyAndText", "  chkActive \t=   Active  ", "chkActive", "Active"},
    {"InnerBlanksKept", "fraStatus=Sensor   Options", "fraStatus", "Sensor   Options"},
    {"EmptyText", "cmdOk=", "cmdOk", ""},
    {"EqualsInText", "MsgNoEvaluate=a=b==c", "MsgNoEvaluate", "a=b==c"},
    {"SemicolonAndHashInText", "MsgX=one; two # three", "MsgX", "one; two # three"},
    {"LineFeedEscape", "Msg=one\\ntwo", "Msg", "one\ntwo"},
    {"CarriageReturnEscape", "Msg=one\\r\\ntwo", "Msg", "one\r\ntwo"},
    {"TabEscape", "Msg=\\tMain=True", "Msg", "\tMain=True"},
    {"EscapedBackslash", "Msg=C:\\\\data\\\\en.lng", "Msg", "C:\\data\\en.lng"},
    {"BackslashBeforeN", "Msg=\\\\n", "Msg", "\\n"},
    {"UnknownEscapeKept", "Msg=a\\qb", "Msg", "a\\qb"},
    {"TrailingBackslashKept", "Msg=end\\", "Msg", "end\\"},
    {"EscapedBlankAtEndSurvives", "Msg=Value:\\t", "Msg", "Value:\t"},
    {"Accents", "fraDescription=Descripción predeterminada", "fraDescription", "Descripción predeterminada"},
    {"NonLatin", "Caption=注文キュー «crítica» ≥ 50", "Caption", "注文キュー «crítica» ≥ 50"},
    {"KeyCaseIgnored", "ChkActive=Activo", "chkactive", "Activo"},
    {"Ampersand", "cmdOk=&Aceptar", "cmdOk", "&Aceptar"},
};

INSTANTIATE_TEST_SUITE_P(LngFormat, LngValue, ::testing::ValuesIn(valueRows),
                         [](const auto &info) { return std::string(info.param.name); });

// A line that is not read, and why.
struct BadLineRow
{
    const char *name;
    const char *text;
    const char *warning;
    int warnings;
};

class LngBadLine : public ::testing::TestWithParam<BadLineRow>
{
};

TEST_P(LngBadLine, IsSkippedWithAWarning)
{
    LngLanguageReader reader;
    reader.loadText(QString::fromUtf8(GetParam().text));
    ASSERT_EQ(reader.warnings().size(), GetParam().warnings);
    EXPECT_TRUE(reader.warnings().first().contains(QString::fromUtf8(GetParam().warning)))
        << reader.warnings().first().toStdString();
    // The good lines around it are still read.
    EXPECT_EQ(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("good")), QStringLiteral("yes"));
    EXPECT_THROW(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("lost")), Error);
}

const BadLineRow badLineRows[] = {
    {"NoEquals", "[frmJob]\ngood=yes\njust words\n", "line 3: no '='", 1},
    {"EmptyKey", "[frmJob]\n=orphan\ngood=yes\n", "line 2: no key", 1},
    {"KeyBeforeAnySection", "early=text\n[frmJob]\ngood=yes\n", "line 1: key 'early' is outside", 1},
    {"EmptySectionName", "[frmJob]\ngood=yes\n[]\n", "line 3: a section line", 1},
    // The keys under a section line that cannot be read go nowhere, not into
    // the section before it.
    {"UnclosedSection", "[frmJob]\ngood=yes\n[frmWizard\nlost=text\n", "line 3: a section line", 2},
};

INSTANTIATE_TEST_SUITE_P(LngFormat, LngBadLine, ::testing::ValuesIn(badLineRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LngFormat, CommentsBlankLinesAndLineEndsAreNotTexts)
{
    LngLanguageReader reader;
    reader.loadText(QStringLiteral("\xfeff; heading comment\r\n"
                                   "# another=comment\r\n"
                                   "\r\n"
                                   "[frmJob]\r\n"
                                   "   ; indented comment=not a key\r\n"
                                   "chkActive=Active\r\n"
                                   "\t\r\n"
                                   "[ frmWizard ]\r\n"
                                   "cmdOk=&Ok"));
    EXPECT_TRUE(reader.warnings().isEmpty());
    EXPECT_EQ(reader.sections(), QStringList({QStringLiteral("frmJob"), QStringLiteral("frmWizard")}));
    EXPECT_EQ(reader.keys(QStringLiteral("frmJob")), QStringList(QStringLiteral("chkActive")));
    EXPECT_EQ(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("chkActive")), QStringLiteral("Active"));
    EXPECT_EQ(reader.GetText(QStringLiteral("frmWizard"), QStringLiteral("cmdOk")), QStringLiteral("&Ok"));
    EXPECT_THROW(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("another")), Error);
}

TEST(LngFormat, RepeatedKeyKeepsTheLastTextAndRepeatedSectionJoins)
{
    LngLanguageReader reader;
    reader.loadText(QStringLiteral("[frmJob]\nchkActive=First\n[frmWizard]\ncmdOk=&Ok\n"
                                   "[FRMJOB]\nCHKACTIVE=Second\nfraScript=Script\n"));
    EXPECT_EQ(reader.sections(), QStringList({QStringLiteral("frmJob"), QStringLiteral("frmWizard")}));
    EXPECT_EQ(reader.keys(QStringLiteral("frmjob")),
              QStringList({QStringLiteral("chkActive"), QStringLiteral("fraScript")}));
    EXPECT_EQ(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("chkActive")), QStringLiteral("Second"));
}

TEST(LngGetText, MissingSectionOrKeyRaises5NamingIt)
{
    LngLanguageReader reader;
    reader.loadText(QStringLiteral("[frmJob]\nchkActive=Active\n"));
    try {
        reader.GetText(QStringLiteral("frmResultTest"), QStringLiteral("Caption"));
        FAIL() << "a missing section must raise";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 5);
        EXPECT_TRUE(error.description.contains(QStringLiteral("[frmResultTest]")));
        EXPECT_TRUE(error.source.contains(QStringLiteral("LanguageReader.GetText()")));
    }
    try {
        reader.GetText(QStringLiteral("frmJob"), QStringLiteral("chkQuantity"));
        FAIL() << "a missing key must raise";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 5);
        EXPECT_TRUE(error.description.contains(QStringLiteral("'chkQuantity'")));
    }
}

TEST(LngGetText, RaisesBeforeAnyFileWasRead)
{
    LngLanguageReader reader;
    EXPECT_THROW(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("chkActive")), Error);
}

TEST(LngLoadLanguage, ReadsIdDotLngFromTheFolderInUtf8)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("es.lng"), QByteArray("[frmJob]\nfraDescription=Descripci\xc3\xb3n\n"));
    LngLanguageReader reader;
    QString folder = dir.path();
    ASSERT_TRUE(reader.LoadLanguage(QStringLiteral("es"), folder));
    EXPECT_EQ(folder, dir.path());
    EXPECT_EQ(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("fraDescription")),
              QStringLiteral("Descripción"));
}

TEST(LngLoadLanguage, FolderWithBackslashesOrATrailingSeparator)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("en.lng"), QByteArray("[frmJob]\nchkActive=Active\n"));
    const QString backslashed = QString(dir.path()).replace(QLatin1Char('/'), QLatin1Char('\\'));
    for (QString folder : {backslashed, backslashed + QLatin1Char('\\'), dir.path() + QLatin1Char('/'),
                           QStringLiteral("C:") + backslashed}) {
        LngLanguageReader reader;
        EXPECT_TRUE(reader.LoadLanguage(QStringLiteral("en"), folder)) << folder.toStdString();
    }
}

TEST(LngLoadLanguage, FalseForMissingEmptyOrUnreadableFiles)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("latin1.lng"), QByteArray("[frmJob]\nfraDescription=Descripci\xf3n\n"));
    QDir(dir.path()).mkdir(QStringLiteral("folder.lng"));
    QString folder = dir.path();
    LngLanguageReader reader;
    EXPECT_FALSE(reader.LoadLanguage(QStringLiteral("fr"), folder));
    EXPECT_FALSE(reader.LoadLanguage(QString(), folder));
    EXPECT_FALSE(reader.LoadLanguage(QStringLiteral("latin1"), folder)) << "not UTF-8";
    EXPECT_FALSE(reader.LoadLanguage(QStringLiteral("folder"), folder)) << "a folder is not a file";
}

TEST(LngLoadLanguage, ANewFileReplacesTheTextsOfTheLastOne)
{
    QTemporaryDir dir;
    writeFile(dir, QStringLiteral("en.lng"), QByteArray("[frmJob]\nchkActive=Active\nchkQuantity=Numeric\n"));
    writeFile(dir, QStringLiteral("es.lng"), QByteArray("[frmJob]\nchkActive=Activo\n"));
    QString folder = dir.path();
    LngLanguageReader reader;
    ASSERT_TRUE(reader.LoadLanguage(QStringLiteral("en"), folder));
    ASSERT_TRUE(reader.LoadLanguage(QStringLiteral("es"), folder));
    EXPECT_EQ(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("chkActive")), QStringLiteral("Activo"));
    EXPECT_THROW(reader.GetText(QStringLiteral("frmJob"), QStringLiteral("chkQuantity")), Error);
}

} // namespace
