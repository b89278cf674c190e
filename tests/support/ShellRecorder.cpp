// Stands in for the help viewer: the tests point the shell's "open" for .chm files here and read what it was given.
// Appends one line per start to the file named by TOLV_SHELL_LOG: the file it was asked to open (UTF-8, so that a
// folder named in any script arrives exact), a tab, the show command from its start-up information (or "none" when
// the shell passed none).
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
    int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(length), '\0');
    if (length > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &utf8[0], length, nullptr, nullptr);
    return utf8;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::wstring log(32768, L'\0');
    DWORD length = GetEnvironmentVariableW(L"TOLV_SHELL_LOG", &log[0], DWORD(log.size()));
    if (length == 0 || length >= log.size()) return 2;
    log.resize(length);
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::wstring file = argv && argc > 1 ? argv[1] : L"";
    LocalFree(argv);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    std::string line = Utf8(file) + "\t" +
                       ((startup.dwFlags & STARTF_USESHOWWINDOW) ? std::to_string(startup.wShowWindow) : "none") +
                       "\r\n";
    // One write per line, so two starts close together cannot mix their lines.
    HANDLE out = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(out, line.data(), DWORD(line.size()), &written, nullptr);
    CloseHandle(out);
    return 0;
}
