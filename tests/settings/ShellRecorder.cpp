// Stands in for the help viewer: the tests point the shell's "open" for .chm files here and read what it was given.
// Appends one line per start to the file named by TOLV_SHELL_LOG: the file it was asked to open, a tab, the show
// command from its start-up information (or "none" when the shell passed none).
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char log[MAX_PATH] = "";
    if (!GetEnvironmentVariableA("TOLV_SHELL_LOG", log, sizeof log)) return 2;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    std::string line = (__argc > 1 ? __argv[1] : "") + std::string("\t") +
                       ((startup.dwFlags & STARTF_USESHOWWINDOW) ? std::to_string(startup.wShowWindow) : "none") +
                       "\r\n";
    // One write per line, so two starts close together cannot mix their lines.
    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
    CloseHandle(file);
    return 0;
}
