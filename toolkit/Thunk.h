// A window procedure made for one control: the link from its window to its object that no other process can change.
#pragma once

#include <windows.h>

namespace tk {

class Control;

// What the procedure jumps to: the window's arguments, with the control in the window's place.
using RoutingProcedure = LRESULT(CALLBACK*)(Control* target, UINT message, WPARAM wParam, LPARAM lParam);

// A few instructions in a page of their own, written once and then only executable.
class Thunk {
public:
    Thunk(Control* target, RoutingProcedure route);
    Thunk(const Thunk&) = delete;
    Thunk& operator=(const Thunk&) = delete;
    ~Thunk();

    WNDPROC Procedure() const { return WNDPROC(code_); }

private:
    void* code_;
};

}  // namespace tk
