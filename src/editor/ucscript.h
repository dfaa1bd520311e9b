#pragma once

#include "dialogs/scriptpane.h"
#include "host/engine.h"
#include "model/cjob.h"
#include "model/csensor.h"
#include "model/evallevels.h"
#include "platform/xml/xmlnode.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class ImageList;
class KeyedTabWidget;
class NumericBox;
class ScriptControl;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QTextEdit;
struct ScriptErrorInfo;
class QToolBar;
class QToolButton;

namespace host {
class JobData;
class LanguageReader;
class Notifier;
class Skin;
}

// The editor of a sensor script job, embedded by the host and driven through
// the Engine interface: the host gives it its notifier, languages and skin
// (Engine_InitControl), the data folder (Engine_SetPathData) and the job text
// (Engine_SetData), has it show the job once (Engine_ShowData), and on save
// asks it to validate (Engine_Validate) and to give the job text back
// (Engine_GetData). The edits live in the controls until Validate stores them.
//
// Every control carries its name as objectName. The members are spread over
// files by concern: ucscript.cpp (Engine members), ucscriptwindow.cpp
// (controls and layout), ucscriptdata.cpp (loading and storing),
// ucscriptvalidate.cpp, ucscripttabs.cpp (evaluation tabs and options),
// ucscriptlanguage.cpp (texts and skin), ucscriptpanes.cpp (script panes),
// ucscripterrorjump.cpp (a failed script's error shown in its pane),
// ucscripttoolbar.cpp (job tool bar and the host's section editors),
// ucscriptevaluate.cpp (the test evaluation and its result dialog), and the
// dialog launchers: ucscriptlaunchers.cpp (Conditions Wizard),
// ucscriptwizardlauncher.cpp (Database Connection Wizard),
// ucscripteventslauncher.cpp (Events editor).
class UCScript : public QWidget, public host::Engine
{
    Q_OBJECT

public:
    // Creates the job, job data (from the host's factory) and sensor objects;
    // raises when the job data object cannot be created.
    explicit UCScript(QWidget *parent = nullptr);
    ~UCScript() override;

    // The Engine interface.
    void Engine_SetData(const QString &pData) override;
    QString Engine_GetData() override;
    bool Engine_Validate() override;
    QString Engine_Caption() const override;
    void Engine_SetPathData(const QString &pData) override;
    void Engine_ShowData() override;
    void Engine_UpdateLanguages(const XmlNode &pLanguages) override;
    void Engine_ChangeInterfaceLanguage(const QString &pLanguageId) override;
    void Engine_ChangeSettings(host::Skin *pSkin) override;
    void Engine_InitControl(host::Notifier *pNotifier, const XmlNode &pLanguages,
                            host::Skin *pSkin) override;

    // The control's own interface: the check of Engine_Validate, and a
    // languages update that has no effect.
    bool Validate();
    void UpdateLanguages(const XmlNode &pLanguages);

    // The interface language on view (from the job data object, or the last
    // Engine_ChangeInterfaceLanguage).
    const QString &interfaceLanguage() const { return gInterfaceLanguage; }
    // The languages object the editor holds: a copy of the one given to
    // Engine_InitControl, or the host's own after Engine_UpdateLanguages.
    const XmlNode &languages() const { return gLanguages; }

    // Evaluation tabs and options.
    void ChangeStatusTabValues(bool pStatus);
    // The evaluation switch's click with its value (0 off, 1 on, 2 greyed: on).
    void chkEvalData_Click(int pValue);
    void ssTabValues_BeforeTabClick(const QString &pKey);

    // Interface language and skin.
    void ChangeLanguage(const QString &pLanguageId);
    void ApplySkin();

    // Layout on every resize; a step that cannot be applied is skipped.
    void ArrangeControls();
    // The background the skin gave the editor itself; invalid when none did.
    QColor formBackColor() const { return m_formBackColor; }

    // Script pane operations. `pGeneral` true: the general pane; false: the
    // level pane of the selected ssTabValues tab (ColorizeCode: of `pKey`).
    bool CheckScriptCode(QString &pReport, bool pGeneral);
    void CheckSyntax(bool pGeneral);
    void ColorizeCode(bool pGeneral, const QString &pKey);
    void Copy(bool pGeneral);
    void Cut(bool pGeneral);
    void Paste(bool pGeneral);
    // Shows the popup menu "ID_Popup" at a global position (a right click on a pane).
    void ShowPopup(const QPoint &globalPos);

    // The job tool bar's click (tools and popup entries), by tool id.
    void ssToolBarJob_ToolClick(const QString &pId);
    void EditProperties();
    void EditSchedule();
    void EditDocumentation();
    // The "Evaluate" tool: runs the scripts and shows the outcome in frmResultTest.
    void EvaluateScripts();
    // The click of cmdEvents: the Events editor on the level tab on view.
    void EditEvents();
    // cmdWizard: the Database Connection Wizard's script replaces the general pane.
    void WizardResult();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Fields, in declaration order; the dialogs receive gInterfaceLanguage,
    // gPathData, gSkin and gSensor.
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
    host::Skin *gSkin = nullptr;
    QString gInterfaceLanguage;
    // The loaded job's text for error reports (the job data object's
    // GetLogText); empty until a job is loaded.
    QString gLogText;

