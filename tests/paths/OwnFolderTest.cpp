// Wherever the game sits, in a folder named in any script or one just short of the deepest the profile functions
// take, the dialog works on the settings and the help file next to the program, and on no other.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/paths/Folders.h"
#include "tests/paths/Player.h"
#include "tests/support/DialogProcess.h"
#include "tests/support/HelpViewer.h"
#include "tests/support/IniEntries.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"
#include "tests/support/WideGameFolder.h"
#include "tests/support/WidePaths.h"

namespace {

// A prefix byte above 127: the value must reach the file as the ANSI functions would store it.
const char kStored[] =
    "; the game's own settings\r\n[main]\r\nnum_bots=6\r\ndebug=0\r\n[bot]\r\nskill=4\r\nnick_prefix=^3sch\xF6n\r\n"
    "[game]\r\nmap=q3dm17\r\n";
const Shown kShownStored{6, false, 3, "^3sch\xF6n"};

// The help file's path is as long as the settings path. Wine 8's shell finds no file of 256 characters or more
// (error 3, whoever asks), so "About" is followed only up to that length.
constexpr size_t kLongestFileTheShellOpens = 255;

struct Place {
    const char* name;
    // The game's folder below the case's root; null for a deep one.
    const wchar_t* folder;
    // A folder beside it with the name the ANSI code page turns the game's into, or null.
    const wchar_t* lookAlike;
    // For a deep one: how long the settings file's path is.
    size_t settingsPathLength;
};

void PrintTo(const Place& place, std::ostream* out) { *out << place.name; }

const Place kPlaces[] = {
    {"Cyrillic", L"Игры", nullptr, 0},
    {"Japanese", L"ゲーム", nullptr, 0},
    {"Greek", L"Παιχνίδια", nullptr, 0},
    {"Emoji", L"Games 🎮", nullptr, 0},
    {"PolishBesideItsBestFitLookAlike", L"Gry Łódź", L"Gry Lódz", 0},
    {"LettersOfTheAnsiCodePage", L"Spiele Ü", nullptr, 0},
    {"DeepFolderWithinTheShellsReach", nullptr, nullptr, kLongestFileTheShellOpens},
    // The longest path the profile functions take.
    {"SettingsPathOneShortOfMaxPath", nullptr, nullptr, MAX_PATH - 1},
};

class OwnFolder : public ::testing::TestWithParam<Place> {
protected:
    void SetUp() override { ASSERT_TRUE(viewer_.Installed()); }

private:
    RecordedHelpViewer viewer_;
};

std::wstring WithoutBackslash(const std::wstring& dir) { return dir.substr(0, dir.size() - 1); }

}  // namespace

TEST_P(OwnFolder, TheDialogShowsSavesAndOpensHelpNextToTheProgramOnly) {
    const Place& place = GetParam();
    std::wstring root = CaseRoot();
    WideGameFolder game(place.folder ? root + L"\\" + place.folder : DeepGameFolder(root, place.settingsPathLength));
    ASSERT_TRUE(place.folder || game.Config().size() == place.settingsPathLength);
    game.WriteConfig(kStored);
    ASSERT_TRUE(WriteFileBytes(game.Help(), "the game's help"));
    // Where a program would look that lost its folder's name, cut it, bent it, or took the current directory.
    std::vector<std::wstring> decoys = FoldersAbove(WithoutBackslash(game.Dir()), root);
    std::wstring elsewhere = root + L"\\elsewhere";
    decoys.push_back(elsewhere);
    if (place.lookAlike) decoys.push_back(root + L"\\" + place.lookAlike);
    for (const std::wstring& decoy : decoys) PlantDecoy(decoy);
    const std::wstring log = root + L"\\shell.log";
    RecordedHelpViewer::RecordInto(log);
    const Tree before = TreeOf(root);

    DialogProcess dialog(game.Exe(), elsewhere + L"\\");
    ASSERT_TRUE(dialog.Up());
    EXPECT_EQ(WhatTheDialogShows(dialog), kShownStored);

    if (game.Help().size() <= kLongestFileTheShellOpens) {
        ClickWindow(dialog.Control(Ctl::AboutButton));
        ASSERT_TRUE(WaitUntil([&] { return !Records(log).empty(); })) << "the shell opened nothing";
        ASSERT_TRUE(WaitUntil([] { return !RecorderRunning(); }));
        EXPECT_EQ(Records(log), std::vector<std::string>{Utf8(game.Help()) + "\t9"});
    }

    ASSERT_TRUE(ToggleDebug(dialog));
    ASSERT_TRUE(TypeAtEndOfPrefix(dialog, "!"));
    ASSERT_TRUE(PressOkAndSeeItClose(dialog));
    std::vector<IniEntry> expected = WithValue(ParseIni(kStored), "main", "debug", "1");
    expected = WithValue(expected, "bot", "nick_prefix", "^3sch\xF6n!");
    EXPECT_EQ(ParseIni(game.ReadConfig()), expected);

    // Nothing else changed: no decoy, no copy left behind.
    Tree after = TreeOf(root);
    const std::wstring config = game.Config().substr(root.size() + 1);
    EXPECT_TRUE(after.count(config)) << "the settings file is gone";
    after[config] = before.at(config);
    after.erase(L"shell.log");
    EXPECT_EQ(TreeDifference(before, after), "");
}

INSTANTIATE_TEST_SUITE_P(Paths, OwnFolder, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });
