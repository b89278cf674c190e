// Every search asks Windows, as a user's eye would: by class, by visibility, by what a point of the frame is.
#include "tests/support/WindowFinders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

struct Search {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfProcess(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) search->found.push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM lParam) {
    if (IsWindowVisible(window)) reinterpret_cast<std::set<HWND>*>(lParam)->insert(window);
    return TRUE;
}

// The middle of a part of the title bar, from what the window says lies under each point near one end.
POINT FindHit(HWND form, LRESULT part, bool atRight) {
    RECT frame = ScreenRect(form);
    RECT box{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = frame.top; y < frame.top + 48; ++y) {
        for (int step = 0; step < 64; ++step) {
            int x = atRight ? frame.right - 1 - step : frame.left + step;
            if (SendMessageA(form, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != part) continue;
            box = RECT{std::min(box.left, LONG(x)), std::min(box.top, LONG(y)), std::max(box.right, LONG(x)),
                       std::max(box.bottom, LONG(y))};
        }
    }
    if (box.left > box.right) ADD_FAILURE() << "the title bar has no part " << part;
    return POINT{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

}  // namespace

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string CaptionOf(HWND window) {
    char text[64] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(CollectOfProcess, LPARAM(&search));
    return search.found;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (lstrcmpiA(ClassOf(child).c_str(), className) == 0) found.push_back(child);
    return found;
}

std::vector<HWND> OtherWindows(const DialogProcess& dialog) {
    std::vector<HWND> others;
    for (HWND window : TopLevelWindowsOf(dialog.ProcessId()))
        if (window != dialog.Form() && IsWindowVisible(window)) others.push_back(window);
    return others;
}

std::vector<HWND> WindowsOfClass(const DialogProcess& dialog, const char* className) {
    std::vector<HWND> found;
    for (HWND window : TopLevelWindowsOf(dialog.ProcessId()))
        if (lstrcmpiA(ClassOf(window).c_str(), className) == 0) found.push_back(window);
    return found;
}

HWND ShownWindowOfClass(const DialogProcess& dialog, const char* className) {
    for (HWND window : WindowsOfClass(dialog, className))
        if (IsWindowVisible(window)) return window;
    return nullptr;
}

std::set<HWND> VisibleTopLevelWindows() {
    std::set<HWND> windows;
    EnumWindows(CollectVisible, LPARAM(&windows));
    return windows;
}

HWND OpenedList(const DialogProcess& dialog) { return ShownWindowOfClass(dialog, "ComboLBox"); }
HWND MessageBoxOf(const DialogProcess& dialog) { return ShownWindowOfClass(dialog, "#32770"); }
bool MenuShown(const DialogProcess& dialog) { return ShownWindowOfClass(dialog, "#32768") != nullptr; }

POINT CloseBoxPoint(HWND form) { return FindHit(form, HTCLOSE, true); }
POINT WindowMenuPoint(HWND form) { return FindHit(form, HTSYSMENU, false); }
