#include "skincolors.h"

#include <QPalette>

ScriptTokenColors GetScriptTokenColors(const QPalette &pPanePalette)
{
    const QColor plain = pPanePalette.color(QPalette::Active, QPalette::Text);
    if (pPanePalette.color(QPalette::Active, QPalette::Base).lightness() >= 128)
        return {QColor(0x00, 0x00, 0xff), QColor(0x00, 0x80, 0x00), QColor(0xa3, 0x15, 0x15),
                QColor(0x80, 0x00, 0xa0), QColor(0x9a, 0x5b, 0x00), plain};
    return {QColor(0x7c, 0xb7, 0xff), QColor(0x8f, 0xc7, 0x8a), QColor(0xf0, 0xa6, 0x82),
            QColor(0xd4, 0xa8, 0xff), QColor(0xe8, 0xc0, 0x6a), plain};
}
