// The editor window: its controls with their design texts and positions
// (twips, 15 to a pixel), the job tool bar, and the layout on resize.
#include "ucscript.h"

#include "imagelist.h"
#include "keyedtabwidget.h"
#include "numericbox.h"
#include "skipstep.h"

#include "errorcore/error.h"
#include "dialogs/scriptpane.h"
#include "platform/ui/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <iterator>

namespace {

// The job tool bar's tools: design caption, id, picture.
struct ToolDef
{
    const char *caption;
    const char *id;
    const char *picture;
};

constexpr ToolDef jobTools[] = {
    {"General Properties", "ID_GeneralProperties", "properties"},
    {"Schedule Properties", "ID_ScheduleProperties", "schedule"},
    {"Description", "ID_LabelDescription", "description"},
    {"Description", "ID_Description", "description"},
    {"Documentation", "ID_Documentation", "documentation"},
    {"Evaluate", "ID_Evaluate", "evaluate"},
    {"Copy", "ID_Copy", "copy"},
    {"Cut", "ID_Cut", "cut"},
    {"Paste", "ID_Paste", "paste"},
    {"Popup", "ID_Popup", nullptr},
    {"Colorize", "ID_Colorize", "colorize"},
    {"CheckSyntax", "ID_CheckSyntax", "checksyntax"},
};

QIcon pictureOf(const char *name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(ui::twipsRect(left, top, width, height));
}

// A control of the window: its name, and its design position in twips.
template <class Control>
Control *placed(Control *control, const char *name, int left, int top, int width, int height)
{
    control->setObjectName(QLatin1String(name));
    place(control, left, top, width, height);
    return control;
}

// A layout step: sizes in twips; a negative size or one past what a widget
// can take raises, so the caller skips the step.
void arrange(QWidget *widget, qint64 left, qint64 top, qint64 width, qint64 height)
{
    if (width < 0 || height < 0)
        throw Error::fromNumber(380);
    const qint64 limit = qint64(ui::pixelsToTwips(QWIDGETSIZE_MAX));
    if (width > limit || height > limit || qAbs(left) > limit || qAbs(top) > limit)
        throw Error::fromNumber(6);
    widget->setGeometry(ui::twipsRect(int(left), int(top), int(width), int(height)));
}

QRect twipsOf(const QWidget *widget)
{
    const QRect g = widget->geometry();
    return {ui::pixelsToTwips(g.x()), ui::pixelsToTwips(g.y()), ui::pixelsToTwips(g.width()),
            ui::pixelsToTwips(g.height())};
}

} // namespace

void UCScript::BuildWindow()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    setFont(font);

    imgToolbar = new ImageList(this);
    imgToolbar->setObjectName(QStringLiteral("imgToolbar"));
    for (const ToolDef &tool : jobTools)
        if (tool.picture)
            imgToolbar->add(QLatin1String(tool.id), pictureOf(tool.picture));

    BuildToolBar();

    ssTabDatos = new KeyedTabWidget(QPoint(30, 360), this);
    ssTabDatos->setObjectName(QStringLiteral("ssTabDatos"));
    place(ssTabDatos, 0, 0, 8850, 4620);
    ssTabDatos->move(0, toolBarHeight());

    SSActiveTabPanel1 = new QWidget;
    SSActiveTabPanel1->setObjectName(QStringLiteral("SSActiveTabPanel1"));
    ssTabDatos->addKeyedTab(SSActiveTabPanel1, QStringLiteral("General"), QStringLiteral("General"));
    SSActiveTabPanel2 = new QWidget;
    SSActiveTabPanel2->setObjectName(QStringLiteral("SSActiveTabPanel2"));
    ssTabDatos->addKeyedTab(SSActiveTabPanel2, QStringLiteral("EvaluationData"),
                            QStringLiteral("Evaluation Data"));
    // The pages (design 30, 360, 8790, 4230) fill the page area of the tab control.
    for (QWidget *page : {SSActiveTabPanel1, SSActiveTabPanel2})
        page->setAutoFillBackground(true);
    BuildGeneralPage(SSActiveTabPanel1);
    BuildEvaluationPage(SSActiveTabPanel2);

    resize(ui::twipsToPixels(8850), ui::twipsToPixels(4620) + toolBarHeight());
}

