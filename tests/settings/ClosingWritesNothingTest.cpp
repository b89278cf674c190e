// Closing the dialog any way but "Ok" leaves the settings file exactly as it was, whatever the user changed.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/DialogProcess.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/UserActions.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

namespace {

// Blanks, a missing line end and a lone LF: a rewrite by the profile functions would change these bytes.
const char kFixture[] =
    "; settings of the bot plug-in\r\n"
    "[main]\r\n"
    "num_bots = 4\r\n"
    "\r\n"
    "debug=0\n"
    "[bot]\r\n"
    "skill=3\r\n"
    "nick_prefix=abc";

enum class Close { kCloseBox, kWindowMenu, kAltF4 };

struct Case {
    const char* how;
    Close close;
    bool withFile;
};

void ChangeEverythingThenClose(const Case& c, size_t row) {
    GameFolder game(CurrentTestName() + "." + std::to_string(row));
    if (c.withFile) game.WriteConfig(kFixture);
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    ASSERT_TRUE(PickWithMouse(dialog, dialog.Control(Ctl::BotCountCombo), 7));
    ASSERT_TRUE(PickWithMouse(dialog, dialog.Control(Ctl::SkillCombo), 0));
    ASSERT_TRUE(ToggleWithMouse(dialog, dialog.Control(Ctl::DebugCheck)));
    ASSERT_TRUE(TypeOver(dialog, dialog.Control(Ctl::NickPrefixEdit), "changed"));

    switch (c.close) {
    case Close::kCloseBox:
        Click(CloseBoxPoint(dialog.Form()));
        break;
    case Close::kWindowMenu: {
        Click(WindowMenuPoint(dialog.Form()));
        ASSERT_TRUE(WaitUntil([&] { return MenuShown(dialog); })) << "the window menu did not open";
        // The Close item by its access key, as the menu underlines it.
        PressKey('C');
        break;
    }
    case Close::kAltF4:
        PressKeys({VK_MENU, VK_F4});
        break;
    }
    ASSERT_TRUE(dialog.WaitForExit()) << "the dialog did not close";
    EXPECT_EQ(dialog.ExitCode(), 0u);
    if (c.withFile)
        EXPECT_EQ(game.ReadConfig(), kFixture);
    else
        EXPECT_FALSE(game.HasConfig()) << game.ReadConfig();
}

}  // namespace

TEST(ClosingWritesNothing, AnyCloseButOkLeavesTheFileAsItWas) {
    const Case cases[] = {
        {"close box", Close::kCloseBox, true},         {"window menu", Close::kWindowMenu, true},
        {"Alt+F4", Close::kAltF4, true},               {"close box, no file", Close::kCloseBox, false},
        {"window menu, no file", Close::kWindowMenu, false}, {"Alt+F4, no file", Close::kAltF4, false},
    };
    for (size_t row = 0; row < std::size(cases); ++row) {
        SCOPED_TRACE(cases[row].how);
        ChangeEverythingThenClose(cases[row], row);
    }
}
