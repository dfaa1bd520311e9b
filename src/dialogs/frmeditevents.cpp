#include "frmeditevents.h"

#include "panetexts.h"
#include "scriptpane.h"
#include "scripttext.h"

#include "errorcore/error.h"
#include "common/showerror.h"
#include "common/skincolors.h"
#include "host/colorizer.h"
#include "host/registry.h"
#include "model/csensor.h"
#include "model/evallevels.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/controltext.h"
#include "platform/ui/msgbox.h"
#include "platform/ui/placement.h"
#include "script/scriptcontrol.h"
#include "tools/scripterrorreport.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QKeySequence>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

enum class ToolKind { Button, Label, List, Separator };

// The tools of the bar "EventsEditor", left to right: id, default text, picture.
struct ToolDef
{
    ToolKind kind;
    const char *id;
    const char *text;
    const char *picture;
};

constexpr ToolDef eventTools[] = {
    {ToolKind::Button, "ID_Ok", "Ok", "ok"},
    {ToolKind::Button, "ID_Cancel", "Cancel", "cancel"},
    {ToolKind::Separator, nullptr, nullptr, nullptr},
    {ToolKind::Label, "ID_EventsLabel", "Events", "events"},
    {ToolKind::List, "ID_Events", "Events", "events"},
    {ToolKind::Separator, nullptr, nullptr, nullptr},
    {ToolKind::Button, "ID_Cut", "Cut", "cut"},
    {ToolKind::Button, "ID_Copy", "Copy", "copy"},
    {ToolKind::Button, "ID_Paste", "Paste", "paste"},
    {ToolKind::Button, "ID_ColorizeCode", "ColorizeCode", "colorize"},
    {ToolKind::Button, "ID_CheckSyntax", "Check Syntax", "checksyntax"},
    {ToolKind::List, "ID_Language", "Language", "language"},
};

// The pane tools show their picture only; their text is the tip.
bool pictureOnly(const QString &id)
{
    return id != QLatin1String("ID_Ok") && id != QLatin1String("ID_Cancel");
}

} // namespace

frmEditEvents::frmEditEvents(const DialogContext &context, QWidget *parent)
    : ui::FormDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                 | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      DialogContext(context)
{
    setObjectName(QStringLiteral("frmEditEvents"));
    setWindowTitle(QStringLiteral("Events Editions"));
    setSizeGripEnabled(true);

    for (const ToolDef &tool : eventTools)
        if (tool.id)
            imgToolbar.insert(QLatin1String(tool.id),
                              QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(tool.picture))));

    BuildToolBar();
    rtfScript = new ScriptPane(this);
    rtfScript->setObjectName(QStringLiteral("rtfScript"));
    rtfScript->setLanguageName(cmbLanguage->currentText());
    connect(cmbLanguage, &QComboBox::currentTextChanged, rtfScript, &ScriptPane::setLanguageName);

    // The pane fills the client area below the bar, whatever the window's size.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ssToolEvents);
    layout->addWidget(rtfScript, 1);
    // Tab goes round the lists and the two buttons; within the script Tab
    // indents, and Ctrl+Tab leaves it for the next of them.
    QWidget *order[] = {rtfScript, cmbEvents, cmbLanguage, toolButton(QStringLiteral("ID_Ok")),
                        toolButton(QStringLiteral("ID_Cancel"))};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    setMinimumSize(ui::twipsToPixels(4500), ui::twipsToPixels(2400));
    resize(ui::twipsToPixels(8925), ui::twipsToPixels(6135));
}

frmEditEvents::~frmEditEvents() = default;

void frmEditEvents::BuildToolBar()
{
    ssToolEvents = ui::toolBar(this, "ssToolEvents", QStringLiteral("EventsEditor"));

    for (const ToolDef &def : eventTools) {
        if (def.kind == ToolKind::Separator) {
            ssToolEvents->addSeparator();
            continue;
        }
        const QString id = QLatin1String(def.id);
        const QString text = QLatin1String(def.text);
        QAction *tool = nullptr;
        switch (def.kind) {
        case ToolKind::Button:
            tool = ssToolEvents->addAction(text);
            connect(tool, &QAction::triggered, this, [this, id] { ssToolEvents_ToolClick(id); });
            // The job editor's keys for the same tools.
            if (id == QLatin1String("ID_CheckSyntax"))
                tool->setShortcut(QKeySequence(Qt::Key_F7));
            else if (id == QLatin1String("ID_ColorizeCode"))
                tool->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
            break;
        case ToolKind::Label:
            lblEventsLabel = new QLabel(text);
            lblEventsLabel->setObjectName(id);
            lblEventsLabel->setContentsMargins(6, 0, 4, 0);
            tool = ssToolEvents->addWidget(lblEventsLabel);
            break;
        case ToolKind::List: {
            auto *list = new QComboBox;
            list->setObjectName(id);
            list->setToolTip(text);
            list->setMinimumContentsLength(8);
            list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            connect(list, &QComboBox::activated, this, [this, id] { ssToolEvents_CtlClick(id); });
            (id == QLatin1String("ID_Events") ? cmbEvents : cmbLanguage) = list;
            tool = ssToolEvents->addWidget(list);
            break;
        }
        case ToolKind::Separator:
            break;
        }
        tool->setObjectName(id);
        ui::setControlText(*tool, text);
        auto *button = qobject_cast<QToolButton *>(ssToolEvents->widgetForAction(tool));
        if (button && pictureOnly(id))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        else if (button)
            button->setFocusPolicy(Qt::TabFocus);   // Ok and Cancel are reached with Tab
    }
    // Ctrl+Enter is Ok from anywhere in the window, the script included.
    QAction *ok = ssToolEvents->findChild<QAction *>(QStringLiteral("ID_Ok"));
    ok->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    ui::setControlText(*ok, ok->text());
    cmbLanguage->addItems({QStringLiteral("VBScript"), QStringLiteral("JScript")});
}

