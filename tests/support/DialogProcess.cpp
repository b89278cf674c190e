// Finds the dialog by its process, caption and class, the way a user's eye finds it on the desktop: the program's
// message boxes carry the same caption.
#include "tests/support/DialogProcess.h"

#include <gtest/gtest.h>

#include "tests/support/ProgramStart.h"
#include "tests/support/WidePaths.h"
#include "tests/support/Wait.h"
#include "tests/support/WindowFinders.h"

namespace {

// Text read from another process, sized by the window's own count with room to see that the text grew in between;
// read again when it did.
template <typename Text>
Text GrowingText(HWND window, LRESULT(WINAPI* send)(HWND, UINT, WPARAM, LPARAM)) {
    for (;;) {
        size_t length = size_t(send(window, WM_GETTEXTLENGTH, 0, 0));
        Text text(length + 2, typename Text::value_type());
        text.resize(size_t(send(window, WM_GETTEXT, text.size(), LPARAM(&text[0]))));
        if (text.size() <= length) return text;
    }
}

}  // namespace

DialogProcess::DialogProcess(const GameFolder& game, const std::string& currentDir) {
    if (Start(FromAnsi(game.Exe()), FromAnsi(currentDir.empty() ? game.Dir() : currentDir))) WaitForDialog();
}

DialogProcess::DialogProcess(const std::string& exe, const std::string& currentDir) {
    if (Start(FromAnsi(exe), FromAnsi(currentDir))) WaitForDialog();
}

DialogProcess::DialogProcess(const std::wstring& exe, const std::wstring& currentDir, Await await) {
    if (Start(exe, currentDir) && await == Await::Dialog) WaitForDialog();
}

bool DialogProcess::Start(const std::wstring& exe, const std::wstring& currentDir) {
    DWORD error = StartProgram(exe, currentDir, &info_);
    if (error) ADD_FAILURE() << "cannot start " << Utf8(exe) << ", error " << error;
    return error == 0;
}

bool DialogProcess::WaitForDialog() {
    bool shown = WaitUntil([&] {
        for (HWND window : TopLevelWindowsOf(info_.dwProcessId))
            if (IsWindowVisible(window) && CaptionOf(window) == "tolv.bot.setup" &&
                lstrcmpiA(ClassOf(window).c_str(), "tk.Form") == 0) {
                form_ = window;
                return true;
            }
        return !Running();
    });
    if (!shown || !form_) {
        ADD_FAILURE() << "the dialog did not appear";
        return false;
    }
    return WaitIdle();
}

DialogProcess::~DialogProcess() {
    if (!info_.hProcess) return;
    if (Running()) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, kPatience);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND DialogProcess::Panel() const { return GetWindow(form_, GW_CHILD); }

std::vector<HWND> DialogProcess::Controls() const {
    // New child windows go to the bottom of their siblings' order, so this is creation order.
    std::vector<HWND> controls;
    for (HWND child = GetWindow(Panel(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        controls.push_back(child);
    return controls;
}

HWND DialogProcess::Control(Ctl which) const {
    std::vector<HWND> controls = Controls();
    size_t index = size_t(which);
    return index < controls.size() ? controls[index] : nullptr;
}

bool DialogProcess::Running() const {
    return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool DialogProcess::WaitForExit(DWORD timeoutMs) {
    return WaitUntil([&] { return !Running(); }, timeoutMs);
}

DWORD DialogProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool DialogProcess::WaitIdle() const {
    if (!Running()) return true;
    // A sent message is handled only once the program takes messages again.
    DWORD_PTR result;
    return SendMessageTimeoutA(form_, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &result) != 0;
}

std::string DialogProcess::Text(HWND window) { return GrowingText<std::string>(window, SendMessageA); }

std::wstring DialogProcess::WideText(HWND window) { return GrowingText<std::wstring>(window, SendMessageW); }

int DialogProcess::CurrentIndex(HWND combo) { return int(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

std::vector<std::string> DialogProcess::Items(HWND combo) {
    // The ANSI form returns only the first character of each item across processes.
    std::vector<std::string> items;
    int count = int(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t wide[256] = L"";
        SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(wide));
        char narrow[256] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.push_back(narrow);
    }
    return items;
}

bool DialogProcess::Dropped(HWND combo) { return SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }

bool DialogProcess::Checked(HWND check) { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }

HWND DialogProcess::Focus() const {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(form_, nullptr), &gui);
    return gui.hwndFocus;
}

RECT ScreenRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT RectInParent(HWND window) {
    RECT rect = ScreenRect(window);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
