// One conversion each way, so a value written and read back keeps the bytes the ANSI profile functions would give.
#include "config/Text.h"

#include <windows.h>

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    // The ANSI code page has at most one UTF-16 unit per byte.
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), &wide[0], int(wide.size()));
    wide.resize(size_t(length > 0 ? length : 0));
    return wide;
}

std::string Narrow(const std::wstring& text) {
    int length = WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), &narrow[0], length, nullptr, nullptr);
    return narrow;
}
