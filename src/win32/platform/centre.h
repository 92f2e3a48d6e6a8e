#pragma once

#include <windows.h>

namespace orvanta::platform {

// Places a top-level window, frame included, in the middle of the work area
// of its monitor.
void CentreOnWorkArea(HWND window);

} // namespace orvanta::platform
