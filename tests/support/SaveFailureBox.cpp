// Looks for the box among the program's own top-level windows, the way the user sees it pop up over the dialog.
#include "tests/support/SaveFailureBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/Input.h"
#include "tests/support/Wait.h"

namespace {

BOOL CALLBACK CollectTexts(HWND child, LPARAM lParam) {
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(DialogProcess::Text(child));
    return TRUE;
}

}  // namespace

void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::string& config) {
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = dialog.ShownWindowOfClass("#32770")) != nullptr; })) << "no message box";
    EXPECT_EQ(DialogProcess::Text(box), "tolv.bot.setup");
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog.Form());
    std::vector<std::string> texts;
    EnumChildWindows(box, CollectTexts, LPARAM(&texts));
    std::string message = "The settings could not be saved to:\n" + config;
    EXPECT_NE(std::find(texts.begin(), texts.end(), message), texts.end()) << "the box does not say: " << message;
    ClickWindow(GetDlgItem(box, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the box stays";
}
