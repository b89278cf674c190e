// For scripts: "wait" prints the dialog's screen rectangle once it is up and idle; "close" asks it to close.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tests/support/Wait.h"

namespace {

HWND FindDialog() {
    HWND form = FindWindowA("tk.Form", "tolv.bot.setup");
    return form && IsWindowVisible(form) ? form : nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_probe wait|close\n");
        return 2;
    }
    HWND form = nullptr;
    if (!WaitUntil([&] { return (form = FindDialog()) != nullptr; })) {
        std::fprintf(stderr, "dialog_probe: no dialog appeared\n");
        return 1;
    }
    DWORD_PTR result;
    SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &result);
    if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(form, WM_CLOSE, 0, 0);
        return 0;
    }
    RECT rect;
    GetWindowRect(form, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}
