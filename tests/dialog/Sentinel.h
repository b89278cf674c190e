// Proof that the program has handled every input sent so far: input is handled in order, so once the
// menu mode that a menu key starts is seen, everything before it is done.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/DialogProcess.h"
#include "tests/support/Input.h"
#include "tests/support/UserActions.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

inline GUITHREADINFO GuiInfo(const DialogProcess& dialog) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog.Form(), nullptr), &gui);
    return gui;
}

inline DWORD GuiFlags(const DialogProcess& dialog) { return GuiInfo(dialog).flags; }

// The program's input state, for failure messages.
inline std::string GuiState(const DialogProcess& dialog) {
    GUITHREADINFO gui = GuiInfo(dialog);
    char text[160];
    wsprintfA(text, "flags %lx, active %p, focus %p, capture %p, foreground %p", gui.flags, (void*)gui.hwndActive,
              (void*)gui.hwndFocus, (void*)gui.hwndCapture, (void*)GetForegroundWindow());
    return text;
}

inline bool InMenuMode(const DialogProcess& dialog) { return (GuiFlags(dialog) & GUI_INMENUMODE) != 0; }

// F10 and one Esc: no modifier that Wine could drop on the way, and the focus stays where it was. A combo
// box keeps F10 and a lone Alt for its list, so there Alt+Space opens the window menu instead; a Space
// that lost its Alt does nothing in a drop-down list.
inline bool AllInputHandled(const DialogProcess& dialog) {
    if (lstrcmpiA(ClassOf(dialog.Focus()).c_str(), "ComboBox") == 0) {
        if (!OpenWindowMenu(dialog)) {
            ADD_FAILURE() << "Alt+Space opened no window menu: " << GuiState(dialog);
            return false;
        }
        PressKey(VK_ESCAPE);
        if (!WaitUntil([&] { return !MenuShown(dialog); })) {
            ADD_FAILURE() << "Esc left the window menu open: " << GuiState(dialog);
            return false;
        }
    } else {
        PressKey(VK_F10);
        if (!WaitUntil([&] { return InMenuMode(dialog); })) {
            ADD_FAILURE() << "F10 started no menu mode: " << GuiState(dialog);
            return false;
        }
    }
    PressKey(VK_ESCAPE);
    if (!WaitUntil([&] { return !InMenuMode(dialog); })) {
        ADD_FAILURE() << "Esc left the menu mode on: " << GuiState(dialog);
        return false;
    }
    return true;
}
