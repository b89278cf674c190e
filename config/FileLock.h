// Saves of one settings file go one at a time across processes, and a load waits for a save in progress.
#pragma once

#include <windows.h>

#include <string>

class FileLock {
public:
    // Waits at most the time given; a lock left by a process that was ended counts as free.
    FileLock(const std::wstring& path, DWORD timeoutMs);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    bool Held() const { return held_; }

private:
    HANDLE mutex_;
    bool held_ = false;
};

// The file a path names, through any links, as a full path the profile functions take; the path itself when there is
// no such file yet.
std::wstring FinalPath(const std::wstring& path);
