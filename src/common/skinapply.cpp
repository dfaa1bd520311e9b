#include "skinapply.h"

void ApplySkinColor(long (*getter)(const host::Skin *), const host::Skin *skin,
                    const std::function<void(const QColor &)> &apply)
{
    long color = -1;
    try {
        color = getter(skin);
    } catch (...) {
        return;
    }
    if (color <= -1)
        return;
    try {
        apply(SkinColorToQColor(color));
    } catch (...) {
    }
}

QColor SkinColorToQColor(long bgr)
{
    return QColor(int(bgr & 0xff), int((bgr >> 8) & 0xff), int((bgr >> 16) & 0xff));
}
