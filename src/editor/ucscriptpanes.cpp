// The script panes: syntax check, colourising, clipboard, popup menu, the
// panes' language and texts.
#include "ucscript.h"

#include "keyedtabwidget.h"
#include "skipstep.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "dialogs/panetexts.h"
#include "dialogs/scriptpane.h"
#include "dialogs/scripttext.h"
#include "host/colorizer.h"
#include "host/registry.h"
#include "platform/ui/msgbox.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"

#include <QComboBox>
#include <QMenu>

ScriptPane *UCScript::CurrentPane(bool pGeneral, const QString &pKey, QComboBox **pList) const
{
    ScriptPane *pane = nullptr;
    QComboBox *list = nullptr;
    if (pGeneral) {
        pane = rtfScript;
        list = cmbLanguageScript;
    } else {
        for (const LevelControls &level : levelControls()) {
            if (pKey == QLatin1String(level.level.key)) {
                pane = level.pane;
                list = level.list;
            }
        }
    }
    if (pList)
        *pList = list;
    return pane;
}

bool UCScript::CheckScriptCode(QString &pReport, bool pGeneral)
{
    // Nothing inside is reported or raised: the outcome is the script host's
    // error number after the code was compiled (never run). Other failures
    // only go to the error log.
    bool result = true;
    SkipOnFailure skipOnFailure(" frmJob.CheckScriptCode() ", gLogText);
    skipOnFailure([&] {
        if (!m_scriptControl)
            m_scriptControl = std::make_unique<::ScriptControl>();
    });
    if (!m_scriptControl)
        return result;

    QComboBox *list = nullptr;
    ScriptPane *pane = nullptr;
    skipOnFailure([&] { pane = CurrentPane(pGeneral, ssTabValues->selectedKey(), &list); });
    // What the check finds is the outcome read below, whether the language
    // or the code failed.
    if (pane) {
        skipOnFailure([&] {
            if (m_scriptControl->setLanguage(list->currentText()))
                (void)m_scriptControl->check(scriptText(pane));
        });
    }
    skipOnFailure([&] {
        const ScriptErrorInfo &error = m_scriptControl->error();
        if (error.Number != 0) {
            result = false;
            pReport = scriptErrorReport(error);
        }
    });
    return result;
}

void UCScript::CheckSyntax(bool pGeneral)
{
    reporting(" frmJob.CheckSyntax() ", QString(), [&] {
        QString report;
        const QString key = ssTabValues->selectedKey();
        if (CheckScriptCode(report, pGeneral)) {
            if (ScriptPane *pane = CurrentPane(pGeneral, key))
                pane->showStatus(pane->texts().noSyntaxErrors);
            return;
        }
        if (m_scriptControl)
            ShowScriptError(pGeneral ? QStringLiteral("General") : key, m_scriptControl->error());
        ui::MsgBox(QStringLiteral("Code Error.") + QLatin1Char('\r') + report,
                   ui::OkOnly | ui::Information, applicationTitle());
    });
}

void UCScript::ColorizeCode(bool pGeneral, const QString &pKey)
{
    reporting(" frmJob.ColorizeCode() ", QString(), [&] {
        const std::unique_ptr<host::Colorizer> colorizer = host::colorizers().create();
        ScriptPane *pane = CurrentPane(pGeneral, pKey);
        if (!pane)
            return;
        colorizeScript(*pane, *colorizer);
    });
}

void UCScript::Copy(bool pGeneral)
{
    reporting(" frmJob.Copy() ", QString(), [&] {
        if (ScriptPane *pane = CurrentPane(pGeneral, ssTabValues->selectedKey()))
            copyScript(*pane);
    });
}

void UCScript::Cut(bool pGeneral)
{
    reporting(" frmJob.Cut() ", QString(), [&] {
        ScriptPane *pane = CurrentPane(pGeneral, ssTabValues->selectedKey());
        if (pane)
            cutScript(*pane);
    });
}

void UCScript::Paste(bool pGeneral)
{
    reporting(" frmJob.Paste() ", QString(), [&] {
        ScriptPane *pane = CurrentPane(pGeneral, ssTabValues->selectedKey());
        if (pane)
            pasteScript(*pane);
    });
}

void UCScript::ShowPopup(const QPoint &globalPos)
{
    popupMenu->popup(globalPos);
}

void UCScript::ConnectPanes()
{
    const struct {
        ScriptPane *pane;
        QComboBox *list;
    } panes[] = {{rtfScript, cmbLanguageScript},
                 {rtfScriptDanger, cmbLanguageScriptDanger},
                 {rtfScriptWarning, cmbLanguageScriptWarning},
                 {rtfScriptGood, cmbLanguageScriptGood}};
    for (const auto &entry : panes) {
        entry.pane->setLanguageName(entry.list->currentText());
        connect(entry.list, &QComboBox::currentTextChanged, entry.pane, &ScriptPane::setLanguageName);
    }
}

void UCScript::TranslatePanes(host::LanguageReader &pReader)
{
    const PaneTexts texts = readPaneTexts(pReader);
    for (ScriptPane *pane : {rtfScript, rtfScriptDanger, rtfScriptWarning, rtfScriptGood})
        pane->setTexts(texts);
}
