// Another handle on a file that shares nothing, as an editor that locks what it has open.
#pragma once

#include <windows.h>

#include <string>

class HeldOpen {
public:
    explicit HeldOpen(const std::string& path)
        : file_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    explicit HeldOpen(const std::wstring& path)
        : file_(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    HeldOpen(const HeldOpen&) = delete;
    HeldOpen& operator=(const HeldOpen&) = delete;
    ~HeldOpen() { Release(); }

    bool Holding() const { return file_ != INVALID_HANDLE_VALUE; }
    void Release() {
        if (Holding()) CloseHandle(file_);
        file_ = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE file_;
};
