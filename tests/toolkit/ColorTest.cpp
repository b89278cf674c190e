// Colour values: a system colour index looked up at each use, or plain RGB.
#include <gtest/gtest.h>

#include "toolkit/Color.h"
#include "toolkit/EditBox.h"
#include "toolkit/Form.h"

TEST(ResolveColor, LooksUpASystemColourIndexAndPassesRgbThrough) {
    struct Row {
        const char* name;
        tk::Color value;
        COLORREF expected;
    } rows[] = {
        {"COLOR_BTNFACE", 0x8000000Fu, GetSysColor(COLOR_BTNFACE)},
        {"COLOR_WINDOWTEXT", 0x80000008u, GetSysColor(COLOR_WINDOWTEXT)},
        {"COLOR_WINDOW", 0x80000005u, GetSysColor(COLOR_WINDOW)},
        {"COLOR_HIGHLIGHT", 0x80000000u | COLOR_HIGHLIGHT, GetSysColor(COLOR_HIGHLIGHT)},
        {"index 0, COLOR_SCROLLBAR", 0x80000000u, GetSysColor(COLOR_SCROLLBAR)},
        {"only the low byte is the index", 0x8012340Fu, GetSysColor(COLOR_BTNFACE)},
        {"RGB", RGB(1, 2, 3), RGB(1, 2, 3)},
        {"black", 0, RGB(0, 0, 0)},
        {"white", 0x00FFFFFFu, RGB(255, 255, 255)},
    };
    for (const Row& row : rows) EXPECT_EQ(tk::ResolveColor(row.value), row.expected) << row.name;
}

TEST(ResolveColor, AControlPaintsInTheSystemColourOfTheMomentNotOfItsCreation) {
    tk::Form* form = tk::NewForm(nullptr, "colours");
    tk::EditBox* edit = tk::NewEditBox(form)->SetColor(tk::clWindow);
    const int index = COLOR_WINDOW;
    const COLORREF saved = GetSysColor(index);
    const COLORREF changed = RGB(10, 20, 30);
    SetSysColors(1, &index, &changed);

    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageA(form->Handle(), WM_CTLCOLOREDIT, WPARAM(dc), LPARAM(edit->Handle()));
    COLORREF painted = GetBkColor(dc);
    DeleteDC(dc);
    SetSysColors(1, &index, &saved);
    delete form;

    EXPECT_EQ(painted, changed);
}
