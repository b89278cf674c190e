// CreateProcessW refuses a program path of MAX_PATH characters or more, and under Wine a "\\?\" path too; ntdll's own
// process creation takes any length, and the program then finds its whole path in GetModuleFileNameW.
#include "tests/support/ProgramStart.h"

#include <winternl.h>

#include <cstdio>

namespace {

constexpr ULONG kParametersNormalized = 1;

struct CreatedProcess {
    ULONG length;
    HANDLE process;
    HANDLE thread;
    CLIENT_ID client;
    BYTE image[64];  // the image's section information, which is of no use here
};

using CreateParameters = NTSTATUS(NTAPI*)(void** parameters, UNICODE_STRING* image, UNICODE_STRING* dllPath,
                                          UNICODE_STRING* currentDir, UNICODE_STRING* commandLine, void* environment,
                                          UNICODE_STRING* title, UNICODE_STRING* desktop, UNICODE_STRING* shellInfo,
                                          UNICODE_STRING* runtimeData, ULONG flags);
using DestroyParameters = NTSTATUS(NTAPI*)(void* parameters);
using CreateUserProcess = NTSTATUS(NTAPI*)(UNICODE_STRING* ntImage, ULONG attributes, void* parameters,
                                           void* processSecurity, void* threadSecurity, HANDLE parent,
                                           BOOLEAN inheritHandles, HANDLE debugPort, HANDLE exceptionPort,
                                           CreatedProcess* created);

template <class Function>
Function Ntdll(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

UNICODE_STRING Counted(std::wstring& text) {
    USHORT bytes = USHORT(text.size() * sizeof(wchar_t));
    return UNICODE_STRING{bytes, bytes, text.empty() ? nullptr : &text[0]};
}

DWORD StartLong(std::wstring exe, std::wstring currentDir, PROCESS_INFORMATION* info) {
    auto createParameters = Ntdll<CreateParameters>("RtlCreateProcessParametersEx");
    auto destroyParameters = Ntdll<DestroyParameters>("RtlDestroyProcessParameters");
    auto createUserProcess = Ntdll<CreateUserProcess>("RtlCreateUserProcess");
    if (!createParameters || !destroyParameters || !createUserProcess) return ERROR_PROC_NOT_FOUND;
    if (currentDir.empty()) {
        currentDir.resize(GetCurrentDirectoryW(0, nullptr));
        currentDir.resize(GetCurrentDirectoryW(DWORD(currentDir.size()), &currentDir[0]));
    }
    std::wstring commandLine = L"\"" + exe + L"\"";
    std::wstring ntImage = L"\\??\\" + exe;
    UNICODE_STRING image = Counted(exe), current = Counted(currentDir), command = Counted(commandLine);
    UNICODE_STRING ntPath = Counted(ntImage);
    void* parameters = nullptr;
    // No environment given: the program gets this process's, as CreateProcessW would give it.
    NTSTATUS status = createParameters(&parameters, &image, nullptr, &current, &command, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, kParametersNormalized);
    if (status != 0) return DWORD(status);
    CreatedProcess created{};
    created.length = sizeof created;
    status = createUserProcess(&ntPath, OBJ_CASE_INSENSITIVE, parameters, nullptr, nullptr, nullptr, FALSE, nullptr,
                               nullptr, &created);
    destroyParameters(parameters);
    if (status != 0) return DWORD(status);
    // It starts suspended.
    ResumeThread(created.thread);
    info->hProcess = created.process;
    info->hThread = created.thread;
    info->dwProcessId = GetProcessId(created.process);
    info->dwThreadId = GetThreadId(created.thread);
    return 0;
}

DWORD StartOnce(const std::wstring& exe, const std::wstring& currentDir, PROCESS_INFORMATION* info) {
    if (exe.size() >= MAX_PATH) return StartLong(exe, currentDir, info);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        currentDir.empty() ? nullptr : currentDir.c_str(), &startup, info))
        return GetLastError();
    return 0;
}

}  // namespace

DWORD StartProgram(const std::wstring& exe, const std::wstring& currentDir, PROCESS_INFORMATION* info) {
    DWORD error = StartOnce(exe, currentDir, info);
    // Rarely (once in each of two whole test runs here, of hundreds of starts each), Wine's own start-up of the new
    // process ends it before any of the program's code has run, and creating it reports ERROR_INTERNAL_ERROR
    // (STATUS_INTERNAL_ERROR from ntdll). Nothing of the program was tried, so it is started again, said on stderr;
    // any other failure, or this one three times in a row, stands.
    for (int again = 0; again < 2 && (error == ERROR_INTERNAL_ERROR || error == DWORD(0xC00000E5L)); ++again) {
        fprintf(stderr, "Wine ended the new process in its own start-up (error %lu); starting it again\n", error);
        error = StartOnce(exe, currentDir, info);
    }
    return error;
}
