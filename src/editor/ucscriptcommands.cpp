// The commands: the job tool bar's tools and popup entries, the pane
// operations, the host's editors of the job's sections, the test evaluation
// and the dialogs of the two pages' buttons.
#include "ucscriptprivate.h"
#include "ucscript.h"

#include "jobformdata.h"
#include "keyedtabwidget.h"
#include "launchers.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "dialogs/busyrun.h"
#include "dialogs/scriptpane.h"
#include "dialogs/scripttext.h"
#include "host/debugoutput.h"
#include "host/jobsectioneditor.h"
#include "host/registry.h"
#include "platform/ui/msgbox.h"
#include "script/scriptcontrol.h"
#include "tools/scriptoutputlog.h"
#include "tools/testevaluation.h"
#include "tools/workfolder.h"

#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTextEdit>

QString UCScriptPrivate::levelKey() const
{
    return form.ssTabValues->selectedKey();
}

void UCScriptPrivate::ssToolBarJob_ToolClick(const QString &pId)
{
    reporting(" frmJob.ssToolBarJob_ToolClick() ", applicationTitle(), [&] {
        using Command = void (UCScriptPrivate::*)();
        using PaneCommand = void (UCScriptPrivate::*)(bool);
        const std::pair<const char *, Command> commands[] = {{"ID_GeneralProperties", &UCScriptPrivate::EditProperties},
                                                             {"ID_ScheduleProperties", &UCScriptPrivate::EditSchedule},
                                                             {"ID_Documentation", &UCScriptPrivate::EditDocumentation},
                                                             {"ID_Evaluate", &UCScriptPrivate::EvaluateScripts}};
        // The pane commands act on the pane of the page on view.
        const std::pair<const char *, PaneCommand> paneCommands[] = {{"ID_Copy", &UCScriptPrivate::Copy},
                                                                     {"ID_Cut", &UCScriptPrivate::Cut},
                                                                     {"ID_Paste", &UCScriptPrivate::Paste},
                                                                     {"ID_CheckSyntax", &UCScriptPrivate::CheckSyntax}};
        const bool general = form.ssTabDatos->selectedKey() == QLatin1String("General");
        for (const auto &[id, command] : commands)
            if (pId == QLatin1String(id))
                return (this->*command)();
        for (const auto &[id, command] : paneCommands)
            if (pId == QLatin1String(id))
                return (this->*command)(general);
        if (pId == QLatin1String("ID_Colorize"))
            ColorizeCode(general, general ? evalLevels[0].keyText() : levelKey());
        else
            panes.edit(general, levelKey(), pId);
    });
}

void UCScriptPrivate::CheckSyntax(bool pGeneral)
{
    reporting(" frmJob.CheckSyntax() ", QString(), [&] { panes.checkSyntax(pGeneral, levelKey()); });
}

void UCScriptPrivate::ColorizeCode(bool pGeneral, const QString &pKey)
{
    reporting(" frmJob.ColorizeCode() ", QString(), [&] { panes.colorize(pGeneral, pKey); });
}

void UCScriptPrivate::Copy(bool pGeneral)
{
    reporting(" frmJob.Copy() ", QString(), [&] { panes.copy(pGeneral, levelKey()); });
}

void UCScriptPrivate::Cut(bool pGeneral)
{
    reporting(" frmJob.Cut() ", QString(), [&] { panes.cut(pGeneral, levelKey()); });
}

void UCScriptPrivate::Paste(bool pGeneral)
{
    reporting(" frmJob.Paste() ", QString(), [&] { panes.paste(pGeneral, levelKey()); });
}

void UCScriptPrivate::EditSection(XmlNode section, const SectionEdit &edit,
                                  const std::function<void(XmlNode &)> &store)
{
    const XmlNode copy = section.cloneNode(true);
    QString text = copy.xml();
    if (!edit(text))
        return;
    // The load result is not tested: text that is not well-formed leaves a
    // document without an element, and copying that raises 91.
    const XmlNode document = XmlNode::parse(text, nullptr);
    XmlNode element = document.isNull() ? XmlNode() : document.documentElement();
    if (element.isNull())
        throw Error::fromNumber(91);
    store(element);
    NotifyChange();
}

void UCScriptPrivate::EditProperties()
{
    passing(" frmJob.EditProperties() ", [&] {
        const std::unique_ptr<host::JobSectionEditor> editor = host::jobSectionEditors().create();
        EditSection(
            gJob.GetProperties(),
            [&](QString &text) {
                long mode = 0;
                return editor->ShowPropertiesEditor(text, mode);
            },
            [&](XmlNode &element) {
                XmlNode forJob = element.cloneNode(true);
                gJob.SetProperties(forJob);
                gSensor.SetProperties(element.cloneNode(true));
                form.rtfDescription->setPlainText(gJob.GetDefaultDescription());
            });
    });
}

