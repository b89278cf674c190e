// One run of a program as the benchmark times it: start to shown and idle, then a close request to exit.
#pragma once

#include <windows.h>

#include <string>

struct RunFigures {
    bool ok = false;
    std::string failure;
    double startMs = 0;  // CreateProcess to the window visible and the program idle
    double endMs = 0;    // the close request (or the Ok click) to the process's exit
    double peakWorkingSetKiB = 0;
    double privateKiB = 0;
    DWORD gdiObjects = 0;  // 0 where Wine does not report them
    DWORD userObjects = 0;
    DWORD exitCode = STILL_ACTIVE;
    DWORD processId = 0;
    // Where the program's own image lay, to tell its calls from those of the DLLs it uses.
    ULONG_PTR imageBase = 0;
    DWORD imageSize = 0;
};

// How the run ends: a WM_CLOSE to the window, or a click on the button with this text (the dialog's "Ok"), after a
// click on the check box with the other text, if any, so that the save has a changed value to write: Wine leaves
// the file alone when every value written is the one it holds.
struct Ending {
    const char* buttonText = nullptr;
    const char* checkBoxFirst = nullptr;
};

// Starts the program in its own folder, waits for its window (caption given) and its first idle moment, reads its
// memory and GUI object counts, then ends it as told and waits for it to exit.
RunFigures RunOnce(const std::string& exe, const std::string& folder, const char* caption, Ending ending);

double NowMs();
