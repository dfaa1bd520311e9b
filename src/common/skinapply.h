#pragma once

#include <QColor>
#include <QPalette>
#include <functional>
#include <optional>

class QWidget;

namespace host {
class Skin;
}

// The step every window's ApplySkin repeats for each colour: asks `getter`
// (one of the skin colour getters) and, when the answer is greater than -1,
// hands it to `apply` as a colour. A getter that fails (no skin, a skin
// without the member) counts as no colour; a failing `apply` is skipped.
void ApplySkinColor(long (*getter)(const host::Skin *), const host::Skin *skin,
                    const std::function<void(const QColor &)> &apply);

// A skin colour (red in the lowest byte, then green and blue) as a QColor.
QColor SkinColorToQColor(long bgr);

// The whole palette of a skin that gives a colour scheme (a form, a page and
// a text colour): every role derived from its colours, so that input boxes,
// lists, menus, script panes and message boxes follow it, with disabled text
// dimmed. None for a skin that gives less (only its groups are coloured).
std::optional<QPalette> SkinPalette(const host::Skin *skin);

// Puts a window in its skin's scheme before the window colours its groups
// (ui::applyWindowScheme with SkinPalette): the designed colours first, then
// the scheme of a skin that has one, for the window, its menus and the
// windows the seams open afterwards.
void ApplySkinScheme(QWidget &window, const host::Skin *skin);

// The contrast ratio of two colours (1 to 21), of their relative luminances;
// a colour with transparency counts as drawn over `background`.
double ContrastRatio(const QColor &text, const QColor &background);
