// The one window procedure of the dialog: every message goes back to the object it concerns.
#pragma once

#include <windows.h>

namespace tk {

class Control;

// Reached only through a control's own window procedure (toolkit/Thunk.h), which puts the control in the window's place.
LRESULT CALLBACK RouteMessage(Control* target, UINT message, WPARAM wParam, LPARAM lParam);

// A form's class procedure: takes the window over for its object at WM_NCCREATE, so that the form sees every message
// of its life from there on.
LRESULT CALLBACK RouteCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tk
