// "About" hands the help file next to the program to the shell, each time, and leaves dialog and settings alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/settings/UserActions.h"
#include "tests/support/HelpViewer.h"
#include "tests/support/Input.h"
#include "tests/support/Paths.h"
#include "tests/support/Wait.h"
#include "tests/support/WidePaths.h"

namespace {

const char kFixture[] = "[main]\r\nnum_bots = 5\r\ndebug=1\r\n[bot]\r\nskill=2\r\nnick_prefix=abc\r\n";

class About : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(viewer_.Installed()); }

    std::wstring RecordInto(const GameFolder& game) {
        std::wstring log = FromUtf8(game.Dir()) + L"shell.log";
        RecordedHelpViewer::RecordInto(log);
        return log;
    }

private:
    RecordedHelpViewer viewer_;
};

// A current directory with a help file of its own, which a path that depends on it would open instead.
std::string DecoyDirectory() {
    GameFolder decoy(CurrentTestName() + ".elsewhere");
    WriteFileBytes(decoy.PluginDir() + "\\readme.chm", "decoy");
    return decoy.Dir();
}

struct State {
    int botCount;
    bool debug;
    int skill;
    std::string prefix;
    std::string file;
    bool operator==(const State& other) const {
        return botCount == other.botCount && debug == other.debug && skill == other.skill &&
               prefix == other.prefix && file == other.file;
    }
};

State StateOf(const DialogProcess& dialog, const GameFolder& game) {
    return State{DialogProcess::CurrentIndex(dialog.Control(Ctl::BotCountCombo)),
                 DialogProcess::Checked(dialog.Control(Ctl::DebugCheck)),
                 DialogProcess::CurrentIndex(dialog.Control(Ctl::SkillCombo)),
                 DialogProcess::Text(dialog.Control(Ctl::NickPrefixEdit)), game.ReadConfig()};
}

}  // namespace

TEST_F(About, EachPressAsksTheShellToOpenTheHelpFileNextToTheProgram) {
    GameFolder game;
    game.WriteConfig(kFixture);
    ASSERT_TRUE(WriteFileBytes(game.PluginDir() + "\\readme.chm", "help"));
    std::wstring log = RecordInto(game);
    DialogProcess dialog(game, DecoyDirectory());
    ASSERT_TRUE(dialog.Up());
    State before = StateOf(dialog, game);
    HWND about = dialog.Control(Ctl::AboutButton);
    ASSERT_EQ(dialog.Focus(), about);

    // Two clicks on different spots, so that they make no double-click.
    struct Press {
        const char* how;
        void (*press)(HWND about);
    } presses[] = {
        {"Space", [](HWND) { PressKey(VK_SPACE); }},
        {"click", [](HWND button) { ClickWindow(button); }},
        {"Space again", [](HWND) { PressKey(VK_SPACE); }},
        {"click again", [](HWND button) { ClickWindow(button, 8, 6); }},
    };
    const std::string expected = game.PluginDir() + "\\readme.chm\t9";
    for (size_t n = 0; n < std::size(presses); ++n) {
        SCOPED_TRACE(presses[n].how);
        presses[n].press(about);
        ASSERT_TRUE(WaitUntil([&] { return Records(log).size() > n; })) << "the shell opened nothing";
        ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == about; })) << "About lost the focus";
        EXPECT_EQ(Records(log).back(), expected);
    }
    ASSERT_TRUE(WaitUntil([] { return !RecorderRunning(); }));
    EXPECT_EQ(Records(log).size(), std::size(presses));
    EXPECT_TRUE(dialog.Running());
    EXPECT_TRUE(OtherWindows(dialog).empty());
    EXPECT_TRUE(StateOf(dialog, game) == before) << "the dialog or the file changed";
}

TEST_F(About, WithTheHelpFileMissingNothingIsOpenedAndNoMessageShown) {
    GameFolder game;
    game.WriteConfig(kFixture);
    std::wstring log = RecordInto(game);
    DialogProcess dialog(game, DecoyDirectory());
    ASSERT_TRUE(dialog.Up());
    State before = StateOf(dialog, game);

    ClickWindow(dialog.Control(Ctl::AboutButton));
    // Whatever the click started has started by the time a later click is taken.
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    ClickWindow(edit);
    ASSERT_TRUE(WaitUntil([&] { return dialog.Focus() == edit; }));
    ASSERT_TRUE(WaitUntil([] { return !RecorderRunning(); }));

    EXPECT_EQ(Records(log), std::vector<std::string>{}) << "the shell was asked for a help file elsewhere";
    EXPECT_TRUE(OtherWindows(dialog).empty()) << "a window of the program's own appeared";
    EXPECT_TRUE(dialog.Running());
    EXPECT_TRUE(StateOf(dialog, game) == before) << "the dialog or the file changed";
}