void UCScript::BuildToolBar()
{
    ssToolBarJob = new QToolBar(this);
    ssToolBarJob->setObjectName(QStringLiteral("ssToolBarJob"));
    ssToolBarJob->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ssToolBarJob->setIconSize(QSize(16, 16));
    ssToolBarJob->setMovable(false);
    ssToolBarJob->setFloatable(false);
    ssToolBarJob->setAutoFillBackground(true);

    popupMenu = new QMenu(this);
    popupMenu->setObjectName(QStringLiteral("ID_Popup"));

    QHash<QString, QAction *> tools;
    for (const ToolDef &def : jobTools) {
        auto *tool = new QAction(QLatin1String(def.caption), ssToolBarJob);
        const QString id = QLatin1String(def.id);
        tool->setObjectName(id);
        tool->setData(QStringLiteral("General"));   // the tool's category
        connect(tool, &QAction::triggered, this, [this, id] { guardedEvent([&] { ssToolBarJob_ToolClick(id); }); });
        tools.insert(id, tool);
    }
    tools.value(QStringLiteral("ID_Popup"))->setMenu(popupMenu);

    // The band "ToolBarJob".
    ssToolBarJob->addAction(tools.value(QStringLiteral("ID_GeneralProperties")));
    ssToolBarJob->addAction(tools.value(QStringLiteral("ID_ScheduleProperties")));
    ssToolBarJob->addAction(tools.value(QStringLiteral("ID_Documentation")));
    ssToolBarJob->addSeparator();
    ssToolBarJob->addAction(tools.value(QStringLiteral("ID_Evaluate")));

    // The popup "ID_Popup".
    popupMenu->addAction(tools.value(QStringLiteral("ID_Cut")));
    popupMenu->addAction(tools.value(QStringLiteral("ID_Copy")));
    popupMenu->addAction(tools.value(QStringLiteral("ID_Paste")));
    popupMenu->addSeparator();
    popupMenu->addAction(tools.value(QStringLiteral("ID_Colorize")));
    popupMenu->addAction(tools.value(QStringLiteral("ID_CheckSyntax")));

    ssToolBarJob->setGeometry(0, 0, ui::twipsToPixels(8850), ssToolBarJob->sizeHint().height());
}

int UCScript::toolBarHeight() const
{
    return ssToolBarJob ? ssToolBarJob->sizeHint().height() : 0;
}

ScriptPane *UCScript::newScriptPane(const QString &name, QWidget *parent)
{
    auto *pane = new ScriptPane(parent);
    pane->setObjectName(name);
    pane->viewport()->installEventFilter(this);
    return pane;
}

QToolButton *UCScript::newPictureButton(const QString &name, const QString &picture,
                                        QWidget *parent, int left, int top)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(picture)));
    button->setIconSize(QSize(16, 16));
    button->setAutoFillBackground(true);
    place(button, left, top, 330, 330);
    return button;
}

QComboBox *UCScript::newLanguageList(const QString &name, QWidget *parent, int left, int top)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems({QStringLiteral("VBScript"), QStringLiteral("JScript")});
    place(list, left, top, 2100, 315);
    return list;
}

