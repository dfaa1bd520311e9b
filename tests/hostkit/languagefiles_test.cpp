#include "hostkit/lnglanguagereader.h"
#include "testsupport.h"

#include <QSet>
#include <map>
#include <gtest/gtest.h>

// The shipped language files against the keys each window reads. The tables
// list every key a window looks up, with its designed English text where the
// window has one (nullptr where the text exists only in the language files).
namespace {

using hostkit::LngLanguageReader;

struct KeyRow
{
    const char *section;
    const char *key;
    const char *designedEnglish;
};

const KeyRow keyRows[] = {
    // The editor: messages, tool tips, captions, tab titles, tools, list entries.
    {"frmJob", "MsgNoEvaluate", nullptr},
    {"frmJob", "MsgNoComparable", nullptr},
    {"frmJob", "cmdCut", nullptr},
    {"frmJob", "cmdCopy", nullptr},
    {"frmJob", "cmdPaste", nullptr},
    {"frmJob", "cmdCheckSyntax", nullptr},
    {"frmJob", "cmdColorizeCode", nullptr},
    {"frmJob", "cmdEvents", nullptr},
    {"frmJob", "cmdWizard", nullptr},
    {"frmJob", "cmdWizardValues", nullptr},
    {"frmJob", "cmdCutScript", nullptr},
    {"frmJob", "cmdCopyScript", nullptr},
    {"frmJob", "cmdPasteScript", nullptr},
    {"frmJob", "cmdCheckSyntaxScript", nullptr},
    {"frmJob", "cmdColorizeScript", nullptr},
    {"frmJob", "fraDescription", "Default Description"},
    {"frmJob", "fraScript", "Script"},
    {"frmJob", "fraStatus", "Sensor Options"},
    {"frmJob", "chkActive", "Active"},
    {"frmJob", "chkEvalData", "Evaluate Data"},
    {"frmJob", "chkQuantity", "Numeric Values"},
    {"frmJob", "chkViewInMarquee", "In Marquee"},
    {"frmJob", "lblReferenceValue", "Reference Value:"},
    {"frmJob", "lblDataPersistence", "Data Persistence"},
    {"frmJob", "ssTabDatosTabGeneral", "General"},
    {"frmJob", "ssTabDatosTabEvaluationData", "Evaluation Data"},
    {"frmJob", "ssTabValuesTabDanger", "Danger Value"},
    {"frmJob", "ssTabValuesTabWarning", "Warning Value"},
    {"frmJob", "ssTabValuesTabGood", "Good Value"},
    {"frmJob", "ID_GeneralProperties", "General Properties"},
    {"frmJob", "ID_ScheduleProperties", "Schedule Properties"},
    {"frmJob", "ID_LabelDescription", "Description"},
    {"frmJob", "ID_Description", "Description"},
    {"frmJob", "ID_Documentation", "Documentation"},
    {"frmJob", "ID_Evaluate", "Evaluate"},
    {"frmJob", "ID_Copy", "Copy"},
    {"frmJob", "ID_Cut", "Cut"},
    {"frmJob", "ID_Paste", "Paste"},
    {"frmJob", "ID_Popup", "Popup"},
    {"frmJob", "ID_Colorize", "Colorize"},
    {"frmJob", "ID_CheckSyntax", "CheckSyntax"},
    {"frmJob", "cmbDataPersistence0", "Hour(s)"},
    {"frmJob", "cmbDataPersistence1", "Day(s)"},
    {"frmJob", "cmbDataPersistence2", "Month(s)"},
    {"frmJob", "cmbDataPersistence3", "Year(s)"},
    // The Result Test dialog.
    {"frmResultTest", "Caption", "Result Test"},
    {"frmResultTest", "lblResult", "Result:"},
    {"frmResultTest", "lblValue", "Value:"},
    {"frmResultTest", "cmdOk", "&Ok"},
    // The Database Connection Wizard.
    {"frmWizard", "Caption", "Database Connection Wizard"},
    {"frmWizard", "lblCnnString", "Connection String"},
    {"frmWizard", "lblQuery", "Query"},
    {"frmWizard", "cmdOk", "&Ok"},
    {"frmWizard", "cmdCancel", "&Cancel"},
    {"frmWizard", "cmdTestCnnString", "Test"},
    {"frmWizard", "cmdEditCnnString", "Edit ..."},
    // The Conditions Wizard.
    {"frmWizardValues", "Caption", "Conditions Wizard"},
    {"frmWizardValues", "MsgConditionDuplicated", nullptr},
    {"frmWizardValues", "MsgConditionIncomplete", nullptr},
    {"frmWizardValues", "MsgNoConditions", nullptr},
    {"frmWizardValues", "cmdNewCondition", nullptr},
    {"frmWizardValues", "cmdDeleteCondition", nullptr},
    {"frmWizardValues", "cmdOk", "&Ok"},
    {"frmWizardValues", "cmdCancel", "&Cancel"},
    {"frmWizardValues", "dtConditionsHeading0", "Operator"},
    {"frmWizardValues", "dtConditionsHeading1", "Sensor Value"},
    {"frmWizardValues", "dtConditionsHeading2", "Operator"},
    {"frmWizardValues", "dtConditionsHeading3", "Comparision Value"},
    // The Events editor.
    {"frmEditEvents", "Caption", "Events Editions"},
    {"frmEditEvents", "MsgSaveChanges", nullptr},
    {"frmEditEvents", "ID_Copy", "Copy"},
    {"frmEditEvents", "ID_Cut", "Cut"},
    {"frmEditEvents", "ID_Paste", "Paste"},
    {"frmEditEvents", "ID_ColorizeCode", "ColorizeCode"},
    {"frmEditEvents", "ID_CheckSyntax", "Check Syntax"},
    {"frmEditEvents", "ID_Language", nullptr},
    {"frmEditEvents", "ID_Events", nullptr},
    {"frmEditEvents", "ID_EventsLabel", "Events"},
    {"frmEditEvents", "ID_Ok", "Ok"},
    {"frmEditEvents", "ID_Cancel", "Cancel"},
    // The desktop host's window: the English texts are the window's own.
    {"EditorWindow", "LanguageName", "English"},
    {"EditorWindow", "Title", "Veltrano sensor editor"},
    {"EditorWindow", "NewJob", "New job"},
    {"EditorWindow", "TheNewJob", "the new job"},
    {"EditorWindow", "MenuFile", "&File"},
    {"EditorWindow", "MenuNew", "&New"},
    {"EditorWindow", "MenuOpen", "&Open..."},
    {"EditorWindow", "MenuSave", "&Save"},
    {"EditorWindow", "MenuSaveAs", "Save &As..."},
    {"EditorWindow", "MenuQuit", "&Quit"},
    {"EditorWindow", "MenuLanguage", "&Language"},
    {"EditorWindow", "MenuSkin", "S&kin"},
    {"EditorWindow", "OpenCaption", "Open job"},
    {"EditorWindow", "SaveAsCaption", "Save job as"},
    {"EditorWindow", "FilterJobs", "Job definitions"},
    {"EditorWindow", "FilterAll", "All files"},
    {"EditorWindow", "MsgSaveChanges", "Save the changes to %1?"},
    {"EditorWindow", "MsgShowFailed", "The job could not be shown."},
    {"EditorWindow", "MsgTakeFailed", "The job could not be taken from the editor."},
    {"EditorWindow", "MsgLanguageFailed", "The interface language could not be changed."},
    {"EditorWindow", "MsgSkinFailed", "The skin could not be changed."},
    {"EditorWindow", "ButtonYes", "&Yes"},
    {"EditorWindow", "ButtonNo", "&No"},
    {"EditorWindow", "ButtonCancel", "&Cancel"},
    {"EditorWindow", "ButtonOk", "&OK"},
};

const char *const languageIds[] = {"en", "es"};

// The reader of a shipped file, read once per language.
LngLanguageReader &shipped(const QString &languageId)
{
    static std::map<QString, LngLanguageReader> readers;
    auto found = readers.find(languageId);
    if (found == readers.end()) {
        found = readers.emplace(languageId, LngLanguageReader()).first;
        QString folder = QStringLiteral(VT_DATA_DIR);
        found->second.LoadLanguage(languageId, folder);
    }
    return found->second;
}

QString textOf(const QString &languageId, const KeyRow &row)
{
    return shipped(languageId).GetText(QString::fromLatin1(row.section), QString::fromLatin1(row.key));
}

std::string rowName(const KeyRow &row)
{
    return std::string(row.section) + "_" + row.key;
}

class ShippedKey : public ::testing::TestWithParam<KeyRow>
{
};

TEST_P(ShippedKey, IsInEveryLanguageFileWithAText)
{
    for (const char *id : languageIds) {
        const QString languageId = QString::fromLatin1(id);
        QString text;
        ASSERT_NO_THROW(text = textOf(languageId, GetParam())) << id << ".lng lacks " << rowName(GetParam());
        EXPECT_FALSE(text.trimmed().isEmpty()) << id << ".lng has an empty " << rowName(GetParam());
    }
}

INSTANTIATE_TEST_SUITE_P(LanguageFiles, ShippedKey, ::testing::ValuesIn(keyRows),
                         [](const auto &info) { return rowName(info.param); });

// Where a window has a designed text, en.lng holds exactly that text.
TEST(LanguageFiles, EnglishTextsAreTheDesignedOnes)
{
    int compared = 0;
    for (const KeyRow &row : keyRows) {
        if (!row.designedEnglish)
            continue;
        ++compared;
        EXPECT_EQ(textOf(QStringLiteral("en"), row), QString::fromUtf8(row.designedEnglish)) << rowName(row);
    }
    EXPECT_GT(compared, 40);
}

QSet<QString> keySet(const QString &languageId)
{
    QSet<QString> keys;
    const LngLanguageReader &reader = shipped(languageId);
    for (const QString &section : reader.sections())
        for (const QString &key : reader.keys(section))
            keys.insert(section + QLatin1Char('/') + key);
    return keys;
}

TEST(LanguageFiles, ReadCleanly)
{
    for (const char *id : languageIds) {
        LngLanguageReader reader;
        QString folder = QStringLiteral(VT_DATA_DIR);
        ASSERT_TRUE(reader.LoadLanguage(QString::fromLatin1(id), folder)) << id;
        EXPECT_TRUE(reader.warnings().isEmpty()) << id << ": " << reader.warnings().join(u'\n').toStdString();
    }
}

TEST(LanguageFiles, BothFilesHoldTheSameSectionsAndKeys)
{
    EXPECT_EQ(shipped(QStringLiteral("en")).sections(), shipped(QStringLiteral("es")).sections());
    const QSet<QString> english = keySet(QStringLiteral("en"));
    const QSet<QString> spanish = keySet(QStringLiteral("es"));
    EXPECT_EQ(QStringList(QSet<QString>(english).subtract(spanish).values()).join(u' '), QString())
        << "only in en.lng";
    EXPECT_EQ(QStringList(QSet<QString>(spanish).subtract(english).values()).join(u' '), QString())
        << "only in es.lng";
}

TEST(LanguageFiles, EveryWindowHasItsSection)
{
    QSet<QString> windows;
    for (const KeyRow &row : keyRows)
        windows.insert(QString::fromLatin1(row.section));
    for (const char *id : languageIds)
        for (const QString &window : windows)
            EXPECT_TRUE(shipped(QString::fromLatin1(id)).sections().contains(window)) << id << " " << window.toStdString();
}

// The Spanish file is a translation: the sentences and most words differ.
// Texts that are the same word in both languages are listed here.
TEST(LanguageFiles, SpanishTextsAreTranslated)
{
    const QSet<QString> sameInBoth = {QStringLiteral("frmJob/fraScript"), QStringLiteral("frmJob/ssTabDatosTabGeneral"),
                                      QStringLiteral("EditorWindow/ButtonNo")};
    for (const KeyRow &row : keyRows) {
        const QString name = QString::fromLatin1(row.section) + QLatin1Char('/') + QString::fromLatin1(row.key);
        if (sameInBoth.contains(name))
            continue;
        EXPECT_NE(textOf(QStringLiteral("es"), row), textOf(QStringLiteral("en"), row)) << name.toStdString();
    }
}

} // namespace
