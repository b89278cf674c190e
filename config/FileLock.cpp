// A named mutex per file: dialogs of different game folders never wait on each other.
#include "config/FileLock.h"

#include <cstdint>

namespace {

// Names may not hold backslashes and are limited in length, so the path goes in as a hash; two files that share
// one only take turns.
std::wstring MutexName(const std::wstring& path) {
    std::wstring upper = path;
    if (!upper.empty()) CharUpperBuffW(&upper[0], DWORD(upper.size()));
    uint32_t hash = 2166136261u;
    for (wchar_t c : upper) hash = (hash ^ uint32_t(c)) * 16777619u;
    std::wstring name = L"tolv.bot.setup save ";
    for (int shift = 28; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 15];
    return name;
}

}  // namespace

FileLock::FileLock(const std::wstring& path, DWORD timeoutMs)
    : mutex_(CreateMutexW(nullptr, FALSE, MutexName(path).c_str())) {
    if (!mutex_) return;
    DWORD waited = WaitForSingleObject(mutex_, timeoutMs);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

FileLock::~FileLock() {
    if (held_) ReleaseMutex(mutex_);
    if (mutex_) CloseHandle(mutex_);
}

std::wstring FinalPath(const std::wstring& path) {
    // No access asked, so a program that holds the file without sharing does not stand in the way.
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return path;
    std::wstring final(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(file, &final[0], DWORD(final.size()), FILE_NAME_NORMALIZED);
    if (length >= final.size()) {
        final.assign(length + 1, L'\0');
        length = GetFinalPathNameByHandleW(file, &final[0], DWORD(final.size()), FILE_NAME_NORMALIZED);
    }
    CloseHandle(file);
    if (length == 0 || length >= final.size()) return path;
    final.resize(length);
    if (final.compare(0, 8, L"\\\\?\\UNC\\") == 0) return L"\\" + final.substr(7);
    if (final.compare(0, 4, L"\\\\?\\") == 0) return final.substr(4);
    return final;
}
