#include "controlcolors.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QCheckBox>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QRadioButton>
#include <QStyleOption>
#include <QToolButton>
#include <QVariant>
#include <QWidget>

namespace ui {
namespace {

std::optional<QPalette> &windowPalette()
{
    static std::optional<QPalette> palette;
    return palette;
}

const char *const designedIconProperty = "skinDesignedIcon";
const char *const designedPaletteProperty = "skinDesignedPalette";

// The icon with every dark pixel made light in the same hue.
QIcon lightened(const QIcon &icon)
{
    QIcon result;
    for (const int side : {16, 24, 32}) {
        QImage image = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                QColor colour = QColor::fromRgba(line[x]);
                if (colour.alpha() == 0 || colour.lightnessF() >= 0.5f)
                    continue;
                const float hue = colour.hslHueF();
                colour.setHslF(hue, colour.hslSaturationF(), 1.0f - colour.lightnessF() * 0.7f, colour.alphaF());
                line[x] = colour.rgba();
            }
        }
        result.addPixmap(QPixmap::fromImage(image));
    }
    return result;
}

template <class Holder>
void fitIcon(Holder &holder, bool dark)
{
    const QVariant designed = holder.property(designedIconProperty);
    if (!dark) {
        if (designed.isValid())
            holder.setIcon(designed.template value<QIcon>());
        return;
    }
    if (!designed.isValid()) {
        if (holder.icon().isNull())
            return;
        holder.setProperty(designedIconProperty, QVariant::fromValue(holder.icon()));
    }
    holder.setIcon(lightened(holder.property(designedIconProperty).template value<QIcon>()));
}

// The application's style, with a check box's or radio button's indicator
// outlined in the text colour on a dark window: the base style draws that
// outline a shade darker than the window, where an unchecked box vanishes.
class IndicatorStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if ((element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
            || option->palette.color(QPalette::Window).lightness() >= 128)
            return;
        QColor outline = option->palette.color(QPalette::WindowText);
        outline.setAlphaF(0.6f);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(outline);
        painter->setBrush(Qt::NoBrush);
        const QRectF box = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (element == PE_IndicatorCheckBox)
            painter->drawRect(box);
        else
            painter->drawEllipse(box);
        painter->restore();
    }
};

// One style for every indicator, owned by the application.
QStyle *indicatorStyle()
{
    static QPointer<IndicatorStyle> style;
    if (!style) {
        style = new IndicatorStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void setTextColor(QPalette &palette, QPalette::ColorRole role, const QColor &color)
{
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    QColor dimmed = color;
    dimmed.setAlphaF(0.5f);
    palette.setColor(QPalette::Disabled, role, dimmed);
}

void setBackColor(QWidget &control, const QColor &color)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Window, color);
    if (qobject_cast<QAbstractButton *>(&control))
        palette.setColor(QPalette::Button, color);
    palette.setColor(control.backgroundRole(), color);
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

void setForeColor(QWidget &control, const QColor &color)
{
    QPalette palette = control.palette();
    setTextColor(palette, QPalette::WindowText, color);
    setTextColor(palette, QPalette::ButtonText, color);
    setTextColor(palette, control.foregroundRole(), color);
    control.setPalette(palette);
}

void setWindowPalette(const std::optional<QPalette> &palette)
{
    windowPalette() = palette;
}

void applyWindowPalette(QWidget &window)
{
    const std::optional<QPalette> &palette = windowPalette();
    if (!palette)
        return;
    QPalette merged = window.palette().resolve(*palette);
    merged.setResolveMask(~QPalette::ResolveMask(0));   // every role is the window's own now
    window.setPalette(merged);
    fitIconsToBackground(window);
}

} // namespace ui

namespace ui {

void fitIconsToBackground(QWidget &window)
{
    const bool dark = window.palette().color(QPalette::Window).lightness() < 128;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        // A tool bar's button shows its action's icon: the action is fitted.
        const auto *tool = qobject_cast<QToolButton *>(button);
        if (!tool || !tool->defaultAction())
            fitIcon(*button, dark);
        if (dark && (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button))
            && button->style() != indicatorStyle())
            button->setStyle(indicatorStyle());
    }
    for (QAction *action : window.findChildren<QAction *>())
        fitIcon(*action, dark);
}

} // namespace ui

namespace ui {

void setSkinPalette(QWidget &control, const QPalette &palette)
{
    if (!control.property(designedPaletteProperty).isValid())
        control.setProperty(designedPaletteProperty,
                            control.testAttribute(Qt::WA_SetPalette) ? QVariant(control.palette()) : QVariant(false));
    control.setPalette(palette);
}

void applyWindowScheme(QWidget &window, const std::optional<QPalette> &scheme)
{
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    for (QWidget *widget : widgets) {
        const QVariant designed = widget->property(designedPaletteProperty);
        if (!designed.isValid())
            continue;
        widget->setPalette(designed.typeId() == QMetaType::QPalette ? designed.value<QPalette>() : QPalette());
        widget->setProperty(designedPaletteProperty, QVariant());
    }

    setWindowPalette(scheme);
    if (scheme) {
        setSkinPalette(window, *scheme);
        for (QMenu *menu : window.findChildren<QMenu *>())
            setSkinPalette(*menu, *scheme);
    }
    fitIconsToBackground(window);
}

} // namespace ui
