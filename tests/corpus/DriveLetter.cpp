// Under Wine a drive letter is a link in the prefix's dosdevices folder, made here with ln; elsewhere DefineDosDevice.
#include "tests/corpus/DriveLetter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/Wait.h"

namespace {

using UnixNameOf = char*(CDECL*)(const WCHAR*);

UnixNameOf WineUnixNameOf() {
    return reinterpret_cast<UnixNameOf>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
}

std::string UnixPath(UnixNameOf unixNameOf, const std::string& windowsPath) {
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* name = unixNameOf(wide.c_str());
    if (!name) return std::string();
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

std::string Environment(const char* name) {
    char value[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length && length < sizeof value ? value : "";
}

bool Accessible(char letter) {
    char root[] = {letter, ':', '\\', 0};
    return GetFileAttributesA(root) != INVALID_FILE_ATTRIBUTES;
}

// Wine starts a Unix program without a process handle to wait on, so the caller waits for its effect instead.
void RunUnix(std::string commandLine) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot run " << commandLine << ", error " << GetLastError();
        return;
    }
    if (process.hThread) CloseHandle(process.hThread);
    if (process.hProcess) CloseHandle(process.hProcess);
}

}  // namespace

DriveLetter::DriveLetter(const std::string& folder) {
    UnixNameOf unixNameOf = WineUnixNameOf();
    std::string prefix = Environment("WINEPREFIX");
    if (prefix.empty()) prefix = Environment("HOME") + "/.wine";
    for (char letter = 'Y'; letter >= 'D' && !letter_; --letter) {
        if ((GetLogicalDrives() >> (letter - 'A')) & 1 || Accessible(letter)) continue;
        if (unixNameOf) {
            // Wine's DefineDosDevice does not reach its file system, but Wine starts Unix programs like its own.
            // A link left behind for a letter nobody can use is replaced.
            link_ = prefix + "/dosdevices/" + char(letter - 'A' + 'a') + ":";
            RunUnix("/bin/ln -sfn \"" + UnixPath(unixNameOf, folder) + "\" \"" + link_ + "\"");
        } else if (!DefineDosDeviceA(0, (std::string(1, letter) + ":").c_str(), folder.c_str())) {
            continue;
        }
        letter_ = letter;
    }
    if (!letter_ || !WaitUntil([&] { return Accessible(letter_); }))
        ADD_FAILURE() << "no drive letter could be given to " << folder;
}

DriveLetter::~DriveLetter() {
    if (!link_.empty()) {
        RunUnix("/bin/rm -f \"" + link_ + "\"");
        EXPECT_TRUE(WaitUntil([&] { return !Accessible(letter_); })) << "drive " << letter_ << ": stays";
    } else if (letter_) {
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, (std::string(1, letter_) + ":").c_str(), nullptr);
    }
}
