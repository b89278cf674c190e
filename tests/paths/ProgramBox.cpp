// Text is read with the wide messages: across processes the ANSI ones turn every letter outside the code page into "?".
#include "tests/paths/ProgramBox.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Input.h"
#include "tests/support/SystemIcon.h"
#include "tests/support/Wait.h"
#include "tests/support/WidePaths.h"

namespace {

std::wstring WideText(HWND window) {
    std::wstring text(size_t(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
    text.resize(size_t(SendMessageW(window, WM_GETTEXT, text.size(), LPARAM(&text[0]))));
    return text;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == className) found.push_back(child);
    return found;
}

// Wine makes the box for a deep folder wider than the screen, its icon beyond the left edge, where Windows wraps the
// path: as a player would drag it into view, the test moves it there.
void BringIntoView(HWND box, HWND part) {
    if (ScreenRect(part).left >= 0) return;
    RECT rect = ScreenRect(box);
    SetWindowPos(box, nullptr, 0, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitUntil([&] { return ScreenRect(part).left >= 0; })) << "the box did not move";
}

}  // namespace

HWND WaitForBox(const DialogProcess& dialog) {
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = dialog.ShownWindowOfClass("#32770")) != nullptr || !dialog.Running(); }) ||
        !box)
        ADD_FAILURE() << "no message box appeared";
    return box;
}

void ExpectErrorBox(HWND box, HWND owner, const std::wstring& text) {
    EXPECT_EQ(GetWindow(box, GW_OWNER), owner) << "the box belongs to the dialog";
    EXPECT_EQ(Utf8(WideText(box)), "tolv.bot.setup");
    std::vector<std::string> texts;
    std::vector<HWND> icons;
    for (HWND label : ChildrenOfClass(box, L"Static")) {
        if ((GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icons.push_back(label);
        else
            texts.push_back(Utf8(WideText(label)));
    }
    EXPECT_EQ(texts, std::vector<std::string>{Utf8(text)});
    EXPECT_EQ(icons.size(), 1u) << "one icon";
    if (icons.size() == 1) {
        BringIntoView(box, icons[0]);
        EXPECT_TRUE(WaitUntil([&] { return ShowsSystemIcon(icons[0], IDI_ERROR); })) << "not the error icon";
    }
    std::vector<HWND> buttons = ChildrenOfClass(box, L"Button");
    EXPECT_EQ(buttons.size(), 1u) << "one button";
    if (buttons.size() == 1) {
        EXPECT_EQ(Utf8(WideText(buttons[0])), "OK");
    }
}

bool Dismiss(HWND box) {
    ClickWindow(GetDlgItem(box, IDOK));
    return WaitUntil([&] { return !IsWindow(box); });
}

HWND HiddenFormOwning(HWND box) {
    HWND owner = GetWindow(box, GW_OWNER);
    if (!owner || ClassOf(owner) != L"tk.Form" || WideText(owner) != L"tolv.bot.setup" || IsWindowVisible(owner))
        return nullptr;
    return owner;
}
