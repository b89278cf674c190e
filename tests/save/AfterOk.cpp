// Waits for whichever comes first, the end or the box, so that the wrong one is reported at once.
#include "tests/save/AfterOk.h"

#include <gtest/gtest.h>

#include "tests/save/SaveOutcome.h"
#include "tests/support/SaveFailureBox.h"

namespace {

bool BoxShown(const DialogProcess& dialog) { return dialog.ShownWindowOfClass("#32770") != nullptr; }

}  // namespace

bool ExpectEndsAfterOk(DialogProcess& dialog, DWORD timeoutMs) {
    WaitUntil([&] { return !dialog.Running() || BoxShown(dialog); }, timeoutMs);
    if (dialog.Running()) {
        ADD_FAILURE() << (BoxShown(dialog) ? "the save failed and the user was told" : "the program did not end");
        return false;
    }
    EXPECT_EQ(dialog.ExitCode(), 0u);
    return true;
}

bool ExpectSaveRefused(const DialogProcess& dialog, const GameFolder& game, const std::string& before,
                       const DialogValues& edited) {
    WaitUntil([&] { return BoxShown(dialog) || !dialog.Running(); });
    if (dialog.Running())
        ExpectToldSaveFailedAndDismiss(dialog, game.Config());
    else
        ADD_FAILURE() << "the program ended without telling the user";
    std::string now = game.ReadConfig();
    EXPECT_TRUE(now == before) << "the file changed: " << now.size() << " bytes, " << before.size() << " before";
    EXPECT_EQ(FilesIn(game.PluginDir()), std::vector<std::string>{"config.bot"}) << "left beside the file";
    if (!dialog.Running()) return false;
    EXPECT_EQ(ShownBy(dialog), edited) << "the edits are gone";
    return true;
}
