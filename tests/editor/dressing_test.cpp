// Every window coloured by a skin: with the colours it gives, and only those.
#include "dialogs/dialogtest.h"
#include "windows.h"

#include <QSet>

namespace {

// The group colours of every named control of every window, by "name.role"
// (the window's own under an empty name).
QList<QMap<QString, QRgb>> windowColours(host::Skin *skin)
{
    QList<QMap<QString, QRgb>> windows;
    forEachWindow(QStringLiteral(VT_DATA_DIR), "en", [&](QWidget &window) {
        QMap<QString, QRgb> colours;
        const QList<QWidget *> controls = window.findChildren<QWidget *>() << &window;
        for (const QWidget *control : controls) {
            const QString name = control == &window ? QString() : control->objectName();
            for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText, QPalette::Button, QPalette::ButtonText})
                if (control == &window || (!name.isEmpty() && !name.startsWith(u"qt_")))
                    colours[name + u'.' + QString::number(role)] = control->palette().color(role).rgb();
        }
        windows << colours;
    }, skin);
    return windows;
}

QRgb rgbOf(long skinColour)   // 0xBBGGRR
{
    return qRgb(skinColour & 0xff, skinColour >> 8 & 0xff, skinColour >> 16 & 0xff);
}

// A control changes colour only to one the skin gives; every colour it gives
// shows somewhere; a member it lacks is no colour and no failure.
TEST(Dressing, ASkinColoursWithTheColoursItGivesOnly)
{
    const SkinColours skins[] = {
        {0x1030f0, 0x20c040, -1, -1, 0xf08010, 0x4060c0},
        {0x1030f0, Missing, 0x305080, 0x60a0e0, Missing, -1},
        {-1, 0x20c040, 0x305080, 0x60a0e0, 0xf08010, 0x4060c0},
    };
    const QList<QMap<QString, QRgb>> designed = windowColours(nullptr);
    for (const SkinColours &colours : skins) {
        SCOPED_TRACE(&colours - skins);
        QSet<QRgb> given, shown;
        for (const long colour : {colours.font, colours.form, colours.toolbar, colours.toolbarFont, colours.tab,
                                  colours.button})
            if (colour > -1)
                given.insert(rgbOf(colour));
        TestSkin skin(colours);
        const QList<QMap<QString, QRgb>> skinned = windowColours(&skin);
        ASSERT_EQ(skinned.size(), designed.size());
        for (qsizetype window = 0; window < designed.size(); ++window) {
            if (colours.form > -1 && window > 0) {   // the editor paints its form colour
                EXPECT_EQ(skinned[window].value(QStringLiteral(".%1").arg(QPalette::Window)), rgbOf(colours.form))
                    << "dialog " << window << " takes the form colour";
            }
            for (auto colour = skinned[window].begin(); colour != skinned[window].end(); ++colour) {
                if (colour.value() == designed[window].value(colour.key()))
                    continue;
                EXPECT_TRUE(given.contains(colour.value())) << colour.key().toStdString() << " in window " << window;
                shown.insert(colour.value());
            }
        }
        EXPECT_EQ(shown, given);
    }
}

} // namespace
