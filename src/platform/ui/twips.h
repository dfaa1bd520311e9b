#pragma once

#include <QRect>

// Design sizes are in twips (1/1440 inch): 15 twips to a pixel at 96 dpi.
// Qt scales device-independent pixels for the screen, so the conversion is fixed.
namespace ui {

constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return twips / TwipsPerPixel; }
constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

} // namespace ui
