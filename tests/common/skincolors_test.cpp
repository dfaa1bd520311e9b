#include "errorcore/error.h"
#include "common/skinapply.h"
#include "common/skincolors.h"
#include "hostkit/paletteskin.h"

#include <gtest/gtest.h>

namespace {

using Getter = long (*)(const host::Skin *);

struct GetterRow
{
    const char *name;
    Getter getter;
    long (host::Skin::*member)() const;
};

const GetterRow getterRows[] = {
    {"GetButtonBackColor", &GetButtonBackColor, &host::Skin::GetButtonBackColor},
    {"GetColorFont", &GetColorFont, &host::Skin::GetColorFont},
    {"GetFormBackColor", &GetFormBackColor, &host::Skin::GetFormBackColor},
    {"GetTabBackColor", &GetTabBackColor, &host::Skin::GetTabBackColor},
    {"GetToolbarBackColor", &GetToolbarBackColor, &host::Skin::GetToolbarBackColor},
    {"GetToolbarColorFont", &GetToolbarColorFont, &host::Skin::GetToolbarColorFont},
};

// A skin that has only GetTabBackColor; every other member is missing.
class TabOnlySkin : public host::Skin
{
public:
    long GetTabBackColor() const override { return 0x00ff00; }
};

class SkinGetter : public ::testing::TestWithParam<GetterRow>
{
};

TEST_P(SkinGetter, AnswersTheSkinsMemberOfTheSameName)
{
    hostkit::PaletteSkin::Palette palette;
    palette.formBack = 0x010101;
    palette.tabBack = 0x020202;
    palette.font = 0x030303;
    palette.toolbarBack = 0x040404;
    palette.toolbarFont = 0x050505;
    palette.buttonBack = 0x060606;
    const hostkit::PaletteSkin skin(palette);
    EXPECT_EQ(GetParam().getter(&skin), (skin.*GetParam().member)());
}

TEST_P(SkinGetter, NegativeMeansNoColourAndIsPassedOn)
{
    const hostkit::PaletteSkin skin{hostkit::PaletteSkin::Palette{}};
    EXPECT_EQ(GetParam().getter(&skin), -1);
}

TEST_P(SkinGetter, NoSkinRaises91)
{
    try {
        GetParam().getter(nullptr);
        FAIL() << "no skin must raise";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 91);
    }
}

TEST_P(SkinGetter, ASkinLackingTheMemberRaises438)
{
    const TabOnlySkin skin;
    if (GetParam().getter == &GetTabBackColor) {
        EXPECT_EQ(GetParam().getter(&skin), 0x00ff00);
        return;
    }
    try {
        GetParam().getter(&skin);
        FAIL() << "a missing member must raise";
    } catch (const Error &error) {
        EXPECT_EQ(error.number, 438);
        EXPECT_EQ(error.description, QStringLiteral("Object doesn't support this property or method"));
    }
}

INSTANTIATE_TEST_SUITE_P(General, SkinGetter, ::testing::ValuesIn(getterRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

namespace {

// The script tokens read (4.5:1) on a light pane and on the pane of a dark scheme.
TEST(ScriptTokenColors, ReadOnTheirPane)
{
    hostkit::PaletteSkin::Palette dark;
    dark.formBack = hostkit::PaletteSkin::bgr(0x2b, 0x2d, 0x30);
    dark.tabBack = hostkit::PaletteSkin::bgr(0x36, 0x3a, 0x3f);
    dark.font = hostkit::PaletteSkin::bgr(0xe6, 0xe6, 0xe6);
    const hostkit::PaletteSkin darkSkin(dark);
    const std::optional<QPalette> darkPane = SkinPalette(&darkSkin);
    ASSERT_TRUE(darkPane);
    QPalette lightPane;
    lightPane.setColor(QPalette::Base, Qt::white);
    lightPane.setColor(QPalette::Text, Qt::black);
    for (const QPalette &pane : {lightPane, *darkPane}) {
        const ScriptTokenColors colors = GetScriptTokenColors(pane);
        const QColor base = pane.color(QPalette::Base);
        for (const QColor &token : {colors.keyword, colors.comment, colors.string, colors.number,
                                    colors.operatorSign, colors.plain})
            EXPECT_GE(ContrastRatio(token, base), 4.5) << token.name().toStdString() << " on "
                                                       << base.name().toStdString();
    }
}

} // namespace
