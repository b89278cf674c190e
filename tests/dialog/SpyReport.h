// What the spy DLL finds inside the running program, in one layout that both processes share.
#pragma once

#include <windows.h>

// The font a window draws with, as asked for and as the font mapper made it.
struct SpyFont {
    HFONT handle;
    LOGFONTA requested;
    char drawnFace[LF_FACESIZE];
    LONG cellHeight;
    LONG drawnWeight;
};

// The reply to a WM_CTLCOLOR* request: what the DC was set to and the brush handed back.
struct SpyColours {
    HBRUSH brush;
    COLORREF brushColour;
    COLORREF text;
    COLORREF background;
    int backgroundMode;
};

struct SpyWindow {
    HWND window;
    SpyFont font;
    SpyColours colours;
};

struct SpyReport {
    BOOL found;
    SpyWindow panel;
    // The panel's children in creation order.
    SpyWindow controls[9];
    // The opened lists of the two combo boxes, in creation order.
    SpyColours lists[2];
};