void UCScriptPrivate::EditSchedule()
{
    passing(" frmJob.EditSchedule() ", [&] {
        const std::unique_ptr<host::JobSectionEditor> editor = host::jobSectionEditors().create();
        EditSection(
            gJob.GetSchedule(), [&](QString &text) { return editor->ShowScheduleEditor(text); },
            [&](XmlNode &element) {
                XmlNode copy = element.cloneNode(true);
                gJob.SetSchedule(copy);
            });
    });
}

void UCScriptPrivate::EditDocumentation()
{
    passing(" frmJob.EditDocumentation() ", [&] {
        const std::unique_ptr<host::JobSectionEditor> editor = host::jobSectionEditors().create();
        EditSection(
            gJob.GetDocumentation(), [&](QString &text) { return editor->ShowDocumentationEditor(text); },
            [&](XmlNode &element) { gJob.SetDocumentation(element.cloneNode(true)); });
    });
}

void UCScriptPrivate::EvaluateScripts()
{
    const SensorScripts scripts = formScripts(form);
    // The scripts run on a script host of their own, away from the window,
    // which stays responsive to Esc and Stop meanwhile.
    EvaluationOutcome outcome;
    ScriptOutputLog output;
    running = true;
    const auto ran = qScopeGuard([this] { running = false; });
    try {
        const WorkFolder folder(WorkFolder::ofJob(gJobFile));
        runScriptsBusy(
            &q,
            [&](ScriptControl &control) {
                control.setOutput(output.sink());
                outcome = evaluateScripts(control, scripts, {gMsgNoEvaluate, gMsgNoComparable});
            },
            form.rtfScript->texts());
    } catch (...) {
        // Without a script host nothing can run: say so, as for any failed run.
        const Error error = toError(std::current_exception());
        ui::MsgBox(QStringLiteral("The script host cannot be created.\r\nError: %1\r\nDescription: %2")
                       .arg(error.number)
                       .arg(error.description),
                   ui::OkOnly | ui::Information, applicationTitle());
        return;
    }
    // What the scripts printed goes to a host that takes it (none drops it),
    // also after a failed run, and into the result dialog.
    running = false;
    QStringList printed;
    if (host::debugOutputs().isInstalled() && !output.lines().isEmpty()) {
        printed = output.lines();
        reporting(" frmJob.EvaluateScripts() ", QString(), [&] { host::debugOutputs().create()->Write(printed); });
    }
    if (outcome.failed()) {
        panes.showScriptError(outcome.failedScript, outcome.error);
        ui::MsgBox(outcome.errorReport, ui::OkOnly | ui::Information, applicationTitle());
        return;
    }
    showResultTest(&q, dialogContext(), outcome, printed);
}

void UCScriptPrivate::EditEvents()
{
    // The Events editor writes an accepted edit into the sensor itself; the
    // host sees it in the job it gets back, so no change is notified.
    reporting(" frmJob.EditEvents() ", QString(), [&] { editEvents(&q, dialogContext(), gSensor, levelKey()); });
}

void UCScriptPrivate::WizardResult()
{
    reporting(" frmJob.WizardResult() ", QString(), [&] {
        // The wizard's connection test opens a relative database path as Evaluate would.
        const WorkFolder folder(WorkFolder::ofJob(gJobFile));
        const std::optional<QString> script = databaseWizardScript(&q, dialogContext());
        if (!script)
            return;
        // The replacement reaches the host through the pane's change event;
        // colouring the same text is no further change.
        replaceScriptText(form.rtfScript, *script);
        const QSignalBlocker quiet(form.rtfScript);
        ColorizeCode(true, evalLevels[0].keyText());
    });
}

void UCScriptPrivate::cmdWizardValues_Click()
{
    passing(" frmJob.cmdWizardValues_Click() ", [&] {
        const std::optional<QString> script = conditionsWizardScript(&q, dialogContext());
        if (!script)
            return;
        // The whole script of the level on view is replaced: its change event
        // tells the host. Colouring the same text is no further change.
        ScriptPane *pane = panes.current(false, levelKey());
        if (!pane)
            return;
        replaceScriptText(pane, *script);
        const QSignalBlocker quiet(pane);
        ColorizeCode(false, levelKey());
    });
}
