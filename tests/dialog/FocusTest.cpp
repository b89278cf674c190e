// The keyboard focus opens on "About" and comes back to the control that had it after a visit elsewhere.
#include <gtest/gtest.h>

#include "tests/dialog/RunningDialog.h"
#include "tests/dialog/Sentinel.h"
#include "tests/support/Input.h"
#include "tests/support/Wait.h"

namespace {

// Another program's window, as far as the dialog can tell: a top-level window of this process.
class OtherWindow {
public:
    OtherWindow() {
        window_ = CreateWindowExA(0, "STATIC", "elsewhere", WS_OVERLAPPEDWINDOW | SS_NOTIFY, 20, 20, 240, 160, nullptr,
                                  nullptr, nullptr, nullptr);
        // Shown without taking the activation: only the test's click moves it.
        ShowWindow(window_, SW_SHOWNOACTIVATE);
    }
    ~OtherWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

}  // namespace

class Focus : public RunningDialog {
protected:
    // Activates the other window by a click on it, then the dialog by a click on its caption.
    void GoElsewhereAndBack(const OtherWindow& other, int visit, HWND expected) {
        // Activated and given the keyboard; the dialog's thread notes its loss in its own time.
        Click(At(other.Handle(), 60 + 30 * visit, 80));
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other.Handle() && GetFocus() == other.Handle(); }))
            << "the other window is not active: " << GuiState(dialog_);
        RECT outer = ScreenRect(Form());
        POINT caption{outer.left + 30 + 30 * visit,
                      outer.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
        Click(caption);
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == Form(); })) << "the dialog is not active again";
        EXPECT_TRUE(WaitUntil([&] { return dialog_.Focus() == expected; }))
            << "focus on " << dialog_.Focus() << ", expected " << expected;
    }
};

TEST_F(Focus, OpensOnAbout) {
    EXPECT_EQ(dialog_.Focus(), Control(Ctl::AboutButton));
    EXPECT_EQ(GetForegroundWindow(), Form());
}

TEST_F(Focus, ComesBackToTheLastFocusedControlAfterAnotherWindowWasActive) {
    struct Row {
        const char* name;
        Ctl which;
        POINT click;  // in the control; {-1, -1}: leave the focus where it is
    } rows[] = {
        {"AboutButton, focused at the start", Ctl::AboutButton, {-1, -1}},
        {"NickPrefixEdit", Ctl::NickPrefixEdit, {150, 9}},
        {"DebugCheck", Ctl::DebugCheck, {6, 8}},
    };
    OtherWindow other;
    ASSERT_NE(other.Handle(), nullptr);
    int visit = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        HWND control = Control(row.which);
        if (row.click.x >= 0) Click(At(control, row.click.x, row.click.y));
        ASSERT_TRUE(WaitUntil([&] { return dialog_.Focus() == control; }));
        GoElsewhereAndBack(other, visit++, control);
    }
}
