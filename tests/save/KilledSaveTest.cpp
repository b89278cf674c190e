// A program ended at any moment of a save leaves the file as it was or wholly saved, and what it left beside the file
// is never taken for the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tests/save/AfterOk.h"
#include "tests/save/DialogValues.h"
#include "tests/save/Moment.h"
#include "tests/save/NextRound.h"
#include "tests/save/SaveOutcome.h"
#include "tests/save/Seed.h"
#include "tests/save/SettingsFile.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"
#include "tests/support/PlatformSave.h"
#include "tests/support/Wait.h"

namespace {

constexpr int kMeasured = 3;
constexpr int kRounds = 50;
constexpr size_t kFileSize = 1 << 20;
// A save of a megabyte on a loaded machine: seconds at worst.
constexpr DWORD kSaveTime = 3 * kPatience;

// Opens the dialog on the file as it was, then enters the new values.
bool OpenAndEdit(DialogProcess& dialog, const Settings& edited) {
    if (!dialog.Up()) return false;
    EXPECT_EQ(WhatTheDialogShows(dialog), StoredValues()) << "the dialog does not show the file's values";
    return EnterValues(dialog, edited);
}

// Whether the save left a copy of its own beside the file, not one an earlier round left: one was ended mid-way.
bool CopyMadeSince(const GameFolder& game, const FILETIME& since) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((game.PluginDir() + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool made = false;
    do {
        std::string name = entry.cFileName;
        if (name != "." && name != ".." && name != "config.bot" && CompareFileTime(&entry.ftLastWriteTime, &since) > 0)
            made = true;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return made;
}

}  // namespace

TEST(KilledSave, TheFileIsAsBeforeOrWhollySavedWheneverTheProgramIsEnded) {
    std::mt19937 random = SeededRandom();
    std::string original = SettingsFileOfSize(kFileSize);
    Settings edited = EveryValueChanged(StoredValues(), "^3saved");
    PlatformSaved saved = PlatformSave(original, edited);
    // What an ended save left beside the file stays, for the next dialog to ignore and the next save to clear.
    NextRound next(CurrentTestName(), [&](const GameFolder& game) {
        game.WriteConfig(original);
        Dialogs dialogs;
        dialogs.push_back(std::make_unique<DialogProcess>(game));
        return dialogs;
    });

    // The first rounds measure saves left to finish, from the click to the end of the program; the moments to end
    // the others fall before the click is taken, during the save, and while the program closes or after it ended.
    std::vector<double> measured;
    std::uniform_real_distribution<double> moment;
    int kept = 0, endedMidway = 0, whole = 0, endedByItself = 0;
    for (int round = 0; round < kMeasured + kRounds; ++round) {
        Round now = next.Take(round + 1 < kMeasured + kRounds);
        const GameFolder& game = *now.game;
        DialogProcess& dialog = *now.dialogs[0];
        ASSERT_TRUE(OpenAndEdit(dialog, edited));
        if (round < kMeasured) {
            Stopwatch clock;
            PostOkClick(dialog);
            ASSERT_TRUE(ExpectEndsAfterOk(dialog, kSaveTime)) << "a save left to finish";
            measured.push_back(clock.Ms());
            ASSERT_EQ(OutcomeOf(game.Config(), original, {saved}).save, 0) << "a save left to finish is not complete";
            if (round + 1 == kMeasured) {
                std::sort(measured.begin(), measured.end());
                double saveMs = measured[measured.size() / 2];
                moment = std::uniform_real_distribution<double>(0, saveMs * 1.25);
                std::printf("a save of %zu bytes takes %.1f ms from the click to the end; ended 0 to %.1f ms after "
                            "the click\n",
                            original.size(), saveMs, saveMs * 1.25);
            }
            continue;
        }

        double at = moment(random);
        SCOPED_TRACE(testing::Message() << "round " << round - kMeasured << ", ended " << at << " ms after the click");
        FILETIME clicked;
        GetSystemTimeAsFileTime(&clicked);
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
            if (CopyMadeSince(game, clicked)) ++endedMidway;
        } else {
            ++whole;
            if (byItself) ++endedByItself;
        }
    }
    std::printf("%d rounds: the file as before %d times (%d of them ended with its copy made), wholly saved %d times "
                "(%d of them by a program that ended by itself)\n",
                kRounds, kept, endedMidway, whole, endedByItself);

    // The next save in each folder clears what the ended ones left.
    for (size_t i = 0; i < 2; ++i) {
        const GameFolder& game = next.Folder(i);
        game.WriteConfig(original);
        DialogProcess last(game);
        ASSERT_TRUE(OpenAndEdit(last, edited));
        PostOkClick(last);
        ASSERT_TRUE(ExpectEndsAfterOk(last, kSaveTime));
        EXPECT_EQ(OutcomeOf(game.Config(), original, {saved}).save, 0);
        EXPECT_EQ(FilesIn(game.PluginDir()), std::vector<std::string>{"config.bot"}) << "left beside the file";
    }
}
