// Every way a user or Windows closes the dialog ends the program normally; a session that goes on changes nothing.
#include <gtest/gtest.h>

#include "tests/dialog/Retry.h"
#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Sentinel.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/Wait.h"

namespace {

// The right end of the close box, found the way Windows finds it: by hit-testing along the caption.
POINT CloseBox(HWND form) {
    RECT outer = ScreenRect(form);
    int y = outer.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int x = outer.right - 1;
    while (x > outer.left && SendMessageA(form, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCLOSE) --x;
    return POINT{x - 2, y};
}

struct CloseRow {
    const char* name;
    void (*close)(const DialogProcess& dialog);
};

const CloseRow kCloses[] = {
    {"close box",
     [](const DialogProcess& dialog) {
         // Further tries go leftwards, staying in the box.
         ASSERT_TRUE(ClickUntil(CloseBox(dialog.Form()), [&] { return !dialog.Running(); }, -3));
     }},
    {"window menu's Close",
     [](const DialogProcess& dialog) {
         ASSERT_TRUE(OpenWindowMenu(dialog));
         PressKey('C');
     }},
    {"Alt+F4",
     [](const DialogProcess& dialog) {
         // Again only while the dialog is still the active window, so a late Alt+F4 closes nothing else.
         RetryUntil(
             [&](int) {
                 if (GetForegroundWindow() == dialog.Form()) PressKeys({VK_MENU, VK_F4});
             },
             [&] { return !dialog.Running(); });
     }},
};

}  // namespace

TEST(Closing, EveryWayAUserClosesItEndsTheProgramWithExitCodeZero) {
    for (const CloseRow& row : kCloses) {
        SCOPED_TRACE(row.name);
        GameFolder game(CurrentTestName() + "." + std::to_string(&row - kCloses));
        DialogProcess dialog(game);
        ASSERT_TRUE(dialog.Up());
        row.close(dialog);
        ASSERT_TRUE(dialog.WaitForExit());
        EXPECT_EQ(dialog.ExitCode(), 0u);
    }
}

class EndSession : public RunningDialog {};

TEST_F(EndSession, ThatEndsTheSessionEndsTheProgramWithExitCodeZeroSavingNothing) {
    DWORD_PTR result;
    // Windows sends it; the program is gone before it can answer.
    SendMessageTimeoutA(Form(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL, kPatience, &result);
    ASSERT_TRUE(dialog_.WaitForExit());
    EXPECT_EQ(dialog_.ExitCode(), 0u);
    EXPECT_FALSE(game_.HasConfig());
}

TEST_F(EndSession, ThatGoesOnChangesNothing) {
    const RECT before = ScreenRect(Form());
    const std::vector<HWND> controls = dialog_.Controls();
    DWORD_PTR result;
    ASSERT_NE(SendMessageTimeoutA(Form(), WM_ENDSESSION, FALSE, 0, SMTO_NORMAL, kPatience, &result), 0);
    ASSERT_TRUE(AllInputHandled(dialog_));
    EXPECT_TRUE(dialog_.Running());
    EXPECT_TRUE(IsWindowVisible(Form()));
    EXPECT_EQ(ScreenRect(Form()), before);
    EXPECT_EQ(dialog_.Controls(), controls);
    EXPECT_EQ(dialog_.Focus(), Control(Ctl::AboutButton));
    // Still the dialog it was: it closes as ever.
    PostMessageA(Form(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(dialog_.WaitForExit());
    EXPECT_EQ(dialog_.ExitCode(), 0u);
}
