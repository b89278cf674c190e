// The failed save's box is one of the program's error boxes, with the dialog held disabled underneath.
#include "tests/support/SaveFailureBox.h"

#include <gtest/gtest.h>

#include "tests/support/Wait.h"
#include "tests/support/WidePaths.h"

void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::wstring& config, Answer answer) {
    HWND box = WaitForBox(dialog);
    ASSERT_TRUE(box);
    EXPECT_FALSE(IsWindowEnabled(dialog.Form())) << "the dialog waits for the message";
    ExpectErrorBox(box, dialog.Form(), L"The settings could not be saved to:\n" + config);
    ASSERT_TRUE(Dismiss(box, answer)) << "the box stays";
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(dialog.Form()); })) << "the dialog stays disabled";
    EXPECT_TRUE(dialog.WaitIdle());
}

void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::string& config, Answer answer) {
    ExpectToldSaveFailedAndDismiss(dialog, FromAnsi(config), answer);
}
