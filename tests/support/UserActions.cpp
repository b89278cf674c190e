// Every step ends on a condition the test can see from outside, so the next step never races the program.
#include "tests/support/UserActions.h"

#include <gtest/gtest.h>

#include "tests/support/Input.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

bool PickWithMouse(const DialogProcess& dialog, HWND combo, int index) {
    ClickWindow(combo);
    HWND list = nullptr;
    if (!WaitUntil([&] { return DialogProcess::Dropped(combo) && (list = OpenedList(dialog)) != nullptr; })) {
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
    return WaitUntil([&] { return !DialogProcess::Dropped(combo) && DialogProcess::CurrentIndex(combo) == index; }) &&
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

bool TypeAtEnd(const DialogProcess& dialog, HWND edit, const std::string& text) {
    std::string expected = DialogProcess::Text(edit) + text;
    ClickWindow(edit);
    if (!WaitUntil([&] { return dialog.Focus() == edit; })) return false;
    PressKey(VK_END);
    TypeText(text);
    return WaitUntil([&] { return DialogProcess::Text(edit) == expected; }) && dialog.WaitIdle();
}

bool ToggleWithMouse(const DialogProcess& dialog, HWND check) {
    bool before = DialogProcess::Checked(check);
    ClickWindow(check);
    return WaitUntil([&] { return DialogProcess::Checked(check) != before; }) && dialog.WaitIdle();
}

bool OpenWindowMenu(const DialogProcess& dialog) {
    PressKeys({VK_MENU, VK_SPACE});
    return WaitUntil([&] { return MenuShown(dialog); });
}

namespace {

bool EndsNormally(DialogProcess& dialog, DWORD timeoutMs, const char* after) {
    bool ended = dialog.WaitForExit(timeoutMs);
    EXPECT_TRUE(ended) << "the program did not end after " << after;
    if (!ended) return false;
    EXPECT_EQ(dialog.ExitCode(), 0u);
    return dialog.ExitCode() == 0;
}

}  // namespace

bool PressOkAndExpectExit(DialogProcess& dialog, DWORD timeoutMs) {
    ClickWindow(dialog.Control(Ctl::OkButton));
    return EndsNormally(dialog, timeoutMs, "Ok");
}

bool CloseWithAltF4(DialogProcess& dialog) {
    if (!WaitUntil([&] { return GetForegroundWindow() == dialog.Form(); })) {
        ADD_FAILURE() << "the dialog is not the active window";
        return false;
    }
    PressKeys({VK_MENU, VK_F4});
    return EndsNormally(dialog, kPatience, "Alt+F4");
}
