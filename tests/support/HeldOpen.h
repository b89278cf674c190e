// Another program's handle on a file: by default one that shares nothing, as an editor that locks what it has open.
#pragma once

#include <windows.h>

#include <string>

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
    std::string Bytes() const {
        if (!Holding()) return std::string();
        std::string bytes(GetFileSize(file_, nullptr), '\0');
        DWORD read = 0;
        SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
        if (!bytes.empty()) ReadFile(file_, &bytes[0], DWORD(bytes.size()), &read, nullptr);
        bytes.resize(read);
        return bytes;
    }

private:
    HANDLE file_;
};
