// The colours of the skins (the texts: tests/hostkit/languagefiles_test.cpp).
#include "editorhost.h"

#include "common/skinapply.h"
#include "hostkit/paletteskin.h"

#include <QTabBar>

namespace {

QColor colour(long bgr)
{
    return QColor(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
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

// Dark colours the five groups, and reaches boxes, lists, panes and menus:
// dark and readable.
TEST(Skin, DarkColoursEveryPartReadably)
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

    const auto isDark = [](const QColor &color) { return color.lightness() < 100; };
    for (const Drawn &drawn : {Drawn{"pvGoodRef", QPalette::Text, QPalette::Base},
                               Drawn{"rtfScriptWarning", QPalette::Text, QPalette::Base},
                               Drawn{"cmbLanguageScript", QPalette::ButtonText, QPalette::Button},
                               Drawn{"ID_Popup", QPalette::Text, QPalette::Window},
                               Drawn{"chkActive", QPalette::WindowText, QPalette::Window},
                               Drawn{"pvDataPersistence", QPalette::Text, QPalette::Base},
                               Drawn{"rtfDescription", QPalette::Text, QPalette::Window}}) {
        const QWidget *control = host.find(QLatin1String(drawn.control));
        EXPECT_TRUE(isDark(control->palette().color(drawn.background))) << drawn.control;
        EXPECT_GE(contrastOf(control, drawn, QPalette::Active), 4.5) << drawn.control;
    }
}

// A skin that lacks GetTabBackColor (it answers 438, as the base class does).
class SkinWithoutTabColour : public host::Skin
{
public:
    long GetFormBackColor() const override { return hostkit::PaletteSkin::bgr(10, 20, 30); }
    long GetColorFont() const override { return hostkit::PaletteSkin::bgr(250, 240, 230); }
    long GetToolbarBackColor() const override { return hostkit::PaletteSkin::bgr(40, 50, 60); }
    long GetToolbarColorFont() const override { return hostkit::PaletteSkin::bgr(200, 210, 220); }
};

// Classic after dark gives the designed colours back, no skin object leaves
// every colour, and a skin's missing getter leaves its group as it was.
TEST(Skin, ClassicAfterDarkNoSkinAndAMissingGetter)
{
    EditorHost fresh("existing-job.xml");
    EditorHost host("existing-job.xml");
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    host.editor->Engine_ChangeSettings(dark.get());
    const QColor darkText = host.controls.chkActive->palette().color(QPalette::WindowText);
    host.editor->Engine_ChangeSettings(nullptr);
    EXPECT_EQ(host.controls.chkActive->palette().color(QPalette::WindowText), darkText);
    host.editor->Engine_ChangeSettings(fresh.skin.get());
    EXPECT_FALSE(host.editor->formBackColor().isValid());
    for (const char *name : {"ssTabDatos", "fraStatus", "chkActive", "pvDataPersistence", "cmbDataPersistence",
                             "rtfDescription", "rtfScript", "ssToolScript", "cmdCutScript", "panelToolbar",
                             "lblReferenceValue", "pvDangerRef", "cmdWizardValues", "ssToolBarJob", "ID_Popup"})
        EXPECT_EQ(host.find(QLatin1String(name))->palette(), fresh.find(QLatin1String(name))->palette()) << name;
    EXPECT_EQ(host.editor->palette(), fresh.editor->palette());

    SkinWithoutTabColour partial;
    host.editor->Engine_ChangeSettings(&partial);
    EXPECT_EQ(host.editor->formBackColor(), QColor(10, 20, 30));
    EXPECT_EQ(host.controls.ssTabDatos->palette().color(QPalette::Window),
              fresh.controls.ssTabDatos->palette().color(QPalette::Window));
    EXPECT_EQ(host.controls.chkActive->palette().color(QPalette::WindowText), QColor(250, 240, 230));
    EXPECT_EQ(host.controls.ssToolBarJob->palette().color(QPalette::Window), QColor(40, 50, 60));
    EXPECT_TRUE(host.capture.boxes.isEmpty());
    EXPECT_TRUE(host.capture.recorderCalls.isEmpty()) << "a skin's missing member is no failure";
}

} // namespace
