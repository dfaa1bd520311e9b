// The job form's controls with their design texts and positions (twips, 15
// to a pixel), and the layout on resize.
#include "jobform.h"

#include "keyedtabwidget.h"
#include "numericbox.h"
#include "skipstep.h"

#include "errorcore/error.h"
#include "dialogs/scriptpane.h"
#include "platform/ui/controltext.h"
#include "platform/ui/placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>

using ui::place;
using ui::placed;
using ui::twipsOf;

namespace {

QToolButton *pictureButton(const char *name, const char *picture, QWidget *parent, int left, int top)
{
    auto *button = placed(new QToolButton(parent), name, left, top, 330, 330);
    button->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(picture))));
    button->setIconSize(QSize(16, 16));
    button->setAutoFillBackground(true);
    // The key that does the same on the pane, for the button's tip.
    const std::pair<const char *, QKeySequence> keys[] = {
        {"cut", QKeySequence::Cut},
        {"copy", QKeySequence::Copy},
        {"paste", QKeySequence::Paste},
        {"colorize", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
        {"checksyntax", QKeySequence(Qt::Key_F7)}};
    for (const auto &[kind, sequence] : keys)
        if (qstrcmp(kind, picture) == 0)
            button->setProperty(ui::kKeysProperty, sequence);
    return button;
}

QComboBox *languageList(const QString &name, QWidget *parent, int left, int top)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems({QStringLiteral("VBScript"), QStringLiteral("JScript")});
    place(list, left, top, 2100, 315);
    return list;
}

ScriptPane *scriptPane(const QString &name, QWidget *parent)
{
    auto *pane = new ScriptPane(parent);
    pane->setObjectName(name);
    return pane;
}

// A layout step: sizes in twips; a negative size or one past what a widget
// can take raises, so the caller skips the step.
void arrangeStep(QWidget *widget, qint64 left, qint64 top, qint64 width, qint64 height)
{
    if (width < 0 || height < 0)
        throw Error::fromNumber(380);
    const qint64 limit = qint64(ui::pixelsToTwips(QWIDGETSIZE_MAX));
    if (width > limit || height > limit || qAbs(left) > limit || qAbs(top) > limit)
        throw Error::fromNumber(6);
    widget->setGeometry(ui::twipsRect(int(left), int(top), int(width), int(height)));
}

} // namespace

void JobForm::setupUi(QWidget *editor, int top)
{
    ssTabDatos = placed(new KeyedTabWidget(QPoint(30, 360), editor), "ssTabDatos", 0, 0, 8850, 4620);
    ssTabDatos->move(0, top);

    SSActiveTabPanel1 = new QWidget;
    SSActiveTabPanel1->setObjectName(QStringLiteral("SSActiveTabPanel1"));
    ssTabDatos->addKeyedTab(SSActiveTabPanel1, QStringLiteral("General"), QStringLiteral("General"));
    SSActiveTabPanel2 = new QWidget;
    SSActiveTabPanel2->setObjectName(QStringLiteral("SSActiveTabPanel2"));
    ssTabDatos->addKeyedTab(SSActiveTabPanel2, QStringLiteral("EvaluationData"), QStringLiteral("Evaluation Data"));
    // The pages (design 30, 360, 8790, 4230) fill the page area of the tab control.
    for (QWidget *page : {SSActiveTabPanel1, SSActiveTabPanel2})
        page->setAutoFillBackground(true);
    setupGeneralPage(SSActiveTabPanel1);
    setupEvaluationPage(SSActiveTabPanel2);
}

void JobForm::setupGeneralPage(QWidget *page)
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
    cmdCutScript = pictureButton("cmdCutScript", "cut", ssToolScript, 45, 45);
    cmdCopyScript = pictureButton("cmdCopyScript", "copy", ssToolScript, 390, 45);
    cmdPasteScript = pictureButton("cmdPasteScript", "paste", ssToolScript, 735, 45);
    cmdColorizeScript = pictureButton("cmdColorizeScript", "colorize", ssToolScript, 1080, 45);
    cmdCheckSyntaxScript = pictureButton("cmdCheckSyntaxScript", "checksyntax", ssToolScript, 1425, 45);
    cmbLanguageScript = languageList(QStringLiteral("cmbLanguageScript"), ssToolScript, 1770, 60);
    cmdWizard = pictureButton("cmdWizard", "wizard", ssToolScript, 3930, 45);

    rtfScript = scriptPane(QStringLiteral("rtfScript"), fraScript);
    place(rtfScript, 90, 645, 8415, 2130);
}

