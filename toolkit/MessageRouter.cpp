// Notifications and colour requests arrive at the parent; they belong to the child that sent them.
#include "toolkit/MessageRouter.h"

#include "toolkit/Control.h"

namespace tk {

LRESULT CALLBACK RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* target = Control::Of(window);
    // A form's window runs this from its creation on; its object comes with WM_NCCREATE.
    if (!target && message == WM_NCCREATE) target = Control::AttachCreated(window, lParam);
    if (!target) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
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

}  // namespace tk
