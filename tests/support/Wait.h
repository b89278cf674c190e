// Bounded waits: poll a condition while this thread's own messages keep flowing.
#pragma once

#include <windows.h>

// How long a test waits for the program before it calls the wait failed.
constexpr DWORD kPatience = 20000;

template <class Condition>
bool WaitUntil(Condition done, DWORD timeoutMs = kPatience) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs) return done();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return true;
}
