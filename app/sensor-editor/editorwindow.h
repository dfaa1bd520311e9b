#pragma once

#include "hostkit/callbacknotifier.h"
#include "hostkit/hosttexts.h"
#include "hostkit/jobfile.h"
#include "host/skin.h"
#include "platform/xml/xmlfile.h"
#include "platform/xml/xmlnode.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class QActionGroup;
class QMenu;
class UCScript;

// The desktop host's main window: one job file in one embedded editor.
// Opening a file (or a new job) creates a fresh editor and drives it through
// the Engine members in the host's order; saving validates, takes the job
// text back and replaces the file in one step, in the encoding the file came
// in (hostkit/jobfile.h). The window's own texts come from the language files
// (hostkit/hosttexts.h) and follow the interface language.
class EditorWindow : public QMainWindow
{
    Q_OBJECT

public:
    EditorWindow(const QString &dataFolder, const QString &languageId, const QString &skinName);
    ~EditorWindow() override;

    // Shows the job of `path`; false (after a message) when it cannot be read
    // or the editor refuses it. The window then keeps what it showed.
    bool openFile(const QString &path);
    // Shows a new job.
    void newJob();
    // Validates and writes the job to its file (asks for a name when it has
    // none); false when nothing was written.
    bool save();
    // Asks for a name (".xml" is added to one without an extension) and
    // writes the job there. Save does this too for a file that may not be
    // written (the title says "read-only").
    bool saveAs();
    bool isReadOnly() const;
    // Switches the editor and the window's own texts to another language.
    void changeLanguage(const QString &languageId);

    UCScript *editor() const { return m_editor; }
    // True when the job differs from the file: the job the editor would save
    // now (its controls stored, as Validate does, and Engine_GetData) against
    // the one it gave when loaded or last saved. So an edit the editor does
    // not report (the Events editor writes into the job itself) counts, and
    // an edit undone does not. While the job does not validate, a change the
    // editor reported since then decides.
    bool isModified() const;
    // Brings the editor page with `key` ("General", "EvaluationData") to the front.
    void showPage(const QString &key);

protected:
    void closeEvent(QCloseEvent *event) override;
    // Back from a modal dialog of the editor: the title shows whether it
    // changed the job. Back in front: a file changed on disk meanwhile is
    // asked about (once for each change).
    bool event(QEvent *event) override;

private:
    bool load(const QString &jobText, const QString &path, const xmlfile::Encoding &encoding);
    bool writeJob(const QString &path);
    // Whether the file changed on disk since it was opened or saved here (a
    // file that is gone has nothing to lose).
    bool changedOnDisk(const hostkit::FileStamp &now) const;
    // Asks what to do about the file that changed on disk: save over it
    // (Yes), reload it (No) or neither for now (Cancel); the answer.
    int askAboutDiskChange(const hostkit::FileStamp &now);
    void checkDiskOnReturn();
    bool confirmDiscard();
    // The job as the editor would save it now; null when it does not validate.
    QString currentJobText() const;
    // The title's mark follows isModified().
    void updateModified();
    // A text of the window in the interface language; `english` when the
    // language file lacks it.
    QString text(const char *key, const QString &english) const { return m_texts->text(key, english); }
    QString appTitle() const;
    QString askFileName(bool saving);
    void buildMenus();
    void retranslate();
    void fillLanguageMenu();
    // The editor's tool `id` (ID_Undo, ID_Evaluate, ...); null without an editor.
    QAction *editorTool(const QString &id) const;
    // The Edit and Run menus take their entries' texts and keys from the editor's tools.
    void updateCommandTexts();
    void changeSkin(const QString &name);
    void updateTitle();
    void showFailure(const QString &what, const std::exception_ptr &failure);

    QString m_dataFolder;
    QString m_languageId;
    QString m_skinName;
    QString m_path;
    QString m_savedJobText;   // the job as loaded or last saved
    bool m_changeReported = false;   // NotifyChange since then
    bool m_checkPending = false;
    xmlfile::Encoding m_encoding;   // how the file stores it
    hostkit::FileStamp m_diskStamp;   // the file as opened or last saved here
    hostkit::FileStamp m_askedStamp;  // the last change on disk the user was asked about
    std::unique_ptr<hostkit::HostTexts> m_texts;   // installed on the application
    hostkit::CallbackNotifier m_notifier;
    std::unique_ptr<host::Skin> m_skin;
    std::unique_ptr<host::Skin> m_previousSkin;   // kept while an editor may still refer to it
    XmlNode m_languages;
    UCScript *m_editor = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_runMenu = nullptr;
    QAction *m_stopAction = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_skinMenu = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_quitAction = nullptr;
};
