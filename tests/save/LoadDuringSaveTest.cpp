// A dialog that opens while another saves shows the settings from before that save or after it, never a mix or the
// defaults read from a file half written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "tests/save/AfterOk.h"
#include "tests/save/DialogValues.h"
#include "tests/save/Moment.h"
#include "tests/save/PlatformSave.h"
#include "tests/save/SaveOutcome.h"
#include "tests/save/SettingsFile.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"
#include "tests/support/Wait.h"

namespace {

constexpr int kRounds = 10;
constexpr size_t kFileSize = 2 << 20;
constexpr DWORD kSaveTime = 3 * kPatience;

// From starting the program to its dialog shown and idle, in milliseconds; the dialog reads the file at the end.
double MeasuredStart(const GameFolder& game) {
    Stopwatch clock;
    DialogProcess dialog(game);
    double ms = clock.Ms();
    EXPECT_TRUE(dialog.Up());
    PostMessageA(dialog.Form(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(dialog.WaitForExit());
    return ms;
}

}  // namespace

TEST(LoadDuringSave, ADialogOpenedDuringASaveShowsTheValuesFromBeforeOrAfterIt) {
    GameFolder game;
    std::string original = SettingsFileOfSize(kFileSize);
    DialogValues edited = EveryValueChanged(StoredValues(), "^3new");
    ProfileView saved = PlatformSave(original, edited).view;

    game.WriteConfig(original);
    std::vector<double> starts;
    for (int i = 0; i < 3; ++i) starts.push_back(MeasuredStart(game));
    std::sort(starts.begin(), starts.end());
    double saveMs;
    {
        DialogProcess saver(game);
        ASSERT_TRUE(EnterValues(saver, edited));
        Stopwatch clock;
        PostOkClick(saver);
        ASSERT_TRUE(ExpectEndsAfterOk(saver, kSaveTime));
        saveMs = clock.Ms();
        ASSERT_EQ(OutcomeOf(game.Config(), original, {saved}).save, 0) << "a save left alone is not complete";
    }
    // The moment of the click, counted from the second dialog's start, moves towards where that dialog's reading
    // meets the end of the save, the file's replacement: earlier after a round that showed the old values, later
    // after one that showed the new, in ever smaller steps.
    double clickAt = std::max(0.0, starts[1] - saveMs), step = saveMs / 2;
    std::printf("start %.1f ms, save %.1f ms; the first click comes %.1f ms after the second dialog starts\n",
                starts[1], saveMs, clickAt);

    int before = 0, after = 0;
    bool lastBefore = false;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(testing::Message() << "round " << round << ", Ok clicked " << clickAt << " ms after the start");
        game.WriteConfig(original);
        DialogProcess saver(game);
        ASSERT_TRUE(saver.Up());
        ASSERT_TRUE(EnterValues(saver, edited));
        HWND ok = saver.Control(Ctl::OkButton);
        DialogValues shown{};
        double openedMs;
        {
            Stopwatch clock;
            OneShot click(DWORD(clickAt), [ok] { PostMessageA(ok, BM_CLICK, 0, 0); });
            ASSERT_TRUE(click.Set());
            DialogProcess opened(game);
            openedMs = clock.Ms();
            ASSERT_TRUE(opened.Up());
            shown = ShownBy(opened);
            PostMessageA(opened.Form(), WM_CLOSE, 0, 0);
            EXPECT_TRUE(opened.WaitForExit());
        }
        bool showedBefore = shown == StoredValues();
        if (showedBefore)
            ++before;
        else if (shown == edited)
            ++after;
        else
            ADD_FAILURE() << "the dialog opened during the save shows " << Describe(shown) << ", neither "
                          << Describe(StoredValues()) << " nor " << Describe(edited);
        std::printf("round %d: clicked %.1f ms after the start, shown after %.1f ms: %s\n", round, clickAt, openedMs,
                    showedBefore ? "old values" : shown == edited ? "new values" : "neither");
        ASSERT_TRUE(ExpectEndsAfterOk(saver, kSaveTime)) << "the dialog that saved";
        Outcome outcome = OutcomeOf(game.Config(), original, {saved});
        EXPECT_EQ(outcome.save, 0) << (outcome.kept ? "the file is as before" : outcome.problem);

        if (round > 0 && showedBefore != lastBefore) step = std::max(5.0, step / 2);
        lastBefore = showedBefore;
        clickAt = std::max(0.0, showedBefore ? clickAt - step : clickAt + step);
    }
    std::printf("%d rounds: the dialog opened during the save showed the old values %d times, the new %d times\n",
                kRounds, before, after);
}
