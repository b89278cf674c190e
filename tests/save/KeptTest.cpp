// What a save kept before it became all or nothing: a link stays a link to the file it names, a read-only file is
// refused, the file's attributes stay, and a missing file is made, with nothing else beside it.
#include <gtest/gtest.h>

#include <functional>

#include "tests/save/AfterOk.h"
#include "tests/save/DialogValues.h"
#include "tests/save/SettingsFile.h"
#include "tests/support/FolderTree.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"
#include "tests/support/PlatformSave.h"
#include "tests/support/UnixCommand.h"
#include "tests/support/Wait.h"

namespace {

const std::vector<std::string> kJustTheFile{"config.bot"};

// The settings live in another folder of the game's; config.bot is a Unix link to them, as the link names them.
std::string LinkToShared(const GameFolder& game, const std::string& original, bool relative) {
    std::string shared = game.Dir() + "shared";
    CreateDirectoryA(shared.c_str(), nullptr);
    std::string target = shared + "\\config.bot";
    WriteFileBytes(target, original);
    std::string named = relative ? "../../shared/config.bot" : UnixPathOf(target);
    RunUnix("/bin/ln -s \"" + named + "\" \"" + UnixPathOf(game.PluginDir()) + "/config.bot\"");
    bool linked = WaitUntil([&] { return game.ReadConfig() == original; });
    EXPECT_TRUE(linked) << "no link to " << named;
    return linked ? target : "";
}

// The file a save must reach is still the one the link names: a change to it shows through the link.
void ExpectStillALink(const GameFolder& game, const std::string& target) {
    EXPECT_TRUE(game.ReadConfig() == ReadFileBytes(target)) << "the link and the file it names differ";
    WritePrivateProfileStringA("check", "through", "the link", target.c_str());
    EXPECT_EQ(game.ReadValue("check", "through"), "the link") << "config.bot is no longer a link";
    EXPECT_EQ(FilesIn(game.Dir() + "shared"), kJustTheFile) << "left beside the file the link names";
}

constexpr DWORD kHiddenSystemArchive = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

struct Kept {
    const char* name;
    bool withFile;
    // Lays the file out; returns the file a save writes, which is config.bot unless it is a link, or "" when the
    // file could not be laid out so.
    std::function<std::string(const GameFolder&, const std::string& original)> setUp;
    // Whether "Ok" is refused until the user mends the cause.
    bool refused;
    std::function<void(const GameFolder&)> mend;
    // What holds besides the saved values.
    std::function<void(const GameFolder&, const std::string& saved)> check;
};

const Kept kKept[] = {
    {"ALinkByItsFullPath", true,
     [](const GameFolder& game, const std::string& original) { return LinkToShared(game, original, false); }, false,
     nullptr, ExpectStillALink},
    {"ALinkRelativeToItsFolder", true,
     [](const GameFolder& game, const std::string& original) { return LinkToShared(game, original, true); }, false,
     nullptr, ExpectStillALink},
    // Under Wine as root the platform would write a read-only file: the program has to look at the attribute itself.
    {"AReadOnlyFile", true,
     [](const GameFolder& game, const std::string& original) {
         game.WriteConfig(original);
         return SetFileAttributesA(game.Config().c_str(), FILE_ATTRIBUTE_READONLY) ? game.Config() : "";
     },
     true,
     [](const GameFolder& game) {
         EXPECT_TRUE(GetFileAttributesA(game.Config().c_str()) & FILE_ATTRIBUTE_READONLY) << "no longer read-only";
         SetFileAttributesA(game.Config().c_str(), FILE_ATTRIBUTE_NORMAL);
     },
     nullptr},
    {"AHiddenSystemFile", true,
     [](const GameFolder& game, const std::string& original) {
         game.WriteConfig(original);
         SetFileAttributesA(game.Config().c_str(), kHiddenSystemArchive);
         return GetFileAttributesA(game.Config().c_str()) == kHiddenSystemArchive ? game.Config() : "";
     },
     false, nullptr,
     [](const GameFolder& game, const std::string&) {
         EXPECT_EQ(GetFileAttributesA(game.Config().c_str()), kHiddenSystemArchive) << "the attributes changed";
     }},
    {"NoFileYet", false, [](const GameFolder& game, const std::string&) { return game.Config(); }, false, nullptr,
     nullptr},
};

void SaveAndExpectKept(const Kept& kept) {
    // An earlier run's links are cleared by GameFolder, through Unix.
    GameFolder game(CurrentTestName() + "." + kept.name);
    std::string original = kept.withFile ? SettingsFileOfSize(4096) : std::string();
    std::string saved = kept.setUp(game, original);
    ASSERT_FALSE(saved.empty()) << "the file could not be laid out";
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    Settings edited = EveryValueChanged(WhatTheDialogShows(dialog), "^3kept");
    ASSERT_TRUE(EnterValues(dialog, edited));

    std::function<void()> mend;
    if (kept.refused) mend = [&] { kept.mend(game); };
    ASSERT_TRUE(SaveWithOk(dialog, game, original, edited, mend));
    ExpectSavedAs(game, saved, original, PlatformSave(original, edited));
    if (kept.check) kept.check(game, saved);
}

}  // namespace

TEST(KeptBySave, ALinkAReadOnlyFileAttributesAndAMissingFileFareAsBefore) {
    for (const Kept& kept : kKept) {
        SCOPED_TRACE(kept.name);
        SaveAndExpectKept(kept);
    }
}
