// What another process can write on the dialog's own windows, the user data and any property, leads the dialog to
// no object of the writer's choosing; the window's procedure, which it cannot change, stays the dialog's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/hostile/Aftermath.h"
#include "tests/hostile/ForeignWindow.h"
#include "tests/support/DialogProcess.h"
#include "tests/support/FolderTree.h"
#include "tests/support/GameFolder.h"
#include "tests/support/Paths.h"

namespace {

const WORD kCodes[] = {BN_CLICKED, BN_DOUBLECLICKED, CBN_DROPDOWN, CBN_SELCHANGE, EN_CHANGE, 0xFFFF};

// Hands one window of the dialog, whose data was rewritten, the messages the toolkit routes and a few the controls
// know, naming the dialog's controls and windows that are not the dialog's; then waits until all are handled.
// Never a notification from a control to its own parent, which would be a real click, nor a click of Ok or About.
::testing::AssertionResult HandEverything(DialogProcess& dialog, const Named& to, LONG_PTR value,
                                          const std::vector<Named>& windows, const std::vector<HWND>& strangers) {
    std::vector<HWND> named(strangers);
    for (const Named& window : windows)
        if (GetParent(window.window) != to.window) named.push_back(window.window);
    const HDC noDc = HDC(LONG_PTR(0x0BADDC0));
    bool handed = true;
    for (HWND sender : named) {
        for (WORD code : kCodes) handed &= Hand(to.window, WM_COMMAND, MAKEWPARAM(0, code), LPARAM(sender));
        for (UINT request : kColourRequests) handed &= Hand(to.window, request, WPARAM(noDc), LPARAM(sender));
    }
    // Only a CREATESTRUCT's numbers can be junk: Wine reads its strings in the sending process.
    CREATESTRUCTA creation{};
    creation.lpCreateParams = reinterpret_cast<void*>(value);
    creation.hInstance = HINSTANCE(value);
    creation.hwndParent = HWND(value);
    creation.lpszName = "forged";
    for (UINT message : {WM_NCCREATE, WM_CREATE}) handed &= Hand(to.window, message, 0, LPARAM(&creation));
    handed &= Hand(to.window, WM_SETTEXT, 0, LPARAM("forged"));
    MINMAXINFO sizes{};
    handed &= Hand(to.window, WM_GETMINMAXINFO, 0, LPARAM(&sizes));
    const bool clickActs = to.window == dialog.Control(Ctl::OkButton) || to.window == dialog.Control(Ctl::AboutButton);
    for (UINT message : kButtonMessages)
        if (message != BM_CLICK || !clickActs) handed &= Hand(to.window, message, WPARAM(value), value);
    for (UINT message : kComboMessages) handed &= Hand(to.window, message, 1, value);
    if (handed && Settle(dialog)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the " << to.name << " did not handle what it was handed: " << Fate(dialog);
}

// What a user sees of every window: text, list, selection and check.
std::string Appearance(const std::vector<Named>& windows) {
    std::string seen;
    for (const Named& window : windows) {
        seen += window.name + ": '" + DialogProcess::Text(window.window) + "' [";
        for (const std::string& item : DialogProcess::Items(window.window)) seen += item + ",";
        seen += "] at " + std::to_string(DialogProcess::CurrentIndex(window.window)) +
                (DialogProcess::Checked(window.window) ? " checked\n" : "\n");
    }
    return seen;
}

}  // namespace

// A game folder with the plug-in's file, and what its folder held before the dialog opened.
class ForgedLink : public ::testing::Test {
protected:
    ForgedLink() : game(CurrentTestName()) {
        game.WriteConfig(kSettingsFile);
        before = TreeOf(game.PluginDir());
    }

