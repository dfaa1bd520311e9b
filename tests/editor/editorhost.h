#pragma once

// A host for the editor in tests: the reference host objects, a counting
// notifier, a recorded message box and error recorder, and the Engine
// members called in the host's order.
#include "reportcapture.h"
#include "testsupport.h"

#include "editor/keyedtabwidget.h"
#include "editor/numericbox.h"
#include "editor/ucscript.h"
#include "hostkit/callbacknotifier.h"
#include "hostkit/referenceobjects.h"
#include "hostkit/skins.h"

#include <QCheckBox>
#include <QComboBox>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <memory>

// Installs the reference objects once per test binary, before any capture
// replaces the error recorder for its test.
struct ReferenceObjects
{
    ReferenceObjects()
    {
        static const bool installed = [] {
            hostkit::installReferenceObjects();
            return true;
        }();
        (void)installed;
    }
};

struct EditorHost
{
    ReferenceObjects objects;
    ReportCapture capture;
    hostkit::CallbackNotifier notifier;
    std::unique_ptr<host::Skin> skin = hostkit::createSkin(QStringLiteral("classic"));
    std::unique_ptr<UCScript> editor = std::make_unique<UCScript>();

    // Engine_InitControl, Engine_SetPathData, Engine_SetData, Engine_ShowData.
    void open(const QString &jobText)
    {
        editor->Engine_InitControl(&notifier, XmlNode::parse(QStringLiteral("<Languages/>")).documentElement(),
                                   skin.get());
        editor->Engine_SetPathData(sourcePath(QStringLiteral("data")));
        editor->Engine_SetData(jobText);
        editor->Engine_ShowData();
        notifier.resetCount();
    }
    void openExample(const QString &name)
    {
        open(readTextFile(sourcePath(QStringLiteral("examples/jobs/") + name)));
    }

    template <class T>
    T *find(const QString &name) const
    {
        return editor->findChild<T *>(name);
    }
    QTextEdit *pane(const QString &name) const { return find<QTextEdit>(name); }
};