    // The error convention's reporting wrapper (common/showerror.h) for this
    // editor: the same, with the loaded job's log text in every report. It
    // hides the free function inside the members on purpose, so that every
    // report of the editor carries its own job's log text.
    bool reporting(const char *tag, const QString &title, const std::function<void()> &body,
                   bool showMessage = true) const;

    // ucscriptwindow.cpp
    void BuildWindow();
    void BuildToolBar();
    void BuildGeneralPage(QWidget *page);
    void BuildEvaluationPage(QWidget *page);
    ScriptPane *newScriptPane(const QString &name, QWidget *parent);
    QToolButton *newPictureButton(const QString &name, const QString &picture, QWidget *parent,
                                  int left, int top);
    QComboBox *newLanguageList(const QString &name, QWidget *parent, int left, int top);
    void ConnectEvents();
    int toolBarHeight() const;

    // ucscriptdata.cpp
    void InitDataToProcess();
    void FillDataToProcess();
    void StoreData();
    // The controls of each evaluation level, in the order Danger, Warning, Good.
    struct LevelControls
    {
        const EvalLevelName &level;
        ScriptPane *pane;
        QComboBox *list;
        NumericBox *reference;
    };
    std::array<LevelControls, 3> levelControls() const;

    // ucscriptpanes.cpp
    ScriptPane *CurrentPane(bool pGeneral, const QString &pKey, QComboBox **pList = nullptr) const;
    void NotifyChange();
    // Each pane colours its text in its language list's language.
    void ConnectPanes();
    // The panes' own texts (status line, find bar) from the language file.
    void TranslatePanes(host::LanguageReader &pReader);

    // ucscripterrorjump.cpp
    // Brings the page and pane of a failed script into view (`pScript`:
    // "General", "Danger", "Warning" or "Good") and marks the error's line
    // and column there, its note naming the script.
    void ShowScriptError(const QString &pScript, const ScriptErrorInfo &pError);

    // ucscripttoolbar.cpp
    // F7 Check Syntax, F5 Evaluate, Ctrl+Shift+C Colorize, Ctrl+Tab and
    // Ctrl+Shift+Tab the next and previous page.
    void ConnectShortcuts();

    // ucscripttoolbar.cpp
    using SectionEdit = std::function<bool(QString &section)>;
    void EditSection(XmlNode section, const SectionEdit &edit,
                     const std::function<void(XmlNode &)> &store);

    void cmdWizardValues_Click();   // ucscriptlaunchers.cpp

    // A Qt slot's boundary: a failure is reported, never thrown into Qt.
    void guardedEvent(const std::function<void()> &body);

    // Controls (named as their objectName; a host finds them by that name).
    KeyedTabWidget *ssTabDatos = nullptr;
    QWidget *SSActiveTabPanel1 = nullptr;
    QGroupBox *fraStatus = nullptr;
    QCheckBox *chkActive = nullptr;
    QCheckBox *chkViewInMarquee = nullptr;
    QCheckBox *chkQuantity = nullptr;
    QLabel *lblDataPersistence = nullptr;
    NumericBox *pvDataPersistence = nullptr;
    QComboBox *cmbDataPersistence = nullptr;
    QGroupBox *fraDescription = nullptr;
    QTextEdit *rtfDescription = nullptr;
    QGroupBox *fraScript = nullptr;
    QFrame *ssToolScript = nullptr;
    QToolButton *cmdCutScript = nullptr;
    QToolButton *cmdCopyScript = nullptr;
    QToolButton *cmdPasteScript = nullptr;
    QToolButton *cmdColorizeScript = nullptr;
    QToolButton *cmdCheckSyntaxScript = nullptr;
    QComboBox *cmbLanguageScript = nullptr;
    QToolButton *cmdWizard = nullptr;
    ScriptPane *rtfScript = nullptr;
    QWidget *SSActiveTabPanel2 = nullptr;
    QCheckBox *chkEvalData = nullptr;
    KeyedTabWidget *ssTabValues = nullptr;
    QWidget *SSActiveTabPanel5 = nullptr;
    QWidget *SSActiveTabPanel6 = nullptr;
    QWidget *SSActiveTabPanel7 = nullptr;
    ScriptPane *rtfScriptDanger = nullptr;
    ScriptPane *rtfScriptWarning = nullptr;
    ScriptPane *rtfScriptGood = nullptr;
    QFrame *panelToolbar = nullptr;
    QToolButton *cmdEvents = nullptr;
    QToolButton *cmdCut = nullptr;
    QToolButton *cmdCopy = nullptr;
    QToolButton *cmdPaste = nullptr;
    QToolButton *cmdColorizeCode = nullptr;
    QToolButton *cmdCheckSyntax = nullptr;
    QComboBox *cmbLanguageScriptDanger = nullptr;
    QComboBox *cmbLanguageScriptWarning = nullptr;
    QComboBox *cmbLanguageScriptGood = nullptr;
    QLabel *lblReferenceValue = nullptr;
    NumericBox *pvDangerRef = nullptr;
    NumericBox *pvWarningRef = nullptr;
    NumericBox *pvGoodRef = nullptr;
    QToolButton *cmdWizardValues = nullptr;
    ImageList *imgToolbar = nullptr;
    QToolBar *ssToolBarJob = nullptr;
    QMenu *popupMenu = nullptr;      // the tool "ID_Popup"

    std::unique_ptr<::ScriptControl> m_scriptControl;   // the control "ScriptControl"
    // Painted rather than set in the palette, so the controls on the editor
    // keep their own backgrounds.
    QColor m_formBackColor;
};
