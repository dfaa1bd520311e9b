#include "errorcore/error.h"
#include "common/skinapply.h"
#include "common/skincolors.h"
#include "expecterror.h"
#include "hostkit/paletteskin.h"

#include <gtest/gtest.h>

namespace {

// A skin that has only GetTabBackColor; every other member is missing.
class TabOnlySkin : public host::Skin
{
public:
    long GetTabBackColor() const override { return 0x00ff00; }
};

// Each getter asks its own member of the skin (every colour differs), and
// raises 91 without a skin and 438 when the skin lacks the member.
TEST(SkinGetter, AnswersTheSkinsMemberOfTheSameName)
{
    const hostkit::PaletteSkin skin({1, 2, 3, 4, 5, 6});
    const TabOnlySkin tabOnly;
    const struct
    {
        long (*getter)(const host::Skin *);
        long expected;
    } rows[] = {{&GetFormBackColor, 1},    {&GetTabBackColor, 2},     {&GetColorFont, 3},
                {&GetToolbarBackColor, 4}, {&GetToolbarColorFont, 5}, {&GetButtonBackColor, 6}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(row.getter(&skin), row.expected);
        expectError(91, [&] { row.getter(nullptr); });
        if (row.getter != &GetTabBackColor)
            expectError(438, [&] { row.getter(&tabOnly); });
    }
    EXPECT_EQ(GetTabBackColor(&tabOnly), 0x00ff00);
}

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
