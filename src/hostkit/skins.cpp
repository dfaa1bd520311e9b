#include "skins.h"

#include "hostkit/paletteskin.h"

namespace hostkit {
namespace {

constexpr auto bgr = PaletteSkin::bgr;

PaletteSkin::Palette darkPalette()
{
    PaletteSkin::Palette palette;
    palette.formBack = bgr(0x2b, 0x2d, 0x30);
    palette.tabBack = bgr(0x36, 0x3a, 0x3f);
    palette.font = bgr(0xe6, 0xe6, 0xe6);
    palette.toolbarBack = bgr(0x1f, 0x23, 0x28);
    palette.toolbarFont = bgr(0xcf, 0xe3, 0xf5);
    palette.buttonBack = bgr(0x45, 0x4f, 0x5a);
    return palette;
}

} // namespace

QStringList skinNames()
{
    return {QStringLiteral("classic"), QStringLiteral("dark")};
}

std::unique_ptr<host::Skin> createSkin(const QString &name)
{
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("classic"))
        return std::make_unique<PaletteSkin>(PaletteSkin::Palette{});
    if (key == QLatin1String("dark"))
        return std::make_unique<PaletteSkin>(darkPalette());
    return nullptr;
}

} // namespace hostkit
