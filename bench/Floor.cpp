// The least a Win32 program with a window does, built like the dialog: the floor the benchmark measures it against.
// Two variants add one thing the dialog has, to show what its extra cost is made of:
//   FLOOR_IMPORTS_SHELL32  imports ShellExecuteA, as the dialog does for "About";
//   FLOOR_SHOWS_A_BUTTON   shows one button, and is linked with the dialog's manifest, so common controls 6 come in.
#include <windows.h>
#ifdef FLOOR_IMPORTS_SHELL32
#include <shellapi.h>
#endif

namespace {

LRESULT CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef FLOOR_IMPORTS_SHELL32
    // Never called; taking its address keeps the import, which alone has Windows load shell32 at start.
    void* volatile shellExecute = reinterpret_cast<void*>(&ShellExecuteA);
    (void)shellExecute;
#endif
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = FloorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "floor";
    RegisterClassA(&windowClass);
    // The dialog's outer size, so that both paint as much of the screen.
    HWND window = CreateWindowExA(0, "floor", "floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 225, 188, nullptr, nullptr, instance, nullptr);
#ifdef FLOOR_SHOWS_A_BUTTON
    CreateWindowExA(0, "BUTTON", "Ok", WS_CHILD | WS_VISIBLE, 145, 132, 64, 22, window, nullptr, instance, nullptr);
#else
    (void)window;
#endif
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ExitProcess(0);
}
