// Posted messages reach one dialog's controls whatever window is active, which real key presses cannot do for three.
#include "tests/save/DialogValues.h"

#include <gtest/gtest.h>

#include "tests/support/Wait.h"

namespace {

std::string WholeText(HWND window) {
    std::string text(size_t(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
    text.resize(size_t(SendMessageA(window, WM_GETTEXT, text.size(), LPARAM(&text[0]))));
    return text;
}

// The key's scan code and a repeat count of one, as the keyboard driver fills them in.
LPARAM KeyData(WORD key, bool up) {
    LPARAM data = 1 | LPARAM(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    if (up) data |= LPARAM(3) << 30;
    return data;
}

void PostKey(HWND window, WORD key) {
    PostMessageA(window, WM_KEYDOWN, key, KeyData(key, false));
    PostMessageA(window, WM_KEYUP, key, KeyData(key, true));
}

void StepList(HWND combo, int from, int to) {
    for (int index = from; index < to; ++index) PostKey(combo, VK_DOWN);
    for (int index = from; index > to; --index) PostKey(combo, VK_UP);
}

}  // namespace

std::string Describe(const DialogValues& values) {
    return "bots index " + std::to_string(values.botIndex) + ", debug " + (values.debug ? "on" : "off") +
           ", skill index " + std::to_string(values.skillIndex) + ", prefix \"" + values.nick + "\"";
}

DialogValues ShownBy(const DialogProcess& dialog) {
    return DialogValues{DialogProcess::CurrentIndex(dialog.Control(Ctl::BotCountCombo)),
                        DialogProcess::Checked(dialog.Control(Ctl::DebugCheck)),
                        DialogProcess::CurrentIndex(dialog.Control(Ctl::SkillCombo)),
                        WholeText(dialog.Control(Ctl::NickPrefixEdit))};
}

DialogValues EveryValueChanged(const DialogValues& shown, const std::string& addedToPrefix) {
    return DialogValues{(shown.botIndex + 2) % 9, !shown.debug, (shown.skillIndex + 2) % 5, shown.nick + addedToPrefix};
}

bool EnterValues(const DialogProcess& dialog, const DialogValues& values) {
    if (!dialog.Up()) return false;
    DialogValues shown = ShownBy(dialog);
    if (values.nick.compare(0, shown.nick.size(), shown.nick) != 0) {
        ADD_FAILURE() << "typing can only add to the prefix \"" << shown.nick << "\"";
        return false;
    }
    StepList(dialog.Control(Ctl::BotCountCombo), shown.botIndex, values.botIndex);
    StepList(dialog.Control(Ctl::SkillCombo), shown.skillIndex, values.skillIndex);
    if (shown.debug != values.debug) PostMessageA(dialog.Control(Ctl::DebugCheck), BM_CLICK, 0, 0);
    HWND edit = dialog.Control(Ctl::NickPrefixEdit);
    PostKey(edit, VK_END);
    for (char c : values.nick.substr(shown.nick.size())) PostMessageA(edit, WM_CHAR, WPARAM((unsigned char)c), 1);
    bool followed = WaitUntil([&] { return ShownBy(dialog) == values; });
    EXPECT_TRUE(followed) << "the dialog shows " << Describe(ShownBy(dialog)) << ", not " << Describe(values);
    return followed;
}

void PostOkClick(const DialogProcess& dialog) { PostMessageA(dialog.Control(Ctl::OkButton), BM_CLICK, 0, 0); }
