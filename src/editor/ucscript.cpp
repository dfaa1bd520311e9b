// UCScript's public face: creation, the Engine members, and the window's
// events, each handed to the private implementation.
#include "ucscript.h"
#include "ucscriptprivate.h"

#include "jobformdata.h"
#include "keyedtabwidget.h"
#include "numericbox.h"
#include "skipstep.h"

#include "errorcore/error.h"
#include "common/nodes.h"
#include "common/showerror.h"
#include "dialogs/scriptpane.h"
#include "host/jobdata.h"
#include "host/notifier.h"
#include "host/registry.h"
#include "platform/ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>

UCScriptPrivate::UCScriptPrivate(UCScript &editor) : q(editor)
{
    // Creation: the job, the job data object, an empty languages element and
    // the sensor. A job data object that cannot be created fails the editor.
    gJob = cJob();
    gJobData = host::jobData().create();
    gLanguages = GetNewNode(XmlNode::Element, QStringLiteral("Languages"));
    gSensor = cSensor();
}

UCScript::UCScript(QWidget *parent) : QWidget(parent), d(std::make_unique<UCScriptPrivate>(*this))
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);

    d->toolBar.setupUi(this, [this](const QString &id) { d->guardedEvent([&] { d->ssToolBarJob_ToolClick(id); }); });
    d->form.setupUi(this, d->toolBar.height());
    resize(ui::twipsToPixels(8850), ui::twipsToPixels(4620) + d->toolBar.height());
    d->connectEvents();
    d->panes.connectLanguages();
}

UCScript::~UCScript()
{
    // Destruction releases the objects in this order and shows nothing; a
    // failure only goes to the error log.
    try {
        d->gJob = cJob();
        d->gJobData.reset();
        d->gLanguages = XmlNode();
        d->gSensor = cSensor();
    } catch (...) {
        recordSkipped(" UCScript.UserControl_Terminate() ", std::current_exception(), QString(), d->gLogText);
    }
}

void UCScript::Engine_SetData(const QString &pData)
{
    // No handler of its own: a failure reaches the host.
    d->gJobData->LoadData(pData);
    d->InitDataToProcess();
}

