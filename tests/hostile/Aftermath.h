// What every hostile test checks: the program handled each message, wrote nothing, and a real "Ok" still saves.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/DialogProcess.h"
#include "tests/support/GameFolder.h"

// Hands the program a message as another program can, without waiting for it to be handled.
bool Hand(HWND to, UINT message, WPARAM wParam, LPARAM lParam);
// Waits until the program has handled every message handed to it so far; false when it did not in the tests'
// patience or has ended.
bool Settle(const DialogProcess& dialog);
// Both: one message, handled.
bool Deliver(const DialogProcess& dialog, HWND to, UINT message, WPARAM wParam, LPARAM lParam);
// After a message was not handled: whether the program ended (a crash ends it) or still runs without answering.
std::string Fate(DialogProcess& dialog);

// A real click on the dialog's own "Ok" after a new nick prefix is set: the prefix is saved and the program ends
// with exit code 0. A list left open or a button left pushed by the messages is put back first.
void ExpectOkStillSaves(DialogProcess& dialog, const GameFolder& game);

// A settings file for the tests that start with one; the others start with none.
extern const char kSettingsFile[];

// The WM_CTLCOLOR* requests, each of which a window may get for a child.
extern const UINT kColourRequests[7];
// Messages whose lParam points at data: only a sent one carries it across, as a copy made in the receiving process,
// and the system refuses to post them.
extern const UINT kPointingMessages[4];
// Combo box and button messages whose parameters are numbers, never pointers.
extern const UINT kComboMessages[8];
extern const UINT kButtonMessages[5];
const char* MessageName(UINT message);

// A window of the dialog, and the name a failure gives it.
struct Named {
    std::string name;
    HWND window;
};
// The form, the panel and every control, in the order the dialog creates them.
std::vector<Named> DialogWindows(const DialogProcess& dialog);
