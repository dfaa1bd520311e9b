#include "hostkit/paletteskin.h"
#include "hostkit/skins.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using host::Skin;

// The six members in one table, so each test walks them all.
struct Member
{
    const char *name;
    long (Skin::*get)() const;
};

const Member members[] = {
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

double contrast(long a, long b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Largest difference of one channel between two colours.
int channelDistance(long a, long b)
{
    int distance = 0;
    for (int shift : {0, 8, 16})
        distance = std::max(distance, std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)));
    return distance;
}

TEST(Skins, ClassicGivesNoColourAtAll)
{
    const auto skin = hostkit::createSkin(QStringLiteral("classic"));
    ASSERT_TRUE(skin);
    for (const Member &member : members)
        EXPECT_EQ(((*skin).*member.get)(), -1) << member.name;
}

TEST(Skins, DarkGivesSixDistinctColours)
{
    const auto skin = hostkit::createSkin(QStringLiteral("dark"));
    ASSERT_TRUE(skin);
    for (const Member &member : members) {
        const long colour = ((*skin).*member.get)();
        EXPECT_GE(colour, 0) << member.name;
        EXPECT_LE(colour, 0xffffff) << member.name;
    }
    for (size_t i = 0; i < std::size(members); ++i)
        for (size_t j = i + 1; j < std::size(members); ++j)
            EXPECT_GE(channelDistance(((*skin).*members[i].get)(), ((*skin).*members[j].get)()), 8)
                << members[i].name << " and " << members[j].name << " look alike";
}

// Text colours against the backgrounds the windows paint them on: the
// editor's pages and frames, its tool strips, and the dialogs' buttons and
// panels. 4.5:1 is the usual floor for normal-size text.
TEST(Skins, DarkTextIsReadableOnItsBackgrounds)
{
    const auto skin = hostkit::createSkin(QStringLiteral("dark"));
    ASSERT_TRUE(skin);
    struct Pair { const char *text; long font; const char *on; long back; };
    const Pair pairs[] = {
        {"font", skin->GetColorFont(), "tab", skin->GetTabBackColor()},
        {"font", skin->GetColorFont(), "form", skin->GetFormBackColor()},
        {"font", skin->GetColorFont(), "button", skin->GetButtonBackColor()},
        {"toolbar font", skin->GetToolbarColorFont(), "toolbar", skin->GetToolbarBackColor()},
    };
    for (const Pair &pair : pairs) {
        EXPECT_GE(contrast(pair.font, pair.back), 4.5) << pair.text << " on " << pair.on;
        EXPECT_GT(luminance(pair.font), luminance(pair.back)) << pair.text << " is light on dark " << pair.on;
    }
}

TEST(Skins, NamesAreCaseInsensitiveAndUnknownNamesGiveNothing)
{
    EXPECT_EQ(hostkit::skinNames().first(), QStringLiteral("classic"));
    for (const QString &name : hostkit::skinNames()) {
        EXPECT_TRUE(hostkit::createSkin(name)) << name.toStdString();
        EXPECT_TRUE(hostkit::createSkin(QStringLiteral(" %1 ").arg(name.toUpper()))) << name.toStdString();
    }
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