void frmEditEvents::Form_Load()
{
    m_loading = true;
    for (QAction *tool : ssToolEvents->actions()) {
        if (!tool->objectName().isEmpty())
            tool->setIcon(imgToolbar.value(tool->objectName()));
    }
    applySkinGroups(gSkin, {{GetToolbarBackColor, ui::setBackColor, {ssToolEvents}},
                            {GetToolbarColorFont, ui::setForeColor, {ssToolEvents}},
                            {GetFormBackColor, ui::setBackColor, {this}}});
    QList<QObject *> tools;
    for (QAction *tool : ssToolEvents->actions())
        if (!tool->objectName().isEmpty())
            tools << tool;
    applyDialogLanguage(*this, *this, " frmEditEvents.ChangeLanguage() ", QString(), tools,
                        [&](const SectionTexts &texts) {
                            texts(QStringLiteral("MsgSaveChanges"), [&](const QString &text) { MsgSaveChanges = text; });
                            rtfScript->setTexts(readPaneTexts(texts.reader()));
                        });
    // Opens wide enough for the whole bar in the language on view.
    resize(qMax(width(), ssToolEvents->sizeHint().width()), height());
}

bool frmEditEvents::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        if (!m_activating)
            m_leftWindow = true;
        break;
    case QEvent::WindowActivate:
        if (m_leftWindow) {
            m_leftWindow = false;
            Form_Activate();
        }
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void frmEditEvents::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Form_Activate();
}

void frmEditEvents::Form_Activate()
{
    if (!m_loading)
        return;
    m_activating = true;
    handleEvent(" frmEditEvents.Form_Activate() ", [&] {
        InitData();
        if (cmbEvents->count() > 0)
            SelectItem(*cmbEvents, 0);
        m_loading = false;
    });
    // The user comes to edit the script: the caret is there, not in the list.
    rtfScript->setFocus();
    m_activating = false;
}

void frmEditEvents::InitData()
{
    passing(" frmEditEvents.InitData() ", [&] {
        m_currentEvent.reset();
        cEvalData level;
        if (const EvalLevelName *levelName = findEvalLevel(ValueKey)) {
            level = sensor().GetEvalData(levelName->type);
            setWindowTitle(windowTitle() + QStringLiteral(" - ") + levelName->captionText());
        }
        m_workingCopy = cEvalData();
        m_workingCopy.SetEvalDataXML(level.GetEvalDataXML().cloneNode(true));
        cmbEvents->clear();
        for (const cEvent &event : m_workingCopy.oEvents.GetEventsAsCollection())
            cmbEvents->addItem(event.GetName());
    });
}

void frmEditEvents::SaveData()
{
    passing(" frmEditEvents.SaveData() ", [&] {
        if (m_loading || !m_currentEvent)
            return;
        m_currentEvent->SetEvalCode(scriptText(rtfScript));
        m_currentEvent->SetLanguage(cmbLanguage->currentText());
    });
}

void frmEditEvents::SelectItem(QComboBox &pList, int pIndex)
{
    pList.setCurrentIndex(pIndex);
    ssToolEvents_CtlClick(pList.objectName());
}

