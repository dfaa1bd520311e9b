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
    using Getter = long (*)(const host::Skin *);
    const std::pair<Getter, long> rows[] = {{GetFormBackColor, 1},    {GetTabBackColor, 2},
                                            {GetColorFont, 3},        {GetToolbarBackColor, 4},
                                            {GetToolbarColorFont, 5}, {GetButtonBackColor, 6}};
    for (const auto &[getter, expected] : rows) {
        SCOPED_TRACE(expected);
        EXPECT_EQ(getter(&skin), expected);
        expectError(91, [&] { getter(nullptr); });
        if (getter != GetTabBackColor)
            expectError(438, [&] { getter(&tabOnly); });
    }
    EXPECT_EQ(GetTabBackColor(&tabOnly), 0x00ff00);
}

// The script tokens read (4.5:1) on a light pane and on the pane of a dark scheme.
TEST(ScriptTokenColors, ReadOnTheirPane)
{
    using hostkit::PaletteSkin;
    const PaletteSkin darkSkin({PaletteSkin::bgr(0x2b, 0x2d, 0x30), PaletteSkin::bgr(0x36, 0x3a, 0x3f),
                                PaletteSkin::bgr(0xe6, 0xe6, 0xe6)});
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
