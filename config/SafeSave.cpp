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

// A list the profile functions fill, grown until it fits: they return the size less 2 when it does not.
template <class Fill>
std::wstring ReadList(Fill fill) {
    std::wstring list(4096, L'\0');
    for (;;) {
        DWORD length = fill(&list[0], DWORD(list.size()));
        if (length + 2 < list.size()) {
            list.resize(length);
            return list;
        }
        list.assign(list.size() * 2, L'\0');
    }
}

std::wstring SectionNames(const std::wstring& path) {
    return ReadList([&](wchar_t* buffer, DWORD size) { return GetPrivateProfileSectionNamesW(buffer, size, path.c_str()); });
}

std::wstring Section(const std::wstring& path, const wchar_t* name) {
    return ReadList(
        [&](wchar_t* buffer, DWORD size) { return GetPrivateProfileSectionW(name, buffer, size, path.c_str()); });
}

bool Listed(const std::wstring& names, const wchar_t* name) {
    for (size_t at = 0; at < names.size(); at = names.find(L'\0', at) + 1)
        if (lstrcmpiW(names.c_str() + at, name) == 0) return true;
    return false;
}

// What a cut file loses first: the sections at its end. And the two sections the save writes into.
struct Contents {
    std::wstring names;
    std::wstring main;
    std::wstring bot;
    std::wstring last;

    bool operator==(const Contents& other) const {
        return names == other.names && main == other.main && bot == other.bot && last == other.last;
    }
};

Contents Read(const std::wstring& path) {
    Contents contents;
    contents.names = SectionNames(path);
    contents.main = Section(path, L"main");
    contents.bot = Section(path, L"bot");
    size_t last = contents.names.empty() ? 0 : contents.names.rfind(L'\0', contents.names.size() - 2) + 1;
    if (!contents.names.empty()) contents.last = Section(path, contents.names.c_str() + last);
    return contents;
}

// The profile functions may keep a file they wrote in memory and answer from there; this makes them read the disk.
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
    sectionsBefore_ = SectionNames(copy_);
    ready_ = true;
}

SafeSave::~SafeSave() {
    if (!owner_) return;
    Forget(copy_);
    if (!committed_) Remove(copy_);
}

bool SafeSave::Commit() {
    if (!ready_) return false;
    Contents written = Read(copy_);
    Forget(copy_);
    Contents onDisk = Read(copy_);
    Forget(copy_);
    // The sections the file had, in its order, then those the writes had to add.
    std::wstring names = sectionsBefore_;
    for (const wchar_t* added : {L"main", L"bot"})
        if (!Listed(names, added)) names.append(added).push_back(L'\0');
    if (!(onDisk == written) || onDisk.names != names) return false;

    HANDLE copy = CreateFileW(copy_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (copy == INVALID_HANDLE_VALUE) return false;
    bool flushed = FlushFileBuffers(copy);
    CloseHandle(copy);
    if (!flushed || !SetFileAttributesW(copy_.c_str(), attributes_)) return false;

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
