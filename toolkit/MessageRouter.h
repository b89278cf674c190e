// The one window procedure of the dialog: every message goes back to the object it concerns.
#pragma once

#include <windows.h>

namespace tk {

LRESULT CALLBACK RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tk
