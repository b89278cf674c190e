// Every way a user or Windows closes the dialog ends the program normally; a session that goes on changes nothing.
#include <gtest/gtest.h>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Sentinel.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/UserActions.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

namespace {

struct CloseRow {
    const char* name;
    void (*close)(const DialogProcess& dialog);
};

const CloseRow kCloses[] = {
    {"close box", [](const DialogProcess& dialog) { Click(CloseBoxPoint(dialog.Form())); }},
    {"window menu's Close",
     [](const DialogProcess& dialog) {
         ASSERT_TRUE(OpenWindowMenu(dialog));
         PressKey('C');
     }},
    {"Alt+F4",
     [](const DialogProcess& dialog) {
         // Only to the dialog: Alt+F4 closes whatever window is active.
         ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog.Form(); }));
         PressKeys({VK_MENU, VK_F4});
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
