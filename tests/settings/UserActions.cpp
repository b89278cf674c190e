// Every step ends on a condition the test can see from outside, so the next step never races the program.
#include "tests/settings/UserActions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "tests/support/Input.h"
#include "tests/support/Wait.h"

namespace {

bool Dropped(HWND combo) { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

struct Others {
    DWORD processId;
    HWND form;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOthers(HWND window, LPARAM lParam) {
    auto* others = reinterpret_cast<Others*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == others->processId && window != others->form && IsWindowVisible(window))
        others->found.push_back(window);
    return TRUE;
}

// GetComboBoxInfo does not reach across processes under Wine; the opened list is the one visible list window.
HWND OpenedList(const DialogProcess& dialog) {
    for (HWND window : OtherWindows(dialog))
        if (ClassOf(window) == "ComboLBox") return window;
    return nullptr;
}

// The middle of the part of the title bar, found by asking the window what lies under each point near one end.
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

bool PickWithMouse(const DialogProcess& dialog, HWND combo, int index) {
    ClickWindow(combo);
    HWND list = nullptr;
    if (!WaitUntil([&] { return Dropped(combo) && (list = OpenedList(dialog)) != nullptr; })) {
        ADD_FAILURE() << "the list did not open";
        return false;
    }
    dialog.WaitIdle();
    RECT item{};
    if (SendMessageA(list, LB_GETITEMRECT, WPARAM(index), LPARAM(&item)) == LB_ERR) {
        ADD_FAILURE() << "no item " << index << " in the opened list";
        return false;
    }
    RECT client;
    GetClientRect(list, &client);
    if (item.top < 0 || item.bottom > client.bottom) {
        ADD_FAILURE() << "item " << index << " is scrolled out of the opened list";
        return false;
    }
    POINT point{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(list, &point);
    Click(point);
    return WaitUntil([&] { return !Dropped(combo) && DialogProcess::CurrentIndex(combo) == index; }) &&
           dialog.WaitIdle();
}

bool FocusClosed(const DialogProcess& dialog, HWND combo) {
    // Closing with Escape would keep whatever item the pointer crossed while the list was open.
    int shown = DialogProcess::CurrentIndex(combo);
    return PickWithMouse(dialog, combo, shown) && dialog.Focus() == combo;
}

bool TypeOver(const DialogProcess& dialog, HWND edit, const std::string& text) {
    ClickWindow(edit);
    if (!WaitUntil([&] { return dialog.Focus() == edit; })) return false;
    PressKey(VK_END);
    PressKeys({VK_SHIFT, VK_HOME});
    if (text.empty())
        PressKey(VK_DELETE);
    else
        TypeText(text);
    return WaitUntil([&] { return DialogProcess::Text(edit) == text; }) && dialog.WaitIdle();
}

bool ToggleWithMouse(const DialogProcess& dialog, HWND check) {
    bool before = DialogProcess::Checked(check);
    ClickWindow(check);
    return WaitUntil([&] { return DialogProcess::Checked(check) != before; }) && dialog.WaitIdle();
}

POINT CloseBoxPoint(HWND form) { return FindHit(form, HTCLOSE, true); }
POINT WindowMenuPoint(HWND form) { return FindHit(form, HTSYSMENU, false); }

std::vector<HWND> OtherWindows(const DialogProcess& dialog) {
    Others others{dialog.ProcessId(), dialog.Form(), {}};
    EnumWindows(CollectOthers, LPARAM(&others));
    return others.found;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}
