// A settings file that is there but cannot be read when the dialog opens: the player is told, instead of being shown
// the defaults as if they were the stored settings, and nothing is written before the player presses "Ok".
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/paths/Folders.h"
#include "tests/paths/Player.h"
#include "tests/paths/ProgramBox.h"
#include "tests/support/DialogProcess.h"
#include "tests/support/HeldOpen.h"
#include "tests/support/IniEntries.h"
#include "tests/support/WideGameFolder.h"
#include "tests/support/WidePaths.h"

namespace {

const char kStored[] = "[main]\r\nnum_bots=6\r\ndebug=0\r\n[bot]\r\nskill=4\r\nnick_prefix=^3held\r\n[game]\r\nmap=q3dm17\r\n";

using Hold = std::unique_ptr<HeldOpen>;

struct Case {
    const char* name;
    // What keeps the file from the program; false when it could not be set up.
    bool (*set)(const WideGameFolder& game, Hold* hold);
    // How the player mends it before pressing "Ok".
    void (*mend)(const WideGameFolder& game, Hold* hold);
    // What the settings file holds once mended.
    const char* mended;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const Case kCases[] = {
    {"HeldOpenWithoutSharing",
     [](const WideGameFolder& game, Hold* hold) {
         game.WriteConfig(kStored);
         *hold = std::make_unique<HeldOpen>(game.Config());
         return (*hold)->Holding();
     },
     [](const WideGameFolder&, Hold* hold) { (*hold)->Release(); }, kStored},
    // Opening a folder for reading is denied.
    {"AccessDenied",
     [](const WideGameFolder& game, Hold*) {
         return CreateFolders(game.Config()) && WriteFileBytes(game.Config() + L"\\config.bot", kStored);
     },
     [](const WideGameFolder& game, Hold*) { RemoveTree(game.Config()); }, ""},
};

class UnreadableAtStart : public ::testing::TestWithParam<Case> {};

}  // namespace

TEST_P(UnreadableAtStart, ThePlayerIsToldAndNothingIsWrittenBeforeOk) {
    std::wstring root = CaseRoot();
    WideGameFolder game(root + L"\\Игры");
    const Case& c = GetParam();
    Hold hold;
    ASSERT_TRUE(c.set(game, &hold));
    const Tree before = TreeOf(root);

    DialogProcess dialog(game.Exe(), game.Dir(), DialogProcess::Await::Nothing);
    HWND box = WaitForBox(dialog);
    ASSERT_TRUE(box);
    HWND form = HiddenFormOwning(box);
    EXPECT_TRUE(form) << "the box comes before the dialog and belongs to it";
    ExpectErrorBox(box, form, L"The settings could not be read from:\n" + game.Config());
    EXPECT_EQ(TreeDifference(before, TreeOf(root)), "") << "written while the box was up";
    ASSERT_TRUE(Dismiss(box));
    ASSERT_TRUE(dialog.WaitForDialog());
    EXPECT_EQ(WhatTheDialogShows(dialog), kDefaults);

    // The player changes a setting and mends the cause; still nothing is written until "Ok".
    ASSERT_TRUE(ToggleDebug(dialog));
    c.mend(game, &hold);
    ASSERT_TRUE(dialog.WaitIdle());
    EXPECT_EQ(game.ReadConfig(), c.mended) << "written before Ok";
    ASSERT_TRUE(PressOkAndSeeItClose(dialog));

    std::vector<IniEntry> expected = ParseIni(c.mended);
    expected = WithValue(expected, "main", "num_bots", "1");
    expected = WithValue(expected, "main", "debug", "1");
    expected = WithValue(expected, "bot", "skill", "3");
    expected = WithValue(expected, "bot", "nick_prefix", kDefaults.prefix);
    EXPECT_EQ(ParseIni(game.ReadConfig()), expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, UnreadableAtStart, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
