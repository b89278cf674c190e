// A push button with one click handler: a method and the object it belongs to.
#pragma once

#include "toolkit/Control.h"

namespace tk {

using ClickMethod = void (Object::*)(Control* sender);

class Button : public ControlOf<Button> {
public:
    Button(Control* parent, const char* text)
        : ControlOf(parent, Kind{"BUTTON", WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON, 0, 64, 22}, text) {}

    template <class T>
    Button* SetOnClick(T* target, void (T::*method)(Control*)) {
        target_ = target;
        method_ = static_cast<ClickMethod>(method);
        return this;
    }

    void OnCommand(WORD code) override {
        if (code == BN_CLICKED && target_) (target_->*method_)(this);
    }

private:
    Object* target_ = nullptr;
    ClickMethod method_ = nullptr;
};

inline Button* NewButton(Control* parent, const char* text) {
    return Control::Adopt(parent, std::make_unique<Button>(parent, text));
}

}  // namespace tk
