// The profile functions report success on a full disk and leave the file cut, and each of their writes rewrites the
// whole file in place: so they never write the file itself, only a copy that is checked before it replaces the file.
#include "config/SafeSave.h"

#include <windows.h>

#include "config/IniFile.h"
#include "config/ProgramDir.h"

namespace {

constexpr DWORD kLockPatience = 10000;
// A reader (another dialog starting, the plug-in) holds the file only for a moment.
constexpr DWORD kReplacePatience = 2000;

// On a file written in the last seconds every profile call reads it whole again, so the list is read in one call, into
// room that is known to be enough (each name stands in the file between brackets). The result is cut when it is not.
std::wstring SectionNames(const std::wstring& path, size_t room) {
    std::wstring names(room + 2, L'\0');
    names.resize(GetPrivateProfileSectionNamesW(names.data(), DWORD(names.size()), path.c_str()));
    return names;
}

size_t FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (size_t(data.nFileSizeHigh) << 16 << 16) | data.nFileSizeLow;
}

bool Listed(const std::wstring& names, const wchar_t* name) {
    for (size_t at = 0; at < names.size(); at = names.find(L'\0', at) + 1)
        if (lstrcmpiW(names.c_str() + at, name) == 0) return true;
    return false;
}

// The profile functions may keep a file they wrote in memory and answer from there until its time stamp changes:
// a new one makes them read what is on the disk. Forgetting it outright costs a reading of the whole file.
bool Touch(HANDLE file) {
    FILETIME written;
    if (!GetFileTime(file, nullptr, nullptr, &written)) return false;
    ULARGE_INTEGER later{{written.dwLowDateTime, written.dwHighDateTime}};
    ++later.QuadPart;
    written = FILETIME{later.LowPart, later.HighPart};
    return SetFileTime(file, nullptr, nullptr, &written);
}

void Forget(const std::wstring& path) {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
}

void Remove(const std::wstring& path) {
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}

}  // namespace

SafeSave::SafeSave(const std::wstring& path)
    : target_(FinalPath(path)),
      copy_(DirectoryOf(target_) + L"config.tmp"),
      lock_(target_, kLockPatience) {
    if (!lock_.Held() || !IniFile::Reaches(target_) || !IniFile::Reaches(copy_)) return;
    owner_ = true;
    // What a killed save left behind goes first.
    Remove(copy_);
    attributes_ = GetFileAttributesW(target_.c_str());
    if (attributes_ == INVALID_FILE_ATTRIBUTES) {
        // No file yet: the writes make the copy. A missing folder makes them fail.
        attributes_ = FILE_ATTRIBUTE_NORMAL;
        ready_ = GetLastError() == ERROR_FILE_NOT_FOUND;
        return;
    }
    // Windows refuses to write a read-only file; a copy would get round that.
    if (attributes_ & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return;
    if (!CopyFileW(target_.c_str(), copy_.c_str(), FALSE)) return;
    SetFileAttributesW(copy_.c_str(), FILE_ATTRIBUTE_NORMAL);
    sectionsBefore_ = SectionNames(copy_, FileSize(copy_));
    ready_ = true;
}

SafeSave::~SafeSave() {
    if (!owner_ || committed_) return;
    // A later save in this process must not be answered from what the platform remembers of this copy.
    Forget(copy_);
    Remove(copy_);
}

bool SafeSave::Commit() {
    if (!ready_) return false;
    HANDLE copy = CreateFileW(copy_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (copy == INVALID_HANDLE_VALUE) return false;
    bool flushed = FlushFileBuffers(copy) && Touch(copy);
    CloseHandle(copy);
    if (!flushed) return false;
    // A file cut short has lost the sections at its end: the copy must list those the file had, in its order, then
    // those the writes had to add.
    std::wstring names = sectionsBefore_;
    for (const wchar_t* added : {L"main", L"bot"})
        if (!Listed(names, added)) names.append(added).push_back(L'\0');
    if (SectionNames(copy_, names.size() + 1) != names || !SetFileAttributesW(copy_.c_str(), attributes_)) return false;

    DWORD start = GetTickCount();
    while (!MoveFileExW(copy_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            GetTickCount() - start > kReplacePatience)
            return false;
        Sleep(20);
    }
    committed_ = true;
    return true;
}
