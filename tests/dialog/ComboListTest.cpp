// The opened list of each combo box, opened as a user opens it: by a click on the closed box.
#include <gtest/gtest.h>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Screen.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

class ComboLists : public RunningDialog {};

TEST_F(ComboLists, OpenEachTimeWithRoomForTheirItemsUpToEightClosedBoxHeights) {
    struct Row {
        const char* name;
        Ctl which;
        int rows;
    } rows[] = {
        {"BotCountCombo, 9 items", Ctl::BotCountCombo, 8},
        {"SkillCombo, 5 items", Ctl::SkillCombo, 5},
    };
    int spot = 0;
    for (const Row& row : rows) {
        HWND combo = Control(row.which);
        RECT closed = ScreenRect(combo);
        int closedHeight = closed.bottom - closed.top;
        for (int opening = 1; opening <= 2; ++opening) {
            SCOPED_TRACE(std::string(row.name) + ", opening " + std::to_string(opening));
            // A new spot for every click: two on one spot would make a double-click.
            HWND list = nullptr;
            Click(At(combo, 20 + 30 * spot++, closedHeight / 2));
            ASSERT_TRUE(
                WaitUntil([&] { return DialogProcess::Dropped(combo) && (list = OpenedList(dialog_)) != nullptr; }));

            // Wine reports the list part only here; Windows adds the closed box.
            RECT dropped{};
            SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, LPARAM(&dropped));
            EXPECT_EQ(dropped.bottom - dropped.top, row.rows * closedHeight + 2) << "closed box " << closedHeight;

            RECT shown = ScreenRect(list);
            EXPECT_EQ(shown.top, closed.bottom);
            EXPECT_LE(shown.bottom - shown.top, row.rows * closedHeight + 2);
            // Every item fits, so no scroll bar shows.
            RECT client{};
            GetClientRect(list, &client);
            int items = int(SendMessageA(list, LB_GETCOUNT, 0, 0));
            EXPECT_LE(items * int(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0)), client.bottom) << items << " items";
            EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL, 0) << "a scroll bar shows";
            // Right of the items' text, on the last row, which neither the selection nor the pointer lights up.
            POINT inside{shown.right - 6, shown.bottom - 4};
            COLORREF window = GetSysColor(COLOR_WINDOW);
            EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(inside) == window; }, 2000))
                << "list pixel " << std::hex << ScreenPixel(inside);

            PressKey(VK_ESCAPE);
            ASSERT_TRUE(WaitUntil([&] { return !DialogProcess::Dropped(combo); }));
            EXPECT_EQ(ScreenRect(combo), closed) << "the closed box changed";
        }
    }
}
