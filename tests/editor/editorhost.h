#pragma once

// A host for the editor in tests: the reference host objects, a counting
// notifier, a recorded message box and error recorder, and the Engine
// members called in the host's order.
#include "expecterror.h"
#include "reportcapture.h"
#include "testsupport.h"

#include "editor/keyedtabwidget.h"
#include "editor/numericbox.h"
#include "dialogs/scriptpane.h"
#include "editor/ucscript.h"
#include "hostkit/callbacknotifier.h"
#include "hostkit/referenceobjects.h"
#include "hostkit/skins.h"
#include "model/cjob.h"
#include "model/csensor.h"
#include "platform/ui/modal.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

// The text of an example job of examples/jobs/.
inline QString exampleJob(const QString &name)
{
    return readTextFile(sourcePath(QStringLiteral("examples/jobs/") + name));
}

// Installs the reference objects once per test binary, before any capture
// replaces the error recorder for its test.
struct ReferenceObjects
{
    ReferenceObjects()
    {
        static const bool installed = (hostkit::installReferenceObjects(), true);
        (void)installed;
    }
};

// The editor's controls, found by their names as a host finds them; a name
// that finds nothing fails the test at once.
struct EditorControls
{
    explicit EditorControls(const QWidget &editor) : editor(editor) {}

    template <class T>
    T *named(const char *name) const
    {
        T *control = editor.findChild<T *>(QLatin1String(name));
        if (!control)
            throw std::runtime_error(std::string("no control named ") + name);
        return control;
    }

    const QWidget &editor;
    KeyedTabWidget *ssTabDatos = named<KeyedTabWidget>("ssTabDatos");
    QGroupBox *fraStatus = named<QGroupBox>("fraStatus");
    QCheckBox *chkActive = named<QCheckBox>("chkActive");
    QCheckBox *chkViewInMarquee = named<QCheckBox>("chkViewInMarquee");
    QCheckBox *chkQuantity = named<QCheckBox>("chkQuantity");
    QLabel *lblDataPersistence = named<QLabel>("lblDataPersistence");
    NumericBox *pvDataPersistence = named<NumericBox>("pvDataPersistence");
    QComboBox *cmbDataPersistence = named<QComboBox>("cmbDataPersistence");
    QGroupBox *fraDescription = named<QGroupBox>("fraDescription");
    QGroupBox *fraScript = named<QGroupBox>("fraScript");
    QComboBox *cmbLanguageScript = named<QComboBox>("cmbLanguageScript");
    QToolButton *cmdWizard = named<QToolButton>("cmdWizard");
    ScriptPane *rtfScript = named<ScriptPane>("rtfScript");
    QCheckBox *chkEvalData = named<QCheckBox>("chkEvalData");
    KeyedTabWidget *ssTabValues = named<KeyedTabWidget>("ssTabValues");
    ScriptPane *rtfScriptDanger = named<ScriptPane>("rtfScriptDanger");
    ScriptPane *rtfScriptWarning = named<ScriptPane>("rtfScriptWarning");
    ScriptPane *rtfScriptGood = named<ScriptPane>("rtfScriptGood");
    QFrame *panelToolbar = named<QFrame>("panelToolbar");
    QToolButton *cmdCut = named<QToolButton>("cmdCut");
    QComboBox *cmbLanguageScriptWarning = named<QComboBox>("cmbLanguageScriptWarning");
    QComboBox *cmbLanguageScriptGood = named<QComboBox>("cmbLanguageScriptGood");
    QLabel *lblReferenceValue = named<QLabel>("lblReferenceValue");
    NumericBox *pvWarningRef = named<NumericBox>("pvWarningRef");
    NumericBox *pvGoodRef = named<NumericBox>("pvGoodRef");
    QToolButton *cmdWizardValues = named<QToolButton>("cmdWizardValues");
    QToolBar *ssToolBarJob = named<QToolBar>("ssToolBarJob");
};

// A job text as the editor returns it, bound through the model as the next
// load would.
struct ReturnedJob
{
    explicit ReturnedJob(const QString &text) : document(XmlNode::parse(text))
    {
        job.SetJobNodeXML(document.selectSingleNode(QStringLiteral("JobDefinition")));
        sensor.SetSensorXML(job.GetFreeDefinition().selectSingleNode(QStringLiteral("Sensor")));
    }
    XmlNode document;
    cJob job;
    cSensor sensor;
};

struct EditorHost
{
    // A host that has not opened a job yet, or one showing an example job.
    EditorHost() = default;
    explicit EditorHost(const char *example) { open(exampleJob(QLatin1String(example))); }

    ReferenceObjects objects;
    ReportCapture capture;
    hostkit::CallbackNotifier notifier;
    std::unique_ptr<host::Skin> skin = hostkit::createSkin(QStringLiteral("classic"));
    std::unique_ptr<UCScript> editor = std::make_unique<UCScript>();
    const EditorControls controls{*editor};

    // Engine_InitControl, Engine_SetPathData, Engine_SetData, Engine_ShowData.
    void open(const QString &jobText)
    {
        editor->Engine_InitControl(&notifier, XmlNode::parse(QStringLiteral("<Languages/>")).documentElement(),
                                   skin.get());
        editor->Engine_SetPathData(sourcePath(QStringLiteral("data")));
        editor->Engine_SetData(jobText);
        editor->Engine_ShowData();
    }
    // The editor on screen at a size that shows every control.
    void show()
    {
        editor->resize(800, 560);
        editor->show();
    }

    template <class T = QWidget>
    T *find(const QString &name) const
    {
        return editor->findChild<T *>(name);
    }
    ScriptPane *pane(const QString &name) const { return find<ScriptPane>(name); }
    // The one message box shown so far ("" and a test failure when there is not exactly one).
    QString onlyBox() const
    {
        EXPECT_EQ(capture.boxes.size(), 1);
        return capture.boxes.size() == 1 ? capture.boxes[0].prompt : QString();
    }
    // The job as Engine_GetData returns it now.
    ReturnedJob returnedJob() const { return ReturnedJob(editor->Engine_GetData()); }
};
