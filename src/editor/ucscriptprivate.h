#pragma once

#include "jobform.h"
#include "jobtoolbar.h"
#include "scriptpanes.h"

#include "dialogs/dialogshape.h"
#include "model/cjob.h"
#include "model/csensor.h"
#include "platform/xml/xmlnode.h"

#include <QColor>
#include <QString>
#include <functional>
#include <memory>

class UCScript;

namespace host {
class JobData;
class Notifier;
class Skin;
}

// What UCScript keeps behind its public face: the editor's fields, its three
// pieces (the job tool bar, the job form with its controls, the set of
// script panes) and the procedures that join them to the job objects, the
// host and the dialogs. The procedures keep the names and source tags the
// system gives them. Spread by concern: ucscript.cpp (creation, Engine
// members, events), ucscriptdata.cpp (loading, storing, validation, tabs),
// ucscriptcommands.cpp (tool bar, pane commands, section editors, test
// evaluation, dialogs), ucscriptlanguage.cpp (texts and skin).
class UCScriptPrivate
{
public:
    explicit UCScriptPrivate(UCScript &editor);

    UCScript &q;

    // Fields, in declaration order; the dialogs receive gInterfaceLanguage,
    // gPathData, gSkin (dialogContext()) and gSensor.
    host::Notifier *gNotifier = nullptr;
    bool gShowPending = false;
    QString gMsgNoComparable;
    QString gMsgNoEvaluate;
    XmlNode gDocument;
    cJob gJob;
    std::unique_ptr<host::JobData> gJobData;
    XmlNode gLanguages;
    cSensor gSensor;
    QString gPathData;
    // The job file the host named (Engine_SetJobFile); "" when none.
    QString gJobFile;
    host::Skin *gSkin = nullptr;
    QString gInterfaceLanguage;
    // The loaded job's text for error reports (the job data object's
    // GetLogText); empty until a job is loaded.
    QString gLogText;

    JobToolBar toolBar;
    JobForm form;
    ScriptPanes panes{form, gLogText};
    // Painted rather than set in the palette, so the controls on the editor
    // keep their own backgrounds.
    QColor formBackColor;
    // While the controls are filled from the job, no change reaches the host.
    bool filling = false;
    // While Evaluate runs its scripts the host's event loop still turns: a
    // host call that comes meanwhile is refused (refuseWhileRunning).
    bool running = false;

    DialogContext dialogContext() const { return {gInterfaceLanguage, gPathData, gSkin}; }

    // The error convention's reporting wrapper with the loaded job's log text
    // in every report.
    bool reporting(const char *tag, const QString &title, const std::function<void()> &body,
                   bool showMessage = true) const;
    // A Qt slot's boundary: a failure is reported, never thrown into Qt.
    void guardedEvent(const std::function<void()> &body) const;
    // Tells the host of a user's edit (not while filling); no notifier is 91.
    void NotifyChange();
    void connectEvents();
    // Raises 10 naming `member` while Evaluate runs: waiting for the run
    // from inside it could never end, and acting now would work on a job the
    // run has not finished reading.
    void refuseWhileRunning(const char *member) const;

    // ucscriptdata.cpp
    void InitDataToProcess();
    void FillDataToProcess();
    bool Validate();
    void ChangeStatusTabValues(bool pStatus);
    void chkEvalData_Click(int pValue);
    void ssTabValues_BeforeTabClick(const QString &pKey);

    // ucscriptcommands.cpp
    void ssToolBarJob_ToolClick(const QString &pId);
    void CheckSyntax(bool pGeneral);
    void ColorizeCode(bool pGeneral, const QString &pKey);
    void Copy(bool pGeneral);
    void Cut(bool pGeneral);
    void Paste(bool pGeneral);
    void EditProperties();
    void EditSchedule();
    void EditDocumentation();
    void EvaluateScripts();
    void EditEvents();
    void WizardResult();
    void cmdWizardValues_Click();

    // ucscriptlanguage.cpp
    void ChangeLanguage(const QString &pLanguageId);
    void ApplySkin();

private:
    using SectionEdit = std::function<bool(QString &section)>;
    void EditSection(XmlNode section, const SectionEdit &edit, const std::function<void(XmlNode &)> &store);
    QString levelKey() const;
};
