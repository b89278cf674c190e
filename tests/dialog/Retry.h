// Input whose effect can be seen is sent again when the effect does not come: on a loaded machine Wine
// now and then loses a click (an X event puts the pointer back) or the Alt of Alt+Space.
#pragma once

#include <windows.h>

#include "tests/support/DialogProcess.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"

// How long one try waits before the input is sent again.
constexpr DWORD kTryPatience = 5000;

// Sends the input again, up to four times, while its effect does not show.
template <class Send, class Seen>
bool RetryUntil(Send send, Seen seen) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        send(attempt);
        if (WaitUntil(seen, kTryPatience)) return true;
    }
    return false;
}

// Each try a few pixels on: two clicks on one spot would make a double-click.
template <class Seen>
bool ClickUntil(POINT at, Seen seen, int step = 5) {
    return RetryUntil([&](int attempt) { Click(POINT{at.x + step * attempt, at.y}); }, seen);
}

// Whether a menu of the program is open on screen.
inline bool MenuShown(const DialogProcess& dialog) { return dialog.ShownWindowOfClass("#32768") != nullptr; }

// Opens the window menu with Alt+Space; a Space that lost its Alt only reaches the focused control.
inline bool OpenWindowMenu(const DialogProcess& dialog) {
    return RetryUntil([](int) { PressKeys({VK_MENU, VK_SPACE}); }, [&] { return MenuShown(dialog); });
}
