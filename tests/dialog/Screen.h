// What the desktop shows at a point: Wine's virtual desktop reads back what was drawn.
#pragma once

#include <windows.h>

inline COLORREF ScreenPixel(POINT screen) {
    HDC desktop = GetDC(nullptr);
    COLORREF pixel = GetPixel(desktop, screen.x, screen.y);
    ReleaseDC(nullptr, desktop);
    return pixel;
}
