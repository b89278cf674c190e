// Loaded into the running program: fonts and colour replies are per process, so only it can show them.
#include <windows.h>

#include <cstring>

#include "tests/dialog/SpyReport.h"

namespace {

// What a DC holds before the reply, so that a colour left unset stands out.
constexpr COLORREF kUnsetText = RGB(1, 2, 3);
constexpr COLORREF kUnsetBackground = RGB(4, 5, 6);

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (process != GetCurrentProcessId() || std::strcmp(caption, "tolv.bot.setup") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

SpyFont DescribeFont(HWND window) {
    SpyFont font{};
    font.handle = HFONT(SendMessageA(window, WM_GETFONT, 0, 0));
    GetObjectA(font.handle, sizeof font.requested, &font.requested);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font.handle);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    GetTextFaceA(dc, LF_FACESIZE, font.drawnFace);
    font.cellHeight = metrics.tmHeight;
    font.drawnWeight = metrics.tmWeight;
    SelectObject(dc, old);
    DeleteDC(dc);
    return font;
}

// Asks the window that answers for a control, as the control itself does before it paints.
SpyColours AskColours(HWND answering, UINT message, HWND painted) {
    SpyColours colours{};
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, kUnsetText);
    SetBkColor(dc, kUnsetBackground);
    SetBkMode(dc, TRANSPARENT);
    colours.brush = HBRUSH(SendMessageA(answering, message, WPARAM(dc), LPARAM(painted)));
    LOGBRUSH brush{};
    colours.brushColour = GetObjectA(colours.brush, sizeof brush, &brush) ? brush.lbColor : CLR_INVALID;
    colours.text = GetTextColor(dc);
    colours.background = GetBkColor(dc);
    colours.backgroundMode = GetBkMode(dc);
    DeleteDC(dc);
    return colours;
}

// The request each kind of control sends for its own painting.
UINT ColourRequestOf(HWND window) {
    char name[32] = "";
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "Edit") == 0 || lstrcmpiA(name, "ComboBox") == 0) return WM_CTLCOLOREDIT;
    if (lstrcmpiA(name, "Button") == 0) {
        LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
        return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC;
    }
    return WM_CTLCOLORSTATIC;
}

SpyWindow Describe(HWND window) {
    return SpyWindow{window, DescribeFont(window), AskColours(GetParent(window), ColourRequestOf(window), window)};
}

}  // namespace

// Runs on a thread of its own in the program; the window messages it sends are handled by the dialog's thread.
extern "C" __declspec(dllexport) DWORD WINAPI SpyOnDialog(void* out) {
    auto* report = static_cast<SpyReport*>(out);
    HWND form = nullptr;
    EnumWindows(FindDialog, LPARAM(&form));
    if (!form) return 1;
    HWND panel = GetWindow(form, GW_CHILD);
    report->panel = Describe(panel);
    int index = 0, lists = 0;
    for (HWND child = GetWindow(panel, GW_CHILD); child && index < 9; child = GetWindow(child, GW_HWNDNEXT)) {
        report->controls[index++] = Describe(child);
        COMBOBOXINFO combo{};
        combo.cbSize = sizeof combo;
        if (lists < 2 && GetComboBoxInfo(child, &combo))
            report->lists[lists++] = AskColours(child, WM_CTLCOLORLISTBOX, combo.hwndList);
    }
    report->found = index == 9 && lists == 2;
    return 0;
}
