// For tools/run: "wait" prints the dialog's screen rectangle once it is up and idle; "close" asks it to close.
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr DWORD kPatienceMs = 20000;

HWND FindDialog() {
    HWND form = FindWindowA("tk.Form", "tolv.bot.setup");
    return form && IsWindowVisible(form) ? form : nullptr;
}

HWND WaitForDialog() {
    HWND form = FindDialog();
    for (DWORD start = GetTickCount(); !form && GetTickCount() - start < kPatienceMs; form = FindDialog()) Sleep(10);
    return form;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dialog_probe wait|close\n");
        return 2;
    }
    HWND form = WaitForDialog();
    if (!form) {
        std::fprintf(stderr, "dialog_probe: no dialog appeared\n");
        return 1;
    }
    // Returns once the dialog's thread has handled everything before it: shown and idle.
    DWORD_PTR result;
    SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, kPatienceMs, &result);
    if (std::strcmp(argv[1], "close") == 0) {
        PostMessageA(form, WM_CLOSE, 0, 0);
        return 0;
    }
    RECT rect;
    GetWindowRect(form, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}
