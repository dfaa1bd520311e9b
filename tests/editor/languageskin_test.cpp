// The interface texts from the language files and the colours of the skins.
#include "editorhost.h"

#include "common/skinapply.h"
#include "hostkit/lnglanguagereader.h"
#include "hostkit/paletteskin.h"
#include "platform/ui/controlcolors.h"
#include "platform/ui/modal.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString lngText(const QString &id, const QString &key)
{
    hostkit::LngLanguageReader reader;
    QString folder = sourcePath(QStringLiteral("data"));
    EXPECT_TRUE(reader.LoadLanguage(id, folder));
    return reader.GetText(QStringLiteral("frmJob"), key);
}

// Every text ChangeLanguage sets, read back from the controls.
QStringList shownTexts(const EditorControls &controls)
{
    QStringList texts{controls.chkActive->text(),
                      controls.fraScript->title(), controls.lblReferenceValue->text(),
                      controls.ssTabDatos->tabText(1), controls.ssTabValues->tabText(2),
                      controls.cmdWizard->toolTip(), controls.cmbDataPersistence->itemText(2),
                      controls.ssToolBarJob->findChild<QAction *>(QStringLiteral("ID_Evaluate"))->text()};
    return texts;
}

QStringList fileTexts(const QString &id)
{
    QStringList texts;
    for (const char *key : {"chkActive", "fraScript", "lblReferenceValue",
                            "ssTabDatosTabEvaluationData", "ssTabValuesTabGood", "cmdWizard",
                            "cmbDataPersistence2", "ID_Evaluate"})
        texts << lngText(id, QLatin1String(key));
    return texts;
}

TEST(Language, ShowingTakesTheJobsLanguageAndSwitchingChangesTheTexts)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    EXPECT_EQ(shownTexts(host.controls), fileTexts(QStringLiteral("en")));

    host.editor->Engine_ChangeInterfaceLanguage(QStringLiteral("es"));
    EXPECT_EQ(host.editor->interfaceLanguage(), QStringLiteral("es"));
    EXPECT_EQ(shownTexts(host.controls), fileTexts(QStringLiteral("es")));
    EXPECT_NE(fileTexts(QStringLiteral("es")), fileTexts(QStringLiteral("en")));
}

TEST(Language, AMissingFileChangesNothingButTheId)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    host.editor->Engine_ChangeInterfaceLanguage(QStringLiteral("es"));
    const QStringList before = shownTexts(host.controls);
    host.editor->Engine_ChangeInterfaceLanguage(QStringLiteral("xx"));
    EXPECT_EQ(host.editor->interfaceLanguage(), QStringLiteral("xx"));
    EXPECT_EQ(shownTexts(host.controls), before);
    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

TEST(Language, BeforeAnyFileTheTextsAreTheDesignedOnes)
{
    EditorHost host;
    host.editor->Engine_SetPathData(sourcePath(QStringLiteral("data")));
    host.editor->Engine_ChangeInterfaceLanguage(QStringLiteral("xx"));
    EXPECT_EQ(host.controls.chkViewInMarquee->text(), QStringLiteral("In Marquee"));
    EXPECT_EQ(host.controls.ssTabValues->tabText(0), QStringLiteral("Danger Value"));
}

// A skin that lacks GetTabBackColor (it answers 438, as the base class does).
class SkinWithoutTabColour : public host::Skin
{
public:
    long GetFormBackColor() const override { return hostkit::PaletteSkin::bgr(10, 20, 30); }
    long GetColorFont() const override { return hostkit::PaletteSkin::bgr(250, 240, 230); }
    long GetToolbarBackColor() const override { return hostkit::PaletteSkin::bgr(40, 50, 60); }
    long GetToolbarColorFont() const override { return hostkit::PaletteSkin::bgr(200, 210, 220); }
    long GetButtonBackColor() const override { return -1; }
};

