// A save that cannot reach the file says so, keeps the dialog and the user's values, and makes nothing on disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/settings/UserActions.h"
#include "tests/support/HeldOpen.h"
#include "tests/support/IniEntries.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/SystemIcon.h"
#include "tests/support/Wait.h"

namespace {

const char kFixture[] = "[main]\r\nnum_bots=4\r\ndebug=0\r\n[bot]\r\nskill=3\r\nnick_prefix=abc\r\nother=1\r\n";

HWND MessageBoxOf(const DialogProcess& dialog) {
    for (HWND window : OtherWindows(dialog))
        if (ClassOf(window) == "#32770") return window;
    return nullptr;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (ClassOf(child) == className) found.push_back(child);
    return found;
}


enum class Cause { kMissingFolder, kHeldOpen };
enum class Dismiss { kClickOk, kEnter };

struct Case {
    const char* what;
    Cause cause;
    Dismiss dismiss;
};

void SaveFailsThenSucceeds(const Case& c, size_t row) {
    GameFolder game(CurrentTestName() + "." + std::to_string(row));
    if (c.cause == Cause::kMissingFolder)
        game.RemovePluginDir();
    else
        game.WriteConfig(kFixture);
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    HWND bots = dialog.Control(Ctl::BotCountCombo), skill = dialog.Control(Ctl::SkillCombo);
    HWND debug = dialog.Control(Ctl::DebugCheck), prefix = dialog.Control(Ctl::NickPrefixEdit);
    ASSERT_TRUE(PickWithMouse(dialog, skill, 4));
    ASSERT_TRUE(ToggleWithMouse(dialog, debug));
    ASSERT_TRUE(TypeOver(dialog, prefix, "^3mine"));
    int botCount = DialogProcess::CurrentIndex(bots);
    bool checked = DialogProcess::Checked(debug);

    HeldOpen other(game.Config());
    if (c.cause == Cause::kHeldOpen) {
        ASSERT_TRUE(other.Holding());
    }
    ClickWindow(dialog.Control(Ctl::OkButton));
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(dialog)) != nullptr; })) << "no message appeared";
    ASSERT_TRUE(dialog.Running()) << "the dialog closed";

    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog.Form()) << "the message belongs to the dialog";
    EXPECT_FALSE(IsWindowEnabled(dialog.Form())) << "the dialog waits for the message";
    EXPECT_EQ(DialogProcess::Text(box), "tolv.bot.setup");
    std::vector<std::string> texts;
    std::vector<HWND> icons;
    for (HWND label : ChildrenOfClass(box, "Static")) {
        if ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icons.push_back(label);
        else
            texts.push_back(DialogProcess::Text(label));
    }
    EXPECT_EQ(texts, std::vector<std::string>{"The settings could not be saved to:\n" + game.Config()});
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_TRUE(WaitUntil([&] { return ShowsSystemIcon(icons[0], IDI_ERROR); })) << "not the error icon";
    std::vector<HWND> buttons = ChildrenOfClass(box, "Button");
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(DialogProcess::Text(buttons[0]), "OK");

    if (c.dismiss == Dismiss::kClickOk)
        ClickWindow(buttons[0]);
    else
        PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !MessageBoxOf(dialog) && IsWindowEnabled(dialog.Form()); }));
    ASSERT_TRUE(dialog.WaitIdle());
    EXPECT_TRUE(dialog.Running()) << "the dialog closed";
    EXPECT_TRUE(IsWindowVisible(dialog.Form()));
    EXPECT_EQ(DialogProcess::CurrentIndex(bots), botCount);
    EXPECT_EQ(DialogProcess::CurrentIndex(skill), 4);
    EXPECT_EQ(DialogProcess::Checked(debug), checked);
    EXPECT_EQ(DialogProcess::Text(prefix), "^3mine");

    // The user mends the cause and presses "Ok" again.
    if (c.cause == Cause::kMissingFolder) {
        EXPECT_FALSE(FileExists(game.PluginDir())) << "the folder was made";
        ASSERT_TRUE(CreateDirectoryA(game.PluginDir().c_str(), nullptr));
    } else {
        other.Release();
        EXPECT_EQ(game.ReadConfig(), kFixture);
    }
    ClickWindow(dialog.Control(Ctl::OkButton), 10, 8);
    ASSERT_TRUE(dialog.WaitForExit()) << "the dialog did not close";
    EXPECT_EQ(dialog.ExitCode(), 0u);
    std::vector<IniEntry> expected = c.cause == Cause::kHeldOpen ? ParseIni(kFixture) : std::vector<IniEntry>{};
    expected = WithValue(expected, "main", "num_bots", std::to_string(botCount));
    expected = WithValue(expected, "main", "debug", checked ? "1" : "0");
    expected = WithValue(expected, "bot", "skill", "5");
    expected = WithValue(expected, "bot", "nick_prefix", "^3mine");
    EXPECT_EQ(ParseIni(game.ReadConfig()), expected);
}

}  // namespace

TEST(FailedSave, TheUserIsToldAndTheDialogStaysWithTheirValues) {
    const Case cases[] = {
        {"plug-in folder missing, message dismissed by a click", Cause::kMissingFolder, Dismiss::kClickOk},
        {"file held open by another program, message dismissed by Enter", Cause::kHeldOpen, Dismiss::kEnter},
    };
    for (size_t row = 0; row < std::size(cases); ++row) {
        SCOPED_TRACE(cases[row].what);
        SaveFailsThenSucceeds(cases[row], row);
    }
}
