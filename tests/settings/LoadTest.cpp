// The dialog opens on what the file holds, or on the defaults, from its very first visible picture.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/DialogProcess.h"
#include "tests/support/IniEntries.h"
#include "tests/support/Paths.h"
#include "tests/support/Settings.h"
#include "tests/support/UserActions.h"

namespace {

// A folder that is not the game's, with a settings file of its own that must not be read.
std::string OtherCurrentDirectory() {
    GameFolder decoy(CurrentTestName() + ".elsewhere");
    decoy.WriteConfig("[main]\r\nnum_bots=3\r\ndebug=1\r\n[bot]\r\nskill=5\r\nnick_prefix=wrong folder\r\n");
    return decoy.Dir();
}

}  // namespace

TEST(Load, StoredValuesAreShownWhateverTheCurrentDirectory) {
    struct Case {
        const char* file;
        Settings expected;
    } cases[] = {
        {"[main]\r\nnum_bots=0\r\ndebug=1\r\n[bot]\r\nskill=1\r\nnick_prefix=^1x y\r\n", {0, true, 0, "^1x y"}},
        {"[main]\r\nnum_bots=8\r\ndebug=0\r\n[bot]\r\nskill=5\r\nnick_prefix=\r\n", {8, false, 4, ""}},
        {"[bot]\r\nnick_prefix=only this\r\n[main]\r\nnum_bots=6\r\n", {6, false, 2, "only this"}},
        // Outside the lists: no selection, not the first item.
        {"[main]\r\nnum_bots=12\r\ndebug=2\r\n[bot]\r\nskill=0\r\n", {-1, true, -1, "^2^btolv^n^7"}},
        {"[main]\r\nnum_bots=9\r\n[bot]\r\nskill=6\r\n", {-1, false, -1, "^2^btolv^n^7"}},
        {"[main]\r\nnum_bots=-2\r\n[bot]\r\nskill=-1\r\n", {-1, false, -1, "^2^btolv^n^7"}},
        {"[main]\r\nnum_bots=65536\r\n[bot]\r\nskill=65538\r\n", {-1, false, -1, "^2^btolv^n^7"}},
        {"[bot]\r\nskill=4\r\n", {1, false, 3, "^2^btolv^n^7"}},
        {"; nothing for the dialog\r\n[other]\r\nnum_bots=5\r\nskill=5\r\n", kDefaultSettings},
    };
    std::string elsewhere = OtherCurrentDirectory();
    for (size_t row = 0; row < std::size(cases); ++row) {
        SCOPED_TRACE(testing::Message() << "row " << row << ": " << cases[row].file);
        GameFolder game(CurrentTestName() + "." + std::to_string(row));
        game.WriteConfig(cases[row].file);
        DialogProcess dialog(game, elsewhere);
        if (!dialog.Up()) continue;
        // Read at once: the harness hands the dialog over as soon as it is visible.
        EXPECT_EQ(WhatTheDialogShows(dialog), cases[row].expected);
    }
}

TEST(Load, WithoutAFileTheDefaultsAreShownAndOkStoresThem) {
    GameFolder game;
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    EXPECT_EQ(WhatTheDialogShows(dialog), kDefaultSettings);

    ASSERT_TRUE(PressOkAndExpectExit(dialog));
    std::vector<IniEntry> stored = ParseIni(game.ReadConfig());
    EXPECT_EQ(ValueIn(stored, "main", "num_bots"), "1");
    EXPECT_EQ(ValueIn(stored, "main", "debug"), "0");
    EXPECT_EQ(ValueIn(stored, "bot", "skill"), "3");
    EXPECT_EQ(ValueIn(stored, "bot", "nick_prefix"), "^2^btolv^n^7");
}
