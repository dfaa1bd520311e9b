#pragma once

#include "host/skin.h"

namespace hostkit {

// A skin with a fixed colour for each of its six members; a member given -1
// answers -1, so the editor keeps its designed colour for that group.
// Colours are BGR integers (red in the lowest byte), as the Skin interface.
class PaletteSkin : public host::Skin
{
public:
    struct Palette {
        long formBack = -1;
        long tabBack = -1;
        long font = -1;
        long toolbarBack = -1;
        long toolbarFont = -1;
        long buttonBack = -1;
    };

    explicit PaletteSkin(const Palette &palette) : m_palette(palette) {}

    long GetFormBackColor() const override { return m_palette.formBack; }
    long GetTabBackColor() const override { return m_palette.tabBack; }
    long GetColorFont() const override { return m_palette.font; }
    long GetToolbarBackColor() const override { return m_palette.toolbarBack; }
    long GetToolbarColorFont() const override { return m_palette.toolbarFont; }
    long GetButtonBackColor() const override { return m_palette.buttonBack; }

    const Palette &palette() const { return m_palette; }

    // A colour from its red, green and blue parts (0 to 255 each).
    static constexpr long bgr(int red, int green, int blue)
    {
        return long(red) | (long(green) << 8) | (long(blue) << 16);
    }

private:
    Palette m_palette;
};

} // namespace hostkit
