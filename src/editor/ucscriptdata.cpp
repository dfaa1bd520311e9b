// Moving the job between the job data object, the job objects and the job
// form; validation; the evaluation switch and the level tabs.
#include "ucscriptprivate.h"

#include "jobformdata.h"
#include "keyedtabwidget.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "host/jobdata.h"
#include "host/jobsectioneditor.h"
#include "host/registry.h"
#include "model/sensorvalues.h"

void UCScriptPrivate::InitDataToProcess()
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

void UCScriptPrivate::FillDataToProcess()
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

        // The host hears of the user's edits, not of the filling.
        filling = true;
        const struct Filled
        {
            bool &filling;
            ~Filled() { filling = false; }
        } filled{filling};
        const SensorValues values = readSensorValues(gSensor);
        fillForm(form, values, gJob.GetDefaultDescription());
        ChangeStatusTabValues(values.scripts.evaluate);
        ColorizeCode(true, evalLevels[0].keyText());
        for (const EvalLevelName &level : evalLevels)
            ColorizeCode(false, level.keyText());
    });
}

bool UCScriptPrivate::Validate()
{
    bool result = false;
    const bool completed = reporting(" UCScript.Validate() ", applicationTitle(), [&] {
        if (!checkForm(form))
            return;
        result = true;
        writeSensorValues(gSensor, formValues(form));
    });
    // A failure (reported above) makes the result False; values stored
    // before it stay in the sensor.
    return completed && result;
}

void UCScriptPrivate::ChangeStatusTabValues(bool pStatus)
{
    passing(" frmJob.ChangeStatusTabValues() ", [&] { setLevelsEnabled(form, pStatus); });
}

void UCScriptPrivate::chkEvalData_Click(int pValue)
{
    passing(" frmMain.chkEvalData_Click() ", [&] {
        ChangeStatusTabValues(pValue > 0);
        NotifyChange();
    });
}

void UCScriptPrivate::ssTabValues_BeforeTabClick(const QString &pKey)
{
    // Until the form is built, there is nothing to show or hide.
    if (!form.levels.back().reference)
        return;
    passing(" frmJob.ssTabValues_BeforeTabClick() ", [&] { showLevelTools(form, pKey); });
}
