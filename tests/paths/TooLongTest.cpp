// A game deeper than the profile functions reach: the dialog says so when it opens, shows the defaults, and touches
// no file anywhere, neither its own nor one of a folder above it that a cut path would name.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/paths/Folders.h"
#include "tests/paths/Player.h"
#include "tests/paths/ProgramBox.h"
#include "tests/support/DialogProcess.h"
#include "tests/support/Input.h"
#include "tests/support/WideGameFolder.h"
#include "tests/support/WidePaths.h"

namespace {

const char kStored[] = "[main]\r\nnum_bots=6\r\ndebug=0\r\n[bot]\r\nskill=4\r\nnick_prefix=^3deep\r\n";

struct Depth {
    const char* name;
    size_t settingsPathLength;
};

void PrintTo(const Depth& depth, std::ostream* out) { *out << depth.name; }

const Depth kDepths[] = {
    {"SettingsPathOfMaxPath", MAX_PATH},
    // CreateProcessW refuses to start this one; a player's Explorer does not.
    {"ProgramPathOf300Characters", 300 - 18 + 27},
};

class TooLong : public ::testing::TestWithParam<Depth> {};

}  // namespace

TEST_P(TooLong, TheDialogSaysSoAndNoFileAnywhereIsReadOrWritten) {
    std::wstring root = CaseRoot();
    WideGameFolder game(DeepGameFolder(root, GetParam().settingsPathLength));
    ASSERT_EQ(game.Config().size(), GetParam().settingsPathLength);
    game.WriteConfig(kStored);
    std::wstring elsewhere = root + L"\\elsewhere";
    PlantDecoy(elsewhere);
    for (const std::wstring& above : FoldersAbove(game.Dir().substr(0, game.Dir().size() - 1), root))
        PlantDecoy(above);
    const Tree before = TreeOf(root);

    DialogProcess dialog(game.Exe(), elsewhere + L"\\", DialogProcess::Await::Nothing);
    HWND box = WaitForBox(dialog);
    ASSERT_TRUE(box);
    // The box names the program's whole folder: the program has its path uncut.
    HWND form = HiddenFormOwning(box);
    EXPECT_TRUE(form) << "the box comes before the dialog and belongs to it";
    ExpectErrorBox(box, form,
                   L"The settings cannot be read or saved: the path of this folder is too long:\n" + game.Dir());
    ASSERT_TRUE(Dismiss(box));
    ASSERT_TRUE(dialog.WaitForDialog());
    EXPECT_EQ(dialog.Form(), form);
    EXPECT_EQ(WhatTheDialogShows(dialog), kDefaults);

    ASSERT_TRUE(ToggleDebug(dialog));
    ClickWindow(dialog.Control(Ctl::OkButton));
    box = WaitForBox(dialog);
    ASSERT_TRUE(box);
    ExpectErrorBox(box, dialog.Form(), L"The settings could not be saved to:\n" + game.Config());
    ASSERT_TRUE(Dismiss(box));
    ASSERT_TRUE(dialog.WaitIdle());
    EXPECT_TRUE(IsWindowVisible(dialog.Form())) << "the dialog stays after a failed save";
    ASSERT_TRUE(CloseWithAltF4(dialog));

    EXPECT_EQ(TreeDifference(before, TreeOf(root)), "");
}

INSTANTIATE_TEST_SUITE_P(Paths, TooLong, ::testing::ValuesIn(kDepths),
                         [](const ::testing::TestParamInfo<Depth>& info) { return std::string(info.param.name); });
