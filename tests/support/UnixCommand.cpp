// Wine's kernel32 exports the mapping from Windows to Unix names, and starts Unix programs like its own.
#include "tests/support/UnixCommand.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using UnixNameOf = char*(CDECL*)(const WCHAR*);

UnixNameOf WineUnixNameOf() {
    return reinterpret_cast<UnixNameOf>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
}

}  // namespace

bool UnderWine() { return WineUnixNameOf() != nullptr; }

std::string UnixPathOf(const std::string& windowsPath) {
    UnixNameOf unixNameOf = WineUnixNameOf();
    if (!unixNameOf) return std::string();
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* name = unixNameOf(wide.c_str());
    if (!name) return std::string();
    std::string path = name;
    HeapFree(GetProcessHeap(), 0, name);
    return path;
}

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
