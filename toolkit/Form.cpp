// The form's own messages; its controls' messages are routed to them.
#include "toolkit/Form.h"

#include "toolkit/MessageRouter.h"

namespace tk {

Form* MainWindow = nullptr;

namespace {

const char kFormClass[] = "tk.Form";

const char* RegisteredFormClass() {
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(GetModuleHandleA(nullptr), kFormClass, &windowClass)) {
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = RouteCreation;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        // The program carries no such icon, so Windows shows its default one.
        windowClass.hIcon = LoadIconA(windowClass.hInstance, "MAINICON");
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kFormClass;
        RegisterClassA(&windowClass);
    }
    return kFormClass;
}

}  // namespace

Form::Form(Control* owner, const char* caption)
    : ControlOf(nullptr,
                Kind{RegisteredFormClass(), WS_OVERLAPPEDWINDOW | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 320, 240},
                caption) {
    // The root of its own tree.
    form_ = this;
    if (owner) SetWindowLongPtrA(Handle(), GWLP_HWNDPARENT, LONG_PTR(owner->Handle()));
}

Form::~Form() {
    ShowWindow(Handle(), SW_HIDE);
    while (!owned_.empty()) owned_.pop_back();
    current_ = nullptr;
    DestroyChildren();
}

Form* NewForm(Control* owner, const char* caption) {
    return new Form(owner, caption);
}

Form* Form::Own(std::unique_ptr<Object> object) {
    owned_.push_back(std::move(object));
    return this;
}

Form* Form::MakeMainWindow() {
    MainWindow = this;
    return this;
}

Form* Form::SetEraseBackground(bool erase) {
    eraseBackground_ = erase;
    return this;
}

Form* Form::Centre() {
    RECT outer;
    GetWindowRect(Handle(), &outer);
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    return SetPosition(CentredEdge(GetSystemMetrics(SM_CXSCREEN), width),
                       CentredEdge(GetSystemMetrics(SM_CYSCREEN), height));
}

Form* Form::FixSize() {
    RECT outer;
    GetWindowRect(Handle(), &outer);
    fixedSize_ = SIZE{outer.right - outer.left, outer.bottom - outer.top};
    fixed_ = true;
    return this;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        // The main window is not destroyed here: the message loop tears the dialog down once it stops.
        if (this != MainWindow) break;
        PostQuitMessage(0);
        return 0;
    case WM_ENDSESSION:
        if (!wParam) return 0;
        // Windows ends the process soon after this message; leave now, saving nothing.
        MainWindow = nullptr;
        delete this;
        ExitProcess(0);
    case WM_ERASEBKGND:
        if (!eraseBackground_) return 1;
        break;
    case WM_SETFOCUS:
        if (current_) {
            SetFocus(current_->Handle());
            return 0;
        }
        break;
    case WM_GETMINMAXINFO:
        if (fixed_) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize = POINT{fixedSize_.cx, fixedSize_.cy};
            info->ptMaxTrackSize = info->ptMinTrackSize;
            return 0;
        }
        break;
    case WM_NCHITTEST: {
        LRESULT hit = Default(message, wParam, lParam);
        // The sizing border stays for its look but cannot be dragged.
        if (fixed_ && hit >= HTLEFT && hit <= HTBOTTOMRIGHT) return HTBORDER;
        return hit;
    }
    case WM_SYSCOMMAND:
        if (fixed_ && (wParam & 0xFFF0) == SC_SIZE) return 0;
        break;
    }
    return ControlOf::HandleMessage(message, wParam, lParam);
}

}  // namespace tk
