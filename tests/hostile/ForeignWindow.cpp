// The test's own window class, registered once, and the writing of what the toolkit might keep on a window.
#include "tests/hostile/ForeignWindow.h"

namespace {

const char kClass[] = "HostileSender";

const char* RegisteredClass() {
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), kClass, &windowClass)) {
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClass;
        RegisterClassA(&windowClass);
    }
    return kClass;
}

}  // namespace

ForeignWindow::ForeignWindow(LONG_PTR value, HWND parent)
    // No parent notification: the dialog's panel is told nothing of this window's coming and going.
    : window_(CreateWindowExA(WS_EX_NOPARENTNOTIFY, RegisteredClass(), "Ok", parent ? WS_CHILD : WS_POPUP, 0, 0, 64,
                              22, parent, nullptr, GetModuleHandleA(nullptr), nullptr)) {
    CarryValue(window_, value);
}

ForeignWindow::~ForeignWindow() { DestroyWindow(window_); }

bool CarryValue(HWND window, LONG_PTR value) {
    SetPropA(window, "tk.Control", HANDLE(value));
    SetWindowLongPtrA(window, GWLP_USERDATA, value);
    return GetPropA(window, "tk.Control") == HANDLE(value) && GetWindowLongPtrA(window, GWLP_USERDATA) == value;
}

LONG_PTR DataKeptOn(HWND window) {
    LONG_PTR kept = LONG_PTR(GetPropA(window, "tk.Control"));
    return kept ? kept : GetWindowLongPtrA(window, GWLP_USERDATA);
}
