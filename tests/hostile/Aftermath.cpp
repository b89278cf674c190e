// Checks that look at the program only from outside: what it handled, its files and its exit code.
#include "tests/hostile/Aftermath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "tests/support/Paths.h"
#include "tests/support/UserActions.h"
#include "tests/support/Wait.h"

const char kSettingsFile[] = "[main]\r\nnum_bots=3\r\ndebug=1\r\n[bot]\r\nskill=2\r\nnick_prefix=^3before\r\n";

const UINT kColourRequests[7] = {WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT,      WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
                                 WM_CTLCOLORDLG,    WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC};

const UINT kComboMessages[8] = {CB_SETCURSEL,       CB_GETCURSEL,       CB_GETCOUNT,     CB_SHOWDROPDOWN,
                                 CB_GETDROPPEDSTATE, CB_SETDROPPEDWIDTH, CB_DELETESTRING, CB_SETEXTENDEDUI};
const UINT kButtonMessages[5] = {BM_GETCHECK, BM_SETCHECK, BM_GETSTATE, BM_SETSTATE, BM_CLICK};

const char* MessageName(UINT message) {
    switch (message) {
    case WM_NCCREATE: return "WM_NCCREATE";
    case WM_CREATE: return "WM_CREATE";
    case WM_GETMINMAXINFO: return "WM_GETMINMAXINFO";
    case WM_COMMAND: return "WM_COMMAND";
    case WM_SETTEXT: return "WM_SETTEXT";
    case WM_CTLCOLORMSGBOX: return "WM_CTLCOLORMSGBOX";
    case WM_CTLCOLOREDIT: return "WM_CTLCOLOREDIT";
    case WM_CTLCOLORLISTBOX: return "WM_CTLCOLORLISTBOX";
    case WM_CTLCOLORBTN: return "WM_CTLCOLORBTN";
    case WM_CTLCOLORDLG: return "WM_CTLCOLORDLG";
    case WM_CTLCOLORSCROLLBAR: return "WM_CTLCOLORSCROLLBAR";
    case WM_CTLCOLORSTATIC: return "WM_CTLCOLORSTATIC";
    case CB_SETCURSEL: return "CB_SETCURSEL";
    case CB_GETCURSEL: return "CB_GETCURSEL";
    case CB_GETCOUNT: return "CB_GETCOUNT";
    case CB_SHOWDROPDOWN: return "CB_SHOWDROPDOWN";
    case CB_GETDROPPEDSTATE: return "CB_GETDROPPEDSTATE";
    case CB_SETDROPPEDWIDTH: return "CB_SETDROPPEDWIDTH";
    case CB_DELETESTRING: return "CB_DELETESTRING";
    case CB_SETEXTENDEDUI: return "CB_SETEXTENDEDUI";
    case BM_GETCHECK: return "BM_GETCHECK";
    case BM_SETCHECK: return "BM_SETCHECK";
    case BM_GETSTATE: return "BM_GETSTATE";
    case BM_SETSTATE: return "BM_SETSTATE";
    case BM_CLICK: return "BM_CLICK";
    }
    return "message";
}

std::vector<Named> DialogWindows(const DialogProcess& dialog) {
    const char* const names[] = {"NickPrefixLabel", "BotCountLabel",  "SkillLabel",
                                 "AboutButton",     "OkButton",       "BotCountCombo",
                                 "SkillCombo",      "NickPrefixEdit", "DebugCheck"};
    std::vector<Named> windows{{"form", dialog.Form()}, {"panel", dialog.Panel()}};
    for (size_t i = 0; i < std::size(names); ++i) windows.push_back({names[i], dialog.Control(Ctl(i))});
    return windows;
}

const UINT kPointingMessages[4] = {WM_SETTEXT, WM_NCCREATE, WM_CREATE, WM_GETMINMAXINFO};

bool Hand(HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
    // Posted where it can be: under Wine a message sent from another process is handled inside a guard that
    // swallows a crash, and WM_CTLCOLOR* are not sent across processes at all (both seen here).
    if (std::find(std::begin(kPointingMessages), std::end(kPointingMessages), message) == std::end(kPointingMessages))
        return PostMessageA(to, message, wParam, lParam) != 0;
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(to, message, wParam, lParam, SMTO_NORMAL, kPatience, &result) != 0;
}

bool Settle(const DialogProcess& dialog) {
    // Posted messages are handled in the order they came: once the edit box has the text limit posted last,
    // every message posted before it has been handled. The limit is far above any text of the tests.
    static WPARAM marker = 100000;
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    if (!PostMessageA(edit, EM_SETLIMITTEXT, ++marker, 0)) return false;
    const DWORD start = GetTickCount();
    DWORD_PTR limit = 0;
    while (SendMessageTimeoutA(edit, EM_GETLIMITTEXT, 0, 0, SMTO_NORMAL, kPatience, &limit) && limit != marker)
        if (GetTickCount() - start > kPatience) return false;
    return limit == marker && dialog.Running();
}

bool Deliver(const DialogProcess& dialog, HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
    return Hand(to, message, wParam, lParam) && Settle(dialog);
}

std::string Fate(DialogProcess& dialog) {
    // A crash hands the program to the debugger, which ends it a moment later.
    if (dialog.WaitForExit(5000)) return "the program ended with exit code " + std::to_string(dialog.ExitCode());
    return "the program runs but does not answer";
}

void ExpectOkStillSaves(DialogProcess& dialog, const GameFolder& game) {
    ASSERT_TRUE(dialog.Running()) << "the program ended with exit code " << dialog.ExitCode();
    const char prefix[] = "^1still^7here";
    for (Ctl combo : {Ctl::BotCountCombo, Ctl::SkillCombo})
        ASSERT_TRUE(Deliver(dialog, dialog.Control(combo), CB_SHOWDROPDOWN, FALSE, 0));
    ASSERT_TRUE(Deliver(dialog, dialog.Control(Ctl::OkButton), BM_SETSTATE, FALSE, 0));
    ASSERT_TRUE(Deliver(dialog, dialog.Control(Ctl::NickPrefixEdit), WM_SETTEXT, 0, LPARAM(prefix)));
    ASSERT_TRUE(dialog.WaitIdle());
    ASSERT_TRUE(PressOkAndExpectExit(dialog)) << "a real click on Ok did not close the dialog";
    EXPECT_EQ(game.ReadValue("bot", "nick_prefix"), prefix);
}
