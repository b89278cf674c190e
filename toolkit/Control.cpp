// Creation, geometry and teardown shared by every kind of window in the dialog.
#include "toolkit/Control.h"

#include "toolkit/Form.h"
#include "toolkit/MessageRouter.h"

namespace tk {

Control::Control(Control* parent, const Kind& kind, const char* text)
    : parent_(parent),
      form_(parent ? parent->form_ : nullptr),
      color_(parent ? parent->color_ : clBtnFace),
      textColor_(parent ? parent->textColor_ : clWindowText),
      font_(parent ? parent->font_.Description() : Font::DefaultDescription()) {
    // Created hidden: nothing shows before the message loop's first show.
    DWORD style = kind.style & ~WS_VISIBLE;
    HWND parentWindow = parent ? parent->window_ : nullptr;
    HWND window = CreateWindowExA(kind.exStyle, kind.className, text, style, 0, 0, kind.width, kind.height,
                                  parentWindow, nullptr, GetModuleHandleA(nullptr), this);
    // A form's window was taken over at WM_NCCREATE; a standard control's is once it exists.
    if (!window_) TakeOver(window, WNDPROC(GetWindowLongPtrA(window, GWLP_WNDPROC)));
    font_.Attach(window_);
    if (form_ && (style & WS_TABSTOP) && !form_->CurrentControl()) form_->SetCurrentControl(this);
}

Control::~Control() {
    DestroyChildren();
    if (parent_ && form_ && form_->CurrentControl() == this) form_->SetCurrentControl(nullptr);
    // The window goes while this object still answers for it; its last message detaches it.
    if (window_) DestroyWindow(window_);
}

void Control::TakeOver(HWND window, WNDPROC classProc) {
    window_ = window;
    classProc_ = classProc;
    SetWindowLongPtrA(window, GWLP_WNDPROC, LONG_PTR(thunk_.Procedure()));
}

void Control::Detach() {
    // The class's procedure goes back only while ours is the one installed: one installed after ours stays.
    if (GetWindowLongPtrA(window_, GWLP_WNDPROC) == LONG_PTR(thunk_.Procedure()))
        SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(classProc_));
    window_ = nullptr;
}

Control* Control::Child(HWND window) const {
    // Only a window of this thread that is a child of ours, found among the children we hold: a window that
    // another process names, or one carrying data like ours, is never taken for one of them.
    if (!IsChild(window_, window) || GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) return nullptr;
    for (const auto& child : children_)
        if (child->window_ == window) return child.get();
    return nullptr;
}

void Control::DestroyChildren() {
    // Each child leaves the list before it goes, so that nothing routed during its teardown reaches it.
    while (!children_.empty()) {
        std::unique_ptr<Control> last = std::move(children_.back());
        children_.pop_back();
    }
}

LRESULT Control::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(classProc_, window_, message, wParam, lParam);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFOCUS:
        if (parent_ && form_) form_->SetCurrentControl(this);
        break;
    case WM_CHAR:
        // Without a dialog manager a Tab would be typed into the edit box; the dialog has no use for it.
        if (wParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) return 0;
        break;
    case WM_NCDESTROY: {
        LRESULT result = Default(message, wParam, lParam);
        Detach();
        return result;
    }
    }
    return Default(message, wParam, lParam);
}

HBRUSH Control::OnCtlColor(HDC dc) {
    COLORREF background = ResolveColor(color_);
    SetTextColor(dc, ResolveColor(textColor_));
    SetBkColor(dc, background);
    SetBkMode(dc, OPAQUE);
    return brush_.For(background);
}

std::string Control::Text() const {
    std::string text(size_t(GetWindowTextLengthA(window_)), '\0');
    if (!text.empty()) text.resize(size_t(GetWindowTextA(window_, &text[0], int(text.size()) + 1)));
    return text;
}

void Control::ShowTree() {
    for (auto& child : children_) child->ShowTree();
    if (!(Style() & WS_VISIBLE)) ShowWindow(window_, SW_SHOW);
}

void Control::Move(int left, int top) {
    SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::Resize(int width, int height) {
    RECT outer;
    GetWindowRect(window_, &outer);
    if (width <= 0) width = outer.right - outer.left;
    if (height <= 0) height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::ResizeClient(int width, int height) {
    // Width first, then height, each from the frame the window has at that moment.
    RECT outer, client;
    if (width > 0) {
        GetWindowRect(window_, &outer);
        GetClientRect(window_, &client);
        Resize(width + (outer.right - outer.left) - client.right, 0);
    }
    if (height > 0) {
        GetWindowRect(window_, &outer);
        GetClientRect(window_, &client);
        Resize(0, height + (outer.bottom - outer.top) - client.bottom);
    }
}

void Control::ChangeStyle(DWORD style) {
    SetWindowLongA(window_, GWL_STYLE, LONG(style));
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::ChangeColor(Color color) {
    color_ = color;
    InvalidateRect(window_, nullptr, TRUE);
}

void Control::ChangeTextColor(Color color) {
    textColor_ = color;
    InvalidateRect(window_, nullptr, TRUE);
}

void Control::ChangeText(const std::string& text) {
    SetWindowTextA(window_, text.c_str());
}

}  // namespace tk
