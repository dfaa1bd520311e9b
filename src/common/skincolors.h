#pragma once

#include <QColor>

class QPalette;

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
