// Looks for the box among the program's own top-level windows, the way the user sees it pop up over the dialog.
#include "tests/support/SaveFailureBox.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Input.h"
#include "tests/support/SystemIcon.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::string& config, Dismiss dismiss) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = MessageBoxOf(dialog)) != nullptr; })) << "no message box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog.Form()) << "the message belongs to the dialog";
    EXPECT_FALSE(IsWindowEnabled(dialog.Form())) << "the dialog waits for the message";
    EXPECT_EQ(DialogProcess::Text(box), "tolv.bot.setup");
    std::vector<std::string> texts;
    std::vector<HWND> icons;
    for (HWND label : ChildrenOfClass(box, "Static")) {
        if ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            icons.push_back(label);
        else
            texts.push_back(DialogProcess::Text(label));
    }
    EXPECT_EQ(texts, std::vector<std::string>{"The settings could not be saved to:\n" + config});
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_TRUE(WaitUntil([&] { return ShowsSystemIcon(icons[0], IDI_ERROR); })) << "not the error icon";
    std::vector<HWND> buttons = ChildrenOfClass(box, "Button");
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(DialogProcess::Text(buttons[0]), "OK");

    if (dismiss == Dismiss::kClickOk)
        ClickWindow(buttons[0]);
    else
        PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) && IsWindowEnabled(dialog.Form()); })) << "the box stays";
    EXPECT_TRUE(dialog.WaitIdle());
}
