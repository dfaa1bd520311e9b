#include "hostkit/paletteskin.h"
#include "hostkit/skins.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using host::Skin;

const std::pair<const char *, long (Skin::*)() const> members[] = {
    {"GetFormBackColor", &Skin::GetFormBackColor},       {"GetTabBackColor", &Skin::GetTabBackColor},
    {"GetColorFont", &Skin::GetColorFont},               {"GetToolbarBackColor", &Skin::GetToolbarBackColor},
    {"GetToolbarColorFont", &Skin::GetToolbarColorFont}, {"GetButtonBackColor", &Skin::GetButtonBackColor},
};

// Relative luminance of a BGR colour (red in the lowest byte).
double luminance(long colour)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour & 0xff) + 0.7152 * channel((colour >> 8) & 0xff)
        + 0.0722 * channel((colour >> 16) & 0xff);
}

// Largest difference of one channel between two colours.
int channelDistance(long a, long b)
{
    int distance = 0;
    for (int shift : {0, 8, 16})
        distance = std::max(distance, std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)));
    return distance;
}

TEST(Skins, ClassicGivesNoColourAndDarkSixDistinctOnes)
{
    const auto classic = hostkit::createSkin(QStringLiteral("classic"));
    const auto dark = hostkit::createSkin(QStringLiteral("dark"));
    ASSERT_TRUE(classic && dark);
    for (const auto &[name, get] : members) {
        EXPECT_EQ(((*classic).*get)(), -1) << name;
        EXPECT_GE(((*dark).*get)(), 0) << name;
        EXPECT_LE(((*dark).*get)(), 0xffffff) << name;
        for (const auto &[other, otherGet] : members)
            EXPECT_TRUE(get == otherGet || channelDistance(((*dark).*get)(), ((*dark).*otherGet)()) >= 8)
                << name << " and " << other << " look alike";
    }
}

// Text colours against the backgrounds the windows paint them on: the
// editor's pages and frames, its tool strips, and the dialogs' buttons and
// panels. 4.5:1 is the usual floor for normal-size text.
TEST(Skins, DarkTextIsReadableOnItsBackgrounds)
{
    const auto skin = hostkit::createSkin(QStringLiteral("dark"));
    ASSERT_TRUE(skin);
    const std::pair<long, long> pairs[] = {
        {skin->GetColorFont(), skin->GetTabBackColor()},
        {skin->GetColorFont(), skin->GetFormBackColor()},
        {skin->GetColorFont(), skin->GetButtonBackColor()},
        {skin->GetToolbarColorFont(), skin->GetToolbarBackColor()},
    };
    for (const auto &[font, back] : pairs) {
        EXPECT_GT(luminance(font), luminance(back)) << "light text on dark " << back;
        EXPECT_GE((luminance(font) + 0.05) / (luminance(back) + 0.05), 4.5) << font << " on " << back;
    }
}

TEST(Skins, NamesAreCaseInsensitiveAndUnknownNamesGiveNothing)
{
    EXPECT_EQ(hostkit::skinNames().first(), QStringLiteral("classic"));
    for (const QString &name : hostkit::skinNames())
        EXPECT_TRUE(hostkit::createSkin(QStringLiteral(" %1 ").arg(name.toUpper()))) << name.toStdString();
    EXPECT_FALSE(hostkit::createSkin(QStringLiteral("neon")));
    EXPECT_FALSE(hostkit::createSkin(QString()));
}

TEST(Skins, PaletteColoursAreBgr)
{
    EXPECT_EQ(hostkit::PaletteSkin::bgr(0x12, 0x34, 0x56), 0x563412L);
    hostkit::PaletteSkin::Palette palette;
    palette.tabBack = hostkit::PaletteSkin::bgr(255, 0, 0);
    const hostkit::PaletteSkin skin(palette);
    EXPECT_EQ(skin.GetTabBackColor(), 0xffL);
    EXPECT_EQ(skin.GetFormBackColor(), -1);
}

} // namespace
