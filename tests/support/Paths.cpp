// Paths come from the build as Unix paths; Wine maps the Unix root to drive Z:.
#include "tests/support/Paths.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/WidePaths.h"

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string ProgramExe() { return WindowsPath(TOLV_PROGRAM); }
std::string ScratchDir() { return WindowsPath(TOLV_SCRATCH); }
std::string TestsBinDir() { return WindowsPath(TOLV_TESTS_BIN); }

std::string CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':') c = '_';
    return name;
}

// The ANSI names reach the wide functions as the ANSI functions would hand them on: through the code page, as a
// full path.
namespace {

std::wstring Wide(const std::string& path) {
    std::wstring wide = FromAnsi(path);
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(wide.c_str(), DWORD(full.size()), &full[0], nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(wide.c_str(), DWORD(full.size()), &full[0], nullptr);
    }
    if (length == 0 || length >= full.size()) return wide;
    full.resize(length);
    return full;
}

}  // namespace

bool WriteFileBytes(const std::string& path, const std::string& bytes) { return WriteFileBytes(Wide(path), bytes); }
std::string ReadFileBytes(const std::string& path) { return ReadFileBytes(Wide(path)); }
bool FileExists(const std::string& path) { return FileExists(Wide(path)); }
void RemoveTree(const std::string& path) { RemoveTree(Wide(path)); }
