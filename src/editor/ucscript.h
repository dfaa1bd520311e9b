#pragma once

#include "host/engine.h"
#include "host/jobfile.h"
#include "platform/xml/xmlnode.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <memory>

class UCScriptPrivate;

// The editor of a sensor script job, embedded by the host and driven through
// the Engine interface: the host gives it its notifier, languages and skin
// (Engine_InitControl), the data folder (Engine_SetPathData) and the job text
// (Engine_SetData), has it show the job once (Engine_ShowData), and on save
// asks it to validate (Engine_Validate) and to give the job text back
// (Engine_GetData). The edits live in the controls until Validate stores them.
//
// Every user edit reaches the host's notifier (NotifyChange); filling the
// controls from the job does not, and neither does an edit in the Events
// editor (the host sees it in the job it gets back). Every control carries
// its name as objectName, so a host or a test finds it by that name
// (findChild<QComboBox *>("cmbLanguageScriptWarning")).
class UCScript : public QWidget, public host::Engine, public host::JobFile
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
    // Where the job is stored: its scripts run in that file's folder.
    void Engine_SetJobFile(const QString &pPath) override;

    // The control's own interface: the check of Engine_Validate (a refusal
    // is shown to the user), and a languages update that has no effect.
    bool Validate();
    void UpdateLanguages(const XmlNode &pLanguages);

    // The interface language on view (from the job data object, or the last
    // Engine_ChangeInterfaceLanguage).
    const QString &interfaceLanguage() const;
    // The languages object the editor holds: a copy of the one given to
    // Engine_InitControl, or the host's own after Engine_UpdateLanguages.
    const XmlNode &languages() const;
    // The background the skin gave the editor itself; invalid when none did.
    QColor formBackColor() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<UCScriptPrivate> d;
};
