#pragma once

#include "errorcore/error.h"
#include "host/skin.h"

#include <QColor>

class QPalette;

// Skin colour getters of the General module: each asks the host's skin for
// the member of the same name and returns its colour (BGR, red in the lowest
// byte; negative: the skin gives no colour). No handler and no default of
// their own: a null skin raises 91, a skin lacking the member raises 438
// (host::Skin's own answer), and the caller decides (the windows keep their
// designed colour for that group).
template <long (host::Skin::*member)() const>
long skinColor(const host::Skin *pSkin)
{
    if (!pSkin)
        throw Error::fromNumber(91);
    return (pSkin->*member)();
}

using SkinColorGetter = long (*)(const host::Skin *);
inline constexpr SkinColorGetter GetButtonBackColor = skinColor<&host::Skin::GetButtonBackColor>;
inline constexpr SkinColorGetter GetColorFont = skinColor<&host::Skin::GetColorFont>;
inline constexpr SkinColorGetter GetFormBackColor = skinColor<&host::Skin::GetFormBackColor>;
inline constexpr SkinColorGetter GetTabBackColor = skinColor<&host::Skin::GetTabBackColor>;
inline constexpr SkinColorGetter GetToolbarBackColor = skinColor<&host::Skin::GetToolbarBackColor>;
inline constexpr SkinColorGetter GetToolbarColorFont = skinColor<&host::Skin::GetToolbarColorFont>;

// The colours of a script's tokens in a pane: the designed ones on a light
// background, lighter ones that read (at least 4.5:1) on a dark one, as the
// pane's palette (its base and text colours, which the skin sets) asks.
struct ScriptTokenColors
{
    QColor keyword;
    QColor comment;
    QColor string;
    QColor number;
    QColor operatorSign;
    QColor plain;
};
ScriptTokenColors GetScriptTokenColors(const QPalette &pPanePalette);
