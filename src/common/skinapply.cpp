#include "skinapply.h"

#include "skincolors.h"
#include "platform/ui/controlcolors.h"

#include <QGuiApplication>
#include <cmath>

namespace {

long colorOrNone(long (*getter)(const host::Skin *), const host::Skin *skin)
{
    try {
        return getter(skin);
    } catch (...) {
        return -1;
    }
}

double luminance(const QColor &color)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

QColor mixed(const QColor &top, const QColor &bottom, double amount)
{
    return QColor::fromRgbF(float(top.redF() * amount + bottom.redF() * (1 - amount)),
                            float(top.greenF() * amount + bottom.greenF() * (1 - amount)),
                            float(top.blueF() * amount + bottom.blueF() * (1 - amount)));
}

// A background role in every state.
void setAll(QPalette &palette, QPalette::ColorRole role, const QColor &color)
{
    palette.setColor(role, color);
}

} // namespace

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

std::optional<QPalette> SkinPalette(const host::Skin *skin)
{
    const long form = colorOrNone(GetFormBackColor, skin);
    const long tab = colorOrNone(GetTabBackColor, skin);
    const long font = colorOrNone(GetColorFont, skin);
    if (form < 0 || tab < 0 || font < 0)
        return std::nullopt;
    const QColor window = SkinColorToQColor(tab);
    const QColor text = SkinColorToQColor(font);
    const bool dark = luminance(window) < 0.2;
    const long buttonColor = colorOrNone(GetButtonBackColor, skin);
    const QColor button = buttonColor >= 0 ? SkinColorToQColor(buttonColor)
                                           : (dark ? window.lighter(125) : window);

    QPalette palette = QGuiApplication::palette();
    setAll(palette, QPalette::Window, window);
    setAll(palette, QPalette::Button, button);
    setAll(palette, QPalette::ToolTipBase, SkinColorToQColor(form));
    if (dark) {
        // Boxes a shade darker than the page; bevels from the button face.
        const QColor base = mixed(window, Qt::black, 0.85);
        setAll(palette, QPalette::Base, base);
        setAll(palette, QPalette::AlternateBase, mixed(window, base, 0.5));
        setAll(palette, QPalette::Light, button.lighter(150));
        setAll(palette, QPalette::Midlight, button.lighter(125));
        setAll(palette, QPalette::Mid, mixed(button, Qt::black, 0.7));
        setAll(palette, QPalette::Dark, mixed(button, Qt::black, 0.5));
        setAll(palette, QPalette::Shadow, Qt::black);
        setAll(palette, QPalette::Highlight, QColor(0x2f, 0x5f, 0x9e));
        setAll(palette, QPalette::BrightText, Qt::white);
        setAll(palette, QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
        setAll(palette, QPalette::LinkVisited, QColor(0xc5, 0x8a, 0xf9));
        palette.setColor(QPalette::Disabled, QPalette::Base, window);
        ui::setTextColor(palette, QPalette::HighlightedText, Qt::white);
    }
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                           QPalette::ToolTipText})
        ui::setTextColor(palette, role, text);
    QColor placeholder = text;
    placeholder.setAlphaF(0.6f);
    setAll(palette, QPalette::PlaceholderText, placeholder);
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}

void ApplySkinScheme(QWidget &window, const host::Skin *skin)
{
    ui::applyWindowScheme(window, SkinPalette(skin));
}

double ContrastRatio(const QColor &text, const QColor &background)
{
    const QColor drawn = mixed(text, background, text.alphaF());
    const double a = luminance(drawn) + 0.05;
    const double b = luminance(background) + 0.05;
    return a > b ? a / b : b / a;
}
