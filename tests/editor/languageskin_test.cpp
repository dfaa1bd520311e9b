// The interface texts from the language files and the colours of the skins.
#include "editorhost.h"

#include "common/skinapply.h"
#include "hostkit/lnglanguagereader.h"
#include "hostkit/paletteskin.h"
#include "platform/ui/controlcolors.h"

#include <QTabBar>

namespace {

// Every text ChangeLanguage sets, read back from the controls.
QStringList shownTexts(const EditorControls &controls)
{
    return {controls.chkActive->text(), controls.fraScript->title(), controls.lblReferenceValue->text(),
            controls.ssTabDatos->tabText(1), controls.ssTabValues->tabText(2), controls.cmdWizard->toolTip(),
            controls.cmbDataPersistence->itemText(2),
            controls.ssToolBarJob->findChild<QAction *>(QStringLiteral("ID_Evaluate"))->text()};
}

QStringList fileTexts(const char *id)
{
    hostkit::LngLanguageReader reader;
    QString folder = sourcePath(QStringLiteral("data"));
    EXPECT_TRUE(reader.LoadLanguage(QLatin1String(id), folder));
    QStringList texts;
    for (const char *key : {"chkActive", "fraScript", "lblReferenceValue", "ssTabDatosTabEvaluationData",
                            "ssTabValuesTabGood", "cmdWizard", "cmbDataPersistence2", "ID_Evaluate"})
        texts << reader.GetText(QStringLiteral("frmJob"), QLatin1String(key));
    return texts;
}

// Before any file the texts are the designed ones; showing takes the job's
// language, switching changes the texts, and a missing file only the id.
TEST(Language, TheTextsFollowTheLanguageFiles)
{
    EditorHost host;
    host.editor->Engine_SetPathData(sourcePath(QStringLiteral("data")));
    host.editor->Engine_ChangeInterfaceLanguage(QStringLiteral("xx"));
    EXPECT_EQ(host.controls.chkViewInMarquee->text(), QStringLiteral("In Marquee"));
    EXPECT_EQ(host.controls.ssTabValues->tabText(0), QStringLiteral("Danger Value"));

    host.open(exampleJob(QStringLiteral("existing-job.xml")));
    EXPECT_EQ(shownTexts(host.controls), fileTexts("en"));
    host.editor->Engine_ChangeInterfaceLanguage(QStringLiteral("es"));
    EXPECT_EQ(host.editor->interfaceLanguage(), QStringLiteral("es"));
    EXPECT_EQ(shownTexts(host.controls), fileTexts("es"));
    EXPECT_NE(fileTexts("es"), fileTexts("en"));

    host.editor->Engine_ChangeInterfaceLanguage(QStringLiteral("xx"));
    EXPECT_EQ(host.editor->interfaceLanguage(), QStringLiteral("xx"));
    EXPECT_EQ(shownTexts(host.controls), fileTexts("es"));
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

QColor colour(long bgr)
{
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

// What a control draws with, in each state, for the roles a skin touches.
QList<QColor> paletteOf(const QWidget *control)
{
    QList<QColor> colours;
    for (const QPalette::ColorGroup state : {QPalette::Active, QPalette::Disabled})
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                                               QPalette::Button, QPalette::ButtonText})
            colours << control->palette().color(state, role);
    return colours;
}

// Classic leaves the designed colours, gives them back after dark, and no
// skin object leaves every colour as it is.
TEST(Skin, ClassicIsTheDesignedLook)
{
    EditorHost fresh("existing-job.xml");   // opened with the classic skin
    EXPECT_FALSE(fresh.editor->formBackColor().isValid());
    EXPECT_FALSE(fresh.editor->testAttribute(Qt::WA_SetPalette));
    EditorHost host("existing-job.xml");
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    host.editor->Engine_ChangeSettings(dark.get());
    const QList<QColor> darkCheckBox = paletteOf(host.controls.chkActive);
    host.editor->Engine_ChangeSettings(nullptr);
    EXPECT_EQ(paletteOf(host.controls.chkActive), darkCheckBox);
    host.editor->Engine_ChangeSettings(fresh.skin.get());

    EXPECT_FALSE(host.editor->formBackColor().isValid());
    for (const char *name : {"ssTabDatos", "fraStatus", "chkActive", "pvDataPersistence", "cmbDataPersistence",
                             "rtfDescription", "rtfScript", "ssToolScript", "cmdCutScript", "panelToolbar", "cmdCut",
                             "lblReferenceValue", "pvDangerRef", "cmdWizardValues", "ssToolBarJob", "ID_Popup"}) {
        EXPECT_FALSE(fresh.find<QWidget>(QLatin1String(name))->testAttribute(Qt::WA_SetPalette)) << name;
        EXPECT_EQ(paletteOf(host.find<QWidget>(QLatin1String(name))), paletteOf(fresh.find<QWidget>(QLatin1String(name))))
            << name;
    }
    EXPECT_EQ(paletteOf(host.editor.get()), paletteOf(fresh.editor.get()));
    EXPECT_EQ(paletteOf(host.controls.ssTabValues->tabBar()), paletteOf(fresh.controls.ssTabValues->tabBar()));
    QWidget afterClassic;   // as the message-box seam shows one
    ui::applyWindowPalette(afterClassic);
    EXPECT_FALSE(afterClassic.testAttribute(Qt::WA_SetPalette));
}

// A control's text over its background: which roles it draws with.
struct Drawn
{
    const char *control;
    QPalette::ColorRole text;
    QPalette::ColorRole background;
};

double contrastOf(const QWidget *control, const Drawn &drawn, QPalette::ColorGroup state)
{
    const QPalette palette = control->palette();
    return ContrastRatio(palette.color(state, drawn.text), palette.color(state, drawn.background));
}

TEST(Skin, DarkColoursTheFiveGroupsAndReachesBoxesListsPanesMenusAndTheSeamsWindows)
{
    EditorHost host("existing-job.xml");
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    host.editor->Engine_ChangeSettings(dark.get());
    const EditorControls &controls = host.controls;

    EXPECT_EQ(host.editor->formBackColor(), colour(dark->GetFormBackColor()));
    for (QWidget *control : std::initializer_list<QWidget *>{controls.ssTabDatos, controls.fraStatus, controls.chkActive,
                                                             controls.ssTabValues, controls.lblDataPersistence}) {
        EXPECT_EQ(control->palette().color(QPalette::Window), colour(dark->GetTabBackColor()));
        EXPECT_EQ(control->palette().color(QPalette::WindowText), colour(dark->GetColorFont()));
    }
    EXPECT_EQ(controls.ssTabDatos->tabBar()->palette().color(QPalette::ButtonText), colour(dark->GetColorFont()));
    for (QWidget *control : std::initializer_list<QWidget *>{controls.ssToolBarJob, controls.panelToolbar,
                                                             controls.cmdCut, controls.lblReferenceValue}) {
        EXPECT_EQ(control->palette().color(QPalette::Window), colour(dark->GetToolbarBackColor()));
        EXPECT_EQ(control->palette().color(QPalette::WindowText), colour(dark->GetToolbarColorFont()));
    }
    // The conditions wizard's button takes the tool strip's background but not its text colour.
    EXPECT_EQ(controls.cmdWizardValues->palette().color(QPalette::Button), colour(dark->GetToolbarBackColor()));
    EXPECT_NE(controls.cmdWizardValues->palette().color(QPalette::ButtonText), colour(dark->GetToolbarColorFont()));

    const auto isDark = [](const QColor &color) { return color.lightness() < 100; };
    const Drawn everywhere[] = {{"pvGoodRef", QPalette::Text, QPalette::Base},
                                {"rtfScriptWarning", QPalette::Text, QPalette::Base},
                                {"cmbLanguageScript", QPalette::ButtonText, QPalette::Button},
                                {"ID_Popup", QPalette::Text, QPalette::Window}};
    for (const Drawn &drawn : everywhere) {
        const QWidget *control = host.find<QWidget>(QLatin1String(drawn.control));
        EXPECT_TRUE(isDark(control->palette().color(drawn.background))) << drawn.control;
        EXPECT_GE(contrastOf(control, drawn, QPalette::Active), 4.5) << drawn.control;
    }
    QWidget messageBox;   // as the message-box seam shows one
    ui::applyWindowPalette(messageBox);
    EXPECT_TRUE(isDark(messageBox.palette().color(QPalette::Window)));
    QColor dialogBack;
    ui::ScopedModalHandler modal([&](QDialog &dialog) {
        dialogBack = dialog.palette().color(QPalette::Base);
        return int(QDialog::Rejected);
    });
    host.find<QToolButton>(QStringLiteral("cmdEvents"))->click();
    EXPECT_TRUE(isDark(dialogBack));
}

TEST(Skin, TextReadsWhenEnabledAndIsDimmedWhenDisabled)
{
    // Controls the level switch disables, and ones it leaves enabled.
    constexpr Drawn switched[] = {{"lblReferenceValue", QPalette::WindowText, QPalette::Window},
                                  {"pvDangerRef", QPalette::Text, QPalette::Base},
                                  {"cmbLanguageScriptDanger", QPalette::ButtonText, QPalette::Button}};
    constexpr Drawn alwaysOn[] = {{"chkActive", QPalette::WindowText, QPalette::Window},
                                  {"rtfScript", QPalette::Text, QPalette::Base},
                                  {"cmbDataPersistence", QPalette::ButtonText, QPalette::Button},
                                  {"pvDataPersistence", QPalette::Text, QPalette::Base},
                                  {"rtfDescription", QPalette::Text, QPalette::Window}};
    for (const char *skinName : {"classic", "dark"}) {
        SCOPED_TRACE(skinName);
        EditorHost host("existing-job.xml");
        const std::unique_ptr<host::Skin> skin = hostkit::createSkin(QLatin1String(skinName));
        host.editor->Engine_ChangeSettings(skin.get());
        for (const Drawn &drawn : alwaysOn)
            EXPECT_GE(contrastOf(host.find<QWidget>(QLatin1String(drawn.control)), drawn, QPalette::Active), 4.5)
                << drawn.control;
        host.editor->ChangeStatusTabValues(false);
        for (const Drawn &drawn : switched) {
            const QWidget *control = host.find<QWidget>(QLatin1String(drawn.control));
            ASSERT_FALSE(control->isEnabled()) << drawn.control;
            const double enabled = contrastOf(control, drawn, QPalette::Active);
            const double disabled = contrastOf(control, drawn, QPalette::Disabled);
            EXPECT_GE(enabled, 4.5) << drawn.control;
            EXPECT_LT(disabled, enabled * 0.75) << drawn.control;
            EXPECT_GE(disabled, 1.4) << drawn.control << ": a disabled text still shows";
        }
    }
}

// A skin that lacks GetTabBackColor (it answers 438, as the base class does).
struct SkinWithoutTabColour : host::Skin
{
    long GetFormBackColor() const override { return hostkit::PaletteSkin::bgr(10, 20, 30); }
    long GetColorFont() const override { return hostkit::PaletteSkin::bgr(250, 240, 230); }
    long GetToolbarBackColor() const override { return hostkit::PaletteSkin::bgr(40, 50, 60); }
    long GetToolbarColorFont() const override { return hostkit::PaletteSkin::bgr(200, 210, 220); }
    long GetButtonBackColor() const override { return -1; }
};

TEST(Skin, AMissingGetterLeavesItsGroupAndColoursTheOthers)
{
    EditorHost host("existing-job.xml");
    const EditorControls &controls = host.controls;
    const QColor tabBefore = controls.ssTabDatos->palette().color(QPalette::Window);
    const QColor checkBefore = controls.chkActive->palette().color(controls.chkActive->backgroundRole());
    SkinWithoutTabColour skin;
    host.editor->Engine_ChangeSettings(&skin);

    EXPECT_EQ(host.editor->formBackColor(), QColor(10, 20, 30));
    EXPECT_EQ(controls.ssTabDatos->palette().color(QPalette::Window), tabBefore);
    EXPECT_EQ(controls.chkActive->palette().color(controls.chkActive->backgroundRole()), checkBefore);
    EXPECT_EQ(controls.chkActive->palette().color(QPalette::WindowText), QColor(250, 240, 230));
    EXPECT_EQ(controls.ssToolBarJob->palette().color(QPalette::Window), QColor(40, 50, 60));
    EXPECT_EQ(controls.cmdCopy->palette().color(QPalette::ButtonText), QColor(200, 210, 220));
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "a skin's missing member is no failure";
}

// A skin that has only the tab colours: the toolbar getters answer 438.
struct SkinWithTabColoursOnly : host::Skin
{
    long GetFormBackColor() const override { return -1; }
    long GetTabBackColor() const override { return hostkit::PaletteSkin::bgr(10, 20, 30); }
    long GetColorFont() const override { return hostkit::PaletteSkin::bgr(250, 240, 230); }
};

TEST(Skin, AGroupsColoursDoNotSpreadToTheControlsInside)
{
    EditorHost host("existing-job.xml");
    const EditorControls &controls = host.controls;
    // The tool strips and their tools (toolbar groups, not given by this skin)
    // and controls of no group, all inside controls of the tab group.
    const QList<QWidget *> others = {controls.ssToolScript, controls.cmdCutScript, controls.cmbLanguageScript,
                                     controls.panelToolbar, controls.cmdCut, controls.lblReferenceValue,
                                     controls.cmbLanguageScriptDanger, controls.cmbDataPersistence,
                                     controls.pvDataPersistence};
    QList<QList<QColor>> before;
    for (QWidget *control : others)
        before << paletteOf(control);
    SkinWithTabColoursOnly skin;
    host.editor->Engine_ChangeSettings(&skin);

    EXPECT_EQ(controls.fraScript->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(controls.fraStatus->palette().color(QPalette::WindowText), QColor(250, 240, 230));
    EXPECT_EQ(controls.ssTabValues->palette().color(QPalette::Window), QColor(10, 20, 30));
    // The tab control's own pages show its colour.
    EXPECT_EQ(controls.SSActiveTabPanel5->palette().color(QPalette::Window), QColor(10, 20, 30));
    for (qsizetype i = 0; i < others.size(); ++i)
        EXPECT_EQ(paletteOf(others[i]), before[i]) << others[i]->objectName().toStdString();
}

} // namespace
