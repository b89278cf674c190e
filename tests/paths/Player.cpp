// The player's steps, with the mouse and the keyboard, each ended on a condition seen from outside.
#include "tests/paths/Player.h"

#include <gtest/gtest.h>

#include "tests/support/Input.h"
#include "tests/support/Wait.h"

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << "bots index " << shown.botCount << ", debug " << (shown.debug ? "on" : "off") << ", skill index "
         << shown.skill << ", prefix \"" << shown.prefix << "\"";
}

Shown WhatTheDialogShows(const DialogProcess& dialog) {
    return Shown{DialogProcess::CurrentIndex(dialog.Control(Ctl::BotCountCombo)),
                 DialogProcess::Checked(dialog.Control(Ctl::DebugCheck)),
                 DialogProcess::CurrentIndex(dialog.Control(Ctl::SkillCombo)),
                 DialogProcess::Text(dialog.Control(Ctl::NickPrefixEdit))};
}

bool ToggleDebug(const DialogProcess& dialog) {
    HWND check = dialog.Control(Ctl::DebugCheck);
    bool before = DialogProcess::Checked(check);
    ClickWindow(check);
    return WaitUntil([&] { return DialogProcess::Checked(check) != before; }) && dialog.WaitIdle();
}

bool TypeAtEndOfPrefix(const DialogProcess& dialog, const std::string& text) {
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    std::string expected = DialogProcess::Text(edit) + text;
    ClickWindow(edit);
    if (!WaitUntil([&] { return dialog.Focus() == edit; })) return false;
    PressKey(VK_END);
    TypeText(text);
    return WaitUntil([&] { return DialogProcess::Text(edit) == expected; }) && dialog.WaitIdle();
}

namespace {

bool EndsNormally(DialogProcess& dialog) {
    if (!dialog.WaitForExit()) return false;
    EXPECT_EQ(dialog.ExitCode(), 0u);
    return dialog.ExitCode() == 0;
}

}  // namespace

bool PressOkAndSeeItClose(DialogProcess& dialog) {
    ClickWindow(dialog.Control(Ctl::OkButton));
    return EndsNormally(dialog);
}

bool CloseWithAltF4(DialogProcess& dialog) {
    // The keys go to the active window: after a message box, that is the dialog again only once the box is gone.
    if (!WaitUntil([&] { return GetForegroundWindow() == dialog.Form(); })) return false;
    PressKeys({VK_MENU, VK_F4});
    return EndsNormally(dialog);
}