void UCScript::BuildGeneralPage(QWidget *page)
{
    fraStatus = placed(new QGroupBox(QStringLiteral("Sensor Options"), page), "fraStatus", 120, 60, 4755, 1110);
    // The frame draws its caption above its line: the options sit below
    // that line, and the check boxes are wide enough for longer captions
    // ("Valores numéricos"), with the persistence column moved right to match.
    chkActive = placed(new QCheckBox(QStringLiteral("Active"), fraStatus), "chkActive", 105, 345, 1785, 255);
    chkViewInMarquee = placed(new QCheckBox(QStringLiteral("In Marquee"), fraStatus), "chkViewInMarquee",
                              105, 585, 1785, 255);
    chkQuantity = placed(new QCheckBox(QStringLiteral("Numeric Values"), fraStatus), "chkQuantity",
                         105, 825, 1785, 255);
    lblDataPersistence = placed(new QLabel(QStringLiteral("Data Persistence"), fraStatus), "lblDataPersistence",
                                1935, 345, 2715, 240);
    pvDataPersistence = placed(new NumericBox(NumericBox::Whole, fraStatus), "pvDataPersistence", 1920, 600, 900, 345);
    cmbDataPersistence = placed(new QComboBox(fraStatus), "cmbDataPersistence", 2850, 615, 1800, 315);
    cmbDataPersistence->addItems({QStringLiteral("Hour(s)"), QStringLiteral("Day(s)"),
                                  QStringLiteral("Month(s)"), QStringLiteral("Year(s)")});

    fraDescription = placed(new QGroupBox(QStringLiteral("Default Description"), page), "fraDescription",
                            4950, 60, 3750, 1110);
    rtfDescription = placed(new QTextEdit(fraDescription), "rtfDescription", 105, 330, 3540, 705);
    rtfDescription->setAcceptRichText(false);
    // The description is shown, never written back: it reads as a read-only
    // text on the frame's background, and Tab moves on from it.
    rtfDescription->setReadOnly(true);
    rtfDescription->setTabChangesFocus(true);
    rtfDescription->setFrameShape(QFrame::NoFrame);
    rtfDescription->viewport()->setBackgroundRole(QPalette::Window);

    fraScript = placed(new QGroupBox(QStringLiteral("Script"), page), "fraScript", 120, 1230, 8595, 2865);

    ssToolScript = placed(new QFrame(fraScript), "ssToolScript", 75, 225, 8430, 420);
    ssToolScript->setFrameShape(QFrame::StyledPanel);
    ssToolScript->setAutoFillBackground(true);
    cmdCutScript = newPictureButton(QStringLiteral("cmdCutScript"), QStringLiteral("cut"), ssToolScript, 45, 45);
    cmdCopyScript = newPictureButton(QStringLiteral("cmdCopyScript"), QStringLiteral("copy"), ssToolScript, 390, 45);
    cmdPasteScript = newPictureButton(QStringLiteral("cmdPasteScript"), QStringLiteral("paste"), ssToolScript, 735, 45);
    cmdColorizeScript = newPictureButton(QStringLiteral("cmdColorizeScript"), QStringLiteral("colorize"),
                                         ssToolScript, 1080, 45);
    cmdCheckSyntaxScript = newPictureButton(QStringLiteral("cmdCheckSyntaxScript"),
                                            QStringLiteral("checksyntax"), ssToolScript, 1425, 45);
    cmbLanguageScript = newLanguageList(QStringLiteral("cmbLanguageScript"), ssToolScript, 1770, 60);
    cmdWizard = newPictureButton(QStringLiteral("cmdWizard"), QStringLiteral("wizard"), ssToolScript, 3930, 45);

    rtfScript = newScriptPane(QStringLiteral("rtfScript"), fraScript);
    place(rtfScript, 90, 645, 8415, 2130);
}

