#pragma once

#include <windows.h>

namespace orvanta::platform {

// Places a top-level window, frame included, in the middle of its screen's
// available area: the work area of its monitor.
void CentreOnScreen(HWND window);

} // namespace orvanta::platform
