// Looks for the box among the program's own top-level windows, the way the user sees it pop up over the dialog.
#include "tests/corpus/SaveFailureBox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/Input.h"
#include "tests/support/Wait.h"

namespace {

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<BoxSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner != search->processId || !IsWindowVisible(window) || std::string(className) != "#32770") return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectTexts(HWND child, LPARAM lParam) {
    reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(DialogProcess::Text(child));
    return TRUE;
}

}  // namespace

void ExpectToldSaveFailedAndDismiss(const DialogProcess& dialog, const std::string& config) {
    BoxSearch search{dialog.ProcessId(), nullptr};
    ASSERT_TRUE(WaitUntil([&] {
        EnumWindows(FindMessageBox, LPARAM(&search));
        return search.found != nullptr;
    })) << "no message box";
    HWND box = search.found;
    EXPECT_EQ(DialogProcess::Text(box), "tolv.bot.setup");
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog.Form());
    std::vector<std::string> texts;
    EnumChildWindows(box, CollectTexts, LPARAM(&texts));
    std::string message = "The settings could not be saved to:\n" + config;
    EXPECT_NE(std::find(texts.begin(), texts.end(), message), texts.end()) << "the box does not say: " << message;
    ClickWindow(GetDlgItem(box, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); })) << "the box stays";
}
