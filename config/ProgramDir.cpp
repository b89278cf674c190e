// The program's own path, never the command line or the current directory.
#include "config/ProgramDir.h"

#include <windows.h>

std::wstring DirectoryOf(const std::wstring& path) {
    size_t end = path.find_last_of(L"\\:");
    return end == std::wstring::npos ? std::wstring() : path.substr(0, end + 1);
}

std::wstring ProgramDir() {
    // A path that fills the buffer may have been cut: ask again with more room.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, &path[0], DWORD(path.size()));
        if (length == 0) return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return DirectoryOf(path);
        }
        path.resize(path.size() * 2);
    }
}