QString UCScript::Engine_GetData()
{
    return passing(" UCScript.Engine_GetData() ", [&] {
        const QString name = QStringLiteral("FreeDefinition");
        XmlNode freeDefinition = GetNewNode(XmlNode::Element, name);
        freeDefinition.appendChild(d->gSensor.GetSensorXML().cloneNode(true));
        XmlNode copy = freeDefinition.cloneNode(true);
        d->gJob.SetFreeDefinition(copy);

        XmlNode definition = GetNewNode(XmlNode::Element, name);
        definition.appendChild(d->gJob.GetJobNodeXML().cloneNode(true));
        d->gJobData->SetDefinition(definition.cloneNode(true));
        return d->gJobData->GetDefinition().xml();
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
    passing(" UCScript.Engine_SetPathData() ", [&] { d->gPathData = pData; });
}

void UCScript::Engine_SetJobFile(const QString &pPath)
{
    passing(" UCScript.Engine_SetJobFile() ", [&] { d->gJobFile = pPath; });
}

void UCScript::Engine_ShowData()
{
    passing(" UCScript.Engine_ShowData() ", [&] {
        if (!d->gShowPending)
            return;
        d->ChangeLanguage(d->gJobData->GetInterfaceLanguage());
        d->FillDataToProcess();
        d->gShowPending = false;
    });
}

void UCScript::Engine_UpdateLanguages(const XmlNode &pLanguages)
{
    passing(" UCScript.Engine_UpdateLanguages() ", [&] { d->gLanguages = pLanguages; });
}

void UCScript::Engine_ChangeInterfaceLanguage(const QString &pLanguageId)
{
    passing(" UCScript.Engine_ChangeInterfaceLanguage() ", [&] {
        d->gInterfaceLanguage = pLanguageId;
        d->ChangeLanguage(pLanguageId);
    });
}

void UCScript::Engine_ChangeSettings(host::Skin *pSkin)
{
    passing(" UCScript.Engine_ChangeSettings() ", [&] {
        d->gSkin = pSkin;
        d->ApplySkin();
    });
}

void UCScript::Engine_InitControl(host::Notifier *pNotifier, const XmlNode &pLanguages, host::Skin *pSkin)
{
    // Each failing statement is recorded (no message box) and the next runs.
    const auto statement = [this](const std::function<void()> &body) {
        d->reporting(" UCScript.Engine_InitControl() ", QString(), body, false);
    };
    statement([&] { d->gSkin = pSkin; });
    statement([&] { d->gNotifier = pNotifier; });
    statement([&] { d->gLanguages = pLanguages.cloneNode(true); });
    statement([&] { d->gInterfaceLanguage = d->gJobData->GetInterfaceLanguage(); });
    statement([&] { d->gShowPending = true; });
    statement([&] { d->toolBar.showPictures(); });
    statement([&] { d->ApplySkin(); });
}

bool UCScript::Validate()
{
    return d->Validate();
}

void UCScript::UpdateLanguages(const XmlNode &)
{
}

const QString &UCScript::interfaceLanguage() const
{
    return d->gInterfaceLanguage;
}

const XmlNode &UCScript::languages() const
{
    return d->gLanguages;
}

QColor UCScript::formBackColor() const
{
    return d->formBackColor;
}

void UCScript::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The tool bar spans the editor's top; the tab control follows the
    // editor's width (the layout steps set its height).
    SkipOnFailure skipOnFailure(" UCScript.UserControl_Resize() ", d->gLogText);
    const int top = d->toolBar.height();
    skipOnFailure([&] { d->toolBar.ssToolBarJob->setGeometry(0, 0, width(), top); });
    skipOnFailure([&] { d->form.ssTabDatos->setGeometry(0, top, width(), d->form.ssTabDatos->height()); });
    skipOnFailure([&] { d->form.arrange(height() - top, d->gLogText); });
}

void UCScript::paintEvent(QPaintEvent *event)
{
    if (d->formBackColor.isValid())
        QPainter(this).fillRect(rect(), d->formBackColor);
    QWidget::paintEvent(event);
}

bool UCScript::eventFilter(QObject *watched, QEvent *event)
{
    // A right click on a script pane opens the popup menu.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            for (ScriptPane *pane : d->form.panes()) {
                if (watched == pane->viewport()) {
                    d->toolBar.showPopup(mouse->globalPosition().toPoint());
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool UCScriptPrivate::reporting(const char *tag, const QString &title, const std::function<void()> &body,
                                bool showMessage) const
{
    return ::reporting(tag, title, body, showMessage, gLogText);
}

void UCScriptPrivate::guardedEvent(const std::function<void()> &body) const
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

void UCScriptPrivate::NotifyChange()
{
    if (filling)
        return;
    // No notifier (before Engine_InitControl) is an object that is not set.
    if (!gNotifier)
        throw Error::fromNumber(91);
    gNotifier->NotifyChange();
}

void UCScriptPrivate::connectEvents()
{
    UCScript *editor = &q;
    // The evaluation switch's click passes the box's value: 0 off, 1 on, 2 greyed.
    QObject::connect(form.chkEvalData, &QCheckBox::clicked, editor, [this] {
        const Qt::CheckState state = form.chkEvalData->checkState();
        const int value = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
        guardedEvent([&] { chkEvalData_Click(value); });
    });
    QObject::connect(form.ssTabValues, &KeyedTabWidget::beforeTabClick, editor,
                     [this](const QString &key) { guardedEvent([&] { ssTabValues_BeforeTabClick(key); }); });

    // Options, language lists, numbers and panes tell the host about every change.
    const auto notify = [this] { guardedEvent([&] { NotifyChange(); }); };
    for (QCheckBox *option : {form.chkActive, form.chkQuantity, form.chkViewInMarquee})
        QObject::connect(option, &QCheckBox::clicked, editor, notify);
    for (QComboBox *list : form.languageLists())
        QObject::connect(list, &QComboBox::activated, editor, notify);
    QObject::connect(form.cmbDataPersistence, &QComboBox::activated, editor, notify);
    // Typing only: filling a box and showing its number in the locale's form are no change.
    QObject::connect(form.pvDataPersistence, &QLineEdit::textEdited, editor, notify);
    for (const LevelControls &level : form.levels)
        QObject::connect(level.reference, &QLineEdit::textEdited, editor, notify);
    // A box left with no number of its kind says so at once; after the focus
    // has moved, so that the message does not fight it.
    QList<NumericBox *> boxes{form.pvDataPersistence};
    for (const LevelControls &level : form.levels)
        boxes << level.reference;
    for (NumericBox *box : boxes)
        QObject::connect(box, &NumericBox::numberRefused, editor,
                         [this, box] { guardedEvent([&] { acceptNumber(form, box); }); }, Qt::QueuedConnection);
    for (ScriptPane *pane : form.panes()) {
        QObject::connect(pane, &ScriptPane::textChanged, editor, notify);
        pane->viewport()->installEventFilter(editor);
    }

    // The pane buttons of the two pages (their procedures report their own failures).
    using Operation = void (UCScriptPrivate::*)(bool);
    const auto onClick = [&](QToolButton *button, bool general, Operation operation) {
        QObject::connect(button, &QToolButton::clicked, editor,
                         [this, general, operation] { guardedEvent([&] { (this->*operation)(general); }); });
    };
    for (const auto &[script, level, operation] :
         {std::tuple{form.cmdCutScript, form.cmdCut, &UCScriptPrivate::Cut},
          std::tuple{form.cmdCopyScript, form.cmdCopy, &UCScriptPrivate::Copy},
          std::tuple{form.cmdPasteScript, form.cmdPaste, &UCScriptPrivate::Paste},
          std::tuple{form.cmdCheckSyntaxScript, form.cmdCheckSyntax, &UCScriptPrivate::CheckSyntax}}) {
        onClick(script, true, operation);
        onClick(level, false, operation);
    }
    QObject::connect(form.cmdColorizeScript, &QToolButton::clicked, editor, [this] {
        guardedEvent([&] { ColorizeCode(true, evalLevels[0].keyText()); });
    });
    QObject::connect(form.cmdColorizeCode, &QToolButton::clicked, editor,
                     [this] { guardedEvent([&] { ColorizeCode(false, levelKey()); }); });
    // The dialog launchers (each reports its own failures).
    QObject::connect(form.cmdEvents, &QToolButton::clicked, editor, [this] { guardedEvent([&] { EditEvents(); }); });
    QObject::connect(form.cmdWizard, &QToolButton::clicked, editor, [this] { guardedEvent([&] { WizardResult(); }); });
    QObject::connect(form.cmdWizardValues, &QToolButton::clicked, editor,
                     [this] { guardedEvent([&] { cmdWizardValues_Click(); }); });

    // Ctrl+Tab and Ctrl+Shift+Tab: the next and previous page.
    for (const auto &[keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1}}) {
        auto *shortcut = new QShortcut(keys, editor);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, editor, [this, step = step] {
            const int count = form.ssTabDatos->count();
            if (count > 0)
                form.ssTabDatos->setCurrentIndex((form.ssTabDatos->currentIndex() + step + count) % count);
        });
    }
}