void JobForm::setupEvaluationPage(QWidget *page)
{
    chkEvalData = placed(new QCheckBox(QStringLiteral("Evaluate Data"), page), "chkEvalData", 60, 45, 3000, 285);
    ssTabValues = placed(new KeyedTabWidget(QPoint(30, 390), page), "ssTabValues", -15, 360, 8880, 3900);

    // One page per level with its pane, placed by the layout.
    for (std::size_t i = 0; i < evalLevels.size(); ++i) {
        LevelControls &level = levels[i];
        level.level = &evalLevels[i];
        level.page = new QWidget;
        level.page->setObjectName(QStringLiteral("SSActiveTabPanel%1").arg(5 + i));
        level.page->setAutoFillBackground(true);
        ssTabValues->addKeyedTab(level.page, level.level->keyText(), level.level->captionText());
        level.pane = scriptPane(QStringLiteral("rtfScript") + level.level->keyText(), level.page);
        place(level.pane, 0, 405, 8820, 3075);
    }

    // The level tools, laid over the pages so they show with every tab; the
    // levels' language lists and reference boxes share one place on them.
    panelToolbar = new QFrame(ssTabValues);
    panelToolbar->setObjectName(QStringLiteral("panelToolbar"));
    panelToolbar->setFrameShape(QFrame::StyledPanel);
    panelToolbar->setAutoFillBackground(true);
    panelToolbar->setGeometry(QRect(ssTabValues->designToWidget(15, 375),
                                    QSize(ui::twipsToPixels(8520), ui::twipsToPixels(420))));
    panelToolbar->raise();

    cmdEvents = pictureButton("cmdEvents", "events", panelToolbar, 15, 45);
    cmdCut = pictureButton("cmdCut", "cut", panelToolbar, 420, 45);
    cmdCopy = pictureButton("cmdCopy", "copy", panelToolbar, 765, 45);
    cmdPaste = pictureButton("cmdPaste", "paste", panelToolbar, 1110, 45);
    cmdColorizeCode = pictureButton("cmdColorizeCode", "colorize", panelToolbar, 1500, 45);
    cmdCheckSyntax = pictureButton("cmdCheckSyntax", "checksyntax", panelToolbar, 1845, 45);
    for (LevelControls &level : levels)
        level.list = languageList(QStringLiteral("cmbLanguageScript") + level.level->keyText(), panelToolbar, 2235, 60);
    lblReferenceValue = placed(new QLabel(QStringLiteral("Reference Value:"), panelToolbar), "lblReferenceValue",
                               4410, 120, 1575, 195);
    lblReferenceValue->setAutoFillBackground(true);
    for (LevelControls &level : levels) {
        level.reference = new NumericBox(NumericBox::Decimal, panelToolbar);
        level.reference->setObjectName(QStringLiteral("pv%1Ref").arg(level.level->keyText()));
        place(level.reference, 6015, 45, 1950, 345);
    }
    cmdWizardValues = pictureButton("cmdWizardValues", "wizardvalues", panelToolbar, 7965, 30);
    // Tab reaches the level tools above a pane before the pane, where Tab is
    // typed (and Ctrl+Tab turns the level).
    QWidget *previous = cmdWizardValues;
    for (LevelControls &level : levels) {
        QWidget::setTabOrder(previous, level.pane);
        previous = level.pane;
    }
}

std::array<ScriptPane *, 1 + evalLevels.size()> JobForm::panes() const
{
    std::array<ScriptPane *, 1 + evalLevels.size()> all{rtfScript};
    for (std::size_t i = 0; i < levels.size(); ++i)
        all[i + 1] = levels[i].pane;
    return all;
}

std::array<QComboBox *, 1 + evalLevels.size()> JobForm::languageLists() const
{
    std::array<QComboBox *, 1 + evalLevels.size()> all{cmbLanguageScript};
    for (std::size_t i = 0; i < levels.size(); ++i)
        all[i + 1] = levels[i].list;
    return all;
}

void JobForm::arrange(int height, const QString &logText)
{
    SkipOnFailure skipOnFailure(" UCScript.ArrangeControls() ", logText);
    // Step 1: the tab control takes the editor's inner height (under the tool bar).
    skipOnFailure([&] {
        const QRect tab = twipsOf(ssTabDatos);
        arrangeStep(ssTabDatos, tab.x(), tab.y(), tab.width(), ui::pixelsToTwips(height));
    });
    const QSize reported = ssTabDatos->reportedSize();
    const qint64 W = reported.width();
    const qint64 H = reported.height();

    skipOnFailure([&] {
        const QRect r = twipsOf(fraDescription);
        arrangeStep(fraDescription, r.x(), r.y(), (W - 120) - r.x(), r.height());
    });
    skipOnFailure([&] {
        const QRect r = twipsOf(rtfDescription);
        arrangeStep(rtfDescription, r.x(), r.y(), twipsOf(fraDescription).width() - 200, r.height());
    });
    skipOnFailure([&] { arrangeStep(fraScript, 120, 1230, W - 240, H - 1620); });
    skipOnFailure([&] {
        const QRect r = twipsOf(ssToolScript);
        arrangeStep(ssToolScript, r.x(), r.y(), twipsOf(fraScript).width() - 150, r.height());
    });
    skipOnFailure([&] {
        const QRect frame = twipsOf(fraScript);
        arrangeStep(rtfScript, 90, 645, frame.width() - 180, frame.height() - 770);
    });
    skipOnFailure([&] { arrangeStep(ssTabValues, -15, 360, W + 45, H - 345); });

    const QSize inner = ssTabValues->reportedSize();
    skipOnFailure([&] {
        const QPoint at = ssTabValues->designToWidget(15, 375);
        arrangeStep(panelToolbar, ui::pixelsToTwips(at.x()), ui::pixelsToTwips(at.y()), inner.width() - 30,
                    twipsOf(panelToolbar).height());
    });
    for (const LevelControls &level : levels)
        skipOnFailure([&] { arrangeStep(level.pane, 0, 405, inner.width(), qint64(inner.height()) - 405); });
}
