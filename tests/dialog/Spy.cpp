// CreateRemoteThread with LoadLibraryA loads the DLL; a second remote thread runs its export.
#include "tests/dialog/Spy.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/Paths.h"
#include "tests/support/Wait.h"

namespace {

// Runs a function of the program's address space on a thread there; its exit code is the result.
bool RunRemote(HANDLE process, LPTHREAD_START_ROUTINE function, void* argument, DWORD* result) {
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, function, argument, 0, nullptr);
    if (!thread) return false;
    bool done = WaitForSingleObject(thread, kPatience) == WAIT_OBJECT_0 && GetExitCodeThread(thread, result);
    CloseHandle(thread);
    return done;
}

// Where the program loaded a DLL: a thread's exit code is 32 bits, too few for an address of a 64-bit process.
char* RemoteModuleBase(HANDLE process, const std::string& dll) {
    HMODULE modules[512];
    DWORD bytes = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &bytes)) return nullptr;
    for (DWORD i = 0; i < bytes / sizeof *modules && i < 512; ++i) {
        char path[MAX_PATH] = "";
        if (GetModuleFileNameExA(process, modules[i], path, sizeof path) && lstrcmpiA(path, dll.c_str()) == 0)
            return reinterpret_cast<char*>(modules[i]);
    }
    return nullptr;
}

}  // namespace

bool SpyOn(const DialogProcess& dialog, SpyReport* report) {
    const std::string dll = WindowsPath(TOLV_SPY_DLL);
    HANDLE process = dialog.Process();
    // One block in the program: the DLL's path first, the report after it.
    const SIZE_T reportOffset = (dll.size() + 1 + 15) & ~SIZE_T(15);
    char* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, reportOffset + sizeof(SpyReport), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!remote) {
        ADD_FAILURE() << "no memory in the program, error " << GetLastError();
        return false;
    }
    SpyReport empty{};
    WriteProcessMemory(process, remote, dll.c_str(), dll.size() + 1, nullptr);
    WriteProcessMemory(process, remote + reportOffset, &empty, sizeof empty, nullptr);

    // kernel32 sits at the same address in every process, so the local LoadLibraryA is the program's too.
    auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<DWORD_PTR>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
    DWORD loaded = 0;
    char* remoteBase = nullptr;
    if (!RunRemote(process, loadLibrary, remote, &loaded) || !loaded || !(remoteBase = RemoteModuleBase(process, dll))) {
        ADD_FAILURE() << "the program did not load " << dll;
        return false;
    }
    // The export lies at the same offset from the DLL's base in both processes.
    HMODULE local = LoadLibraryExA(dll.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    FARPROC localSpy = local ? GetProcAddress(local, "SpyOnDialog") : nullptr;
    if (!localSpy) {
        ADD_FAILURE() << "no SpyOnDialog in " << dll;
        return false;
    }
    auto remoteSpy = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        remoteBase + (reinterpret_cast<DWORD_PTR>(localSpy) - reinterpret_cast<DWORD_PTR>(local)));
    FreeLibrary(local);
    DWORD spyResult = 1;
    if (!RunRemote(process, remoteSpy, remote + reportOffset, &spyResult) || spyResult != 0) {
        ADD_FAILURE() << "the spy found no dialog in the program";
        return false;
    }
    bool read = ReadProcessMemory(process, remote + reportOffset, report, sizeof *report, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    if (!read || !report->found) {
        ADD_FAILURE() << "the spy's report is incomplete";
        return false;
    }
    return true;
}
