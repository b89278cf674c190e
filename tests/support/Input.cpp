// One way to move the pointer and press keys, so that no suite needs to send an input twice. Under Wine the X
// server's report of where the pointer was can overtake a warp and move the cursor back (above all when a window
// such as a dropped list appears), so a button goes down only once the cursor has stayed at its spot.
#include "tests/support/Input.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "tests/support/Wait.h"

namespace {

// Wine answers GetCursorPos from the X server once the cursor has not moved for 100 ms: a spot held that long is
// where the display has the pointer too.
constexpr DWORD kCursorSettle = 120;
// How long a warp may keep being undone before the test calls the input lost.
constexpr DWORD kCursorPatience = 5000;

INPUT MouseEvent(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = LONG((screen.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = LONG((screen.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN));
    // Absolute coordinates on every event, so that an up lands where its down did.
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

bool CursorAt(POINT screen) {
    POINT now{};
    return GetCursorPos(&now) && now.x == screen.x && now.y == screen.y;
}

// Wine reads a thread's X events while that thread waits for messages: once it has answered two sent messages, it
// has also taken what the X server had queued for it before, such as a stale pointer or keyboard state.
void LetThreadCatchUp(HWND window) {
    if (!window || GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return;
    for (int round = 0; round < 2; ++round) {
        DWORD_PTR result;
        if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &result)) return;
    }
}

// Puts the cursor on the spot and returns once it has stayed there and the window under it has seen that. A warp that
// the display undid is made again; that sends no button or key, so no input a program ignored is ever sent twice.
void PlaceCursor(POINT screen) {
    DWORD start = GetTickCount();
    for (;;) {
        // Wine refuses a warp while another program holds the pointer (seen right after a click on the dialog's
        // caption) and warps again only when the cursor's position changes: so the cursor first goes where the
        // display has it.
        POINT now{};
        if (GetCursorPos(&now)) SetCursorPos(now.x, now.y);
        SetCursorPos(screen.x, screen.y);
        Send({MouseEvent(screen, 0)});
        DWORD placed = GetTickCount();
        WaitUntil([&] { return !CursorAt(screen) || GetTickCount() - placed >= kCursorSettle; }, kCursorPatience);
        if (CursorAt(screen)) {
            LetThreadCatchUp(WindowFromPoint(screen));
            if (CursorAt(screen)) return;
        }
        if (GetTickCount() - start > kCursorPatience) {
            ADD_FAILURE() << "the cursor does not stay at (" << screen.x << "," << screen.y << ")";
            return;
        }
    }
}

// Two presses close together on one spot make a double-click; a test that clicks twice means two clicks.
void AwaitNoDoubleClick(POINT screen) {
    static POINT lastSpot{-1000, -1000};
    static DWORD lastPress = GetTickCount() - GetDoubleClickTime() - 1;
    bool onSameSpot = std::abs(screen.x - lastSpot.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                      std::abs(screen.y - lastSpot.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (onSameSpot) WaitUntil([&] { return GetTickCount() - lastPress > GetDoubleClickTime() + 50; });
    lastSpot = screen;
    lastPress = GetTickCount();
}

void PressButton(POINT screen, std::vector<INPUT> events) {
    AwaitNoDoubleClick(screen);
    PlaceCursor(screen);
    Send(std::move(events));
}

}  // namespace

void Click(POINT screen) {
    PressButton(screen, {MouseEvent(screen, MOUSEEVENTF_LEFTDOWN), MouseEvent(screen, MOUSEEVENTF_LEFTUP)});
}

void ClickInTurn(std::initializer_list<POINT> spots) {
    std::vector<INPUT> events;
    for (POINT spot : spots) {
        events.push_back(MouseEvent(spot, MOUSEEVENTF_LEFTDOWN));
        events.push_back(MouseEvent(spot, MOUSEEVENTF_LEFTUP));
    }
    if (spots.size()) PressButton(*spots.begin(), std::move(events));
}

void MouseDown(POINT screen) { PressButton(screen, {MouseEvent(screen, MOUSEEVENTF_LEFTDOWN)}); }

void MouseMove(POINT screen) { PlaceCursor(screen); }

void MouseUp(POINT screen) {
    PlaceCursor(screen);
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
    // A keyboard state the X server reported before these keys would otherwise let go of their Alt or Shift.
    LetThreadCatchUp(GetForegroundWindow());
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
