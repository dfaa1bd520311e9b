// Moving the job between the job data object, the job objects and the controls.
#include "ucscript.h"

#include "keyedtabwidget.h"
#include "numericbox.h"

#include "errorcore/error.h"
#include "common/regional.h"
#include "common/showerror.h"
#include "common/trimblanks.h"
#include "dialogs/scripttext.h"
#include "host/jobdata.h"
#include "host/jobsectioneditor.h"
#include "host/registry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTextEdit>

namespace {

// Each entry equal to `language` (exactly) becomes the selection, so the last
// equal entry wins; with none the selection stays.
void selectLanguage(QComboBox *list, const QString &language)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i) == language)
            list->setCurrentIndex(i);
}

// A list index as the document stores it; -1 is "nothing selected" and
// anything outside -1..count-1 raises 380 "Invalid property value".
void setListIndex(QComboBox *list, int index)
{
    if (index < -1 || index >= list->count())
        throw Error::fromNumber(380);
    list->setCurrentIndex(index);
}

int boxValue(const QCheckBox *box)
{
    return box->checkState() == Qt::Unchecked ? 0 : 1;
}

} // namespace

std::array<UCScript::LevelControls, 3> UCScript::levelControls() const
{
    static_assert(evalLevels[0].type == LevelDanger && evalLevels[1].type == LevelWarning &&
                  evalLevels[2].type == LevelGood);
    return {{{evalLevels[0], rtfScriptDanger, cmbLanguageScriptDanger, pvDangerRef},
             {evalLevels[1], rtfScriptWarning, cmbLanguageScriptWarning, pvWarningRef},
             {evalLevels[2], rtfScriptGood, cmbLanguageScriptGood, pvGoodRef}}};
}

void UCScript::InitDataToProcess()
{
    passing(" UCScript.InitDataToProcess() ", [&] {
        gLogText = gJobData->GetLogText();
        gDocument = gJobData->GetDocument().cloneNode(true);
        gJob.SetJobNodeXML(gDocument.selectSingleNode(QStringLiteral("JobDefinition")));
        gJob.SetType(QStringLiteral("SENSOR"));
        gJob.SetSubType(QStringLiteral("SCRIPT"));
        gJob.SetExecutionEngine(QStringLiteral("SENSOR"));
    });
}

void UCScript::FillDataToProcess()
{
    passing(" frmJob.FillDataToProcess() ", [&] {
        if (gJobData->IsExistingJob()) {
            gSensor.SetSensorXML(gJob.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor")));
        } else {
            // No sensor yet: it comes from the pattern file. The host's
            // default properties and schedule fill only what the job lacks;
            // what it holds is kept.
            std::unique_ptr<host::JobSectionEditor> sections = host::jobSectionEditors().create();
            if (gJob.GetProperties().isNull()) {
                XmlNode properties = sections->GetDefaultProperties().cloneNode(true);
                gJob.SetProperties(properties);
            }
            if (gJob.GetSchedule().isNull()) {
                XmlNode schedule = sections->GetDefaultSchedule().cloneNode(true);
                gJob.SetSchedule(schedule);
            }
            gSensor.Create(gPathData);
            gSensor.SetProperties(gJob.GetProperties().cloneNode(true));
        }

        for (QComboBox *list : {cmbLanguageScriptDanger, cmbLanguageScriptWarning, cmbLanguageScriptGood,
                                cmbLanguageScript})
            list->setCurrentIndex(0);

        pvDataPersistence->setValue(gSensor.GetPersistenceQuantity());
        setListIndex(cmbDataPersistence, gSensor.GetPersistenceUnitTime());
        chkActive->setChecked(gSensor.GetStatus() != 0);
        chkViewInMarquee->setChecked(gSensor.GetMarquee() != 0);
        chkQuantity->setChecked(gSensor.GetNumeric() != 0);
        rtfDescription->setPlainText(gJob.GetDefaultDescription());
        setScriptText(rtfScript, gSensor.GetEvalCode());

        selectLanguage(cmbLanguageScript, gSensor.GetLanguage());
        if (trimBlanks(rtfScript->toPlainText()).isEmpty())
            setScriptText(rtfScript, defaultSensorScript());

        const bool evaluate = gSensor.GetEvaluation() != 0;
        chkEvalData->setChecked(evaluate);
        ChangeStatusTabValues(evaluate);

        for (const LevelControls &level : levelControls()) {
            const cEvalData evalData = gSensor.GetEvalData(level.level.type);
            setScriptText(level.pane, evalData.GetEvalCode());
            selectLanguage(level.list, evalData.GetLanguage());
            level.reference->setValue(evalData.GetReferenceValue());
        }

        ColorizeCode(true, evalLevelKey(LevelDanger));
        for (const LevelControls &level : levelControls())
            ColorizeCode(false, level.level.keyText());

        // The first level's list and reference box are the ones on view.
        for (const LevelControls &level : levelControls()) {
            level.list->setVisible(level.level.type == LevelDanger);
            level.reference->setVisible(level.level.type == LevelDanger);
        }
    });
}

void UCScript::StoreData()
{
    gSensor.SetPersistenceQuantity(roundToInt32(pvDataPersistence->value()));
    gSensor.SetPersistenceUnitTime(cmbDataPersistence->currentIndex());
    gSensor.SetStatus(boxValue(chkActive));
    gSensor.SetMarquee(boxValue(chkViewInMarquee));
    gSensor.SetNumeric(boxValue(chkQuantity));
    gSensor.SetEvaluation(boxValue(chkEvalData));

    // A general script left empty (or only spaces) is stored as the default one.
    const QString script = scriptText(rtfScript);
    if (trimBlanks(script).isEmpty()) {
        gSensor.SetEvalCode(defaultSensorScript());
        gSensor.SetLanguage(QStringLiteral("VBScript"));
    } else {
        gSensor.SetEvalCode(script);
        gSensor.SetLanguage(cmbLanguageScript->currentText());
    }

    // The level scripts are stored whether or not the switch is on.
    for (const LevelControls &level : levelControls()) {
        cEvalData evalData = gSensor.GetEvalData(level.level.type);
        evalData.SetEvalCode(scriptText(level.pane));
        evalData.SetLanguage(level.list->currentText());
        evalData.SetType(level.level.type);
        evalData.SetReferenceValue(level.reference->value());
    }
}
