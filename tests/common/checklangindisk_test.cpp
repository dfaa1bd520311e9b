#include "common/languagefiles.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A data folder holding en.lng, an empty es.lng and a folder named fr.lng.
class LanguageFolder
{
public:
    LanguageFolder()
    {
        QFile en(m_dir.filePath(QStringLiteral("en.lng")));
        if (en.open(QIODevice::WriteOnly))
            en.write("[frmJob]\nchkActive=Active\n");
        QFile es(m_dir.filePath(QStringLiteral("es.lng")));
        if (es.open(QIODevice::WriteOnly))
            es.close();
        QDir(m_dir.path()).mkdir(QStringLiteral("fr.lng"));
    }
    QString slashed() const { return m_dir.path(); }
    QString backslashed() const { return QString(m_dir.path()).replace(QLatin1Char('/'), QLatin1Char('\\')); }

private:
    QTemporaryDir m_dir;
};

struct FolderRow
{
    const char *name;
    QString (*folder)(const LanguageFolder &);
    const char *languageId;
    bool exists;
};

class CheckLangInDiskCase : public ::testing::TestWithParam<FolderRow>
{
};

TEST_P(CheckLangInDiskCase, TestsTheFileOfTheLanguage)
{
    LanguageFolder data;
    EXPECT_EQ(CheckLangInDisk(QString::fromLatin1(GetParam().languageId), GetParam().folder(data)),
              GetParam().exists);
}

const FolderRow folderRows[] = {
    {"SlashFolder", [](const LanguageFolder &d) { return d.slashed(); }, "en", true},
    {"BackslashFolder", [](const LanguageFolder &d) { return d.backslashed(); }, "en", true},
    {"TrailingBackslash", [](const LanguageFolder &d) { return d.backslashed() + QLatin1Char('\\'); }, "en", true},
    {"TrailingSlash", [](const LanguageFolder &d) { return d.slashed() + QLatin1Char('/'); }, "en", true},
    {"DriveLetter", [](const LanguageFolder &d) { return QStringLiteral("C:") + d.backslashed(); }, "en", true},
    {"EmptyFileCounts", [](const LanguageFolder &d) { return d.slashed(); }, "es", true},
    {"MissingLanguage", [](const LanguageFolder &d) { return d.slashed(); }, "de", false},
    {"FolderIsNotAFile", [](const LanguageFolder &d) { return d.slashed(); }, "fr", false},
    {"CaseOfTheIdMatters", [](const LanguageFolder &d) { return d.slashed(); }, "EN", false},
    {"EmptyId", [](const LanguageFolder &d) { return d.slashed(); }, "", false},
    {"MissingFolder", [](const LanguageFolder &d) { return d.slashed() + QStringLiteral("/nowhere"); }, "en", false},
};

INSTANTIATE_TEST_SUITE_P(General, CheckLangInDiskCase, ::testing::ValuesIn(folderRows),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CheckLangInDisk, FindsTheShippedLanguageFiles)
{
    EXPECT_TRUE(CheckLangInDisk(QStringLiteral("en"), sourcePath(QStringLiteral("data"))));
    EXPECT_TRUE(CheckLangInDisk(QStringLiteral("es"), sourcePath(QStringLiteral("data"))));
}

} // namespace
