// Every wait is bounded, so that a program that hangs ends the benchmark with a message instead of blocking it.
#include "bench/Launch.h"

#include <psapi.h>

namespace {

constexpr double kPatienceMs = 30000;

struct WindowSearch {
    DWORD processId;
    const char* text;
    HWND found;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[64] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (owner != search->processId || !IsWindowVisible(window) || lstrcmpA(caption, search->text) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK FindButton(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    char className[16] = "";
    char text[64] = "";
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, text, sizeof text);
    if (lstrcmpiA(className, "Button") != 0 || lstrcmpA(text, search->text) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindChildButton(HWND parent, const char* text) {
    WindowSearch search{0, text, nullptr};
    EnumChildWindows(parent, FindButton, LPARAM(&search));
    return search.found;
}

bool Running(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

}  // namespace

double NowMs() {
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart) QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return double(now.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

RunFigures RunOnce(const std::string& exe, const std::string& folder, const char* caption, Ending ending) {
    RunFigures figures;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + exe + "\"";

    double started = NowMs();
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &info)) {
        figures.failure = "cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")";
        return figures;
    }
    // The first idle moment comes once the program has shown and painted its window and waits for input.
    DWORD idle = WaitForInputIdle(info.hProcess, DWORD(kPatienceMs));
    WindowSearch window{info.dwProcessId, caption, nullptr};
    while (!window.found && Running(info.hProcess) && NowMs() - started < kPatienceMs) {
        EnumWindows(FindShownWindow, LPARAM(&window));
        if (!window.found) WaitForSingleObject(info.hProcess, 1);
    }
    figures.startMs = NowMs() - started;

    if (!window.found || idle != 0) {
        figures.failure = exe + (window.found ? " never became idle" : " showed no window");
    } else {
        PROCESS_MEMORY_COUNTERS_EX memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory)) {
            figures.peakWorkingSetKiB = double(memory.PeakWorkingSetSize) / 1024;
            figures.privateKiB = double(memory.PrivateUsage) / 1024;
        }
        figures.gdiObjects = GetGuiResources(info.hProcess, GR_GDIOBJECTS);
        figures.userObjects = GetGuiResources(info.hProcess, GR_USEROBJECTS);
        figures.processId = info.dwProcessId;
        HMODULE image = nullptr;
        DWORD bytes = 0;
        MODULEINFO module{};
        // The first module listed is the program's own.
        if (EnumProcessModules(info.hProcess, &image, sizeof image, &bytes) && bytes &&
            GetModuleInformation(info.hProcess, image, &module, sizeof module)) {
            figures.imageBase = ULONG_PTR(module.lpBaseOfDll);
            figures.imageSize = module.SizeOfImage;
        }

        HWND target = window.found;
        UINT request = WM_CLOSE;
        if (ending.buttonText) {
            target = FindChildButton(window.found, ending.buttonText);
            request = BM_CLICK;
        }
        // Sent, not posted: the click is done before the timing of the ending starts.
        HWND first = ending.checkBoxFirst ? FindChildButton(window.found, ending.checkBoxFirst) : nullptr;
        DWORD_PTR result = 0;
        if (ending.checkBoxFirst &&
            (!first || !SendMessageTimeoutA(first, BM_CLICK, 0, 0, SMTO_NORMAL, DWORD(kPatienceMs), &result))) {
            figures.failure = exe + ": no check box \"" + ending.checkBoxFirst + "\" to click";
        } else {
            double endingStarted = NowMs();
            if (!target || !PostMessageA(target, request, 0, 0)) {
                figures.failure = exe + ": nothing to end it with";
            } else if (WaitForSingleObject(info.hProcess, DWORD(kPatienceMs)) != WAIT_OBJECT_0) {
                figures.failure = exe + " did not exit";
            } else {
                figures.endMs = NowMs() - endingStarted;
                GetExitCodeProcess(info.hProcess, &figures.exitCode);
                figures.ok = figures.exitCode == 0;
                if (!figures.ok) figures.failure = exe + " exited with a code other than 0";
            }
        }
    }
    if (Running(info.hProcess)) {
        TerminateProcess(info.hProcess, 99);
        WaitForSingleObject(info.hProcess, DWORD(kPatienceMs));
    }
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return figures;
}