TEST(Skin, ClassicLeavesTheDesignedColours)
{
    EditorHost host;   // opened with the classic skin
    host.openExample(QStringLiteral("existing-job.xml"));
    EXPECT_FALSE(host.editor->formBackColor().isValid());
    for (QWidget *control : std::initializer_list<QWidget *>{host.editor.get(), host.controls.ssTabDatos,
                                                             host.controls.chkActive, host.controls.ssToolBarJob,
                                                             host.controls.cmdCut, host.controls.lblReferenceValue})
        EXPECT_FALSE(control->testAttribute(Qt::WA_SetPalette)) << control->objectName().toStdString();
}

TEST(Skin, DarkColoursTheFiveGroups)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    host.editor->Engine_ChangeSettings(dark.get());
    const auto colour = [](long bgr) { return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff); };
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;

    EXPECT_EQ(editor.formBackColor(), colour(dark->GetFormBackColor()));
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
}

TEST(Skin, AMissingGetterLeavesItsGroupAndColoursTheOthers)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    const QColor tabBefore = controls.ssTabDatos->palette().color(QPalette::Window);
    const QColor checkBefore = controls.chkActive->palette().color(controls.chkActive->backgroundRole());
    SkinWithoutTabColour skin;
    editor.Engine_ChangeSettings(&skin);

    EXPECT_EQ(editor.formBackColor(), QColor(10, 20, 30));
    EXPECT_EQ(controls.ssTabDatos->palette().color(QPalette::Window), tabBefore);
    EXPECT_EQ(controls.chkActive->palette().color(controls.chkActive->backgroundRole()), checkBefore);
    EXPECT_EQ(controls.chkActive->palette().color(QPalette::WindowText), QColor(250, 240, 230));
    EXPECT_EQ(controls.ssToolBarJob->palette().color(QPalette::Window), QColor(40, 50, 60));
    EXPECT_EQ(controls.cmdCopy->palette().color(QPalette::ButtonText), QColor(200, 210, 220));
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "a skin's missing member is no failure";
}

// A skin that has only the tab colours: the toolbar getters answer 438.
class SkinWithTabColoursOnly : public host::Skin
{
public:
    long GetFormBackColor() const override { return -1; }
    long GetTabBackColor() const override { return hostkit::PaletteSkin::bgr(10, 20, 30); }
    long GetColorFont() const override { return hostkit::PaletteSkin::bgr(250, 240, 230); }
};

// The colours a control draws its background and text with.
QList<QColor> drawnColours(const QWidget *control)
{
    const QPalette palette = control->palette();
    return {palette.color(QPalette::Window), palette.color(QPalette::WindowText), palette.color(QPalette::Button),
            palette.color(QPalette::ButtonText)};
}

TEST(Skin, AGroupsColoursDoNotSpreadToTheControlsInside)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    UCScript &editor = *host.editor;
    const EditorControls &controls = host.controls;
    // The tool strips and their tools (toolbar groups, not given by this skin)
    // and controls of no group, all inside controls of the tab group.
    const QList<QWidget *> others = {controls.ssToolScript, controls.cmdCutScript, controls.cmbLanguageScript,
                                      controls.panelToolbar, controls.cmdCut, controls.lblReferenceValue,
                                      controls.cmbLanguageScriptDanger, controls.cmbDataPersistence,
                                      controls.pvDataPersistence};
    QList<QList<QColor>> before;
    for (QWidget *control : others)
        before << drawnColours(control);

    SkinWithTabColoursOnly skin;
    editor.Engine_ChangeSettings(&skin);

    EXPECT_EQ(controls.fraScript->palette().color(QPalette::Window), QColor(10, 20, 30));
    EXPECT_EQ(controls.fraStatus->palette().color(QPalette::WindowText), QColor(250, 240, 230));
    EXPECT_EQ(controls.ssTabValues->palette().color(QPalette::Window), QColor(10, 20, 30));
    // The tab control's own pages show its colour.
    EXPECT_EQ(controls.SSActiveTabPanel5->palette().color(QPalette::Window), QColor(10, 20, 30));
    for (qsizetype i = 0; i < others.size(); ++i)
        EXPECT_EQ(drawnColours(others[i]), before[i]) << others[i]->objectName().toStdString();
}

