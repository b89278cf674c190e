// A save that cannot go ahead says so, keeps the dialog and the user's values, changes nothing on disk, and saves
// them once the user has mended the cause and presses "Ok" again.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/HeldOpen.h"
#include "tests/support/IniEntries.h"
#include "tests/support/Input.h"
#include "tests/support/LongText.h"
#include "tests/support/Paths.h"
#include "tests/support/SaveFailureBox.h"
#include "tests/support/Settings.h"
#include "tests/support/UserActions.h"

namespace {

std::string FileWithPrefix(const std::string& prefix) {
    return "; written by the game\r\n[main]\r\nnum_bots=4\r\nmap=q3dm17\r\ndebug=0\r\n[bot]\r\nskill=2\r\n"
           "nick_prefix=" + prefix + "\r\nother=1\r\n[server]\r\nport=27960\r\n";
}

enum class Cause {
    kNoPluginFolder,
    // Another program holds the file without sharing it: one that only reads it, one that may also write.
    kHeldForReading,
    kHeldForWriting,
    // The platform's ANSI write cannot carry a value this long; the user mends it by typing a shorter one.
    kPrefixTooLong,
};

struct Case {
    const char* what;
    Cause cause;
    Answer answer;
};

const Case kCases[] = {
    {"plug-in folder missing, box dismissed by a click", Cause::kNoPluginFolder, Answer::kClick},
    {"file held open for reading, box dismissed by a click", Cause::kHeldForReading, Answer::kClick},
    {"file held open for reading and writing, box dismissed by Enter", Cause::kHeldForWriting, Answer::kEnter},
    {"prefix too long to write, box dismissed by a click", Cause::kPrefixTooLong, Answer::kClick},
};

void SaveFailsThenSucceeds(const Case& c, size_t row) {
    GameFolder game(CurrentTestName() + "." + std::to_string(row));
    const std::string prefix = c.cause == Cause::kPrefixTooLong ? LongValue(100000) : "^1tolv";
    const std::string file = FileWithPrefix(prefix);
    game.WriteConfig(file);
    if (c.cause == Cause::kNoPluginFolder) game.RemovePluginDir();
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    ASSERT_EQ(WhatTheDialogShows(dialog),
              c.cause == Cause::kNoPluginFolder ? kDefaultSettings : (Settings{4, false, 1, prefix}));

    // The user's edits: a list, the check box, and the prefix wherever that can be saved as it is.
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    ASSERT_TRUE(PickWithMouse(dialog, dialog.Control(Ctl::SkillCombo), 4));
    ASSERT_TRUE(ToggleWithMouse(dialog, dialog.Control(Ctl::DebugCheck)));
    if (c.cause != Cause::kPrefixTooLong) {
        ASSERT_TRUE(TypeOver(dialog, edit, "^3mine"));
    }
    Settings edited = WhatTheDialogShows(dialog);

    std::unique_ptr<HeldOpen> held;
    if (c.cause == Cause::kHeldForReading || c.cause == Cause::kHeldForWriting) {
        held = std::make_unique<HeldOpen>(
            game.Config(), c.cause == Cause::kHeldForReading ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE);
        ASSERT_TRUE(held->Holding()) << "cannot hold " << game.Config();
    }
    ClickWindow(dialog.Control(Ctl::OkButton));
    ExpectToldSaveFailedAndDismiss(dialog, game.Config(), c.answer);
    ASSERT_FALSE(testing::Test::HasFatalFailure());
    ASSERT_TRUE(dialog.Running()) << "the dialog closed";
    EXPECT_TRUE(IsWindowVisible(dialog.Form()));
    EXPECT_EQ(WhatTheDialogShows(dialog), edited) << "the edits are gone";

    // Nothing on disk changed, and the user mends the cause.
    switch (c.cause) {
    case Cause::kNoPluginFolder:
        EXPECT_FALSE(FileExists(game.PluginDir())) << "the failed save made the folder";
        ASSERT_TRUE(CreateDirectoryA(game.PluginDir().c_str(), nullptr));
        break;
    case Cause::kHeldForReading:
    case Cause::kHeldForWriting:
        EXPECT_EQ(held->Bytes(), file) << "the held file changed";
        held->Release();
        EXPECT_EQ(game.ReadConfig(), file);
        break;
    case Cause::kPrefixTooLong:
        EXPECT_EQ(game.ReadConfig(), file);
        ASSERT_TRUE(TypeOver(dialog, edit, "short"));
        edited.nick = "short";
        break;
    }
    ASSERT_TRUE(PressOkAndExpectExit(dialog));
    std::vector<IniEntry> expected = c.cause == Cause::kNoPluginFolder ? std::vector<IniEntry>{} : ParseIni(file);
    expected = WithValue(expected, "main", "num_bots", std::to_string(edited.botIndex));
    expected = WithValue(expected, "main", "debug", edited.debug ? "1" : "0");
    expected = WithValue(expected, "bot", "skill", std::to_string(edited.skillIndex + 1));
    expected = WithValue(expected, "bot", "nick_prefix", edited.nick);
    EXPECT_EQ(ParseIni(game.ReadConfig()), expected);
}

}  // namespace

TEST(FailedSave, TheUserIsToldAndTheDialogStaysWithTheirValuesUntilTheCauseIsMended) {
    for (size_t row = 0; row < std::size(kCases); ++row) {
        SCOPED_TRACE(kCases[row].what);
        SaveFailsThenSucceeds(kCases[row], row);
    }
}
