// The loop: shows the dialog, dispatches until the quit and what is queued behind it, then tears down.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "dialog/Unit1.h"
#include "tests/support/Wait.h"
#include "toolkit/MessageLoop.h"

namespace {

// What a window of the test sees when a message reaches it through the loop.
struct Sighting {
    bool seen = false;
    bool formShown = false;
    bool everyControlShown = false;
};

std::vector<HWND> gControls;
HWND gForm = nullptr;
Sighting gSighting;

LRESULT CALLBACK Witness(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_APP) return DefWindowProcA(window, message, wParam, lParam);
    gSighting.seen = true;
    gSighting.formShown = IsWindowVisible(gForm) != 0;
    gSighting.everyControlShown = true;
    for (HWND control : gControls) gSighting.everyControlShown &= IsWindowVisible(control) != 0;
    return 0;
}

HWND NewWitness() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Witness;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "LoopWitness";
    RegisterClassA(&windowClass);
    return CreateWindowExA(0, "LoopWitness", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

class MessageLoop : public ::testing::Test {
protected:
    void SetUp() override {
        NewSetupForm(dialog_, nullptr);
        gForm = dialog_->Form->Handle();
        gControls = {dialog_->Panel->Handle(),         dialog_->NickPrefixLabel->Handle(),
                     dialog_->BotCountLabel->Handle(), dialog_->SkillLabel->Handle(),
                     dialog_->AboutButton->Handle(),   dialog_->OkButton->Handle(),
                     dialog_->BotCountCombo->Handle(), dialog_->SkillCombo->Handle(),
                     dialog_->NickPrefixEdit->Handle(), dialog_->DebugCheck->Handle()};
        gSighting = Sighting{};
        witness_ = NewWitness();
    }
    void TearDown() override {
        DestroyWindow(witness_);
        // Once the loop has run, the dialog object went with the form and must not be touched.
        if (!ran_) {
            tk::MainWindow = nullptr;
            delete dialog_->Form;
        }
    }

    // Runs the loop while another thread, once the dialog shows, posts what the test gives it.
    template <class Post>
    void RunWhileShownThen(Post post) {
        const DWORD loopThread = GetCurrentThreadId();
        std::thread poster([&] {
            if (WaitUntil([] { return IsWindowVisible(gForm) != 0; })) post(loopThread);
            else PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
        });
        loopForm_ = dialog_->Form;
        ran_ = true;
        tk::Run(loopForm_);
        poster.join();
    }

    void ExpectTornDown() {
        EXPECT_EQ(loopForm_, nullptr);
        EXPECT_EQ(tk::MainWindow, nullptr);
        EXPECT_FALSE(IsWindow(gForm));
        for (HWND control : gControls) EXPECT_FALSE(IsWindow(control));
    }

    SetupForm* dialog_ = nullptr;
    // The variable the loop runs on; the loop clears it as it tears the dialog down.
    tk::Form* loopForm_ = nullptr;
    bool ran_ = false;
    HWND witness_ = nullptr;
};

}  // namespace

TEST_F(MessageLoop, ShowsEveryWindowAndEndsAtTheCloseRequest) {
    RunWhileShownThen([&](DWORD) {
        PostMessageA(witness_, WM_APP, 0, 0);
        PostMessageA(gForm, WM_CLOSE, 0, 0);
    });
    EXPECT_TRUE(gSighting.seen);
    EXPECT_TRUE(gSighting.formShown);
    EXPECT_TRUE(gSighting.everyControlShown);
    ExpectTornDown();
}

TEST_F(MessageLoop, StillDispatchesWhatIsQueuedBehindTheQuit) {
    RunWhileShownThen([&](DWORD loopThread) {
        PostThreadMessageA(loopThread, WM_QUIT, 0, 0);
        PostMessageA(witness_, WM_APP, 0, 0);
    });
    EXPECT_TRUE(gSighting.seen) << "the message behind the quit was dropped";
    EXPECT_TRUE(gSighting.formShown) << "the dialog was torn down before the queue was empty";
    ExpectTornDown();
}

TEST(CloseRequest, OnTheMainWindowPostsAQuitAndLeavesTheWindowUp) {
    tk::Form* form = tk::NewForm(nullptr, "close")->MakeMainWindow();
    EXPECT_EQ(SendMessageA(form->Handle(), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(form->Handle()));
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
    tk::MainWindow = nullptr;
    delete form;
}
