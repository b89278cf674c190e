// The program's own path, never the command line or the current directory.
#include "config/ProgramDir.h"

#include <windows.h>

std::string DirectoryOf(const std::string& path) {
    size_t end = path.find_last_of("\\:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

std::string ProgramDir() {
    char buffer[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    return DirectoryOf(std::string(buffer, length));
}
