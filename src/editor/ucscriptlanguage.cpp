// The editor's interface texts (from the language files) and colours (from
// the host's skin).
#include "ucscriptprivate.h"
#include "ucscript.h"

#include "keyedtabwidget.h"
#include "numericbox.h"
#include "skipstep.h"

#include "errorcore/error.h"
#include "common/languagefiles.h"
#include "common/skinapply.h"
#include "common/skincolors.h"
#include "dialogs/panetexts.h"
#include "dialogs/scriptpane.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/controltext.h"
#include "host/languagereader.h"
#include "host/registry.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace {

const QString section = QStringLiteral("frmJob");

// A skin getter's colour; a skin that lacks the member (438) gives none (-1).
long skinColor(long (*getter)(const host::Skin *), const host::Skin *skin)
{
    try {
        return getter(skin);
    } catch (const Error &error) {
        if (error.number != 438)
            throw;
        return -1;
    }
}

// Qt hands a widget's palette down to the widgets inside it, but a control's
// colours are its own: each control keeps the colours it shows now (in each
// state: enabled, inactive, disabled), for the roles a skin sets, unless its
// own group colours it later.
void keepOwnColours(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        QPalette own = control->palette();
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button,
                                               QPalette::ButtonText, control->backgroundRole(),
                                               control->foregroundRole()})
            for (const QPalette::ColorGroup state : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                own.setColor(state, role, own.color(state, role));
        ui::setSkinPalette(*control, own);
    }
}

// A tab control's tab bar takes its control's colours for `roles`.
void colourTabBar(QWidget *widget, const QColor &color, std::initializer_list<QPalette::ColorRole> roles,
                  bool text)
{
    auto *tabs = qobject_cast<QTabWidget *>(widget);
    if (!tabs)
        return;
    QPalette bar = tabs->tabBar()->palette();
    for (const QPalette::ColorRole role : roles) {
        if (text)
            ui::setTextColor(bar, role, color);
        else
            bar.setColor(role, color);
    }
    ui::setSkinPalette(*tabs->tabBar(), bar);
}

// Colours a control's background: its window colour and whatever role it
// fills its background with (buttons and check boxes use the button colour);
// a tab control's tab bar as well. Tool buttons (`button`) take the button
// colour for their face too.
void setBackColor(QWidget *widget, const QColor &color, bool button)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(widget->backgroundRole(), color);
    if (button)
        palette.setColor(QPalette::Button, color);
    ui::setSkinPalette(*widget, palette);
    widget->setAutoFillBackground(true);
    colourTabBar(widget, color, {QPalette::Window, QPalette::Button}, false);
}

// Colours a control's text: its window text and its own text role, dimmed
// when the control is disabled.
void setForeColor(QWidget *widget, const QColor &color, bool button)
{
    QPalette palette = widget->palette();
    ui::setTextColor(palette, QPalette::WindowText, color);
    ui::setTextColor(palette, widget->foregroundRole(), color);
    if (button)
        ui::setTextColor(palette, QPalette::ButtonText, color);
    ui::setSkinPalette(*widget, palette);
    colourTabBar(widget, color, {QPalette::WindowText, QPalette::ButtonText}, true);
}

} // namespace

