#pragma once

#include <QColor>
#include <functional>

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
