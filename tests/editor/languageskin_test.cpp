// The colours of the skins (the texts: tests/hostkit/languagefiles_test.cpp).
#include "editorhost.h"

#include "common/skinapply.h"
#include "hostkit/paletteskin.h"

#include <QStyleOptionButton>


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

// Dark reaches boxes, lists, panes and menus: dark and readable (the colours
// a skin gives and where: tests/editor/dressing_test.cpp).
TEST(Skin, DarkColoursEveryPartReadably)
{
    EditorHost host("existing-job.xml");
    const std::unique_ptr<host::Skin> dark = hostkit::createSkin(QStringLiteral("dark"));
    host.editor->Engine_ChangeSettings(dark.get());
    EXPECT_EQ(host.editor->formBackColor(), colour(dark->GetFormBackColor()));
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
    // An unchecked box still shows where it is: its outline stands out 3:1 from the page.
    QCheckBox *box = host.controls.chkActive;
    box->setChecked(false);
    QStyleOptionButton option;
    option.initFrom(box);
    const QImage picture = box->grab(box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box)).toImage();
    const QColor page = box->palette().color(QPalette::Window);
    double strongest = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            strongest = std::max(strongest, ContrastRatio(picture.pixelColor(x, y), page));
    EXPECT_GE(strongest, 3.0);
}

// Classic after dark gives the designed colours back and no skin object
// leaves every colour (a skin's missing getter: tests/editor/dressing_test.cpp).
TEST(Skin, ClassicAfterDarkAndNoSkin)
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

    EXPECT_TRUE(host.capture.boxes.isEmpty());
}

} // namespace