void frmEditEvents::ssToolEvents_CtlClick(const QString &pId)
{
    handleEvent(" frmEditEvents.ssToolEvents_CtlClick() ", [&] {
        if (pId == QLatin1String("ID_Events")) {
            SaveData();
            // The entry's place picks the event: two events may share a
            // name, and a name may hold any quote.
            const QList<cEvent> events = m_workingCopy.oEvents.GetEventsAsCollection();
            const int index = cmbEvents->currentIndex();
            m_currentEvent = index >= 0 && index < events.size()
                ? events[index]
                : m_workingCopy.oEvents.GetEvent(cmbEvents->currentText());
            setScriptText(rtfScript, m_currentEvent->GetEvalCode());
            const int match = cmbLanguage->findText(m_currentEvent->GetLanguage(),
                                                    Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (match >= 0)
                SelectItem(*cmbLanguage, match);
            ColorizeCode();
        } else if (pId == QLatin1String("ID_Language")) {
            SaveData();
        }
    });
}

void frmEditEvents::ssToolEvents_ToolClick(const QString &pId)
{
    handleEvent(" frmEditEvents.ssToolEvents_ToolClick() ", [&] {
        const struct {
            const char *id;
            void (frmEditEvents::*operation)();
        } operations[] = {
            {"ID_Copy", &frmEditEvents::Copy},
            {"ID_Cut", &frmEditEvents::Cut},
            {"ID_Paste", &frmEditEvents::Paste},
            {"ID_ColorizeCode", &frmEditEvents::ColorizeCode},
            {"ID_CheckSyntax", &frmEditEvents::CheckSyntax},
            {"ID_Ok", &frmEditEvents::Ok},
            {"ID_Cancel", &frmEditEvents::CloseWithoutSaving},
        };
        for (const auto &operation : operations)
            if (pId == QLatin1String(operation.id))
                (this->*operation.operation)();
    });
}

void frmEditEvents::ColorizeCode()
{
    passing(" frmEditEvents.ColorizeCode() ", [&] {
        const std::unique_ptr<host::Colorizer> colorizer = host::colorizers().create();
        colorizeScript(*rtfScript, *colorizer);
    });
}

void frmEditEvents::Copy()
{
    passing(" frmEditEvents.Copy() ", [&] { copyScript(*rtfScript); });
}

void frmEditEvents::Cut()
{
    passing(" frmEditEvents.Cut() ", [&] { cutScript(*rtfScript); });
}

void frmEditEvents::Paste()
{
    passing(" frmEditEvents.Paste() ", [&] { pasteScript(*rtfScript); });
}

bool frmEditEvents::CheckScript(QString &pReport)
{
    if (!m_scriptControl)
        m_scriptControl = std::make_unique<::ScriptControl>();
    if (m_scriptControl->setLanguage(cmbLanguage->currentText()) && m_scriptControl->check(scriptText(rtfScript)))
        return true;
    pReport = scriptErrorReport(m_scriptControl->error());
    return false;
}

void frmEditEvents::CheckSyntax()
{
    passing(" frmEditEvents.CheckSyntax() ", [&] {
        QString report;
        if (CheckScript(report)) {
            rtfScript->clearMark();
            ui::MsgBox(QStringLiteral("Script Ok!"), ui::OkOnly | ui::Information, windowTitle());
        } else {
            // The error's line is marked and the caret put there, as in the editor's panes.
            showScriptError(*rtfScript, cmbEvents->currentText(), m_scriptControl->error());
            ui::MsgBox(QStringLiteral("Code Error.") + QLatin1Char('\r') + report, ui::OkOnly | ui::Information,
                       windowTitle());
            rtfScript->setFocus();
        }
    });
}

void frmEditEvents::Ok()
{
    passing(" frmEditEvents.Ok() ", [&] {
        SaveData();
        if (const EvalLevelName *level = findEvalLevel(ValueKey)) {
            // A level whose events were not edited stays the very element it
            // was: nothing of the document changes.
            const XmlNode edited = m_workingCopy.GetEvalDataXML();
            const XmlNode current = sensor().GetSensorXML().selectSingleNode(
                QStringLiteral("EvaluationData/Values/EvalData[Type='%1']").arg(int(level->type)));
            if (current.isNull() || current.xml() != edited.xml())
                sensor().UpdateEvalData(level->type, edited.cloneNode(true));
        }
        accept();
    });
}

void frmEditEvents::CloseWithoutSaving()
{
    reject();
}

void frmEditEvents::QueryUnload()
{
    const int answer = ui::MsgBox(MsgSaveChanges, ui::YesNo | ui::Question, windowTitle());
    if (answer == ui::Yes)
        handleEvent(" frmEditEvents.Form_QueryUnload() ", [&] { Ok(); });
    if (isVisible())
        CloseWithoutSaving();
}

void frmEditEvents::closeEvent(QCloseEvent *event)
{
    if (!event->spontaneous()) {
        QDialog::closeEvent(event);
        return;
    }
    QueryUnload();
    event->accept();
}

QWidget *frmEditEvents::toolButton(const QString &id) const
{
    return ssToolEvents->widgetForAction(ssToolEvents->findChild<QAction *>(id));
}

void frmEditEvents::keyPressEvent(QKeyEvent *event)
{
    // Ctrl+Tab, which the script leaves to the window, moves on as Tab does elsewhere.
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && (event->modifiers() & Qt::ControlModifier)) {
        focusNextPrevChild(event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        QueryUnload();
        return;
    }
    QDialog::keyPressEvent(event);
}

cSensor &frmEditEvents::sensor() const
{
    if (!gSensor)
        throw Error::fromNumber(91);
    return *gSensor;
}
