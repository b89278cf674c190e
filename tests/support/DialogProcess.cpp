// Finds the dialog by its process, caption and class, the way a user's eye finds it on the desktop: the program's
// message boxes carry the same caption.
#include "tests/support/DialogProcess.h"

#include <gtest/gtest.h>

#include "tests/support/ProgramStart.h"
#include "tests/support/WidePaths.h"
#include "tests/support/Wait.h"

namespace {

// A visible top-level window of one process with the caption and the class asked for (either may be null).
struct Search {
    DWORD processId;
    const char* caption;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    char text[64] = "";
    if (search->caption) {
        GetWindowTextA(window, text, sizeof text);
        if (lstrcmpA(text, search->caption) != 0) return TRUE;
    }
    if (search->className) {
        GetClassNameA(window, text, sizeof text);
        if (lstrcmpiA(text, search->className) != 0) return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

namespace {

// As the ANSI functions take a path.
std::wstring FromAnsi(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(size_t(MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &wide[0], int(wide.size()))));
    return wide;
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
    Search search{info_.dwProcessId, "tolv.bot.setup", "tk.Form", nullptr};
    bool shown = WaitUntil([&] {
        EnumWindows(FindShownWindow, LPARAM(&search));
        return search.found != nullptr || !Running();
    });
    form_ = search.found;
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

std::string DialogProcess::Text(HWND window) {
    char buffer[4096] = "";
    SendMessageA(window, WM_GETTEXT, sizeof buffer, LPARAM(buffer));
    return buffer;
}

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

bool DialogProcess::Checked(HWND check) { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }

HWND DialogProcess::Focus() const {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof gui;
    GetGUIThreadInfo(GetWindowThreadProcessId(form_, nullptr), &gui);
    return gui.hwndFocus;
}

HWND DialogProcess::ShownWindowOfClass(const char* className) const {
    Search search{info_.dwProcessId, nullptr, className, nullptr};
    EnumWindows(FindShownWindow, LPARAM(&search));
    return search.found;
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