void UCScript::BuildEvaluationPage(QWidget *page)
{
    chkEvalData = placed(new QCheckBox(QStringLiteral("Evaluate Data"), page), "chkEvalData", 60, 45, 3000, 285);
    ssTabValues = placed(new KeyedTabWidget(QPoint(30, 390), page), "ssTabValues", -15, 360, 8880, 3900);

    // One page per level, in the order of evalLevels.
    const struct {
        QWidget *&page;
        const char *pageName;
        ScriptPane *&pane;
        const char *paneName;
        QRect design;
    } pages[] = {
        {SSActiveTabPanel5, "SSActiveTabPanel5", rtfScriptDanger, "rtfScriptDanger", QRect(165, 450, 7830, 2835)},
        {SSActiveTabPanel6, "SSActiveTabPanel6", rtfScriptWarning, "rtfScriptWarning", QRect(165, 405, 8055, 2955)},
        {SSActiveTabPanel7, "SSActiveTabPanel7", rtfScriptGood, "rtfScriptGood", QRect(60, 405, 8115, 2925)},
    };
    static_assert(std::size(pages) == evalLevels.size());
    for (std::size_t i = 0; i < evalLevels.size(); ++i) {
        const auto &level = pages[i];
        level.page = new QWidget;
        level.page->setObjectName(QLatin1String(level.pageName));
        level.page->setAutoFillBackground(true);
        ssTabValues->addKeyedTab(level.page, evalLevels[i].keyText(), evalLevels[i].captionText());
        level.pane = newScriptPane(QLatin1String(level.paneName), level.page);
        place(level.pane, level.design.x(), level.design.y(), level.design.width(), level.design.height());
    }

    // The level tools, laid over the pages so they show with every tab.
    panelToolbar = new QFrame(ssTabValues);
    panelToolbar->setObjectName(QStringLiteral("panelToolbar"));
    panelToolbar->setFrameShape(QFrame::StyledPanel);
    panelToolbar->setAutoFillBackground(true);
    panelToolbar->setGeometry(QRect(ssTabValues->designToWidget(15, 375),
                                    QSize(ui::twipsToPixels(8520), ui::twipsToPixels(420))));
    panelToolbar->raise();

    cmdEvents = newPictureButton(QStringLiteral("cmdEvents"), QStringLiteral("events"), panelToolbar, 15, 45);
    cmdCut = newPictureButton(QStringLiteral("cmdCut"), QStringLiteral("cut"), panelToolbar, 420, 45);
    cmdCopy = newPictureButton(QStringLiteral("cmdCopy"), QStringLiteral("copy"), panelToolbar, 765, 45);
    cmdPaste = newPictureButton(QStringLiteral("cmdPaste"), QStringLiteral("paste"), panelToolbar, 1110, 45);
    cmdColorizeCode = newPictureButton(QStringLiteral("cmdColorizeCode"), QStringLiteral("colorize"),
                                       panelToolbar, 1500, 45);
    cmdCheckSyntax = newPictureButton(QStringLiteral("cmdCheckSyntax"), QStringLiteral("checksyntax"),
                                      panelToolbar, 1845, 45);
    cmbLanguageScriptDanger = newLanguageList(QStringLiteral("cmbLanguageScriptDanger"), panelToolbar, 2235, 60);
    cmbLanguageScriptWarning = newLanguageList(QStringLiteral("cmbLanguageScriptWarning"), panelToolbar, 2235, 60);
    cmbLanguageScriptGood = newLanguageList(QStringLiteral("cmbLanguageScriptGood"), panelToolbar, 2235, 60);

    lblReferenceValue = placed(new QLabel(QStringLiteral("Reference Value:"), panelToolbar), "lblReferenceValue",
                               4410, 120, 1575, 195);
    lblReferenceValue->setAutoFillBackground(true);

    const struct {
        NumericBox *&box;
        const char *name;
    } references[] = {{pvDangerRef, "pvDangerRef"}, {pvWarningRef, "pvWarningRef"}, {pvGoodRef, "pvGoodRef"}};
    for (const auto &reference : references) {
        reference.box = new NumericBox(NumericBox::Decimal, panelToolbar);
        reference.box->setObjectName(QLatin1String(reference.name));
        place(reference.box, 6015, 45, 1950, 345);
    }
    cmdWizardValues = newPictureButton(QStringLiteral("cmdWizardValues"), QStringLiteral("wizardvalues"),
                                       panelToolbar, 7965, 30);
}

void UCScript::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The tool bar spans the editor's top; the tab control follows the
    // editor's width (the layout steps set its height).
    SkipOnFailure skipOnFailure(" UCScript.UserControl_Resize() ", gLogText);
    skipOnFailure([&] { ssToolBarJob->setGeometry(0, 0, width(), toolBarHeight()); });
    skipOnFailure([&] { ssTabDatos->setGeometry(0, toolBarHeight(), width(), ssTabDatos->height()); });
    skipOnFailure([&] { ArrangeControls(); });
}

void UCScript::paintEvent(QPaintEvent *event)
{
    if (m_formBackColor.isValid())
        QPainter(this).fillRect(rect(), m_formBackColor);
    QWidget::paintEvent(event);
}

void UCScript::ArrangeControls()
{
    SkipOnFailure skipOnFailure(" UCScript.ArrangeControls() ", gLogText);
    // Step 1: the tab control takes the editor's inner height (under the tool bar).
    skipOnFailure([&] {
        const QRect tab = twipsOf(ssTabDatos);
        arrange(ssTabDatos, tab.x(), tab.y(), tab.width(), ui::pixelsToTwips(height() - toolBarHeight()));
    });
    const QSize reported = ssTabDatos->reportedSize();
    const qint64 W = reported.width();
    const qint64 H = reported.height();

    skipOnFailure([&] {
        const QRect r = twipsOf(fraDescription);
        arrange(fraDescription, r.x(), r.y(), (W - 120) - r.x(), r.height());
    });
    skipOnFailure([&] {
        const QRect r = twipsOf(rtfDescription);
        arrange(rtfDescription, r.x(), r.y(), twipsOf(fraDescription).width() - 200, r.height());
    });
    skipOnFailure([&] { arrange(fraScript, 120, 1230, W - 240, H - 1620); });
    skipOnFailure([&] {
        const QRect r = twipsOf(ssToolScript);
        arrange(ssToolScript, r.x(), r.y(), twipsOf(fraScript).width() - 150, r.height());
    });
    skipOnFailure([&] {
        const QRect frame = twipsOf(fraScript);
        arrange(rtfScript, 90, 645, frame.width() - 180, frame.height() - 770);
    });
    skipOnFailure([&] { arrange(ssTabValues, -15, 360, W + 45, H - 345); });

    const QSize levels = ssTabValues->reportedSize();
    skipOnFailure([&] {
        const QPoint at = ssTabValues->designToWidget(15, 375);
        arrange(panelToolbar, ui::pixelsToTwips(at.x()), ui::pixelsToTwips(at.y()), levels.width() - 30,
                twipsOf(panelToolbar).height());
    });
    for (ScriptPane *pane : {rtfScriptDanger, rtfScriptWarning, rtfScriptGood})
        skipOnFailure([&] { arrange(pane, 0, 405, levels.width(), qint64(levels.height()) - 405); });
}

