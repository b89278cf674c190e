// One line of text, never wrapped, ampersands shown as they are.
#pragma once

#include "toolkit/Control.h"

namespace tk {

class Label : public ControlOf<Label> {
public:
    Label(Control* parent, const char* text)
        : ControlOf(parent, Kind{"STATIC", WS_CHILD | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 64, 14}, text) {}
};

inline Label* NewLabel(Control* parent, const char* text) {
    return Control::Adopt(parent, std::make_unique<Label>(parent, text));
}

}  // namespace tk
