#pragma once

#include <QString>
#include <memory>

class QComboBox;
class ScriptControl;
class ScriptPane;
struct JobForm;
struct PaneTexts;
struct ScriptErrorInfo;

// The editor's four script panes, each with its language list: the general
// pane (`general` true) and one per level, chosen by the level key of the
// tab on view (exact; another key chooses none, and the operation does
// nothing). The operations pass their failures on; the editor's procedures
// around them report them with their source tags.
class ScriptPanes
{
public:
    // `logText` is the loaded job's text for the error log; it is read at each use.
    ScriptPanes(JobForm &form, const QString &logText);
    ~ScriptPanes();

    // Each pane colours its text in its list's language from now on.
    void connectLanguages();

    // The pane of the general flag or the level `key`, and its language list.
    ScriptPane *current(bool general, const QString &key, QComboBox **list = nullptr) const;

    // Compiles the pane in its language on the editor's script host; nothing
    // runs and nothing inside is raised or reported (only logged). False when
    // the host reports an error, with the script error report in `report`.
    bool checkScriptCode(QString &report, bool general, const QString &key);
    // The check with its outcome shown: a note in the pane when it compiles,
    // else the error marked in the pane and "Code Error." with the report.
    void checkSyntax(bool general, const QString &key);
    void colorize(bool general, const QString &key);
    void copy(bool general, const QString &key);
    void cut(bool general, const QString &key);
    void paste(bool general, const QString &key);
    // The pane's own commands by tool id: ID_Undo, ID_Redo, ID_SelectAll,
    // ID_Find, ID_Replace, ID_GoToLine (the find bar opens on the pane, with
    // the selection when it lies on one line). Any other id does nothing.
    void edit(bool general, const QString &key, const QString &id);

    // Brings the page and pane of a failed script into view (`script`:
    // "General" or a level's key) and marks the error's line and column
    // there, its note naming the script.
    void showScriptError(const QString &script, const ScriptErrorInfo &error);

    // The panes' own texts (status line, find bar).
    void setTexts(const PaneTexts &texts);

private:
    JobForm &m_form;
    const QString &m_logText;
    std::unique_ptr<ScriptControl> m_scriptControl;   // the control "ScriptControl"
};
