// Every way a user closes the dialog ends the program normally.
#include <gtest/gtest.h>

#include "tests/support/DialogProcess.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"

TEST(Closing, AltF4EndsTheProgramWithExitCodeZero) {
    GameFolder game;
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    PressKeys({VK_MENU, VK_F4});
    ASSERT_TRUE(dialog.WaitForExit());
    EXPECT_EQ(dialog.ExitCode(), 0u);
}
