// Colours as the dialog names them: a system colour index (top bit set) or plain RGB.
#pragma once

#include <windows.h>
#include <cstdint>

namespace tk {

using Color = uint32_t;

constexpr Color clWindow = 0x80000000u | COLOR_WINDOW;
constexpr Color clWindowText = 0x80000000u | COLOR_WINDOWTEXT;
constexpr Color clBtnFace = 0x80000000u | COLOR_BTNFACE;

// Looked up at each use, so a change of the user's colour scheme shows at the next paint.
inline COLORREF ResolveColor(Color color) {
    return (color & 0x80000000u) ? GetSysColor(color & 0xFF) : COLORREF(color);
}

}  // namespace tk
