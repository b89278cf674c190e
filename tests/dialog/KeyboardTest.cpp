// Tab, Enter and Esc as a user presses them: no dialog manager stands between the keys and the controls.
#include <gtest/gtest.h>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Sentinel.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"

class Keyboard : public RunningDialog {
protected:
    // Puts the focus on a control the way a user can without clicking a button.
    void FocusOn(Ctl which) {
        HWND control = Control(which);
        switch (which) {
        case Ctl::AboutButton:
            break;  // it has the focus from the start
        case Ctl::OkButton:
            // Pressed, then let go elsewhere: the button takes the focus but is not clicked.
            MouseDown(At(control, 32, 11));
            MouseMove(At(dialog_.Panel(), 20, 140));
            MouseUp(At(dialog_.Panel(), 20, 140));
            break;
        case Ctl::SkillCombo:
            // A click opens the list; Esc closes it again.
            Click(At(control, 60, 9));
            ASSERT_TRUE(WaitUntil([&] { return DialogProcess::Dropped(control); })) << "the list did not open";
            PressKey(VK_ESCAPE);
            ASSERT_TRUE(WaitUntil([&] { return !DialogProcess::Dropped(control); }));
            break;
        default:
            Click(At(control, 150, 8));
            break;
        }
        ASSERT_TRUE(WaitUntil([&] { return dialog_.Focus() == control; })) << "the focus did not get there";
    }
};

struct KeyRow {
    const char* name;
    Ctl which;
};

TEST_F(Keyboard, TabAndShiftTabNeverMoveTheFocus) {
    const KeyRow rows[] = {
        {"AboutButton", Ctl::AboutButton},
        {"SkillCombo", Ctl::SkillCombo},
        {"NickPrefixEdit", Ctl::NickPrefixEdit},
        {"DebugCheck", Ctl::DebugCheck},
        {"OkButton", Ctl::OkButton},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.name);
        FocusOn(row.which);
        PressKey(VK_TAB);
        PressKeys({VK_SHIFT, VK_TAB});
        ASSERT_TRUE(AllInputHandled(dialog_));
        EXPECT_EQ(dialog_.Focus(), Control(row.which));
    }
}

TEST_F(Keyboard, TabTypedIntoTheEditBoxIsDiscarded) {
    HWND edit = Control(Ctl::NickPrefixEdit);
    FocusOn(Ctl::NickPrefixEdit);
    const std::string before = DialogProcess::Text(edit);
    PressKey(VK_END);
    TypeText("ab");
    PressKey(VK_TAB);
    TypeText("c");
    // The "c" typed after the Tab shows that the Tab has been handled.
    EXPECT_TRUE(WaitUntil([&] { return DialogProcess::Text(edit) == before + "abc"; }))
        << "text \"" << DialogProcess::Text(edit) << "\"";
    EXPECT_EQ(dialog_.Focus(), edit);
}

TEST_F(Keyboard, EnterAndEscClickNothingAndCloseNothing) {
    // Ok last: Space on it then shows that a click of Ok would have been seen.
    const KeyRow rows[] = {
        {"AboutButton", Ctl::AboutButton},
        {"NickPrefixEdit", Ctl::NickPrefixEdit},
        {"DebugCheck", Ctl::DebugCheck},
        {"OkButton", Ctl::OkButton},
    };
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.name);
        FocusOn(row.which);
        PressKey(VK_RETURN);
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(AllInputHandled(dialog_));
        EXPECT_TRUE(dialog_.Running());
        EXPECT_TRUE(IsWindowVisible(Form()));
        EXPECT_EQ(dialog_.Focus(), Control(row.which));
        EXPECT_FALSE(game_.HasConfig()) << "Ok was clicked";
    }
    PressKey(VK_SPACE);
    ASSERT_TRUE(dialog_.WaitForExit());
    EXPECT_EQ(dialog_.ExitCode(), 0u);
    EXPECT_TRUE(game_.HasConfig());
}
