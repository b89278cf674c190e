// Which system icon a message box shows, as the user sees it: an icon handle is of no use in another process.
#pragma once

#include <windows.h>

// Whether the icon control shows the system's icon (IDI_ERROR, ...), pixel for pixel.
bool ShowsSystemIcon(HWND iconControl, LPCSTR icon);
