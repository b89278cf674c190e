// The sizing border stays for its look, but neither the mouse nor the window menu can change the size.
#include <gtest/gtest.h>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Sentinel.h"
#include "tests/support/Input.h"
#include "tests/support/UserActions.h"
#include "tests/support/Wait.h"

namespace {

struct BorderPoint {
    const char* name;
    int hitOfASizableWindow;
    POINT (*at)(const RECT&);
};

// One pixel inside the outer edge, where an ordinary sizable window starts a resize.
const BorderPoint kBorder[] = {
    {"left edge", HTLEFT, [](const RECT& r) { return POINT{r.left + 1, (r.top + r.bottom) / 2}; }},
    {"right edge", HTRIGHT, [](const RECT& r) { return POINT{r.right - 2, (r.top + r.bottom) / 2}; }},
    {"top edge", HTTOP, [](const RECT& r) { return POINT{(r.left + r.right) / 2, r.top + 1}; }},
    {"bottom edge", HTBOTTOM, [](const RECT& r) { return POINT{(r.left + r.right) / 2, r.bottom - 2}; }},
    {"top-left corner", HTTOPLEFT, [](const RECT& r) { return POINT{r.left + 1, r.top + 1}; }},
    {"top-right corner", HTTOPRIGHT, [](const RECT& r) { return POINT{r.right - 2, r.top + 1}; }},
    {"bottom-left corner", HTBOTTOMLEFT, [](const RECT& r) { return POINT{r.left + 1, r.bottom - 2}; }},
    {"bottom-right corner", HTBOTTOMRIGHT, [](const RECT& r) { return POINT{r.right - 2, r.bottom - 2}; }},
};

LRESULT HitTest(HWND window, POINT screen) {
    return SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

}  // namespace

class FixedSize : public RunningDialog {};

TEST_F(FixedSize, EveryPointOfTheSizingBorderIsAPlainBorder) {
    RECT outer = ScreenRect(Form());
    // The same frame at the same place in this process, to show that the points are sizing points.
    HWND sizable = CreateWindowExA(0, "STATIC", "", WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, outer.left, outer.top,
                                   outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(sizable, nullptr);
    for (const BorderPoint& point : kBorder) {
        SCOPED_TRACE(point.name);
        EXPECT_EQ(DefWindowProcA(sizable, WM_NCHITTEST, 0, MAKELPARAM(point.at(outer).x, point.at(outer).y)),
                  point.hitOfASizableWindow);
        EXPECT_EQ(HitTest(Form(), point.at(outer)), HTBORDER);
    }
    DestroyWindow(sizable);
}

TEST_F(FixedSize, DraggingAnEdgeOrACornerChangesNothing) {
    const RECT before = ScreenRect(Form());
    for (const BorderPoint& point : kBorder) {
        SCOPED_TRACE(point.name);
        POINT from = point.at(before);
        MouseDown(from);
        for (int step = 1; step <= 4; ++step) MouseMove(POINT{from.x + 10 * step, from.y + 8 * step});
        MouseUp(POINT{from.x + 40, from.y + 32});
        ASSERT_TRUE(AllInputHandled(dialog_));
        EXPECT_EQ(ScreenRect(Form()), before);
    }
}

TEST_F(FixedSize, TheWindowMenusSizeCommandChangesNothing) {
    const RECT before = ScreenRect(Form());
    HWND edit = Control(Ctl::NickPrefixEdit);
    Click(At(edit, 150, 9));
    ASSERT_TRUE(WaitUntil([&] { return dialog_.Focus() == edit; }));
    ASSERT_TRUE(OpenWindowMenu(dialog_));
    PressKey('S');
    ASSERT_TRUE(WaitUntil([&] { return !InMenuMode(dialog_); }));
    // A size loop would wait for an arrow key and drop this letter; a letter loses nothing on the way.
    PressKey(VK_END);
    TypeText("x");
    EXPECT_TRUE(WaitUntil([&] {
        std::string text = DialogProcess::Text(edit);
        return !text.empty() && text.back() == 'x';
    })) << "the letter went to a size loop";
    EXPECT_EQ(GuiFlags(dialog_) & GUI_INMOVESIZE, 0u);
    EXPECT_EQ(ScreenRect(Form()), before);
}
