// Absolute coordinates go on every mouse event: Wine may put the cursor back between down and up otherwise.
#include "tests/support/Input.h"

#include <vector>

namespace {

INPUT MouseEvent(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

INPUT KeyEvent(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = WORD(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Send(std::vector<INPUT> inputs) { SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)); }

}  // namespace

void Click(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Send({MouseEvent(screen, 0), MouseEvent(screen, MOUSEEVENTF_LEFTDOWN), MouseEvent(screen, MOUSEEVENTF_LEFTUP)});
}

void MouseDown(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Send({MouseEvent(screen, MOUSEEVENTF_LEFTDOWN)});
}

void MouseMove(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Send({MouseEvent(screen, 0)});
}

void MouseUp(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Send({MouseEvent(screen, MOUSEEVENTF_LEFTUP)});
}

void ClickWindow(HWND window, int dx, int dy) {
    RECT rect;
    GetWindowRect(window, &rect);
    POINT point{dx < 0 ? (rect.left + rect.right) / 2 : rect.left + dx,
                dy < 0 ? (rect.top + rect.bottom) / 2 : rect.top + dy};
    Click(point);
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) inputs.push_back(KeyEvent(key, false));
    for (auto key = keys.end(); key != keys.begin();) inputs.push_back(KeyEvent(*--key, true));
    Send(inputs);
}

void PressKey(WORD key) { PressKeys({key}); }

void TypeText(const std::string& text) {
    for (char c : text) {
        SHORT scan = VkKeyScanA(c);
        WORD key = LOBYTE(scan);
        if (HIBYTE(scan) & 1)
            PressKeys({VK_SHIFT, key});
        else
            PressKey(key);
    }
}
