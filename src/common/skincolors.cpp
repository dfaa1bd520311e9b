#include "skincolors.h"

#include "errorcore/error.h"
#include "host/skin.h"

namespace {

const host::Skin &requireSkin(const host::Skin *pSkin)
{
    if (!pSkin)
        throw Error::fromNumber(91);
    return *pSkin;
}

} // namespace

long GetButtonBackColor(const host::Skin *pSkin)
{
    return requireSkin(pSkin).GetButtonBackColor();
}

long GetColorFont(const host::Skin *pSkin)
{
    return requireSkin(pSkin).GetColorFont();
}

long GetFormBackColor(const host::Skin *pSkin)
{
    return requireSkin(pSkin).GetFormBackColor();
}

long GetTabBackColor(const host::Skin *pSkin)
{
    return requireSkin(pSkin).GetTabBackColor();
}

long GetToolbarBackColor(const host::Skin *pSkin)
{
    return requireSkin(pSkin).GetToolbarBackColor();
}

long GetToolbarColorFont(const host::Skin *pSkin)
{
    return requireSkin(pSkin).GetToolbarColorFont();
}
