// What a user does to the dialog with the mouse and the keyboard, each step waited for until the program has taken it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/DialogProcess.h"

// Opens the list with a click on the closed box and clicks the item; true once it is selected and the list closed.
bool PickWithMouse(const DialogProcess& dialog, HWND combo, int index);
// Leaves the combo box focused and closed on the item it shows, ready for the arrow keys: a click opens the list
// and a click on that item closes it.
bool FocusClosed(const DialogProcess& dialog, HWND combo);
// Clicks into the edit box, selects all its text with the keyboard and types the new text over it.
bool TypeOver(const DialogProcess& dialog, HWND edit, const std::string& text);
// Clicks the check box; true once its state has flipped.
bool ToggleWithMouse(const DialogProcess& dialog, HWND check);
// Opens the window menu with Alt+Space; true once it shows.
bool OpenWindowMenu(const DialogProcess& dialog);
