#pragma once

#include "dialogshape.h"

#include "model/cevaldata.h"
#include "model/cevent.h"
#include "platform/ui/chromedialog.h"

#include <QHash>
#include <QIcon>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QToolBar;
class ScriptControl;
class ScriptPane;
class cSensor;

// The Events editor: the scripts and languages of the events of one level
// of the sensor, edited on a deep copy of the level's EvalData element. Ok
// hands the copy back to the sensor (UpdateEvalData); Cancel discards it;
// the close box asks whether to save (Yes as Ok, No as Cancel). Events are
// neither added, removed nor renamed here.
//
// Use: create it with its context (gInterfaceLanguage, gPathData, gSkin),
// set gSensor and ValueKey, show it through ui::showModal; it closes
// itself. Loading (before it first shows) puts the pictures on the tools,
// applies the skin and the language (section "frmEditEvents"). Its
// first activation (when it first shows; again at the next activation when
// it failed) builds the working copy and loads the level's first event.
// Every handler reports its own failures; the window then stays open.
class frmEditEvents : public ui::FormDialog, public DialogContext
{
    Q_OBJECT

public:
    explicit frmEditEvents(const DialogContext &context = {}, QWidget *parent = nullptr);
    ~frmEditEvents() override;

    // Fields, set before the window is shown.
    QString ValueKey;                 // "Danger", "Warning" or "Good"
    cSensor *gSensor = nullptr;       // the editor's sensor; null is "nothing"

protected:
    void Form_Load() override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // Only a close by the user (the close box, the system menu) asks.
    void closeEvent(QCloseEvent *event) override;
    // Esc asks as the close box does.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BuildToolBar();
    // The button of the tool `id` on the bar.
    QWidget *toolButton(const QString &id) const;

    void Form_Activate();

    void InitData();
    void SaveData();
    // The selection of a drop-down tool changed (by the user, or by
    // SelectItem): "ID_Events" loads the event chosen, "ID_Language" stores.
    void ssToolEvents_CtlClick(const QString &pId);
    void ssToolEvents_ToolClick(const QString &pId);
    // Sets the selected item of a drop-down tool, which raises its notification.
    void SelectItem(QComboBox &pList, int pIndex);

    void ColorizeCode();
    void Copy();
    void Cut();
    void Paste();
    void CheckSyntax();
    // The syntax check of the script on view in the language on view; no
    // failure inside leaves it. False, with the script error report in
    // `pReport`, when the script host reports an error.
    bool CheckScript(QString &pReport);
    void Ok();
    void CloseWithoutSaving();
    // The close box's question: Yes saves as Ok, No discards; either way the
    // window closes.
    void QueryUnload();

    cSensor &sensor() const;

    QToolBar *ssToolEvents = nullptr;
    QLabel *lblEventsLabel = nullptr;      // the tool "ID_EventsLabel"
    QComboBox *cmbEvents = nullptr;        // the tool "ID_Events"
    QComboBox *cmbLanguage = nullptr;      // the tool "ID_Language"
    ScriptPane *rtfScript = nullptr;
    QHash<QString, QIcon> imgToolbar;      // one picture per tool id
    std::unique_ptr<::ScriptControl> m_scriptControl;   // the control "ScriptControl"

    cEvalData m_workingCopy;
    std::optional<cEvent> m_currentEvent;
    QString MsgSaveChanges;
    bool m_loading = true;
    bool m_activating = false;
    // The window was left for another window (not for a report of its first
    // activation): its next activation retries a failed first activation.
    bool m_leftWindow = false;
};
