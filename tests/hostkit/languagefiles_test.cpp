#include "hostkit/lnglanguagereader.h"
#include "testsupport.h"

#include <QSet>
#include <gtest/gtest.h>

// The shipped language files against the keys each window reads: every key a
// window looks up, "key=text" where the window has a designed English text
// (the others exist only in the language files).
namespace {

using hostkit::LngLanguageReader;

const std::pair<const char *, const char *> windowKeys[] = {
    {"frmJob",
     "MsgNoEvaluate; MsgNoComparable; cmdCut; cmdCopy; cmdPaste; cmdCheckSyntax; cmdColorizeCode; cmdEvents; "
     "cmdWizard; cmdWizardValues; cmdCutScript; cmdCopyScript; cmdPasteScript; cmdCheckSyntaxScript; "
     "cmdColorizeScript; fraDescription=Default Description; fraScript=Script; fraStatus=Sensor Options; "
     "chkActive=Active; chkEvalData=Evaluate Data; chkQuantity=Numeric Values; chkViewInMarquee=In Marquee; "
     "lblReferenceValue=Reference Value:; lblDataPersistence=Data Persistence; ssTabDatosTabGeneral=General; "
     "ssTabDatosTabEvaluationData=Evaluation Data; ssTabValuesTabDanger=Danger Value; "
     "ssTabValuesTabWarning=Warning Value; ssTabValuesTabGood=Good Value; ID_GeneralProperties=General Properties; "
     "ID_ScheduleProperties=Schedule Properties; ID_LabelDescription=Description; ID_Description=Description; "
     "ID_Documentation=Documentation; ID_Evaluate=Evaluate; ID_Copy=Copy; ID_Cut=Cut; ID_Paste=Paste; "
     "ID_Popup=Popup; ID_Colorize=Colorize; ID_CheckSyntax=CheckSyntax; cmbDataPersistence0=Hour(s); "
     "cmbDataPersistence1=Day(s); cmbDataPersistence2=Month(s); cmbDataPersistence3=Year(s)"},
    {"frmResultTest", "Caption=Result Test; lblResult=Result:; lblValue=Value:; cmdOk=&Ok"},
    {"frmWizard",
     "Caption=Database Connection Wizard; lblCnnString=Connection String; lblQuery=Query; cmdOk=&Ok; "
     "cmdCancel=&Cancel; cmdTestCnnString=Test; cmdEditCnnString=Edit ..."},
    {"frmWizardValues",
     "Caption=Conditions Wizard; MsgConditionDuplicated; MsgConditionIncomplete; MsgNoConditions; cmdNewCondition; "
     "cmdDeleteCondition; cmdOk=&Ok; cmdCancel=&Cancel; dtConditionsHeading0=Operator; "
     "dtConditionsHeading1=Sensor Value; dtConditionsHeading2=Operator; dtConditionsHeading3=Comparision Value"},
    {"frmEditEvents",
     "Caption=Events Editions; MsgSaveChanges; ID_Copy=Copy; ID_Cut=Cut; ID_Paste=Paste; "
     "ID_ColorizeCode=ColorizeCode; ID_CheckSyntax=Check Syntax; ID_Language; ID_Events; ID_EventsLabel=Events; "
     "ID_Ok=Ok; ID_Cancel=Cancel"},
    {"EditorWindow",
     "LanguageName=English; Title=Veltrano sensor editor; NewJob=New job; TheNewJob=the new job; MenuFile=&File; "
     "MenuNew=&New; MenuOpen=&Open...; MenuSave=&Save; MenuSaveAs=Save &As...; MenuQuit=&Quit; "
     "MenuLanguage=&Language; MenuSkin=S&kin; OpenCaption=Open job; SaveAsCaption=Save job as; "
     "FilterJobs=Job definitions; FilterAll=All files; MsgSaveChanges=Save the changes to %1?; "
     "MsgShowFailed=The job could not be shown.; MsgTakeFailed=The job could not be taken from the editor.; "
     "MsgLanguageFailed=The interface language could not be changed.; MsgSkinFailed=The skin could not be changed.; "
     "ButtonYes=&Yes; ButtonNo=&No; ButtonCancel=&Cancel; ButtonOk=&OK"},
};

LngLanguageReader shipped(const char *languageId)
{
    LngLanguageReader reader;
    QString folder = QStringLiteral(VT_DATA_DIR);
    EXPECT_TRUE(reader.LoadLanguage(QString::fromLatin1(languageId), folder)) << languageId;
    EXPECT_TRUE(reader.warnings().isEmpty()) << languageId << ": " << reader.warnings().join(u'\n').toStdString();
    return reader;
}

QSet<QString> keySet(const LngLanguageReader &reader)
{
    QSet<QString> keys;
    for (const QString &section : reader.sections())
        for (const QString &key : reader.keys(section))
            keys.insert(section + QLatin1Char('/') + key);
    return keys;
}

// Each key is in both files with a text; en.lng holds the designed text, and
// es.lng a translation (but for the words that are the same in both).
TEST(LanguageFiles, EveryKeyAWindowReadsHasItsTexts)
{
    LngLanguageReader english = shipped("en");
    LngLanguageReader spanish = shipped("es");
    const QSet<QString> sameInBoth = {QStringLiteral("frmJob/fraScript"), QStringLiteral("frmJob/ssTabDatosTabGeneral"),
                                      QStringLiteral("EditorWindow/ButtonNo")};
    int designed = 0;
    for (const auto &[section, entries] : windowKeys) {
        for (const QString &entry : QString::fromUtf8(entries).split(QStringLiteral("; "))) {
            const QString key = entry.section(u'=', 0, 0);
            const QString name = QString::fromLatin1(section) + u'/' + key;
            QString en, es;
            EXPECT_NO_THROW(en = english.GetText(QString::fromLatin1(section), key)) << name.toStdString();
            EXPECT_NO_THROW(es = spanish.GetText(QString::fromLatin1(section), key)) << name.toStdString();
            EXPECT_FALSE(en.trimmed().isEmpty() || es.trimmed().isEmpty()) << name.toStdString();
            if (entry.contains(u'=')) {
                ++designed;
                EXPECT_EQ(en, entry.section(u'=', 1)) << name.toStdString();
            }
            EXPECT_TRUE(sameInBoth.contains(name) || es != en) << name.toStdString() << " is not translated";
        }
    }
    EXPECT_GT(designed, 40);
}

TEST(LanguageFiles, BothFilesHoldTheSameSectionsAndKeys)
{
    const LngLanguageReader english = shipped("en");
    const LngLanguageReader spanish = shipped("es");
    EXPECT_EQ(english.sections(), spanish.sections());
    const QSet<QString> en = keySet(english), es = keySet(spanish);
    EXPECT_EQ(QStringList(QSet<QString>(en).subtract(es).values()).join(u' '), QString()) << "only in en.lng";
    EXPECT_EQ(QStringList(QSet<QString>(es).subtract(en).values()).join(u' '), QString()) << "only in es.lng";
}

} // namespace
