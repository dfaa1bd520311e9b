#pragma once

#include "model/evallevels.h"

#include <array>

class KeyedTabWidget;
class NumericBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QTextEdit;
class QToolButton;
class QWidget;
class ScriptPane;

// The controls of one evaluation level: its tab page, script pane, language
// list and reference box, named after the level's key (rtfScriptDanger,
// cmbLanguageScriptDanger, pvDangerRef).
struct LevelControls
{
    const EvalLevelName *level = nullptr;
    QWidget *page = nullptr;
    ScriptPane *pane = nullptr;
    QComboBox *list = nullptr;
    NumericBox *reference = nullptr;
};

// The job form: the editor's two pages (General and Evaluation Data) with
// every control at its design position (twips, 15 to a pixel) under its
// name, and the layout that follows the editor's size. Built once into the
// editor; the editor owns the widgets, the form only points at them.
struct JobForm
{
    // Builds the controls below the tool bar of `editor`, `top` pixels down.
    void setupUi(QWidget *editor, int top);
    // The layout steps for the editor's size (its height under the tool bar:
    // `height` pixels); a step that cannot be applied is skipped, its failure
    // recorded against `logText`.
    void arrange(int height, const QString &logText);

    // The script panes with their language lists: the general one first,
    // then the levels in the order of evalLevels.
    std::array<ScriptPane *, 1 + evalLevels.size()> panes() const;
    std::array<QComboBox *, 1 + evalLevels.size()> languageLists() const;

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
    std::array<LevelControls, evalLevels.size()> levels;
    QFrame *panelToolbar = nullptr;
    QToolButton *cmdEvents = nullptr;
    QToolButton *cmdCut = nullptr;
    QToolButton *cmdCopy = nullptr;
    QToolButton *cmdPaste = nullptr;
    QToolButton *cmdColorizeCode = nullptr;
    QToolButton *cmdCheckSyntax = nullptr;
    QLabel *lblReferenceValue = nullptr;
    QToolButton *cmdWizardValues = nullptr;

private:
    void setupGeneralPage(QWidget *page);
    void setupEvaluationPage(QWidget *page);
};