void UCScriptPrivate::ChangeLanguage(const QString &pLanguageId)
{
    std::unique_ptr<host::LanguageReader> reader;
    passing(" UCScript.ChangeLanguage() ", [&] {
        gInterfaceLanguage = pLanguageId;
        if (!CheckLangInDisk(pLanguageId, gPathData))
            return;
        reader = host::languageReaders().create();
        QString folder = gPathData;
        if (!reader->LoadLanguage(pLanguageId, folder))
            reader.reset();
    });
    if (!reader)
        return;

    // From here on a text that cannot be read or assigned is skipped.
    SkipOnFailure skipOnFailure(" UCScript.ChangeLanguage() ", gLogText);
    const auto text = [&](const QString &key, const std::function<void(const QString &)> &assign) {
        skipOnFailure([&] { assign(reader->GetText(section, key)); });
    };

    text(QStringLiteral("MsgNoEvaluate"), [&](const QString &t) { gMsgNoEvaluate = t; });
    text(QStringLiteral("MsgNoComparable"), [&](const QString &t) { gMsgNoComparable = t; });

    // The buttons' tool tips, then the captions, each keyed by its control's name.
    for (QObject *control : std::initializer_list<QObject *>{
             form.cmdCut, form.cmdCopy, form.cmdPaste, form.cmdCheckSyntax, form.cmdColorizeCode, form.cmdEvents,
             form.cmdWizard, form.cmdWizardValues, form.cmdCutScript, form.cmdCopyScript, form.cmdPasteScript,
             form.cmdCheckSyntaxScript, form.cmdColorizeScript, form.fraDescription, form.fraScript, form.fraStatus,
             form.chkActive, form.chkEvalData, form.chkQuantity, form.chkViewInMarquee, form.lblReferenceValue,
             form.lblDataPersistence})
        text(control->objectName(), [&](const QString &t) { ui::setControlText(*control, t); });

    for (KeyedTabWidget *tabs : {form.ssTabDatos, form.ssTabValues})
        for (int i = 0; i < tabs->count(); ++i)
            text(tabs->objectName() + QLatin1String("Tab") + tabs->tabKey(i),
                 [&](const QString &t) { tabs->setTabText(i, t); });

    for (QAction *tool : toolBar.tools())
        text(tool->objectName(), [&](const QString &t) { ui::setControlText(*tool, t); });

    for (int i = 0; i < 4; ++i)
        text(QStringLiteral("cmbDataPersistence%1").arg(i),
             [&](const QString &t) { form.cmbDataPersistence->setItemText(i, t); });
    skipOnFailure([&] { panes.setTexts(readPaneTexts(*reader)); });
}

void UCScriptPrivate::ApplySkin()
{
    if (!gSkin)
        return;
    SkipOnFailure skipOnFailure(" UCScript.ApplySkin() ", gLogText);

    // Every skin starts from the designed colours; a skin with a whole
    // scheme then colours all of the window (boxes, lists, panes, menus).
    formBackColor = QColor();
    q.update();
    skipOnFailure([&] { ApplySkinScheme(q, gSkin); });

    // Before the first colour is set, every control of the window keeps its
    // own. The tab pages and the unnamed pieces of a control (tab bars, a
    // tool bar's buttons) are not among them: they take their control's colours.
    bool kept = false;
    const auto keepColours = [&] {
        if (std::exchange(kept, true))
            return;
        QList<QWidget *> controls;
        for (QWidget *widget : q.findChildren<QWidget *>()) {
            const QString name = widget->objectName();
            if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) &&
                !name.startsWith(QLatin1String("SSActiveTabPanel")))
                controls << widget;
        }
        keepOwnColours(controls);
    };

    const QList<QWidget *> tabGroup = {form.ssTabDatos, form.fraStatus, form.fraDescription, form.fraScript,
                                       form.chkActive, form.ssTabValues, form.chkEvalData, form.chkViewInMarquee,
                                       form.chkQuantity, form.lblDataPersistence};
    const QList<QWidget *> toolbarGroup = {
        toolBar.ssToolBarJob, form.ssToolScript, form.cmdCut, form.cmdCopy, form.cmdPaste, form.cmdColorizeCode,
        form.cmdCheckSyntax, form.cmdEvents, form.cmdWizard, form.cmdWizardValues, form.panelToolbar,
        form.cmdCutScript, form.cmdCopyScript, form.cmdPasteScript, form.cmdColorizeScript, form.cmdCheckSyntaxScript,
        form.lblReferenceValue};
    QList<QWidget *> toolbarFontGroup = toolbarGroup;
    toolbarFontGroup.removeOne(form.cmdWizardValues);

    // One group: the skin's colour (a getter that fails gives none: the
    // skin's missing member silently, any other failure as a skipped step),
    // assigned to each control when it is 0 or more.
    const auto group = [&](long (*getter)(const host::Skin *), const QList<QWidget *> &controls,
                           void (*assign)(QWidget *, const QColor &, bool), bool buttons) {
        long color = -1;
        skipOnFailure([&] { color = skinColor(getter, gSkin); });
        if (color < 0)
            return;
        skipOnFailure(keepColours);
        for (QWidget *control : controls)
            skipOnFailure([&] { assign(control, SkinColorToQColor(color), buttons); });
    };
    skipOnFailure([&] {
        const long color = skinColor(GetFormBackColor, gSkin);
        if (color >= 0) {
            formBackColor = SkinColorToQColor(color);
            q.update();
        }
    });
    group(GetTabBackColor, tabGroup, setBackColor, false);
    group(GetColorFont, tabGroup, setForeColor, false);
    group(GetToolbarBackColor, toolbarGroup, setBackColor, true);
    group(GetToolbarColorFont, toolbarFontGroup, setForeColor, true);
}
