// Notifications and colour requests arrive at the parent; they belong to the child that sent them.
#include "toolkit/MessageRouter.h"

#include "toolkit/Control.h"

namespace tk {

// The target comes from the window's procedure, not from its user data or a property: another process can rewrite
// those on our windows, but not a window's procedure. A window a message names is only looked for among our own.
LRESULT CALLBACK RouteMessage(Control* target, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
    case WM_CREATE:
        // Only a creation this thread makes: another process can send these with parameters of its choosing, and a
        // class that took them would build its state afresh from a structure that is not the window's.
        if (InSendMessage()) return 0;
        break;
    case WM_COMMAND:
        if (Control* sender = target->Child(HWND(lParam))) {
            sender->OnCommand(HIWORD(wParam));
            return 0;
        }
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        if (Control* painted = target->Child(HWND(lParam))) return LRESULT(painted->OnCtlColor(HDC(wParam)));
        break;
    }
    // Everything else, and a notification or colour request naming a window that is no child of ours.
    return target->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK RouteCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // This thread's own CreateWindowEx names the object. Another thread's WM_NCCREATE is not taken: it would name an
    // object of the sender's choosing (one cannot be posted).
    if (message == WM_NCCREATE && !InSendMessage()) {
        auto* target = static_cast<Control*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        target->TakeOver(window, DefWindowProcA);
        return target->HandleMessage(message, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tk
