#include "ucscript.h"

#include "imagelist.h"
#include "keyedtabwidget.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "common/showerror.h"
#include "host/jobdata.h"
#include "host/notifier.h"
#include "host/registry.h"
#include "script/scriptcontrol.h"

#include <QAction>
#include <QToolBar>

UCScript::UCScript(QWidget *parent) : QWidget(parent)
{
    // Creation: the job, the job data object, an empty languages element and
    // the sensor. A job data object that cannot be created fails the editor.
    gJob = cJob();
    gJobData = host::jobData().create();
    gLanguages = GetNewNode(XmlNode::Element, QStringLiteral("Languages"));
    gSensor = cSensor();

    BuildWindow();
    ConnectEvents();
    ConnectPanes();
    ConnectShortcuts();
}

UCScript::~UCScript()
{
    // Destruction releases the objects in this order and shows nothing; a
    // failure only goes to the error log.
    try {
        gJob = cJob();
        gJobData.reset();
        gLanguages = XmlNode();
        gSensor = cSensor();
    } catch (...) {
        recordSkipped(" UCScript.UserControl_Terminate() ", std::current_exception(), QString(), gLogText);
    }
}

void UCScript::Engine_SetData(const QString &pData)
{
    // No handler of its own: a failure reaches the host.
    gJobData->LoadData(pData);
    InitDataToProcess();
}

QString UCScript::Engine_GetData()
{
    return passing(" UCScript.Engine_GetData() ", [&] {
        const QString name = QStringLiteral("FreeDefinition");
        XmlNode freeDefinition = GetNewNode(XmlNode::Element, name);
        freeDefinition.appendChild(gSensor.GetSensorXML().cloneNode(true));
        XmlNode copy = freeDefinition.cloneNode(true);
        gJob.SetFreeDefinition(copy);

        XmlNode definition = GetNewNode(XmlNode::Element, name);
        definition.appendChild(gJob.GetJobNodeXML().cloneNode(true));
        gJobData->SetDefinition(definition.cloneNode(true));
        return gJobData->GetDefinition().xml();
    });
}

bool UCScript::Engine_Validate()
{
    return passing(" UCScript.Engine_Validate() ", [&] { return Validate(); });
}

QString UCScript::Engine_Caption() const
{
    return applicationTitle();
}

void UCScript::Engine_SetPathData(const QString &pData)
{
    passing(" UCScript.Engine_SetPathData() ", [&] { gPathData = pData; });
}

void UCScript::Engine_ShowData()
{
    passing(" UCScript.Engine_ShowData() ", [&] {
        if (!gShowPending)
            return;
        ChangeLanguage(gJobData->GetInterfaceLanguage());
        FillDataToProcess();
        gShowPending = false;
    });
}

void UCScript::Engine_UpdateLanguages(const XmlNode &pLanguages)
{
    passing(" UCScript.Engine_UpdateLanguages() ", [&] { gLanguages = pLanguages; });
}

void UCScript::Engine_ChangeInterfaceLanguage(const QString &pLanguageId)
{
    passing(" UCScript.Engine_ChangeInterfaceLanguage() ", [&] {
        gInterfaceLanguage = pLanguageId;
        ChangeLanguage(pLanguageId);
    });
}

void UCScript::Engine_ChangeSettings(host::Skin *pSkin)
{
    passing(" UCScript.Engine_ChangeSettings() ", [&] {
        gSkin = pSkin;
        ApplySkin();
    });
}

void UCScript::Engine_InitControl(host::Notifier *pNotifier, const XmlNode &pLanguages,
                                  host::Skin *pSkin)
{
    // Each failing statement is recorded (no message box) and the next runs.
    const auto statement = [this](const std::function<void()> &body) {
        reporting(" UCScript.Engine_InitControl() ", QString(), body, false);
    };
    statement([&] { gSkin = pSkin; });
    statement([&] { gNotifier = pNotifier; });
    statement([&] { gLanguages = pLanguages.cloneNode(true); });
    statement([&] { gInterfaceLanguage = gJobData->GetInterfaceLanguage(); });
    statement([&] { gShowPending = true; });
    statement([&] {
        // Each tool shows the picture kept under its id.
        for (QAction *tool : ssToolBarJob->findChildren<QAction *>()) {
            if (!tool->objectName().startsWith(QLatin1String("ID_")))
                continue;
            if (imgToolbar->contains(tool->objectName()))
                tool->setIcon(imgToolbar->picture(tool->objectName()));
        }
    });
    statement([&] { ApplySkin(); });
}

void UCScript::UpdateLanguages(const XmlNode &)
{
}

bool UCScript::reporting(const char *tag, const QString &title, const std::function<void()> &body,
                         bool showMessage) const
{
    return ::reporting(tag, title, body, showMessage, gLogText);
}

void UCScript::guardedEvent(const std::function<void()> &body)
{
    // The tag is already in the error's source when a handler passed it on.
    try {
        reporting("", QString(), body);
    } catch (...) {
        // The error report itself failed (no recorder): an attempt to log
        // that, then nothing more can be done here.
        recordSkipped(" UCScript.guardedEvent() ", std::current_exception(), QString(), gLogText);
    }
}
