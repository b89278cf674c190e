// Notifications and colour requests naming a window the dialog did not make: a window of the test's own that
// carries what the toolkit keeps on a control, and the controls of a second dialog.
#include <gtest/gtest.h>

#include <string>

#include "tests/hostile/Aftermath.h"
#include "tests/hostile/ForeignWindow.h"
#include "tests/support/DialogProcess.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"

namespace {

// The notifications the dialog's controls send, and a code none of them sends.
const WORD kCodes[] = {BN_CLICKED, BN_DOUBLECLICKED, CBN_DROPDOWN, CBN_SELCHANGE, EN_CHANGE, 0xFFFF};

// Sends the dialog's form and panel every notification and colour request naming the sender, the colour requests
// with a device context that is none; false, with a failure naming the message, at the first one not handled.
bool NameInEveryMessage(DialogProcess& dialog, HWND sender, const std::string& what) {
    const struct {
        const char* name;
        HWND window;
    } receivers[] = {{"form", dialog.Form()}, {"panel", dialog.Panel()}};
    const HDC noDc = HDC(LONG_PTR(0x0BADDC0));
    for (const auto& to : receivers) {
        for (WORD code : kCodes) {
            if (Deliver(dialog, to.window, WM_COMMAND, MAKEWPARAM(0, code), LPARAM(sender))) continue;
            ADD_FAILURE() << "WM_COMMAND code " << code << " naming " << what << " to the "
                          << to.name << " was not handled: " << Fate(dialog);
            return false;
        }
        for (UINT request : kColourRequests) {
            if (Deliver(dialog, to.window, request, WPARAM(noDc), LPARAM(sender))) continue;
            ADD_FAILURE() << MessageName(request) << " naming " << what << " to the "
                          << to.name << " was not handled: " << Fate(dialog);
            return false;
        }
    }
    return true;
}

}  // namespace

TEST(ForgedSender, AWindowOfTheTestsCarryingAControlsDataIsNoControlOfTheDialog) {
    for (bool withFile : {true, false}) {
        SCOPED_TRACE(withFile ? "with a settings file" : "without a settings file");
        GameFolder game(CurrentTestName() + (withFile ? ".file" : ".none"));
        if (withFile) game.WriteConfig(kSettingsFile);
        const auto before = PluginFiles(game);
        DialogProcess dialog(game);
        ASSERT_TRUE(dialog.Up());

        const struct {
            const char* name;
            LONG_PTR value;
        } values[] = {
            {"1", 1},
            {"0x4141...", LONG_PTR(~ULONG_PTR(0) / 0xFF * 0x41)},
            {"all bits set", -1},
            {"an address of the test's", LONG_PTR(&kSettingsFile)},
            {"what the dialog keeps on its Ok button", DataKeptOn(dialog.Control(Ctl::OkButton))},
        };
        for (const auto& value : values) {
            for (bool inPanel : {false, true}) {
                std::string what = std::string("a window of the test's ") + (inPanel ? "in the panel" : "of its own") +
                                   " carrying " + value.name;
                ForeignWindow window(value.value, inPanel ? dialog.Panel() : nullptr);
                ASSERT_NE(window.Handle(), nullptr) << what;
                ASSERT_TRUE(NameInEveryMessage(dialog, window.Handle(), what));
            }
        }
        EXPECT_EQ(PluginFiles(game), before) << "the dialog wrote though its Ok was not clicked";
        ExpectOkStillSaves(dialog, game);
    }
}

TEST(ForgedSender, NeitherOfTwoDialogsTakesANotificationNamingTheOthersControl) {
    GameFolder gameA(CurrentTestName() + ".A");
    GameFolder gameB(CurrentTestName() + ".B");
    gameA.WriteConfig(kSettingsFile);
    const auto beforeA = PluginFiles(gameA);
    const auto beforeB = PluginFiles(gameB);
    DialogProcess a(gameA);
    ASSERT_TRUE(a.Up());
    DialogProcess b(gameB);
    ASSERT_TRUE(b.Up());
    // Side by side, so that a real click reaches each one's own Ok.
    RECT centred = ScreenRect(a.Form());
    SetWindowPos(a.Form(), nullptr, centred.left - 130, centred.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(b.Form(), nullptr, centred.left + 130, centred.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    const struct {
        const char* name;
        DialogProcess& to;
        const DialogProcess& other;
    } pairs[] = {{"A, naming B's ", a, b}, {"B, naming A's ", b, a}};
    const struct {
        const char* name;
        Ctl which;
    } named[] = {{"Ok", Ctl::OkButton},
                 {"About", Ctl::AboutButton},
                 {"DebugCheck", Ctl::DebugCheck},
                 {"SkillCombo", Ctl::SkillCombo},
                 {"NickPrefixEdit", Ctl::NickPrefixEdit}};
    for (const auto& pair : pairs)
        for (const auto& control : named)
            ASSERT_TRUE(
                NameInEveryMessage(pair.to, pair.other.Control(control.which), pair.name + std::string(control.name)));
    ASSERT_TRUE(a.WaitIdle() && b.WaitIdle());
    EXPECT_EQ(PluginFiles(gameA), beforeA) << "A wrote though its Ok was not clicked";
    EXPECT_EQ(PluginFiles(gameB), beforeB) << "B wrote though its Ok was not clicked";

    ExpectOkStillSaves(a, gameA);
    EXPECT_TRUE(b.Running()) << "B ended with A";
    EXPECT_EQ(PluginFiles(gameB), beforeB) << "B wrote when A's Ok was clicked";
    ExpectOkStillSaves(b, gameB);
}