TEST(Skin, NoSkinObjectLeavesEveryColour)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    host.editor->Engine_ChangeSettings(dark.get());
    const QColor before = host.controls.chkActive->palette().color(QPalette::WindowText);
    host.editor->Engine_ChangeSettings(nullptr);
    EXPECT_EQ(host.controls.chkActive->palette().color(QPalette::WindowText), before);
}

} // namespace

namespace {

// What a control draws with, in each state, for the roles a skin touches.
QList<QColor> paletteOf(const QWidget *control)
{
    QList<QColor> colours;
    const QPalette palette = control->palette();
    for (const QPalette::ColorGroup state : {QPalette::Active, QPalette::Disabled})
        for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text,
                                               QPalette::Button, QPalette::ButtonText})
            colours << palette.color(state, role);
    return colours;
}

TEST(Skin, ClassicAfterDarkGivesTheDesignedColoursBack)
{
    EditorHost fresh;
    fresh.openExample(QStringLiteral("existing-job.xml"));
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    const std::unique_ptr<host::Skin> classic = hostkit::createSkin(QStringLiteral("classic"));
    host.editor->Engine_ChangeSettings(dark.get());
    host.editor->Engine_ChangeSettings(classic.get());

    EXPECT_FALSE(host.editor->formBackColor().isValid());
    for (const char *name : {"ssTabDatos", "fraStatus", "chkActive", "pvDataPersistence", "cmbDataPersistence",
                             "rtfDescription", "rtfScript", "ssToolScript", "cmdCutScript", "panelToolbar",
                             "lblReferenceValue", "pvDangerRef", "cmdWizardValues", "ssToolBarJob", "ID_Popup"})
        EXPECT_EQ(paletteOf(host.find<QWidget>(QLatin1String(name))), paletteOf(fresh.find<QWidget>(QLatin1String(name))))
            << name;
    EXPECT_EQ(paletteOf(host.editor.get()), paletteOf(fresh.editor.get()));
    EXPECT_EQ(paletteOf(host.controls.ssTabValues->tabBar()), paletteOf(fresh.controls.ssTabValues->tabBar()));
}

// A control's text over its background: which roles it draws with.
struct Drawn
{
    const char *control;
    QPalette::ColorRole text;
    QPalette::ColorRole background;
};

// Controls the level switch disables, and one it leaves enabled.
constexpr Drawn switched[] = {{"lblReferenceValue", QPalette::WindowText, QPalette::Window},
                              {"pvDangerRef", QPalette::Text, QPalette::Base},
                              {"cmbLanguageScriptDanger", QPalette::ButtonText, QPalette::Button}};
constexpr Drawn alwaysOn[] = {{"chkActive", QPalette::WindowText, QPalette::Window},
                              {"rtfScript", QPalette::Text, QPalette::Base},
                              {"cmbDataPersistence", QPalette::ButtonText, QPalette::Button},
                              {"pvDataPersistence", QPalette::Text, QPalette::Base},
                              {"rtfDescription", QPalette::Text, QPalette::Window}};

double contrastOf(const QWidget *control, const Drawn &drawn, QPalette::ColorGroup state)
{
    const QPalette palette = control->palette();
    return ContrastRatio(palette.color(state, drawn.text), palette.color(state, drawn.background));
}

class SkinContrast : public ::testing::TestWithParam<const char *>
{
};

TEST_P(SkinContrast, TextReadsWhenEnabledAndIsDimmedWhenDisabled)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    const std::unique_ptr<host::Skin> skin = hostkit::createSkin(QLatin1String(GetParam()));
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

INSTANTIATE_TEST_SUITE_P(Skins, SkinContrast, ::testing::Values("classic", "dark"));

TEST(Skin, DarkReachesBoxesListsPanesMenusAndTheWindowsOfTheSeams)
{
    EditorHost host;
    host.openExample(QStringLiteral("existing-job.xml"));
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    host.editor->Engine_ChangeSettings(dark.get());
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

    const std::unique_ptr<host::Skin> classic = hostkit::createSkin(QStringLiteral("classic"));
    host.editor->Engine_ChangeSettings(classic.get());
    QWidget afterClassic;
    ui::applyWindowPalette(afterClassic);
    EXPECT_FALSE(afterClassic.testAttribute(Qt::WA_SetPalette));
}

} // namespace
