// The icon's picture on the screen is compared with the same icon drawn here on the box's background.
#include "tests/support/SystemIcon.h"

#include <vector>

#include "tests/support/DialogProcess.h"

namespace {

std::vector<COLORREF> Pixels(HDC dc, int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
    return pixels;
}

}  // namespace

bool ShowsSystemIcon(HWND iconControl, LPCSTR icon) {
    RECT rect = ScreenRect(iconControl);
    int width = GetSystemMetrics(SM_CXICON), height = GetSystemMetrics(SM_CYICON);
    HDC screen = GetDC(nullptr);
    HDC shown = CreateCompatibleDC(screen), drawn = CreateCompatibleDC(screen);
    HBITMAP shownBits = CreateCompatibleBitmap(screen, width, height);
    HBITMAP drawnBits = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldShown = SelectObject(shown, shownBits), oldDrawn = SelectObject(drawn, drawnBits);
    BitBlt(shown, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    HBRUSH background = CreateSolidBrush(GetPixel(shown, 0, 0));
    RECT all{0, 0, width, height};
    FillRect(drawn, &all, background);
    DeleteObject(background);
    DrawIcon(drawn, 0, 0, LoadIconA(nullptr, icon));
    bool same = Pixels(shown, width, height) == Pixels(drawn, width, height);
    SelectObject(shown, oldShown);
    SelectObject(drawn, oldDrawn);
    DeleteObject(shownBits);
    DeleteObject(drawnBits);
    DeleteDC(shown);
    DeleteDC(drawn);
    ReleaseDC(nullptr, screen);
    return same;
}
