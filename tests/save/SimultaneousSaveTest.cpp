// Dialogs on one game folder that save at the same moment take turns: the file ends as one of them saved it, whole.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <thread>

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

constexpr int kRounds = 20;
constexpr size_t kFileSize = 256 * 1024;
constexpr int kLongestGapMs = 20;

// Each dialog's values differ from every other dialog's in the lists and the prefix, so a mix shows.
DialogValues ValuesOfDialog(int dialog) {
    DialogValues values = StoredValues();
    values.botIndex = 5 + dialog;
    values.debug = dialog % 2 == 0;
    values.skillIndex = 2 + dialog;
    values.nick += std::string("-") + char('a' + dialog);
    return values;
}

// Starts the dialogs side by side: one after the other, their starts would take most of the test's time.
std::vector<std::unique_ptr<DialogProcess>> OpenDialogs(const GameFolder& game, int count) {
    std::vector<std::unique_ptr<DialogProcess>> started(static_cast<size_t>(count));
    std::vector<std::thread> starting;
    for (auto& dialog : started)
        starting.emplace_back([&game, &dialog] { dialog = std::make_unique<DialogProcess>(game); });
    for (std::thread& start : starting) start.join();
    return started;
}

class SimultaneousSave : public ::testing::TestWithParam<int> {};

}  // namespace

TEST_P(SimultaneousSave, TheFileIsOneDialogsWholeSaveAndEveryDialogEndsNormally) {
    const int dialogs = GetParam();
    std::mt19937 random = SeededRandom();
    std::uniform_int_distribution<int> gap(0, kLongestGapMs);
    GameFolder game;
    std::string original = SettingsFileOfSize(kFileSize);
    std::vector<ProfileView> saves;
    for (int d = 0; d < dialogs; ++d) saves.push_back(PlatformSave(original, ValuesOfDialog(d)).view);

    std::vector<int> won(size_t(dialogs), 0);
    for (int round = 0; round < kRounds; ++round) {
        // The first round presses all at once; the others leave 0 to 20 ms between one press and the next.
        std::vector<int> gaps{0};
        for (int d = 1; d < dialogs; ++d) gaps.push_back(round == 0 ? 0 : gap(random));
        std::string said = "round " + std::to_string(round) + ", gaps";
        for (int d = 1; d < dialogs; ++d) said += " " + std::to_string(gaps[size_t(d)]) + " ms";
        SCOPED_TRACE(said);

        game.WriteConfig(original);
        std::vector<std::unique_ptr<DialogProcess>> open = OpenDialogs(game, dialogs);
        for (const auto& dialog : open) {
            ASSERT_TRUE(dialog->Up());
            ASSERT_EQ(ShownBy(*dialog), StoredValues());
        }
        for (int d = 0; d < dialogs; ++d) ASSERT_TRUE(EnterValues(*open[size_t(d)], ValuesOfDialog(d)));

        Stopwatch clock;
        double at = 0;
        for (int d = 0; d < dialogs; ++d) {
            at += gaps[size_t(d)];
            clock.HoldUntil(at);
            PostOkClick(*open[size_t(d)]);
        }
        for (int d = 0; d < dialogs; ++d) {
            EXPECT_TRUE(ExpectEndsAfterOk(*open[size_t(d)])) << "dialog " << d;
        }
        Outcome outcome = OutcomeOf(game.Config(), original, saves);
        EXPECT_GE(outcome.save, 0) << (outcome.kept ? "no save reached the file" : outcome.problem);
        if (outcome.save >= 0) ++won[size_t(outcome.save)];
        EXPECT_EQ(FilesIn(game.PluginDir()), std::vector<std::string>{"config.bot"}) << "left beside the file";
    }
    std::string tally;
    for (int d = 0; d < dialogs; ++d) tally += " dialog " + std::to_string(d) + ": " + std::to_string(won[size_t(d)]);
    std::printf("%d rounds of %d dialogs; whose save the file held:%s\n", kRounds, dialogs, tally.c_str());
}

INSTANTIATE_TEST_SUITE_P(Save, SimultaneousSave, ::testing::Values(2, 3),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::to_string(info.param) + "Dialogs";
                         });