bool UCScript::eventFilter(QObject *watched, QEvent *event)
{
    // A right click on a script pane opens the popup menu.
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            for (ScriptPane *pane : {rtfScript, rtfScriptDanger, rtfScriptWarning, rtfScriptGood}) {
                if (pane && watched == pane->viewport()) {
                    ShowPopup(mouse->globalPosition().toPoint());
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UCScript::ConnectEvents()
{
    // The evaluation switch's click passes the box's value: 0 off, 1 on, 2 greyed.
    connect(chkEvalData, &QCheckBox::clicked, this, [this] {
        const Qt::CheckState state = chkEvalData->checkState();
        const int value = state == Qt::Checked ? 1 : state == Qt::PartiallyChecked ? 2 : 0;
        guardedEvent([&] { chkEvalData_Click(value); });
    });
    connect(ssTabValues, &KeyedTabWidget::beforeTabClick, this,
            [this](const QString &key) { guardedEvent([&] { ssTabValues_BeforeTabClick(key); }); });

    // Options, language lists and panes tell the host about every change.
    const auto notify = [this] { guardedEvent([&] { NotifyChange(); }); };
    for (QCheckBox *option : {chkActive, chkQuantity, chkViewInMarquee})
        connect(option, &QCheckBox::clicked, this, notify);
    for (QComboBox *list : {cmbLanguageScript, cmbLanguageScriptDanger, cmbLanguageScriptWarning,
                            cmbLanguageScriptGood, cmbDataPersistence})
        connect(list, &QComboBox::activated, this, notify);
    // Typing only: filling a box and showing its number in the locale's form are no change.
    for (NumericBox *box : {pvDataPersistence, pvDangerRef, pvWarningRef, pvGoodRef})
        connect(box, &QLineEdit::textEdited, this, notify);
    for (ScriptPane *pane : {rtfScript, rtfScriptDanger, rtfScriptWarning, rtfScriptGood})
        connect(pane, &ScriptPane::textChanged, this, notify);

    // The pane buttons of the two pages (their procedures report their own failures).
    const auto onClick = [this](QToolButton *button, bool general, void (UCScript::*operation)(bool)) {
        connect(button, &QToolButton::clicked, this, [this, general, operation] {
            guardedEvent([&] { (this->*operation)(general); });
        });
    };
    onClick(cmdCutScript, true, &UCScript::Cut);
    onClick(cmdCopyScript, true, &UCScript::Copy);
    onClick(cmdPasteScript, true, &UCScript::Paste);
    onClick(cmdCheckSyntaxScript, true, &UCScript::CheckSyntax);
    onClick(cmdCut, false, &UCScript::Cut);
    onClick(cmdCopy, false, &UCScript::Copy);
    onClick(cmdPaste, false, &UCScript::Paste);
    onClick(cmdCheckSyntax, false, &UCScript::CheckSyntax);
    connect(cmdColorizeScript, &QToolButton::clicked, this, [this] {
        guardedEvent([&] { ColorizeCode(true, evalLevelKey(LevelDanger)); });
    });
    connect(cmdColorizeCode, &QToolButton::clicked, this, [this] {
        guardedEvent([&] { ColorizeCode(false, ssTabValues->selectedKey()); });
    });
    // The dialog launchers (each reports its own failures).
    connect(cmdEvents, &QToolButton::clicked, this, [this] { guardedEvent([&] { EditEvents(); }); });
    connect(cmdWizard, &QToolButton::clicked, this, [this] { guardedEvent([&] { WizardResult(); }); });
    connect(cmdWizardValues, &QToolButton::clicked, this, [this] { guardedEvent([&] { cmdWizardValues_Click(); }); });
}