    GameFolder game;
    Tree before;
};

TEST_F(ForgedLink, ACreationMessageFromAnotherProcessRemakesNoWindow) {
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    const std::vector<Named> windows = DialogWindows(dialog);
    const std::string seen = Appearance(windows);

    // A window class builds its state at these messages. Under Wine one sent from another process reaches the window
    // (posting it is refused), and a class that takes it starts afresh: the combo boxes came back empty, and every
    // window's text was set from memory that was not the sender's string (seen here).
    CREATESTRUCTA creation{};
    creation.lpCreateParams = reinterpret_cast<void*>(LONG_PTR(0x41414141));
    creation.style = WS_CHILD | WS_VISIBLE;
    creation.cx = creation.cy = 10;
    creation.lpszName = "remade";
    for (const Named& window : windows)
        for (UINT message : {WM_NCCREATE, WM_CREATE})
            ASSERT_TRUE(Deliver(dialog, window.window, message, 0, LPARAM(&creation)))
                << MessageName(message) << " to the " << window.name << ": " << Fate(dialog);
    EXPECT_EQ(Appearance(windows), seen);
    EXPECT_EQ(TreeDifference(before, TreeOf(game.PluginDir())), "") << "the dialog wrote though its Ok was not clicked";
    ExpectOkStillSaves(dialog, game);
}

TEST_F(ForgedLink, RewrittenUserDataAndPropertiesOnTheDialogsWindowsLeadNowhere) {
    DialogProcess dialog(game);
    ASSERT_TRUE(dialog.Up());
    const std::vector<Named> windows = DialogWindows(dialog);

    // What the dialog relies on: no other process can change a window's procedure (Windows and Wine refuse it),
    // while the user data and properties are written across processes (checked by CarryValue below); nor can it
    // post a message whose pointer the dialog reads (the form's WM_GETMINMAXINFO).
    for (const Named& window : windows) {
        SetLastError(0);
        ASSERT_EQ(SetWindowLongPtrA(window.window, GWLP_WNDPROC, LONG_PTR(0x41414141)), 0) << window.name;
        ASSERT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED)) << window.name;
        for (UINT message : kPointingMessages) {
            SetLastError(0);
            ASSERT_FALSE(PostMessageA(window.window, message, 0, LPARAM(0x41414141))) << MessageName(message);
            ASSERT_EQ(GetLastError(), DWORD(ERROR_MESSAGE_SYNC_ONLY)) << MessageName(message);
        }
    }
    ASSERT_TRUE(Settle(dialog)) << Fate(dialog);

    // Each window's own data as the program left it, before any is rewritten.
    std::vector<LONG_PTR> kept;
    for (const Named& window : windows) kept.push_back(DataKeptOn(window.window));
    const struct {
        const char* name;
        LONG_PTR value;
    } values[] = {
        {"0", 0},
        {"1", 1},
        {"0x4141...", LONG_PTR(~ULONG_PTR(0) / 0xFF * 0x41)},
        {"all bits set", -1},
        {"an address of the test's", LONG_PTR(&kSettingsFile)},
        // Filled in per window below: what the next window of the dialog kept.
        {"what the next window of the dialog kept", 0},
    };
    for (const auto& row : values) {
        SCOPED_TRACE(row.name);
        const bool another = &row == &values[std::size(values) - 1];
        ForeignWindow stranger(row.value);
        ForeignWindow inPanel(row.value, dialog.Panel());
        for (size_t i = 0; i < windows.size(); ++i) {
            const LONG_PTR value = another ? kept[(i + 1) % kept.size()] : row.value;
            ASSERT_TRUE(CarryValue(windows[i].window, value)) << "the " << windows[i].name << " kept its data";
        }
        for (size_t i = 0; i < windows.size(); ++i) {
            const LONG_PTR value = another ? kept[(i + 1) % kept.size()] : row.value;
            ASSERT_TRUE(HandEverything(dialog, windows[i], value, windows, {stranger.Handle(), inPanel.Handle(), nullptr}));
        }
    }
    ASSERT_TRUE(dialog.WaitIdle());
    EXPECT_EQ(TreeDifference(before, TreeOf(game.PluginDir())), "") << "the dialog wrote though its Ok was not clicked";
    ExpectOkStillSaves(dialog, game);
}
