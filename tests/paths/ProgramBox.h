// The program's own message boxes, found and read as a user sees them, texts in Unicode since they name paths.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/DialogProcess.h"

// Waits for a message box of the program; null, and a failure, when none appears.
HWND WaitForBox(const DialogProcess& dialog);

// Expects the program's error box with that text and one OK button, owned by owner.
void ExpectErrorBox(HWND box, HWND owner, const std::wstring& text);

// Clicks the box's button; false when the box stays.
bool Dismiss(HWND box);

// The hidden form that owns a box shown before the dialog appears; null when the owner is something else.
HWND HiddenFormOwning(HWND box);
