// A check box that toggles itself when clicked.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class CheckBox : public ControlOf<CheckBox> {
public:
    CheckBox(Control* parent, const char* text)
        : ControlOf(parent, Kind{"BUTTON", WS_CHILD | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 72, 17}, text) {}

    bool Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    CheckBox* SetChecked(bool checked) {
        SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        return this;
    }
};

inline CheckBox* NewCheckBox(Control* parent, const char* text) {
    return Control::Adopt(parent, std::make_unique<CheckBox>(parent, text));
}

}  // namespace tk
