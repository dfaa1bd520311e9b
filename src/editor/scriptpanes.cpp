#include "scriptpanes.h"

#include "jobform.h"
#include "keyedtabwidget.h"
#include "skipstep.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "dialogs/panefindbar.h"
#include "dialogs/scriptpane.h"
#include "dialogs/scripttext.h"
#include "host/colorizer.h"
#include "host/registry.h"
#include "platform/ui/msgbox.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"

#include <QComboBox>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>

namespace {

const QString generalPage = QStringLiteral("General");

} // namespace

ScriptPanes::ScriptPanes(JobForm &form, const QString &logText) : m_form(form), m_logText(logText) {}

ScriptPanes::~ScriptPanes() = default;

void ScriptPanes::connectLanguages()
{
    const auto panes = m_form.panes();
    const auto lists = m_form.languageLists();
    for (std::size_t i = 0; i < panes.size(); ++i) {
        panes[i]->setLanguageName(lists[i]->currentText());
        QObject::connect(lists[i], &QComboBox::currentTextChanged, panes[i], &ScriptPane::setLanguageName);
    }
}

ScriptPane *ScriptPanes::current(bool general, const QString &key, QComboBox **list) const
{
    ScriptPane *pane = general ? m_form.rtfScript : nullptr;
    QComboBox *paneList = general ? m_form.cmbLanguageScript : nullptr;
    if (!general) {
        for (const LevelControls &level : m_form.levels) {
            if (key == level.level->keyText()) {
                pane = level.pane;
                paneList = level.list;
            }
        }
    }
    if (list)
        *list = paneList;
    return pane;
}

bool ScriptPanes::checkScriptCode(QString &report, bool general, const QString &key)
{
    // The outcome is the script host's error number after the code was
    // compiled; other failures only go to the error log.
    bool result = true;
    SkipOnFailure skipOnFailure(" frmJob.CheckScriptCode() ", m_logText);
    skipOnFailure([&] {
        if (!m_scriptControl)
            m_scriptControl = std::make_unique<ScriptControl>();
    });
    if (!m_scriptControl)
        return result;

    QComboBox *list = nullptr;
    ScriptPane *pane = nullptr;
    skipOnFailure([&] { pane = current(general, key, &list); });
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
            report = scriptErrorReport(error);
        }
    });
    return result;
}

void ScriptPanes::checkSyntax(bool general, const QString &key)
{
    QString report;
    if (checkScriptCode(report, general, key)) {
        if (ScriptPane *pane = current(general, key))
            pane->showStatus(pane->texts().noSyntaxErrors);
        return;
    }
    if (m_scriptControl)
        showScriptError(general ? generalPage : key, m_scriptControl->error());
    ui::MsgBox(QStringLiteral("Code Error.") + QLatin1Char('\r') + report, ui::OkOnly | ui::Information,
               applicationTitle());
}

void ScriptPanes::colorize(bool general, const QString &key)
{
    const std::unique_ptr<host::Colorizer> colorizer = host::colorizers().create();
    if (ScriptPane *pane = current(general, key))
        colorizeScript(*pane, *colorizer);
}

void ScriptPanes::copy(bool general, const QString &key)
{
    if (ScriptPane *pane = current(general, key))
        copyScript(*pane);
}

void ScriptPanes::cut(bool general, const QString &key)
{
    if (ScriptPane *pane = current(general, key))
        cutScript(*pane);
}

void ScriptPanes::paste(bool general, const QString &key)
{
    if (ScriptPane *pane = current(general, key))
        pasteScript(*pane);
}

void ScriptPanes::edit(bool general, const QString &key, const QString &id)
{
    ScriptPane *pane = current(general, key);
    if (!pane)
        return;
    const QTextCursor cursor = pane->textCursor();
    const QString oneLine = cursor.block() == pane->document()->findBlock(cursor.anchor()) ? cursor.selectedText()
                                                                                          : QString();
    const std::pair<const char *, std::function<void()>> commands[] = {
        {"ID_Undo", [&] { pane->undo(); }},
        {"ID_Redo", [&] { pane->redo(); }},
        {"ID_SelectAll", [&] { pane->selectAll(); }},
        {"ID_Find", [&] { pane->findBar()->open(PaneFindBar::Find, oneLine); }},
        {"ID_Replace", [&] { pane->findBar()->open(PaneFindBar::Replace, oneLine); }},
        {"ID_GoToLine", [&] { pane->findBar()->open(PaneFindBar::GoToLine, QString()); }},
    };
    for (const auto &[name, command] : commands)
        if (id == QLatin1String(name)) {
            pane->setFocus();
            command();
        }
}

void ScriptPanes::showScriptError(const QString &script, const ScriptErrorInfo &error)
{
    const bool general = script == generalPage;
    ScriptPane *pane = current(general, script);
    if (!pane)
        return;
    m_form.ssTabDatos->selectKey(general ? generalPage : QStringLiteral("EvaluationData"));
    if (!general)
        m_form.ssTabValues->selectKey(script);

    ::showScriptError(*pane, script, error);
}

void ScriptPanes::setTexts(const PaneTexts &texts)
{
    for (ScriptPane *pane : m_form.panes())
        pane->setTexts(texts);
}
