// "About" without a help file: the shell fails, and the user sees nothing of it and loses nothing.
#include <gtest/gtest.h>

#include <set>

#include "tests/corpus/OpenEditSave.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"

namespace {

BOOL CALLBACK CollectVisible(HWND window, LPARAM lParam) {
    if (IsWindowVisible(window)) reinterpret_cast<std::set<HWND>*>(lParam)->insert(window);
    return TRUE;
}

std::set<HWND> VisibleTopLevelWindows() {
    std::set<HWND> windows;
    EnumWindows(CollectVisible, LPARAM(&windows));
    return windows;
}

}  // namespace

TEST(ShellFailure, AboutWithoutTheHelpFileShowsNothingAndChangesNothing) {
    GameFolder game;
    game.WriteConfig("[main]\r\nnum_bots=3\r\ndebug=1\r\n[bot]\r\nskill=5\r\nnick_prefix=^3about\r\n");
    const std::string bytes = game.ReadConfig();
    Settings shown = PlatformReads(game.Config());
    DialogProcess dialog(game);
    ASSERT_TRUE(ExpectShows(dialog, shown));
    const std::set<HWND> before = VisibleTopLevelWindows();

    ClickWindow(dialog.Control(Ctl::AboutButton));
    // A later click that lands only once the first was handled: a box of the program's would have taken it.
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    ClickWindow(edit);
    ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == edit; })) << "the dialog no longer takes clicks";

    EXPECT_EQ(VisibleTopLevelWindows(), before) << "a window appeared";
    EXPECT_TRUE(ExpectShows(dialog, shown));
    EXPECT_EQ(game.ReadConfig(), bytes);
    PressKeys({VK_MENU, VK_F4});
    ASSERT_TRUE(dialog.WaitForExit());
    EXPECT_EQ(dialog.ExitCode(), 0u);
    EXPECT_EQ(game.ReadConfig(), bytes) << "closing after About wrote to the file";
}
