// The real program as a separate process, and its dialog's windows as a user finds them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/GameFolder.h"

// The dialog's controls, in the order the dialog creates them.
enum class Ctl {
    NickPrefixLabel,
    BotCountLabel,
    SkillLabel,
    AboutButton,
    OkButton,
    BotCountCombo,
    SkillCombo,
    NickPrefixEdit,
    DebugCheck,
};

class DialogProcess {
public:
    // Starts the program of the game folder, in another current directory when one is given,
    // and waits until its dialog is visible and the program idle.
    explicit DialogProcess(const GameFolder& game, const std::string& currentDir = "");
    // Starts any program file the same way.
    explicit DialogProcess(const std::string& exe, const std::string& currentDir = "");
    // Starts a program file by its Unicode path, of any length, in that current directory; with Await::Nothing it
    // returns at once, for a program that shows a message before its dialog (then call WaitForDialog).
    enum class Await { Dialog, Nothing };
    DialogProcess(const std::wstring& exe, const std::wstring& currentDir, Await await = Await::Dialog);
    DialogProcess(const DialogProcess&) = delete;
    DialogProcess& operator=(const DialogProcess&) = delete;
    // Ends the process if a test left it running.
    ~DialogProcess();

    // Waits until the dialog is visible and the program idle; false (and a failure) when it does not appear.
    bool WaitForDialog();

    bool Up() const { return form_ != nullptr; }
    HWND Form() const { return form_; }
    HWND Panel() const;
    // The panel's children in creation order.
    std::vector<HWND> Controls() const;
    HWND Control(Ctl which) const;
    DWORD ProcessId() const { return info_.dwProcessId; }
    HANDLE Process() const { return info_.hProcess; }

    bool Running() const;
    // Waits for the process to end; false when it is still running after the wait.
    bool WaitForExit(DWORD timeoutMs = 20000);
    DWORD ExitCode() const;
    // Waits until the program has handled everything that was sent to it so far.
    bool WaitIdle() const;

    // Text, selection and state of a control, read from outside as a screen reader would.
    static std::string Text(HWND window);
    static int CurrentIndex(HWND combo);
    static std::vector<std::string> Items(HWND combo);
    static bool Checked(HWND check);
    // The control with the keyboard focus in the program's thread.
    HWND Focus() const;
    // A visible top-level window of the program of that class (a message box, an opened list, a menu), or null.
    HWND ShownWindowOfClass(const char* className) const;

private:
    bool Start(const std::wstring& exe, const std::wstring& currentDir);

    PROCESS_INFORMATION info_{};
    HWND form_ = nullptr;
};

// Screen rectangle of a window, and its rectangle in its parent's client area.
RECT ScreenRect(HWND window);
RECT RectInParent(HWND window);
