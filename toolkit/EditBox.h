// A single-line edit box that scrolls sideways as text is typed.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class EditBox : public ControlOf<EditBox> {
public:
    explicit EditBox(Control* parent)
        : ControlOf(parent, Kind{"EDIT", WS_CHILD | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 100, 20}, "") {}
};

inline EditBox* NewEditBox(Control* parent) {
    return Control::Adopt(parent, std::make_unique<EditBox>(parent));
}

}  // namespace tk
