// What a user does to the dialog with the mouse and the keyboard, each step waited for until the program has taken it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/DialogProcess.h"
#include "tests/support/Wait.h"

// Opens the list with a click on the closed box and clicks the item; true once it is selected and the list closed.
bool PickWithMouse(const DialogProcess& dialog, HWND combo, int index);
// Leaves the combo box focused and closed on the item it shows, ready for the arrow keys: a click opens the list
// and a click on that item closes it.
bool FocusClosed(const DialogProcess& dialog, HWND combo);
// Clicks into the edit box, selects all its text with the keyboard and types the new text over it.
bool TypeOver(const DialogProcess& dialog, HWND edit, const std::string& text);
// Clicks into the edit box, goes to its end and types there; true once the box holds the longer text.
bool TypeAtEnd(const DialogProcess& dialog, HWND edit, const std::string& text);
// Clicks the check box; true once its state has flipped.
bool ToggleWithMouse(const DialogProcess& dialog, HWND check);
// Opens the window menu with Alt+Space; true once it shows.
bool OpenWindowMenu(const DialogProcess& dialog);
// Clicks "Ok" and expects the program to end with exit code 0 within the time given.
bool PressOkAndExpectExit(DialogProcess& dialog, DWORD timeoutMs = kPatience);
// Alt+F4 once the dialog is the active window (after a message box, only once the box is gone); true once the
// program has ended with exit code 0.
bool CloseWithAltF4(DialogProcess& dialog);
