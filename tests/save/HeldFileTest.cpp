// Another program that reads the file for a moment does not fail a save; one that keeps it open fails it, harmlessly.
#include <gtest/gtest.h>

#include "tests/save/DialogValues.h"
#include "tests/save/Moment.h"
#include "tests/save/PlatformSave.h"
#include "tests/save/AfterOk.h"
#include "tests/save/SaveOutcome.h"
#include "tests/save/SettingsFile.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"

namespace {

// A reader as the plug-in or another dialog is one: it lets others read and write, but not remove or replace.
class Reader {
public:
    explicit Reader(const std::string& path)
        : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                            nullptr)) {}
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader() { Release(); }

    bool Holding() const { return file_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Holding()) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE file_;
};

constexpr DWORD kUntilTold = INFINITE;

struct Hold {
    const char* name;
    // How long after "Ok" the reader lets go; kUntilTold keeps it until the user has been told.
    DWORD releaseAfterMs;
};

const Hold kHolds[] = {{"AReaderForAMoment", 400}, {"AReaderThatStays", kUntilTold}};

void SaveWhileHeld(const Hold& hold) {
    GameFolder game(CurrentTestName() + "." + hold.name);
    std::string original = SettingsFileOfSize(8 * 1024);
    game.WriteConfig(original);
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    DialogValues edited = EveryValueChanged(ShownBy(dialog), "^3held");
    ASSERT_TRUE(EnterValues(dialog, edited));
    ProfileView saved = PlatformSave(original, edited).view;

    Reader reader(game.Config());
    ASSERT_TRUE(reader.Holding()) << "cannot open " << game.Config();
    if (hold.releaseAfterMs != kUntilTold) {
        // What the reader sees as it lets go: the save cannot have replaced the file it holds.
        bool runningAtRelease = false, keptAtRelease = false;
        {
            const std::string config = game.Config();
            HANDLE process = dialog.Process();
            OneShot release(hold.releaseAfterMs, [&] {
                runningAtRelease = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
                keptAtRelease = ReadFileBytes(config) == original;
                reader.Release();
            });
            ASSERT_TRUE(release.Set());
            PostOkClick(dialog);
            ASSERT_TRUE(ExpectEndsAfterOk(dialog));
        }
        EXPECT_TRUE(runningAtRelease) << "the save was over before the reader let go";
        EXPECT_TRUE(keptAtRelease) << "the file changed while the reader held it";
    } else {
        PostOkClick(dialog);
        ASSERT_TRUE(ExpectSaveRefused(dialog, game, original, edited));
        reader.Release();
        PostOkClick(dialog);
        ASSERT_TRUE(ExpectEndsAfterOk(dialog));
    }
    Outcome outcome = OutcomeOf(game.Config(), original, {saved});
    EXPECT_EQ(outcome.save, 0) << (outcome.kept ? "the file is as before" : outcome.problem);
    EXPECT_EQ(FilesIn(game.PluginDir()), std::vector<std::string>{"config.bot"}) << "left beside the file";
}

}  // namespace

TEST(HeldFile, AReaderForAMomentDelaysTheSaveAndOneThatStaysFailsItWithoutHarm) {
    for (const Hold& hold : kHolds) {
        SCOPED_TRACE(hold.name);
        SaveWhileHeld(hold);
    }
}
