#pragma once

namespace host {
class Skin;
}

// Skin colour getters of the General module: each asks the host's skin for
// the member of the same name and returns its colour (BGR, red in the lowest
// byte; negative: the skin gives no colour). No handler and no default of
// their own: a null skin raises 91, a skin lacking the member raises 438
// (host::Skin's own answer), and the caller decides (the windows keep their
// designed colour for that group).
long GetButtonBackColor(const host::Skin *pSkin);
long GetColorFont(const host::Skin *pSkin);
long GetFormBackColor(const host::Skin *pSkin);
long GetTabBackColor(const host::Skin *pSkin);
long GetToolbarBackColor(const host::Skin *pSkin);
long GetToolbarColorFont(const host::Skin *pSkin);
