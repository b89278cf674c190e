// What a save kept before it became all or nothing: a link stays a link to the file it names, a read-only file is
// refused, the file's attributes stay, and a missing file is made, with nothing else beside it.
#include <gtest/gtest.h>

#include <functional>

#include "tests/save/DialogValues.h"
#include "tests/save/PlatformSave.h"
#include "tests/save/AfterOk.h"
#include "tests/save/SaveOutcome.h"
#include "tests/save/SettingsFile.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"
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
    EXPECT_TRUE(WaitUntil([&] { return game.ReadConfig() == original; })) << "no link to " << named;
    return target;
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
    // Lays the file out; returns the file a save writes, which is config.bot unless it is a link.
    std::function<std::string(const GameFolder&, const std::string& original)> setUp;
    // Whether "Ok" is refused until the user mends the cause.
    bool refused;
    std::function<void(const GameFolder&)> mend;
    // What holds besides the saved values.
    std::function<void(const GameFolder&, const std::string& saved)> check;
};

const Kept kKept[] = {
    {"ALinkByItsFullPath",
     [](const GameFolder& game, const std::string& original) { return LinkToShared(game, original, false); }, false,
     nullptr, ExpectStillALink},
    {"ALinkRelativeToItsFolder",
     [](const GameFolder& game, const std::string& original) { return LinkToShared(game, original, true); }, false,
     nullptr, ExpectStillALink},
    // Under Wine as root the platform would write a read-only file: the program has to look at the attribute itself.
    {"AReadOnlyFile",
     [](const GameFolder& game, const std::string& original) {
         game.WriteConfig(original);
         EXPECT_TRUE(SetFileAttributesA(game.Config().c_str(), FILE_ATTRIBUTE_READONLY));
         return game.Config();
     },
     true,
     [](const GameFolder& game) {
         EXPECT_TRUE(GetFileAttributesA(game.Config().c_str()) & FILE_ATTRIBUTE_READONLY) << "no longer read-only";
         SetFileAttributesA(game.Config().c_str(), FILE_ATTRIBUTE_NORMAL);
     },
     nullptr},
    {"AHiddenSystemFile",
     [](const GameFolder& game, const std::string& original) {
         game.WriteConfig(original);
         SetFileAttributesA(game.Config().c_str(), kHiddenSystemArchive);
         EXPECT_EQ(GetFileAttributesA(game.Config().c_str()), kHiddenSystemArchive) << "the attributes do not hold";
         return game.Config();
     },
     false, nullptr,
     [](const GameFolder& game, const std::string&) {
         EXPECT_EQ(GetFileAttributesA(game.Config().c_str()), kHiddenSystemArchive) << "the attributes changed";
     }},
    {"NoFileYet", [](const GameFolder& game, const std::string&) { return game.Config(); }, false, nullptr, nullptr},
};

void PrintTo(const Kept& kept, std::ostream* out) { *out << kept.name; }

class KeptBySave : public ::testing::TestWithParam<Kept> {};

}  // namespace

TEST_P(KeptBySave, TheSaveKeepsWhatItAlwaysKept) {
    const Kept& kept = GetParam();
    GameFolder game;
    bool withFile = std::string(kept.name) != "NoFileYet";
    std::string original = withFile ? SettingsFileOfSize(4096) : std::string();
    std::string saved = kept.setUp(game, original);
    ASSERT_FALSE(HasFailure());
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    DialogValues edited = EveryValueChanged(ShownBy(dialog), "^3kept");
    ASSERT_TRUE(EnterValues(dialog, edited));

    PostOkClick(dialog);
    if (kept.refused) {
        ASSERT_TRUE(ExpectSaveRefused(dialog, game, original, edited));
        kept.mend(game);
        PostOkClick(dialog);
    }
    ASSERT_TRUE(ExpectEndsAfterOk(dialog));
    Outcome outcome = OutcomeOf(saved, original, {PlatformSave(original, edited).view});
    EXPECT_EQ(outcome.save, 0) << (outcome.kept ? "the file is as before" : outcome.problem);
    EXPECT_EQ(FilesIn(game.PluginDir()), kJustTheFile) << "left beside the file";
    if (kept.check) kept.check(game, saved);
}

INSTANTIATE_TEST_SUITE_P(Save, KeptBySave, ::testing::ValuesIn(kKept),
                         [](const ::testing::TestParamInfo<Kept>& info) { return info.param.name; });
