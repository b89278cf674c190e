// A program ended at any moment of a save leaves the file as it was or wholly saved, and what it left beside the file
// is never taken for the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tests/save/AfterOk.h"
#include "tests/save/DialogValues.h"
#include "tests/save/Moment.h"
#include "tests/save/PlatformSave.h"
#include "tests/save/SaveOutcome.h"
#include "tests/save/Seed.h"
#include "tests/save/SettingsFile.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"
#include "tests/support/Wait.h"

namespace {

constexpr int kRounds = 50;
constexpr size_t kFileSize = 1 << 20;
// A save of a megabyte on a loaded machine: seconds at worst.
constexpr DWORD kSaveTime = 3 * kPatience;

// Opens the dialog on the file as it was, then enters the new values.
bool OpenAndEdit(DialogProcess& dialog, const DialogValues& edited) {
    if (!dialog.Up()) return false;
    EXPECT_EQ(ShownBy(dialog), StoredValues()) << "the dialog does not show the file's values";
    return EnterValues(dialog, edited);
}

// From the click to the end of the program, in milliseconds, for a save left to finish.
double MeasuredSave(const GameFolder& game, const std::string& original, const DialogValues& edited,
                    const ProfileView& saved) {
    game.WriteConfig(original);
    DialogProcess dialog(game);
    if (!OpenAndEdit(dialog, edited)) return 0;
    Stopwatch clock;
    PostOkClick(dialog);
    EXPECT_TRUE(ExpectEndsAfterOk(dialog, kSaveTime));
    double ms = clock.Ms();
    EXPECT_EQ(OutcomeOf(game.Config(), original, {saved}).save, 0) << "a save left to finish is not complete";
    return ms;
}

}  // namespace

TEST(KilledSave, TheFileIsAsBeforeOrWhollySavedWheneverTheProgramIsEnded) {
    std::mt19937 random = SeededRandom();
    GameFolder game;
    std::string original = SettingsFileOfSize(kFileSize);
    DialogValues edited = EveryValueChanged(StoredValues(), "^3saved");
    ProfileView saved = PlatformSave(original, edited).view;

    std::vector<double> measured;
    for (int i = 0; i < 3; ++i) measured.push_back(MeasuredSave(game, original, edited, saved));
    ASSERT_FALSE(HasFailure()) << "the save to be ended does not work when left alone";
    std::sort(measured.begin(), measured.end());
    double saveMs = measured[1];
    // Before the click is taken, during the save, and while the program closes or after it has ended.
    std::uniform_real_distribution<double> moment(0, saveMs * 1.25);
    std::printf("a save of %zu bytes takes %.1f ms from the click to the end; ended 0 to %.1f ms after the click\n",
                original.size(), saveMs, saveMs * 1.25);

    int kept = 0, keptWithCopy = 0, whole = 0, endedByItself = 0;
    for (int round = 0; round < kRounds; ++round) {
        double at = moment(random);
        SCOPED_TRACE(testing::Message() << "round " << round << ", ended " << at << " ms after the click");
        // What an ended save left beside the file stays, for the next dialog to ignore and the next save to clear.
        game.WriteConfig(original);
        DialogProcess dialog(game);
        ASSERT_TRUE(OpenAndEdit(dialog, edited));
        {
            HANDLE process = dialog.Process();
            PostOkClick(dialog);
            OneShot end(DWORD(at), [process] { TerminateProcess(process, 99); });
            ASSERT_TRUE(end.Set());
            ASSERT_TRUE(dialog.WaitForExit(kSaveTime)) << "the program did not end";
        }
        bool byItself = dialog.ExitCode() == 0;
        Outcome outcome = OutcomeOf(game.Config(), original, {saved});
        if (!outcome.Whole() || (byItself && outcome.save != 0)) {
            std::string aside = ScratchDir() + "\\" + CurrentTestName() + ".round" + std::to_string(round) + ".bot";
            CopyFileA(game.Config().c_str(), aside.c_str(), FALSE);
            ADD_FAILURE() << (outcome.Whole() ? "the program ended by itself and its save is not there"
                                              : outcome.problem)
                          << "; the file stays in " << aside;
            continue;
        }
        if (outcome.kept) {
            ++kept;
            if (FilesIn(game.PluginDir()).size() > 1) ++keptWithCopy;
        } else {
            ++whole;
            if (byItself) ++endedByItself;
        }
    }
    std::printf("%d rounds: the file as before %d times (%d with a copy left beside it), wholly saved %d times "
                "(%d of them by a program that ended by itself)\n",
                kRounds, kept, keptWithCopy, whole, endedByItself);

    // The next save after all that clears what the ended ones left.
    game.WriteConfig(original);
    DialogProcess last(game);
    ASSERT_TRUE(OpenAndEdit(last, edited));
    PostOkClick(last);
    ASSERT_TRUE(ExpectEndsAfterOk(last, kSaveTime));
    EXPECT_EQ(OutcomeOf(game.Config(), original, {saved}).save, 0);
    EXPECT_EQ(FilesIn(game.PluginDir()), std::vector<std::string>{"config.bot"}) << "left beside the file";
}
