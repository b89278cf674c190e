// Wine's shell takes the type of .chm from HKLM and does not see one in the user's own classes, so the test's prefix
// gets its association there, and gets the one it had back afterwards.
#include "tests/support/HelpViewer.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include "tests/support/Paths.h"
#include "tests/support/WidePaths.h"

namespace {

const char kProgId[] = "tolv.tests.ShellRecorder";

}  // namespace

RecordedHelpViewer::RecordedHelpViewer() {
    HKEY classes = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Classes", 0, KEY_ALL_ACCESS, &classes) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot open the prefix's file types";
        return;
    }
    char previous[256] = "";
    LONG size = sizeof previous;
    hadType_ = RegQueryValueA(classes, ".chm", previous, &size) == ERROR_SUCCESS;
    previousType_ = previous;
    classes_ = classes;
    std::string command = "\"" + WindowsPath(TOLV_SHELL_RECORDER) + "\" \"%1\"";
    std::string key = std::string(kProgId) + "\\shell\\open\\command";
    if (RegSetValueA(classes_, key.c_str(), REG_SZ, command.c_str(), DWORD(command.size())) != ERROR_SUCCESS ||
        RegSetValueA(classes_, ".chm", REG_SZ, kProgId, DWORD(sizeof kProgId - 1)) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot associate .chm with the recorder";
        RegCloseKey(classes_);
        classes_ = nullptr;
    }
}

RecordedHelpViewer::~RecordedHelpViewer() {
    SetEnvironmentVariableW(L"TOLV_SHELL_LOG", nullptr);
    if (!classes_) return;
    if (hadType_)
        RegSetValueA(classes_, ".chm", REG_SZ, previousType_.c_str(), DWORD(previousType_.size()));
    else
        RegDeleteKeyA(classes_, ".chm");
    for (const char* key : {"\\shell\\open\\command", "\\shell\\open", "\\shell", ""})
        RegDeleteKeyA(classes_, (kProgId + std::string(key)).c_str());
    RegCloseKey(classes_);
}

void RecordedHelpViewer::RecordInto(const std::wstring& log) { SetEnvironmentVariableW(L"TOLV_SHELL_LOG", log.c_str()); }

std::vector<std::string> Records(const std::wstring& log) {
    std::vector<std::string> lines;
    std::string bytes = ReadFileBytes(log);
    for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

bool RecorderRunning() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more && !running; more = Process32Next(snapshot, &entry))
        running = lstrcmpiA(entry.szExeFile, "shell_recorder.exe") == 0;
    CloseHandle(snapshot);
    return running;
}
