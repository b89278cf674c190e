// Starts a program from a path of any length, as Windows starts one from a folder deeper than MAX_PATH.
#pragma once

#include <windows.h>

#include <string>

// Starts the program (its command line is its quoted path) in that current directory, or the test's when it is
// empty, and fills the process information. Returns 0 or the error.
DWORD StartProgram(const std::wstring& exe, const std::wstring& currentDir, PROCESS_INFORMATION* info);
