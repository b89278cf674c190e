// Another program's handle on a file: by default one that shares nothing, as an editor that locks what it has open.
#pragma once

#include <windows.h>

#include <string>

#include "tests/support/WidePaths.h"

class HeldOpen {
public:
    // GENERIC_READ alone is a reader; with no sharing it still lets nobody in.
    explicit HeldOpen(const std::string& path, DWORD access = GENERIC_READ | GENERIC_WRITE, DWORD share = 0)
        : file_(CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    explicit HeldOpen(const std::wstring& path, DWORD access = GENERIC_READ | GENERIC_WRITE, DWORD share = 0)
        : file_(CreateFileW(path.c_str(), access, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    ~HeldOpen() { Release(); }

    bool Holding() const { return file_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Holding()) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }

    // The file's bytes read through this handle, the one way to see them while it is held.
    std::string Bytes() const { return Holding() ? BytesThrough(file_) : std::string(); }

private:
    HANDLE file_;
};
