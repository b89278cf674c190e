// The form and its panel as they open: caption, frame, size, place.
#include <gtest/gtest.h>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Screen.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

class Window : public RunningDialog {};

TEST_F(Window, HasItsCaptionACloseBoxAndNoMinimizeOrMaximizeBox) {
    EXPECT_EQ(DialogProcess::Text(Form()), "tolv.bot.setup");
    EXPECT_EQ(DWORD(GetWindowLongA(Form(), GWL_STYLE)),
              DWORD(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
    EXPECT_EQ(GetParent(Form()), nullptr);
    EXPECT_EQ(GetWindow(Form(), GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(Form()), nullptr);
}

TEST_F(Window, ClientAreaIs217By161) {
    RECT client{};
    GetClientRect(Form(), &client);
    EXPECT_EQ(client.right, 217);
    EXPECT_EQ(client.bottom, 161);
}

TEST_F(Window, OpensCentredOnTheScreenNotWhereItWasFirstPlaced) {
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    RECT outer = ScreenRect(Form());
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    EXPECT_EQ(outer.left, (1024 - width) >> 1) << "width " << width;
    EXPECT_EQ(outer.top, (768 - height) >> 1) << "height " << height;
    EXPECT_FALSE(outer.left == 406 && outer.top == 304);
}

TEST_F(Window, PanelCoversTheClientAreaAlone) {
    HWND panel = dialog_.Panel();
    EXPECT_STRCASEEQ(ClassOf(panel).c_str(), "STATIC");
    EXPECT_EQ(DialogProcess::Text(panel), "");
    DWORD style = DWORD(GetWindowLongA(panel, GWL_STYLE));
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | SS_SUNKEN), DWORD(WS_CHILD | WS_VISIBLE | SS_SUNKEN));
    EXPECT_EQ(style & (WS_TABSTOP | WS_BORDER | WS_DLGFRAME), 0u);
    EXPECT_EQ(RectInParent(panel), (RECT{0, 0, 217, 161}));
    EXPECT_EQ(GetWindow(panel, GW_HWNDNEXT), nullptr) << "the panel has a sibling";
}

TEST_F(Window, PanelEdgeIsHalfSunkenAlongTheClientArea) {
    // Shadow along the top and left, highlight along the bottom and right: one line each.
    HWND panel = dialog_.Panel();
    struct Row {
        const char* where;
        POINT point;
        int colour;
    } rows[] = {
        {"top edge", At(panel, 100, 0), COLOR_BTNSHADOW},
        {"left edge", At(panel, 0, 80), COLOR_BTNSHADOW},
        {"bottom edge", At(panel, 100, 160), COLOR_BTNHIGHLIGHT},
        {"right edge", At(panel, 216, 80), COLOR_BTNHIGHLIGHT},
        {"inside the top edge", At(panel, 100, 1), COLOR_BTNFACE},
        {"inside the right edge", At(panel, 215, 80), COLOR_BTNFACE},
    };
    for (const Row& row : rows) {
        COLORREF expected = GetSysColor(row.colour);
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(row.point) == expected; }, 2000))
            << row.where << ": pixel " << std::hex << ScreenPixel(row.point) << ", expected " << expected;
    }
}
