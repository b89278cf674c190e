// Notifications and colour requests arrive at the parent; they belong to the child that sent them.
#include "toolkit/MessageRouter.h"

#include "toolkit/Control.h"

namespace tk {

LRESULT CALLBACK RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* target = Control::FromHandle(window);
    if (!target) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_COMMAND:
        if (Control* sender = Control::FromHandle(HWND(lParam))) {
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
    case WM_CTLCOLORSTATIC: {
        // A combo box's opened list is no window of ours: the combo box answers for it.
        Control* painted = Control::FromHandle(HWND(lParam));
        return LRESULT((painted ? painted : target)->OnCtlColor(HDC(wParam)));
    }
    }
    return target->HandleMessage(message, wParam, lParam);
}

}  // namespace tk
