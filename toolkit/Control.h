// A window of the dialog and the object behind it: geometry, text, colours, font, children.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/Brush.h"
#include "toolkit/Color.h"
#include "toolkit/Font.h"
#include "toolkit/MessageRouter.h"
#include "toolkit/Object.h"
#include "toolkit/Thunk.h"

namespace tk {

class Form;

class Control : public Object {
public:
    ~Control() override;

    HWND Handle() const { return window_; }
    Control* Parent() const { return parent_; }
    // The form at the root of this control's tree; null for a tree whose root is no form.
    Form* ParentForm() const { return form_; }

    Font* GetFont() { return &font_; }
    Color BackgroundColor() const { return color_; }
    Color TextColor() const { return textColor_; }
    DWORD Style() const { return DWORD(GetWindowLongA(window_, GWL_STYLE)); }
    std::string Text() const;

    // Hands a new control to its parent, which destroys it with itself.
    template <class T>
    static T* Adopt(Control* parent, std::unique_ptr<T>&& child) {
        T* adopted = child.get();
        // As a Control*, so that one instantiation of the vector's growth serves every kind of control.
        parent->children_.emplace_back(static_cast<Control*>(child.release()));
        return adopted;
    }

    // Shows every window of the tree not yet visible, the children before their parent.
    void ShowTree();

    // What the router hands over: a notification from this control, its colours for painting,
    // and every other message sent to its own window.
    virtual void OnCommand(WORD /*code*/) {}
    HBRUSH OnCtlColor(HDC dc);
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

protected:
    struct Kind {
        const char* className;
        DWORD style;
        DWORD exStyle;
        int width;
        int height;
    };
    Control(Control* parent, const Kind& kind, const char* text);

    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

    void Move(int left, int top);
    void Resize(int width, int height);
    void ResizeClient(int width, int height);
    void ChangeStyle(DWORD style);
    void ChangeColor(Color color);
    void ChangeTextColor(Color color);
    void ChangeText(const std::string& text);

    // Children are destroyed the last created first, while this object is still whole.
    void DestroyChildren();

private:
    // A form roots its own tree; the router hands notifications to the children.
    friend class Form;
    friend LRESULT CALLBACK RouteMessage(Control* target, UINT message, WPARAM wParam, LPARAM lParam);
    friend LRESULT CALLBACK RouteCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // The child control whose window a message names, or null for any window that is not one of them.
    Control* Child(HWND window) const;
    // Puts this object's procedure in the window's place; the class's one handles what this object does not.
    void TakeOver(HWND window, WNDPROC classProc);
    void Detach();

    Control* parent_;
    Form* form_;
    HWND window_ = nullptr;
    WNDPROC classProc_ = nullptr;
    // The window's procedure, and with it the only link from the window to this object.
    Thunk thunk_{this, &RouteMessage};
    std::vector<std::unique_ptr<Control>> children_;
    Color color_;
    Color textColor_;
    Font font_;
    Brush brush_;
};

// The chained setters, returning the concrete kind so that a control is built in one expression.
template <class Self>
class ControlOf : public Control {
public:
    Self* SetPosition(int left, int top) { Move(left, top); return self(); }
    Self* SetSize(int width, int height) { Resize(width, height); return self(); }
    Self* SetClientSize(int width, int height) { ResizeClient(width, height); return self(); }
    Self* SetStyle(DWORD style) { ChangeStyle(style); return self(); }
    Self* SetColor(Color color) { ChangeColor(color); return self(); }
    Self* SetTextColor(Color color) { ChangeTextColor(color); return self(); }
    Self* SetText(const std::string& text) { ChangeText(text); return self(); }

protected:
    using Control::Control;

private:
    Self* self() { return static_cast<Self*>(this); }
};

}  // namespace tk
