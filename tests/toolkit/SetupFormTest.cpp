// What NewSetupForm leaves for the message loop: a whole dialog, nothing of it on screen yet.
#include <gtest/gtest.h>

#include <vector>

#include "dialog/Unit1.h"
#include "tests/toolkit/InProcessDialog.h"

namespace {

BOOL CALLBACK CollectShown(HWND window, LPARAM shown) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(shown)->push_back(window);
    return TRUE;
}

}  // namespace

class BuiltDialog : public InProcessDialog {
protected:
    std::vector<tk::Control*> Controls() const {
        return {dialog_->NickPrefixLabel, dialog_->BotCountLabel, dialog_->SkillLabel,
                dialog_->AboutButton,     dialog_->OkButton,      dialog_->BotCountCombo,
                dialog_->SkillCombo,      dialog_->NickPrefixEdit, dialog_->DebugCheck};
    }
};

TEST_F(BuiltDialog, NothingOfItIsVisibleWhenNewSetupFormReturns) {
    std::vector<HWND> shown;
    EnumThreadWindows(GetCurrentThreadId(), CollectShown, LPARAM(&shown));
    EXPECT_TRUE(shown.empty()) << shown.size() << " top-level windows of this thread are visible";
    EXPECT_EQ(dialog_->Form->Style() & WS_VISIBLE, 0u);
    EXPECT_EQ(dialog_->Panel->Style() & WS_VISIBLE, 0u);
    for (tk::Control* control : Controls()) EXPECT_EQ(control->Style() & WS_VISIBLE, 0u) << control->Text();
}

TEST_F(BuiltDialog, EveryFieldIsSetAndTheWindowsFormOneTree) {
    ASSERT_NE(dialog_->Form, nullptr);
    ASSERT_NE(dialog_->Panel, nullptr);
    EXPECT_EQ(dialog_->Form->Parent(), nullptr);
    EXPECT_EQ(GetParent(dialog_->Form->Handle()), nullptr);
    EXPECT_EQ(dialog_->Panel->Parent(), dialog_->Form);
    EXPECT_EQ(GetParent(dialog_->Panel->Handle()), dialog_->Form->Handle());
    for (tk::Control* control : Controls()) {
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Parent(), dialog_->Panel) << control->Text();
        EXPECT_EQ(GetParent(control->Handle()), dialog_->Panel->Handle()) << control->Text();
    }
    EXPECT_EQ(tk::MainWindow, dialog_->Form);
    EXPECT_EQ(dialog_->Form->CurrentControl(), dialog_->AboutButton);
}

TEST_F(BuiltDialog, TheTrackingSizeIsTheOuterSizeBothWays) {
    RECT outer{};
    GetWindowRect(dialog_->Form->Handle(), &outer);
    MINMAXINFO limits{};
    SendMessageA(dialog_->Form->Handle(), WM_GETMINMAXINFO, 0, LPARAM(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, outer.right - outer.left);
    EXPECT_EQ(limits.ptMinTrackSize.y, outer.bottom - outer.top);
    EXPECT_EQ(limits.ptMaxTrackSize.x, outer.right - outer.left);
    EXPECT_EQ(limits.ptMaxTrackSize.y, outer.bottom - outer.top);
}

TEST_F(BuiltDialog, TheFormLeavesItsBackgroundToThePanel) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF marker = RGB(200, 10, 30);
    SetPixel(dc, 3, 3, marker);
    EXPECT_NE(SendMessageA(dialog_->Form->Handle(), WM_ERASEBKGND, WPARAM(dc), 0), 0) << "not reported as erased";
    EXPECT_EQ(GetPixel(dc, 3, 3), marker) << "the form painted its background";
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}
